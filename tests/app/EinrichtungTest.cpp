#include "StartUmgebung.h"

#include <QFile>

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

} // namespace
