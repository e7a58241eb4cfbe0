#include "StartUmgebung.h"

#include "sad_export/TfrmEinheit_d.h"

#include "platform/sys/UnhandledException.h"
#include "support/Druckumgebung.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QPushButton>

namespace {

using Neuinstallation = StartUmgebung;

int zeilen(db::Database &store, const QString &tabelle)
{
    db::Table table(store, tabelle);
    table.open();
    return table.recordCount();
}

TEST_F(Neuinstallation, GivesANewClerkAProgramFolderADataStoreAndTheAdministrator)
{
    ASSERT_EQ(InstallationEinrichten(programm.pfad()), Einrichtung::Eingerichtet);

    EXPECT_EQ(ini().readString(QStringLiteral("DatenBankPfad")), daten());
    EXPECT_EQ(ini().readString(QStringLiteral("ProgrammPfad")), sys::withTrailingSeparator(programm.pfad()));

    db::Database store(QStringLiteral("Z_Tavero"));
    store.setPath(daten());
    store.open();
    for (const QString &tabelle : {QStringLiteral("Rechnung"), QStringLiteral("S_PARAME"), QStringLiteral("S_BEARB"),
                                   QStringLiteral("S_SPRACH"), QStringLiteral("S_BENUTZ")})
        EXPECT_TRUE(store.tableExists(tabelle)) << tabelle.toStdString();
    EXPECT_EQ(zeilen(store, QStringLiteral("S_PARAME")), 1);
    EXPECT_EQ(zeilen(store, QStringLiteral("S_SPRACH")), 5);
    EXPECT_EQ(zeilen(store, QStringLiteral("S_BENUTZ")), 66);

    db::Table benutzer(store, QStringLiteral("S_BEARB"));
    benutzer.open();
    ASSERT_EQ(benutzer.recordCount(), 1);
    EXPECT_EQ(benutzer[QStringLiteral("Kurzname")].asString(), QStringLiteral("Systemverwalter"));
    EXPECT_EQ(benutzer[QStringLiteral("Funktion")].asString(), QStringLiteral("Systemverwalter"));
    EXPECT_EQ(benutzer[QStringLiteral("Passwort")].asString(), QString());
    EXPECT_EQ(benutzer[QStringLiteral("UserNr")].asInteger(), 1);

    db::Database eigene(QStringLiteral("Razazu"));
    eigene.setPath(programm.datei(QStringLiteral("User1")));
    eigene.open();
    EXPECT_EQ(zeilen(eigene, QStringLiteral("S_BENUTZ")), 66);
}

TEST_F(Neuinstallation, AnExistingInstallationIsLeftAlone)
{
    einrichten();
    ini().writeString(QStringLiteral("DatenBankPfad"), QStringLiteral("/srv/razazu/Daten"));
    QFile ini(iniDatei());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray vorher = ini.readAll();
    ini.close();

    EXPECT_EQ(InstallationEinrichten(programm.pfad()), Einrichtung::Vorhanden);

    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), vorher);
}

TEST_F(Neuinstallation, ALostIniFileIsWrittenAgainWithoutTouchingTheData)
{
    einrichten();
    benutzerAnlegen(QStringLiteral("meier"), QStringLiteral("x"), 2);
    QFile::remove(iniDatei());

    EXPECT_EQ(InstallationEinrichten(programm.pfad()), Einrichtung::Eingerichtet);

    EXPECT_EQ(ini().readString(QStringLiteral("DatenBankPfad")), daten());
    db::Database store(QStringLiteral("Z_Tavero"));
    store.setPath(daten());
    EXPECT_EQ(zeilen(store, QStringLiteral("S_BEARB")), 2);
    EXPECT_EQ(zeilen(store, QStringLiteral("S_PARAME")), 1);
}

// The pre-stamper lists are made empty where they are missing, also in an
// existing installation; a list that is there keeps what it holds.
TEST_F(Neuinstallation, CreatesMissingPreStamperListsEmptyAndKeepsExistingOnes)
{
    const QString unbedruckt = programm.datei(QStringLiteral("Vorab.KD0"));
    const QString bedruckt = programm.datei(QStringLiteral("Vorab.KD1"));
    writeFile(bedruckt, "2\r\n8\r\n");
    einrichten();
    EXPECT_TRUE(QFile::exists(unbedruckt));
    EXPECT_EQ(readFile(unbedruckt), QByteArray());
    EXPECT_EQ(readFile(bedruckt), QByteArray("2\r\n8\r\n"));

    QFile::remove(unbedruckt);
    QFile::remove(bedruckt);
    writeFile(unbedruckt, "44\r\n");
    EXPECT_EQ(InstallationEinrichten(programm.pfad()), Einrichtung::Vorhanden);
    EXPECT_EQ(readFile(unbedruckt), QByteArray("44\r\n"));
    EXPECT_TRUE(QFile::exists(bedruckt));
    EXPECT_EQ(readFile(bedruckt), QByteArray());
}

// A new clerk's first export declaration prints: it does not stop at the
// list of boxes printed in advance.
TEST(NeuerProgrammordner, PrintsTheFirstExportDeclaration)
{
    Druckumgebung druck({QStringLiteral("AUSFUHRANMELDUNG"), QStringLiteral("AUSFUHRANMELDUNG - ERGÄNZ")});
    ASSERT_EQ(InstallationEinrichten(druck.programm.path()), Einrichtung::Eingerichtet);
    db::Database daten(QStringLiteral("Z_Tavero"));
    daten.setPath(druck.programm.file(QStringLiteral("Daten")));
    daten.open();
    daten.execute(QStringLiteral("INSERT INTO \"EINHEIT\" (\"belegnr\", \"datum\", \"AnzPos\", \"f8_1\") "
                                 "VALUES (1, ?, 0, 'Empfaenger')"),
                  {QDate(2024, 5, 2)});

    std::vector<sys::ExceptionReport> berichte;
    const auto vorher = sys::setExceptionHandler([&](const sys::ExceptionReport &r) { berichte.push_back(r); });
    {
        TfrmEinheit_d dialog(daten);
        ASSERT_TRUE(dialog.belegSuchen(1));
        dialog.show();
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Bitte Formular Ausfuhranmeldung"), ui::ModalResult::Ok);
        dialoge.answerPrinterSetup(std::nullopt);
        dialog.BtnOK->click();
    }
    sys::setExceptionHandler(vorher);
    for (const sys::ExceptionReport &bericht : berichte)
        ADD_FAILURE() << bericht.message.toStdString();
    ASSERT_EQ(druck.aufnahme.jobs().size(), 1);
    bool empfaenger = false;
    for (const auto &text : druck.aufnahme.texts())
        empfaenger = empfaenger || text.text == QStringLiteral("Empfaenger");
    EXPECT_TRUE(empfaenger);
}

} // namespace
