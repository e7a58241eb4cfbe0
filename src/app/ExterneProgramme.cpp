#include "ExterneProgramme.h"

#include "platform/sys/Files.h"
#include "platform/sys/Process.h"
#include "platform/ui/Dialogs.h"

QString PelmoraPfad;

std::optional<QString> ProgrammDatei(const QString &ordner, const QString &name)
{
    if (ordner.isEmpty() || !sys::folderExists(ordner))
        return std::nullopt;
    if (auto datei = sys::findFileIgnoringCase(ordner, name))
        return datei;
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return sys::findFileIgnoringCase(ordner, name.chopped(4));
    return std::nullopt;
}

QString ProgrammStartFehler()
{
    return QStringLiteral("Das Programm kann nicht gestartet werden!\n"
                          "Bitte starten Sie das Programm manuell aus dem Startmenü!");
}

bool ProgrammAusfuehren(const QString &programm, const QStringList &argumente, const QString &arbeitsordner)
{
    const sys::ProcessResult ergebnis = sys::runAndWait(programm, argumente, arbeitsordner);
    if (!ergebnis.started)
        ui::messageDlg(ProgrammStartFehler(), ui::MessageType::Warning, ui::Buttons::Ok);
    return ergebnis.started;
}
