#include "StartUmgebung.h"

#include "app/Main.h"
#include "app/Optionen.h"

#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

class Optionen : public StartUmgebung
{
protected:
    void SetUp() override
    {
        StartUmgebung::SetUp();
        einrichten();
        automatischAnmelden(QStringLiteral("Systemverwalter"));
    }

    QString aktiv() const { return programm.datei(QStringLiteral("Z_Tavero.exe.manifest")); }
    QString geparkt() const { return programm.datei(QStringLiteral("_Z_Tavero.exe.manifest")); }

    void anlegen(const QString &datei, const QByteArray &inhalt)
    {
        QFile file(datei);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(inhalt);
    }
};

TEST_F(Optionen, TheThemesBoxMovesTheManifestAtOnceAndAMoveThatCannotBeMadeChangesNothing)
{
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    anlegen(geparkt(), "m");
    TfrmOptionen optionen(main);
    ASSERT_TRUE(optionen.cbXPThemes->isEnabled());
    ASSERT_FALSE(optionen.cbXPThemes->isChecked());

    optionen.cbXPThemes->setChecked(true);
    EXPECT_TRUE(QFile::exists(aktiv()));
    EXPECT_FALSE(QFile::exists(geparkt()));

    optionen.cbXPThemes->setChecked(false);
    EXPECT_FALSE(QFile::exists(aktiv()));
    EXPECT_TRUE(QFile::exists(geparkt()));

    // Both there: nothing is overwritten.
    anlegen(aktiv(), "a");
    optionen.cbXPThemes->setChecked(true);
    optionen.cbXPThemes->setChecked(false);
    QFile datei(geparkt());
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), QByteArray("m"));
    EXPECT_TRUE(QFile::exists(aktiv()));

    // Not taken without OK.
    EXPECT_FALSE(main.XP_Themes);
}

TEST_F(Optionen, ThemesStoredAsOnActivateTheManifestWhenTheDialogOpens)
{
    ini().writeBool(QStringLiteral("XP_Themes"), true);
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    ASSERT_TRUE(main.XP_Themes);
    anlegen(geparkt(), "m");

    TfrmOptionen optionen(main);

    EXPECT_TRUE(optionen.cbXPThemes->isChecked());
    EXPECT_TRUE(QFile::exists(aktiv()));
}

TEST_F(Optionen, EnterAnywhereActsAsOk)
{
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    formulare.whenShown<TfrmOptionen>([](TfrmOptionen &optionen) {
        optionen.PageControl1->setCurrentIndex(3);
        optionen.edZollamtNr->setFocus();
        optionen.edZollamtNr->setText(QStringLiteral("DE004711"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(optionen.edZollamtNr, &enter);
    });

    TfrmOptionen optionen(main);
    EXPECT_EQ(optionen.showModal(), ui::ModalResult::Ok);
    EXPECT_EQ(main.ZollamtNr, QStringLiteral("DE004711"));
}

TEST_F(Optionen, SortChoicesOfTheMasterListsStartAtTheFirstAndAreKeptInTheIniFile)
{
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    EXPECT_EQ(main.StammSortRead(QStringLiteral("WarenNr")), 0);
    main.StammSortWrite(QStringLiteral("WarenNr"), 2);
    EXPECT_EQ(ini().readString(QStringLiteral("WarenNr")), QStringLiteral("2"));
    EXPECT_EQ(main.StammSortRead(QStringLiteral("WarenNr")), 2);
    ini().writeString(QStringLiteral("Artikel"), QStringLiteral("Name"));
    EXPECT_EQ(main.StammSortRead(QStringLiteral("Artikel")), 0);
}

} // namespace
