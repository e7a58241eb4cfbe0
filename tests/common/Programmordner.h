#pragma once

#include "support/TempFolder.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// A program folder of its own for the test: ProgrammVerzeichnis() points
// into a temporary folder while the object lives.
class Programmordner
{
public:
    Programmordner()
        : hadHome_(qEnvironmentVariableIsSet("RAZAZU_HOME")), oldHome_(qgetenv("RAZAZU_HOME"))
    {
        qputenv("RAZAZU_HOME", folder_.path().toUtf8());
    }
    ~Programmordner()
    {
        if (hadHome_)
            qputenv("RAZAZU_HOME", oldHome_);
        else
            qunsetenv("RAZAZU_HOME");
    }
    Programmordner(const Programmordner &) = delete;
    Programmordner &operator=(const Programmordner &) = delete;

    QString pfad() const { return folder_.path(); }
    QString datei(const QString &name) const { return folder_.file(name); }

private:
    TempFolder folder_;
    bool hadHome_;
    QByteArray oldHome_;
};
