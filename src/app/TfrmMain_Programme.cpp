#include "Main.h"

#include "Datenmodul.h"
#include "ExterneProgramme.h"

#include "common/Ini.h"
#include "common/ShellFehler.h"
#include "common/Util.h"

#include "platform/db/Table.h"
#include "platform/sys/Files.h"
#include "platform/sys/Process.h"
#include "platform/sys/WindowsSubstitutes.h"
#include "platform/ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString reorganisation = QStringLiteral("Reorganisation.exe");
const QString onlineUpdate = QStringLiteral("KandrelUpdate.exe");
const QString pelmora = QStringLiteral("Pelmora.exe");

} // namespace

bool TfrmMain::Zahlungsauftrag()
{
    PelmoraPfad.clear();
    const std::optional<QString> ordner = sys::registeredProgramFolder(pelmora);
    if (!ordner)
        return false;
    const QString folder = QDir::fromNativeSeparators(*ordner);
    if (const auto datei = ProgrammDatei(folder, pelmora)) {
        PelmoraPfad = *datei;
        return true;
    }
    PelmoraPfad = sys::joinPath(folder, pelmora);
    return false;
}

void TfrmMain::mnuZahlungsauftragClick()
{
    if (PelmoraPfad.isEmpty())
        return;
    // The path goes as it is: upper-casing it would miss the file on a file
    // system that tells case apart.
    ProgrammAusfuehren(PelmoraPfad, {QStringLiteral("-AVE")}, QFileInfo(PelmoraPfad).absolutePath());
}

void TfrmMain::mnuReorganisationClick()
{
    // None of the program's tables may be open while the program repairs them.
    Table1->close();
    tbParameter->close();
    DatenmodulFreigeben();
    const auto wiederOeffnen = [this] {
        Table1->setDatabase(Database1);
        Table1->open();
        tbParameter->open();
        DatenmodulErzeugen();
    };

    QString ordner = ProgrammPfad;
    std::optional<QString> programm = ProgrammDatei(ordner, reorganisation);
    if (!programm) {
        IniEinlesen(QStringLiteral("ReorgPfad"), ordner);
        programm = ProgrammDatei(ordner, reorganisation);
    }
    if (!programm) {
        ui::FolderRequest frage;
        frage.title = QStringLiteral("Pfad des Reorganisationsprogramms auswählen!");
        frage.startFolder = ordner;
        frage.acceptable = [](const QString &pfad) { return ProgrammDatei(pfad, reorganisation).has_value(); };
        const ui::FolderResult antwort = ui::dialogs().chooseFolder(frage);
        if (!antwort.accepted) {
            ProgrammBeenden();
            return;
        }
        ordner = sys::withTrailingSeparator(QDir::fromNativeSeparators(antwort.path));
        IniEintragen(QStringLiteral("ReorgPfad"), ordner);
        if (!QDir::setCurrent(ProgrammPfad)) {
            wiederOeffnen();
            throw sys::FileSystemError(QStringLiteral("Das Programmverzeichnis %1 kann nicht aufgerufen werden.")
                                     .arg(ProgrammPfad),
                                 ProgrammPfad);
        }
        programm = ProgrammDatei(ordner, reorganisation);
    }

    // A failed start has told the clerk; the tables come back all the same.
    if (programm)
        ProgrammAusfuehren(*programm, {}, sys::withoutTrailingSeparator(ordner));
    else
        ui::messageDlg(ProgrammStartFehler(), ui::MessageType::Warning, ui::Buttons::Ok);
    wiederOeffnen();
}

void TfrmMain::mnuOnlineUpdateClick()
{
    ui::messageDlg(QStringLiteral("Bitte warten Sie mit der Aktualisierung bis das Programm beendet ist.\n"
                                  "Sollten Sie im Besitz einer Mehrplatz-Version sein, so müssen alle das "
                                  "Programm beenden\n"
                                  "bevor die Aktualisierung gestartet wird!"),
                   ui::MessageType::Information, ui::Buttons::Ok);
    // Ending the program for an update that never starts would leave the
    // clerk waiting for nothing.
    const std::optional<QString> programm = ProgrammDatei(ProgrammPfad, onlineUpdate);
    if (!programm || !sys::startDetached(*programm, {}, sys::withoutTrailingSeparator(ProgrammPfad))) {
        ui::messageDlg(ProgrammStartFehler(), ui::MessageType::Warning, ui::Buttons::Ok);
        return;
    }
    ProgrammBeenden();
}

void TfrmMain::mnuHandbuchClick()
{
    ShellOeffnen(QStringLiteral("Handbuch.html"), sys::joinPath(ProgrammPfad, QStringLiteral("Handbuch")));
}

void TfrmMain::mnuInhaltClick()
{
    const sys::ShellResult ergebnis = sys::showHelp();
    if (ergebnis != sys::ShellResult::Ok)
        ui::messageDlg(ShellFehlerText(ergebnis), ui::MessageType::Error, ui::Buttons::Ok);
}
