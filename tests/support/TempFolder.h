#pragma once

#include <QString>
#include <QTemporaryDir>

// A folder that lives as long as the test and is removed afterwards.
class TempFolder
{
public:
    TempFolder() { dir_.setAutoRemove(true); }
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};
