#include "private/FileReading.h"

#include "FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace files {

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw FileError::notFound(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError::cannotRead(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError::cannotRead(path, file.errorString());
    return bytes;
}

QByteArray mappedFile(QFile &file, const QString &path)
{
    file.setFileName(path);
    if (!file.exists())
        throw FileError::notFound(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError::cannotRead(path, file.errorString());
    if (file.size() == 0)
        return {};
    if (uchar *mapped = file.map(0, file.size()))
        return QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), qsizetype(file.size()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError::cannotRead(path, file.errorString());
    return bytes;
}

QString siblingWithExtension(const QString &path, const QString &extension)
{
    const QFileInfo info(path);
    const QString wanted = info.completeBaseName() + u'.' + extension;
    const QDir folder = info.dir();
    if (QFileInfo::exists(folder.filePath(wanted)))
        return folder.filePath(wanted);
    const QStringList all = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &candidate : all) {
        if (candidate.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(candidate);
    }
    return QString();
}

} // namespace files
