#include "StartUmgebung.h"

#include "app/Main.h"
#include "app/Optionen.h"
#include "masterdata/Auswahldialoge.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/SpeedButton.h"

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

// The Intrastat pickers open on the stored code and put the chosen one in
// the field: the procedure as its two parts joined, the business type as it is.
TEST_F(Optionen, TheIntrastatPickersOpenOnTheStoredCodeAndFillTheField)
{
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    db::Database &store = db::Database::alias(QStringLiteral("Z_Tavero"));
    for (const auto &[nr, v1, v2] : {std::tuple{"01", "1000", "0"}, std::tuple{"02", "1000", "1"}, std::tuple{"03", "3151", "0"}})
        store.execute(QStringLiteral("INSERT INTO \"S_EINH37\" (\"Einh37\", \"Verfnr1\", \"Verfnr2\") VALUES (?, ?, ?)"),
                      {QString::fromLatin1(nr), QString::fromLatin1(v1), QString::fromLatin1(v2)});
    for (const char *art : {"11", "21", "31"})
        store.execute(QStringLiteral("INSERT INTO \"S_GESART\" (\"Geart\") VALUES (?)"), {QString::fromLatin1(art)});

    TfrmOptionen optionen(main);
    EXPECT_TRUE(optionen.btnIntraVerfahren->isEnabled());
    EXPECT_TRUE(optionen.btnIntraArt->isEnabled());
    QStringList gezeigt;
    formulare.whenShown<TfrmVerf_e>([&](TfrmVerf_e &picker) {
        gezeigt << picker.Table1->fieldByName(QStringLiteral("Einh37")).asString();
        picker.Table1->next();
        picker.SpeedButton2->click();
    });
    formulare.whenShown<TfrmVerf_e>([&](TfrmVerf_e &picker) {
        gezeigt << picker.Table1->fieldByName(QStringLiteral("Einh37")).asString();
        picker.SpeedButton1->click();
    });
    formulare.whenShown<TfrmGesch_e>([&](TfrmGesch_e &picker) {
        gezeigt << picker.Table1->fieldByName(QStringLiteral("Geart")).asString();
        picker.SpeedButton2->click();
    });
    optionen.edIntraVerfahren->setText(QStringLiteral("10000"));
    optionen.btnIntraVerfahren->click();
    EXPECT_EQ(optionen.edIntraVerfahren->text(), QStringLiteral("10001"));
    // No such row: the last one; cancelled: the field stays.
    optionen.edIntraVerfahren->setText(QStringLiteral("99999"));
    optionen.btnIntraVerfahren->click();
    EXPECT_EQ(optionen.edIntraVerfahren->text(), QStringLiteral("99999"));
    optionen.edIntraArt->setText(QStringLiteral("2"));
    optionen.btnIntraArt->click();
    EXPECT_EQ(optionen.edIntraArt->text(), QStringLiteral("21"));
    EXPECT_EQ(gezeigt, (QStringList{QStringLiteral("01"), QStringLiteral("03"), QStringLiteral("21")}));
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
