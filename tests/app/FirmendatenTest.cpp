#include "common/Programmordner.h"
#include "common/RegisterTestbasis.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include "app/TfrmAuftr_de.h"
#include "app/Tfrmsprachen.h"
#include "app/Tfrmuebersetzungen.h"
#include "common/TSR_dbGrid.h"
#include "common/Tabelle_S_PARAME.h"
#include "common/Tabelle_S_SP.h"
#include "common/Tabelle_S_SPRACH.h"
#include "platform/db/Query.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The data directory with the parameter record, the languages and the
// order-print captions; a program folder of its own.
class FirmendatenTest : public testing::Test
{
protected:
    void SetUp() override
    {
        daten.setPath(ordner.path());
        daten.open();
        daten.createTable(Tabelle_S_PARAME());
        daten.createTable(Tabelle_S_SPRACH());
        daten.createTable(Tabelle_S_SP());
        daten.execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"Kopf1\") VALUES (1, 'Kandrel GmbH')"));
        for (const char *skz : {"D", "E", "F", "P", "S"})
            daten.execute(QStringLiteral("INSERT INTO \"S_SPRACH\" VALUES (?, '')"), {QString::fromLatin1(skz)});
        for (const char *name : {"Anzahl", "Betrag", "Datum"})
            daten.execute(QStringLiteral("INSERT INTO \"S_SP\" VALUES (?, 'de', 'en', 'fr', 'pt', 'es')"),
                          {QString::fromLatin1(name)});
        parameter.open();
    }

    QVariant wert(const QString &sql) { return db::Query::scalar(daten, sql); }

    QString bildDatei(const QString &name, const char *format, QSize groesse)
    {
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::red);
        const QString pfad = bilder.file(name);
        EXPECT_TRUE(bild.save(pfad, format));
        return pfad;
    }

    Programmordner programm;
    TempFolder ordner;
    TempFolder bilder;
    db::Database daten{QStringLiteral("FirmendatenTest")};
    db::Table parameter{daten, QStringLiteral("S_PARAME")};
    db::DataSource quelle{&parameter};
};

// The logo file the order print draws is written as soon as the stored logo
// changes, as a bitmap whatever the chosen file was.
TEST_F(FirmendatenTest, ChosenLogoIsStoredAndWrittenAsBitmapAtOnce)
{
    for (const auto &[name, format] : {std::pair{"logo.ico", "ICO"}, std::pair{"logo.bmp", "BMP"}}) {
        SCOPED_TRACE(name);
        const QString datei = bildDatei(QString::fromLatin1(name), format, QSize(32, 16));
        ScriptedDialogs dialoge;
        dialoge.answerOpenFile(datei);
        TfrmAuftr_de form(&quelle);
        EXPECT_EQ(form.Kopf[0]->text(), "Kandrel GmbH");
        form.DBImage1DblClick();
        EXPECT_EQ(form.windowTitle(), datei);
        EXPECT_EQ(parameter.state(), db::DatasetState::Browse);

        QFile gespeichert(datei);
        ASSERT_TRUE(gespeichert.open(QIODevice::ReadOnly));
        EXPECT_EQ(wert(QStringLiteral("SELECT \"Logo\" FROM \"S_PARAME\"")).toByteArray(), gespeichert.readAll());

        QFile logo(programm.datei(QStringLiteral("Logo.Bmp")));
        ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
        const QByteArray inhalt = logo.readAll();
        EXPECT_TRUE(inhalt.startsWith("BM"));
        EXPECT_EQ(QImage::fromData(inhalt).size(), QSize(32, 16));
        logo.close();
        QFile::remove(logo.fileName());
        // Closing the window instead of "&Schließen" loses nothing.
        form.close();
        EXPECT_FALSE(QFile::exists(logo.fileName()));
    }
}

TEST_F(FirmendatenTest, SchliessenWritesTheStoredLogo)
{
    const QString datei = bildDatei(QStringLiteral("logo.bmp"), "BMP", QSize(8, 8));
    QFile bild(datei);
    ASSERT_TRUE(bild.open(QIODevice::ReadOnly));
    daten.execute(QStringLiteral("UPDATE \"S_PARAME\" SET \"Logo\" = ?"), {bild.readAll()});
    parameter.refresh();

    ScriptedDialogs dialoge;
    TfrmAuftr_de form(&quelle);
    form.show();
    form.mnuSchliessenClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QFile::exists(programm.datei(QStringLiteral("Logo.Bmp"))));
}

TEST_F(FirmendatenTest, AFileThatIsNoPictureIsRefused)
{
    const QString datei = bilder.file(QStringLiteral("kein.bmp"));
    QFile text(datei);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("kein Bild");
    text.close();

    ScriptedDialogs dialoge;
    dialoge.answerOpenFile(datei).answerMessage(QStringLiteral("kein lesbares Bild"), ui::ModalResult::Ok);
    TfrmAuftr_de form(&quelle);
    form.DBImage1DblClick();
    EXPECT_TRUE(wert(QStringLiteral("SELECT \"Logo\" FROM \"S_PARAME\"")).isNull());
    EXPECT_FALSE(QFile::exists(programm.datei(QStringLiteral("Logo.Bmp"))));
}

TEST_F(FirmendatenTest, LanguagesOkStoresTheNamesAndFillsTheLanguageTable)
{
    db::Table sprachen(daten, QStringLiteral("S_SPRACH"));
    sprachen.open();
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        wennModal([&](QWidget *fenster) {
            auto *dialog = qobject_cast<Tfrmsprachen *>(fenster);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), "Parameter - Sprachen");
            EXPECT_EQ(dialog->Labels[3]->text(), "Sprache 4");
            parameter.edit();
            parameter.fieldByName(QStringLiteral("Sprache4")).setAsString(QStringLiteral("Portugiesisch"));
            (ok ? dialog->SpeedButton1 : dialog->SpeedButton2)->click();
        });
        EXPECT_EQ(Tfrmsprachen::SprachenBearbeiten(parameter, quelle, sprachen), ok);
        EXPECT_EQ(parameter.state(), db::DatasetState::Browse);
        EXPECT_EQ(wert(QStringLiteral("SELECT \"Sprache4\" FROM \"S_PARAME\"")).toString(),
                  ok ? QStringLiteral("Portugiesisch") : QString());
        EXPECT_EQ(wert(QStringLiteral("SELECT \"Sprache\" FROM \"S_SPRACH\" WHERE \"Skz\" = 'P'")).toString(),
                  ok ? QStringLiteral("Portugiesisch") : QString());
    }
}

TEST_F(FirmendatenTest, TranslationsEditOnlyExistingRows)
{
    ScriptedDialogs dialoge;
    {
        Tfrmuebersetzungen form(daten);
        QStringList titel;
        for (const ui::GridColumn &spalte : form.DBGrid1->columns())
            titel << spalte.title;
        EXPECT_EQ(titel, QStringList({"Bezeichnung", "Deutsch", "Englisch", "Französisch", "Portugisisch", "Spanisch"}));

        form.resize(584, 543);
        form.show();
        form.Table1->last();
        QKeyEvent runter(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(form.DBGrid1, &runter);
        EXPECT_THROW(form.Table1->append(), db::Abort);
        EXPECT_EQ(form.Table1->state(), db::DatasetState::Browse);
        EXPECT_EQ(wert(QStringLiteral("SELECT COUNT(*) FROM \"S_SP\"")).toInt(), 3);

        form.Table1->first();
        form.Table1->edit();
        form.Table1->fieldByName(QStringLiteral("f")).setAsString(QStringLiteral("quantidade"));
        form.btnAbbruch->click();
    }
    EXPECT_EQ(wert(QStringLiteral("SELECT \"f\" FROM \"S_SP\" WHERE \"Bezeichnung\" = 'Anzahl'")).toString(), "pt");

    Tfrmuebersetzungen form(daten);
    form.Table1->edit();
    form.Table1->fieldByName(QStringLiteral("f")).setAsString(QStringLiteral("quantidade"));
    form.btnOK->click();
    EXPECT_EQ(form.result(), ui::ModalResult::Ok);
    EXPECT_EQ(wert(QStringLiteral("SELECT \"f\" FROM \"S_SP\" WHERE \"Bezeichnung\" = 'Anzahl'")).toString(),
              "quantidade");
    EXPECT_EQ(S_SP_Spalte(QStringLiteral("p")), "f");
    EXPECT_EQ(S_SP_Spalte(QStringLiteral("S")), "s");
    EXPECT_EQ(S_SP_Spalte(QStringLiteral("X")), "");
}

} // namespace
