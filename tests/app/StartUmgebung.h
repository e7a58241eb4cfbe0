#pragma once

// A program folder with an installation, scripted dialogs and a watched end
// of the program, for tests that run the real start-up.

#include "common/Programmordner.h"

#include "app/Einrichtung.h"
#include "app/Passwort.h"
#include "app/Tabellen.h"
#include "common/Util.h"

#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/sys/Files.h"
#include "platform/sys/IniFile.h"
#include "platform/ui/SpeedButton.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <gtest/gtest.h>

class StartUmgebung : public ::testing::Test
{
protected:
    void SetUp() override
    {
        alleTabellenAnmelden();
        vorherigesEnde_ = setProgrammEndeHandler([this](ProgrammEnde art) { enden << art; });
        ProgrammEndeZuruecksetzen();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void TearDown() override
    {
        setProgrammEndeHandler(vorherigesEnde_);
        ProgrammEndeZuruecksetzen();
        db::Database::alias(QStringLiteral("Z_Tavero")).close();
        db::Database::alias(QStringLiteral("Razazu")).close();
        QDir::setCurrent(verzeichnisVorher_);
    }

    QString daten() const { return programm.datei(QStringLiteral("Daten")); }
    QString iniDatei() const { return programm.datei(QStringLiteral("Razazu.ini")); }
    sys::IniFile ini() const { return sys::IniFile(iniDatei(), QStringLiteral("Kandrel Razazu")); }

    void einrichten() { ASSERT_EQ(InstallationEinrichten(programm.pfad()), Einrichtung::Eingerichtet); }

    void benutzerAnlegen(const QString &kurzname, const QString &passwort, int userNr,
                         const QString &funktion = QStringLiteral("Anwender"))
    {
        db::Database store(QStringLiteral("Z_Tavero"));
        store.setPath(daten());
        db::Table benutzer(store, QStringLiteral("S_BEARB"));
        benutzer.open();
        benutzer.append();
        benutzer[QStringLiteral("Kurzname")].setAsString(kurzname);
        benutzer[QStringLiteral("Passwort")].setAsString(passwort);
        benutzer[QStringLiteral("Funktion")].setAsString(funktion);
        benutzer[QStringLiteral("UserNr")].setAsInteger(userNr);
        benutzer.post();
    }

    // Logs in without the dialog.
    void automatischAnmelden(const QString &kurzname)
    {
        ini().writeBool(QStringLiteral("AutomatischAnmelden"), true);
        ini().writeString(QStringLiteral("AnmeldeNamen"), kurzname);
    }

    // In the login dialog: pick the user, type the password, press OK.
    static void anmelden(TPasswordDlg &dialog, const QString &kurzname, const QString &passwort)
    {
        dialog.cbbxBenutzer->setCurrentIndex(dialog.cbbxBenutzer->findText(kurzname));
        dialog.Password->setText(passwort);
        dialog.SpeedButton1->click();
    }

    Programmordner programm;
    ScriptedDialogs dialoge;
    ModalForms formulare;
    QList<ProgrammEnde> enden;

private:
    ProgrammEndeHandler vorherigesEnde_;
    QString verzeichnisVorher_ = QDir::currentPath();
};
