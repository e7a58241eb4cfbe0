#include "Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace sys {

QString programFolder()
{
    QString folder = qEnvironmentVariable("RAZAZU_HOME");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    return withTrailingSeparator(QDir::fromNativeSeparators(folder));
}

QString applicationDataFolder()
{
    QString folder = qEnvironmentVariable("RAZAZU_APPDATA");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withTrailingSeparator(QDir::fromNativeSeparators(folder));
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString withoutTrailingSeparator(const QString &folder)
{
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        return folder.left(folder.size() - 1);
    return folder;
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    QString tail = name;
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    return withTrailingSeparator(folder) + tail;
}

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool folderExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

std::optional<QString> findFileIgnoringCase(const QString &folder, const QString &name)
{
    const QString exact = joinPath(folder, name);
    if (fileExists(exact))
        return exact;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return std::nullopt;
}

void ensureFolder(const QString &folder)
{
    if (folderExists(folder))
        return;
    if (!QDir().mkpath(folder))
        throw FileSystemError(QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(folder), folder);
}

bool removeFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    return QFile::remove(path);
}

bool moveFile(const QString &source, const QString &target)
{
    if (!fileExists(source) || QFileInfo::exists(target))
        return false;
    return QFile::rename(source, target);
}

void copyFile(const QString &source, const QString &target, bool replace)
{
    if (!fileExists(source))
        throw FileSystemError(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(source), source);
    if (QFileInfo::exists(target) && !replace)
        throw FileSystemError(QStringLiteral("Die Datei %1 existiert bereits.").arg(target), target);
    writeFileBytes(target, readFileBytes(source));
}

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileSystemError(QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2").arg(path, file.errorString()), path);
    return file.readAll();
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileSystemError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(path, file.errorString()), path);
}

} // namespace sys
