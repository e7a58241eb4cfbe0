#pragma once

#include <QByteArray>
#include <QString>

namespace files {

// Writes a file so that a failure leaves the old file of that name as it
// was: everything goes into a temporary file in the same folder, which
// replaces the target in one rename on commit(). Without commit() the
// temporary file is removed.
class ReplacingFile
{
public:
    explicit ReplacingFile(const QString &targetPath);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // The temporary file, for libraries that write by file name.
    QString temporaryPath() const { return temporaryPath_; }
    QString targetPath() const { return targetPath_; }
    void commit();

    // The whole file at once.
    static void write(const QString &targetPath, const QByteArray &bytes);

private:
    QString targetPath_;
    QString temporaryPath_;
    bool committed_ = false;
};

} // namespace files
