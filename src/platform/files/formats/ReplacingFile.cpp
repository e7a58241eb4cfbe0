#include "private/ReplacingFile.h"

#include "FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace files {

ReplacingFile::ReplacingFile(const QString &targetPath) : targetPath_(targetPath)
{
    const QFileInfo target(targetPath);
    if (!target.dir().exists())
        throw FileError::cannotWrite(targetPath, QStringLiteral("Der Ordner existiert nicht."));
    QTemporaryFile temporary(target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        throw FileError::cannotWrite(targetPath, temporary.errorString());
    temporaryPath_ = temporary.fileName();
    // A temporary file is private to its owner; the replacement must be as
    // readable as the file it replaces, or as a file newly made here.
    const QFileDevice::Permissions permissions = target.exists()
        ? target.permissions()
        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser
              | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    temporary.setPermissions(permissions);
}

ReplacingFile::~ReplacingFile()
{
    if (!committed_)
        QFile::remove(temporaryPath_);
}

void ReplacingFile::commit()
{
    if (std::rename(QFile::encodeName(temporaryPath_).constData(),
                    QFile::encodeName(targetPath_).constData()) != 0)
        throw FileError::cannotWrite(targetPath_, QString::fromLocal8Bit(std::strerror(errno)));
    committed_ = true;
}

void ReplacingFile::write(const QString &targetPath, const QByteArray &bytes)
{
    ReplacingFile file(targetPath);
    QFile out(file.temporaryPath());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()
        || !out.flush())
        throw FileError::cannotWrite(targetPath, out.errorString());
    out.close();
    file.commit();
}

} // namespace files
