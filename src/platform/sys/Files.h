#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace sys {

// A file or folder that could not be read, written, created or moved. what()
// carries the German message for the user (UTF-8); path() the file concerned.
class FileSystemError : public std::runtime_error
{
public:
    FileSystemError(const QString &message, const QString &path)
        : std::runtime_error(message.toStdString()), message_(message), path_(path) {}
    QString message() const { return message_; }
    QString path() const { return path_; }

private:
    QString message_;
    QString path_;
};

// The program folder with a trailing separator: $RAZAZU_HOME when set,
// otherwise the executable's folder. The INI file, the pre-stamper files, the
// change list and the per-user folders lie there.
QString programFolder();

// The user's folder for application data (in place of the Windows
// application-data folder), with a trailing separator. $RAZAZU_APPDATA
// overrides it.
QString applicationDataFolder();

QString withTrailingSeparator(const QString &folder);
// Drops one trailing separator, but keeps the root "/" as it is.
QString withoutTrailingSeparator(const QString &folder);
// folder + name with exactly one separator between them.
QString joinPath(const QString &folder, const QString &name);

bool fileExists(const QString &path);
bool folderExists(const QString &path);

// Files brought over from Windows may differ from the names the program asks
// for in case only ("AENDERUNG.TXT" for "Aenderung.txt"). Returns the path of
// the file in folder whose name matches without regard to case, preferring an
// exact match; nullopt when there is none.
std::optional<QString> findFileIgnoringCase(const QString &folder, const QString &name);

// Creates the folder and its parents; FileSystemError when that fails.
void ensureFolder(const QString &folder);
// Removes the file; true when it is gone afterwards (also when it never
// existed).
bool removeFile(const QString &path);
// Moves source to target; false (and nothing changed) when the source is
// missing or the target exists.
bool moveFile(const QString &source, const QString &target);
// Copies source to target, replacing the target when asked. FileSystemError when
// the copy fails; the target is then left as it was.
void copyFile(const QString &source, const QString &target, bool replace = false);

// Whole-file bytes; FileSystemError when the file cannot be read.
QByteArray readFileBytes(const QString &path);
// Writes the bytes through a temporary file that replaces the target only
// when everything was written, so a failure never leaves half a file.
// FileSystemError when that fails.
void writeFileBytes(const QString &path, const QByteArray &bytes);

} // namespace sys
