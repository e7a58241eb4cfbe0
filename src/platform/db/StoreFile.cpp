#include "StoreFile.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace db::store {

namespace {

std::optional<FileIdentity> identityOf(const struct stat &status)
{
    return FileIdentity{status.st_dev, status.st_ino};
}

struct OpenFile
{
    int connections = 0;
    QList<int> waitingDescriptors;
};

std::mutex openFilesMutex;

std::map<std::pair<dev_t, ino_t>, OpenFile> &openFiles()
{
    static std::map<std::pair<dev_t, ino_t>, OpenFile> files;
    return files;
}

} // namespace

DatabaseError storeFileReplaced(const QString &path)
{
    return DatabaseError(QStringLiteral("Die Datenbankdatei %1 wurde gelöscht oder durch eine andere ersetzt, "
                                        "während das Programm lief. Die Änderung wurde nicht gespeichert. "
                                        "Bitte das Programm beenden und neu starten.")
                             .arg(QDir::toNativeSeparators(path)));
}

std::optional<FileIdentity> identityOf(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

std::optional<FileIdentity> identityOf(int descriptor)
{
    struct stat status;
    if (::fstat(descriptor, &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

bool isNetworkFileSystemType(long type)
{
    switch (static_cast<unsigned long>(type) & 0xffffffffUL) {
    case 0x6969UL:       // NFS
    case 0x517bUL:       // SMB
    case 0xff534d42UL:   // CIFS
    case 0xfe534d42UL:   // SMB2
    case 0x564c0000UL:   // NCP
    case 0x73757245UL:   // Coda
    case 0x5346414fUL:   // AFS
    case 0x6b414653UL:   // kAFS
    case 0x01021997UL:   // 9P
    case 0x00c36400UL:   // Ceph
    case 0x01161970UL:   // GFS2
    case 0x7461636fUL:   // OCFS2
    case 0x47504653UL:   // GPFS
    case 0x0bd00bd0UL:   // Lustre
        return true;
    default:
        return false;
    }
}

bool onNetworkFileSystem(const QString &folder)
{
    struct statfs info;
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return isNetworkFileSystemType(long(info.f_type));
}

void connectionOpened(const FileIdentity &file)
{
    std::lock_guard guard(openFilesMutex);
    ++openFiles()[{file.device, file.inode}].connections;
}

void connectionClosed(const FileIdentity &file)
{
    QList<int> closing;
    {
        std::lock_guard guard(openFilesMutex);
        auto it = openFiles().find({file.device, file.inode});
        if (it == openFiles().end())
            return;
        if (--it->second.connections > 0)
            return;
        closing = it->second.waitingDescriptors;
        openFiles().erase(it);
    }
    for (int descriptor : closing)
        ::close(descriptor);
}

void closeWhenUnused(const FileIdentity &file, int descriptor)
{
    {
        std::lock_guard guard(openFilesMutex);
        auto it = openFiles().find({file.device, file.inode});
        if (it != openFiles().end() && it->second.connections > 0) {
            it->second.waitingDescriptors << descriptor;
            return;
        }
    }
    ::close(descriptor);
}

} // namespace db::store
