#include "Ausfuhrdaten.h"
#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"

#include "platform/sys/TextFile.h"
#include "platform/ui/SpeedButton.h"
#include "sad_export/ListeExport.h"
#include "sad_export/TfrmDates.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>

namespace {

class ListeExportTest : public AusfuhrTest
{
protected:
    void SetUp() override
    {
        AusfuhrTest::SetUp();
        if (!daten)
            return;
        daten->erklaerung(1, QStringLiteral("A"), 0, QDate(2024, 1, 31));
        daten->erklaerung(2, QStringLiteral("B"), 0, QDate(2024, 2, 1));
        daten->erklaerung(3, QStringLiteral("C"), 0, QDate(2024, 12, 1));
        daten->erklaerung(4, QStringLiteral("D"), 0, QDate(2025, 1, 5));
        daten->datenbank.execute(QStringLiteral("UPDATE \"EINHEIT\" SET \"f17_2\" = 'Schweiz', \"f22_2\" = '1.234,50', "
                                                "\"f7\" = 'Ref-' || \"AENR\""));
    }

    // Fills the date dialog and presses OK.
    void datenAntworten(ModalForms &formulare, const QString &von, const QString &bis, QCheckBox *TfrmDates::*ziel)
    {
        formulare.whenShown<TfrmDates>([=](TfrmDates &dialog) {
            dialog.MaskEdit1->setText(von);
            dialog.MaskEdit2->setText(bis);
            if (ziel)
                (dialog.*ziel)->click();
            dialog.BitBtn1->click();
            if (dialog.isVisible())
                dialog.BitBtn2->click();
        });
    }
};

// The range is compared as dates: "01.02.2024" to "01.12.2024" is not the
// text range that would take in 31.01. and 05.01.2025.
TEST_P(ListeExportTest, TheTextListHasItsFixedColumnsForTheDateRange)
{
    const QString datei = daten->ordner.file(QStringLiteral("liste.txt"));
    ModalForms formulare;
    ScriptedDialogs dialoge;
    datenAntworten(formulare, QStringLiteral("01.02.2024"), QStringLiteral("01.12.2024"), &TfrmDates::CheckBox2);
    dialoge.answerSaveFile(datei);
    dialoge.answerMessage(QStringLiteral("Die Liste wurde exportiert!"), ui::ModalResult::Ok);
    ListeDrucken(daten->datenbank);

    const QStringList zeilen = sys::readTextLines(datei, sys::CodePage::Windows1252);
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_EQ(zeilen[0], QStringLiteral("    1 AE2        01.02.2024 Schweiz                 1.234,50 Ref-AE2"
                                        "                "));
    EXPECT_TRUE(zeilen[1].startsWith(QStringLiteral("    2 AE3        01.12.2024 ")));
    EXPECT_TRUE(sys::readTextFile(datei, sys::CodePage::Windows1252).size() > 0);
    QFile roh(datei);
    ASSERT_TRUE(roh.open(QIODevice::ReadOnly));
    EXPECT_TRUE(roh.readAll().contains("\r\n"));
}

TEST(ListenTextzeile, ALongValueIsWrittenWholeAndShiftsTheRest)
{
    const Listenzeile zeile{QStringLiteral("123456789012"), QDate(2024, 3, 5), QStringLiteral("X"),
                            QStringLiteral("7"), QStringLiteral("R")};
    EXPECT_EQ(ListenTextzeile(3, zeile),
              QStringLiteral("    3 123456789012") + QStringLiteral("05.03.2024 ") + QStringLiteral("X").leftJustified(18)
                  + QStringLiteral("7").rightJustified(14) + QStringLiteral(" R").leftJustified(24));
}

TEST_P(ListeExportTest, TheSpreadsheetCellsReadBack)
{
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "no unzip";
    const QString datei = daten->ordner.file(QStringLiteral("liste.xlsx"));
    ModalForms formulare;
    ScriptedDialogs dialoge;
    datenAntworten(formulare, QStringLiteral("01.01.2024"), QStringLiteral("31.12.2024"), &TfrmDates::CheckBox1);
    dialoge.answerSaveFile(datei);
    dialoge.answerMessage(QStringLiteral("Die Liste wurde exportiert!"), ui::ModalResult::Ok);
    ListeDrucken(daten->datenbank);

    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), datei});
    ASSERT_TRUE(unzip.waitForFinished(10000));
    const QString inhalt = QString::fromUtf8(unzip.readAllStandardOutput());
    // Three rows without title: running number, AENR, the date as a date
    // serial (31.01.2024 is 45322), country, amount, reference.
    EXPECT_TRUE(inhalt.contains(QStringLiteral("r=\"A3\""))) << inhalt.toStdString();
    EXPECT_FALSE(inhalt.contains(QStringLiteral("r=\"A4\"")));
    EXPECT_TRUE(inhalt.contains(QStringLiteral("<v>45322</v>")));
    for (const char *text : {"AE1", "AE3", "Schweiz", "1.234,50", "Ref-AE2"})
        EXPECT_TRUE(inhalt.contains(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(inhalt.contains(QStringLiteral("AE4")));
}

// OK needs a target: with neither box ticked the dialog says so and stays.
TEST_P(ListeExportTest, NoTargetTickedExportsNothingAndSaysSo)
{
    ModalForms formulare;
    ScriptedDialogs dialoge;
    datenAntworten(formulare, QStringLiteral("01.01.2024"), QStringLiteral("31.12.2024"), nullptr);
    dialoge.answerMessage(QStringLiteral("Excel- oder eine ASCII-Datei"), ui::ModalResult::Ok);
    ListeDrucken(daten->datenbank);
    for (const auto &gezeigt : dialoge.shown())
        EXPECT_FALSE(gezeigt.text.contains(QStringLiteral("exportiert!")));
}

AUSFUHR_TESTS(ListeExportTest);

} // namespace
