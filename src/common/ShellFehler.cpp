#include "ShellFehler.h"

#include "platform/ui/Dialogs.h"

QString ShellFehlerText(sys::ShellResult ergebnis)
{
    switch (ergebnis) {
    case sys::ShellResult::Ok:
        return {};
    case sys::ShellResult::FileNotFound:
        return QStringLiteral("Datei wurde nicht gefunden !");
    case sys::ShellResult::FolderNotFound:
        return QStringLiteral("Verzeichniss wurde nicht gefunden !");
    case sys::ShellResult::NoAssociation:
        return QStringLiteral("Typ der auszuführenden Datei unbekannt !");
    case sys::ShellResult::Failed:
        break;
    }
    return QStringLiteral("Das Programm für dieses Ziel konnte nicht gestartet werden !");
}

bool ShellOeffnen(const QString &ziel, const QString &arbeitsordner)
{
    const sys::ShellResult ergebnis = sys::shellOpen(ziel, arbeitsordner);
    if (ergebnis == sys::ShellResult::Ok)
        return true;
    ui::messageDlg(ShellFehlerText(ergebnis), ui::MessageType::Error, ui::Buttons::Ok);
    return false;
}
