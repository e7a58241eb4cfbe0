#include "Util.h"

#include "platform/sys/Files.h"
#include "platform/sys/Process.h"
#include "platform/sys/ProgramVersion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

namespace {

bool endeAngefordert = false;

ProgrammEndeHandler &endeHandler()
{
    static ProgrammEndeHandler handler;
    return handler;
}

void beenden(ProgrammEnde art)
{
    endeAngefordert = true;
    if (endeHandler()) {
        endeHandler()(art);
        return;
    }
    if (art == ProgrammEnde::Neustarten)
        sys::startDetached(QCoreApplication::applicationFilePath(), {}, ProgrammVerzeichnis());
    // Before the main routine runs its event loop there is none to stop: it
    // looks at ProgrammEndeAngefordert() instead.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

} // namespace

QString ProgrammVerzeichnis()
{
    return sys::programFolder();
}

bool IsNT5OrLater()
{
    return true;
}

bool DateiVersionLesen(const QString &dateiName, quint16 &major, quint16 &minor,
                       quint16 &release, quint16 &build)
{
    const QFileInfo datei(dateiName);
    const QFileInfo programm(QCoreApplication::applicationFilePath());
    if (!datei.exists() || datei.canonicalFilePath() != programm.canonicalFilePath())
        return false;
    const sys::FileVersion version = sys::programVersion();
    major = quint16(version.major);
    minor = quint16(version.minor);
    release = quint16(version.release);
    build = quint16(version.build);
    return true;
}

void ProgrammBeenden()
{
    beenden(ProgrammEnde::Beenden);
}

void ProgrammNeustarten()
{
    beenden(ProgrammEnde::Neustarten);
}

bool ProgrammEndeAngefordert()
{
    return endeAngefordert;
}

void ProgrammEndeZuruecksetzen()
{
    endeAngefordert = false;
}

ProgrammEndeHandler setProgrammEndeHandler(ProgrammEndeHandler handler)
{
    ProgrammEndeHandler previous = std::move(endeHandler());
    endeHandler() = std::move(handler);
    return previous;
}
