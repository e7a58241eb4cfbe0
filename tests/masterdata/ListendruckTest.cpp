#include "Druckbestand.h"

#include "masterdata/Geschft.h"
#include "masterdata/Hafen.h"
#include "masterdata/Lnder.h"
#include "masterdata/Lnderbrd.h"
#include "masterdata/Urzeug.h"
#include "masterdata/Zoll.h"

#include "platform/print/Canvas.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"

#include <QAction>
#include <QDate>
#include <QProgressBar>

namespace {

class Listendruck : public Druckbestand
{
protected:
    void geschaeftsarten(int anzahl)
    {
        QList<QVariantList> zeilen;
        for (int i = 1; i <= anzahl; ++i)
            zeilen.append({QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Art %1").arg(i)});
        anlegen(QStringLiteral("S_GESART"), {QStringLiteral("Geart"), QStringLiteral("Bez")}, zeilen);
    }
};

TEST_P(Listendruck, FortyRecordsFillOneSheetAndTheFortyFirstStartsASecondJob)
{
    const QString heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    geschaeftsarten(40);
    {
        TfrmGeschft_d druck;
        EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Geschäftsarten\""));
        EXPECT_EQ(druck.StatusBar1->panelText(0), QStringLiteral("Drucker: Laser"));
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 1 leeres Blatt \nin den Drucker ein! "));
        EXPECT_FALSE(druck.isVisible());
    }
    EXPECT_EQ(titel(), QStringList{QStringLiteral("Razazu / Versand: Geschäftsarten")});
    EXPECT_EQ(benutzteDrucker, QStringList{QStringLiteral("Laser")});
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Geschäftsart :"), 150, 300, 0, 1));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Geschäftsart :"), 150, 300 + 39 * 60, 0, 1));
    EXPECT_EQ(aufnahme.findAll(QStringLiteral("Geschäftsart :")).size(), 40);

    aufnahme.clear();
    anlegen(QStringLiteral("S_GESART"), {QStringLiteral("Geart"), QStringLiteral("Bez")},
            {{QStringLiteral("99"), QStringLiteral("Letzte Art")}});
    {
        TfrmGeschft_d druck;
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
    }
    ASSERT_EQ(aufnahme.jobs().size(), 2);
    EXPECT_EQ(titel(), QStringList(2, QStringLiteral("Razazu / Versand: Geschäftsarten")));
    for (int blatt = 1; blatt <= 2; ++blatt) {
        const int seite = aufnahme.jobs()[blatt - 1].firstPage;
        EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Seite : %1").arg(blatt), 1700, 50, 0, seite));
        EXPECT_TRUE(aufnahme.hasText(heute, 150, 50, 0, seite));
        EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Geschäftsarten"), 850, 50, 0, seite));
    }
    const int zweite = aufnahme.jobs()[1].firstPage;
    EXPECT_EQ(aufnahme.findAll(QStringLiteral("Geschäftsart :")).size(), 41);
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Geschäftsart :"), 150, 300, 0, zweite));
    const auto letzte = aufnahme.findText(QStringLiteral("Letzte Art"), zweite);
    ASSERT_TRUE(letzte.has_value());
    EXPECT_EQ(letzte->position.y(), 300);
    EXPECT_TRUE(letzte->font.style & print::FontStyle::Bold);
}

// The sheets announced are the sheets printed: a fixed count said three
// whatever the table held, and a list without a count ran below its frame.
TEST_P(Listendruck, ThePromptAnnouncesTheSheetsActuallyPrinted)
{
    anlegen(QStringLiteral("S_HAFEN"), {QStringLiteral("Nummer"), QStringLiteral("Hafen")},
            {{QStringLiteral("0001"), QStringLiteral("Hamburg")}, {QStringLiteral("0002"), QStringLiteral("Bremen")}});
    {
        TfrmHafen_d druck;
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 1 leeres Blatt \nin den Drucker ein! "));
    }
    EXPECT_EQ(titel(), QStringList{QStringLiteral("Razazu / Versand: Flughäfen")});

    aufnahme.clear();
    QList<QVariantList> laender;
    for (int i = 1; i <= 43; ++i)
        laender.append({QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Land %1").arg(i)});
    anlegen(QStringLiteral("S_INLAND"), {QStringLiteral("Ulandi"), QStringLiteral("Bez")}, laender);
    {
        TfrmBundeslnder_d druck;
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
    }
    ASSERT_EQ(aufnahme.jobs().size(), 2);
    const auto rahmen = aufnahme.shapes().front().points.boundingRect();
    EXPECT_EQ(rahmen.bottom(), 2800);
    for (const auto &text : aufnahme.texts())
        EXPECT_LE(text.position.y() + 40, rahmen.bottom()) << text.text.toStdString();
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Land 43"))->page, aufnahme.jobs()[1].firstPage);
    EXPECT_EQ(aufnahme.findText(QStringLiteral("Land 42"))->position.y(), 300 + 41 * 60);
}

TEST_P(Listendruck, AnEmptyListPrintsNothingAndCancelKeepsTheForm)
{
    {
        TfrmZoll_d druck;
        EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 0 leere Blätter \nin den Drucker ein! "));
        EXPECT_FALSE(druck.isVisible());
    }
    EXPECT_TRUE(aufnahme.jobs().isEmpty());
    geschaeftsarten(3);
    TfrmGeschft_d druck;
    drucken(druck, ui::ModalResult::Cancel);
    EXPECT_TRUE(druck.isVisible());
    EXPECT_TRUE(aufnahme.jobs().isEmpty());
    EXPECT_FALSE(druck.ProgressBar1->isVisible());
}

TEST_P(Listendruck, CertificateTextsShowTheirCountryByNameAndTheChosenPrinterStays)
{
    anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez")},
            {{QStringLiteral("004"), QStringLiteral("Deutschland")}});
    anlegen(QStringLiteral("S_URZEUG"),
            {QStringLiteral("uzklaus"), QStringLiteral("land"), QStringLiteral("klausel1"), QStringLiteral("klausel20")},
            {{QStringLiteral("1"), QStringLiteral("004"), QStringLiteral("Erste Zeile"), QStringLiteral("Letzte Zeile")},
             {QStringLiteral("2"), QStringLiteral("999"), QStringLiteral("Ohne Land"), QVariant()},
             {QStringLiteral("3"), QVariant(), QStringLiteral("Dritter Text"), QVariant()}});
    TfrmUrzeug_d druck;
    dialoge.answerPrinterSetup(QStringLiteral("Nadel"));
    druck.findChild<QAction *>(QStringLiteral("mnuDruckerEinrichten"))->trigger();
    EXPECT_EQ(druck.StatusBar1->panelText(0), QStringLiteral("Drucker: Nadel"));
    EXPECT_EQ(drucken(druck), QStringLiteral("Bitte legen Sie 2 leere Blätter \nin den Drucker ein! "));
    EXPECT_EQ(benutzteDrucker, QStringList{QStringLiteral("Nadel")});
    ASSERT_EQ(aufnahme.jobs().size(), 2);
    EXPECT_EQ(aufnahme.jobs()[0].title, QStringLiteral("Razazu / Versand: Ursprungszeugnis - Rückseite"));
    const auto land = aufnahme.findText(QStringLiteral("Deutschland"));
    ASSERT_TRUE(land.has_value());
    EXPECT_EQ(land->position.y(), 200);
    EXPECT_GT(land->position.x(), 1000);
    const auto erste = aufnahme.findText(QStringLiteral("Erste Zeile"));
    const auto letzte = aufnahme.findText(QStringLiteral("Letzte Zeile"));
    const auto zweiter = aufnahme.findText(QStringLiteral("Ohne Land"));
    ASSERT_TRUE(erste && letzte && zweiter);
    EXPECT_EQ(erste->position.y(), 310);
    EXPECT_EQ(letzte->position, QPoint(erste->position.x(), 310 + 19 * 42));
    EXPECT_EQ(zweiter->position, QPoint(erste->position.x(), 1020 + 310));
    EXPECT_EQ(zweiter->page, erste->page);
    // A country number the country table does not hold prints no name.
    for (const auto &text : aufnahme.texts()) {
        if (text.page == erste->page && text.position == QPoint(land->position.x(), 1020 + 200)) {
            EXPECT_TRUE(text.text.isEmpty()) << text.text.toStdString();
        }
    }
}

// 17 countries per sheet by name, each sheet its own job; the name after
// the caption's width from x 970, the language by its name.
TEST_P(Listendruck, EighteenCountriesPrintOnTwoSheetsWithTheLanguageByName)
{
    anlegen(QStringLiteral("S_SPRACH"), {QStringLiteral("Skz"), QStringLiteral("Sprache")},
            {{QStringLiteral("d"), QStringLiteral("Deutsch")}});
    QList<QVariantList> zeilen;
    for (int i = 1; i <= 18; ++i)
        zeilen.append({QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("Land %1").arg(QChar(u'A' + i - 1)),
                       QStringLiteral("d")});
    anlegen(QStringLiteral("S_LANDBZ"), {QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Sprache")}, zeilen);
    TfrmLnder_d druck;
    EXPECT_EQ(druck.windowTitle(), QStringLiteral("Druck \"Länder\""));
    drucken(druck);
    EXPECT_EQ(titel(), (QStringList{QStringLiteral("Razazu / Versand: Länder"), QStringLiteral("Razazu / Versand: Länder")}));
    EXPECT_TRUE(aufnahme.findText(QStringLiteral("Seite : 2")).has_value());
    const auto letzte = aufnahme.findText(QStringLiteral("Land R"));
    ASSERT_TRUE(letzte.has_value());
    EXPECT_EQ(letzte->position.y(), 200);
    const auto erste = aufnahme.findText(QStringLiteral("Land A"));
    ASSERT_TRUE(erste.has_value());
    // Courier: the number stands 11 characters after x 150, the name 14
    // characters after x 970 (the caption at 980).
    const auto nummer = aufnahme.findText(QStringLiteral("001"));
    ASSERT_TRUE(nummer.has_value());
    const double zeichen = (nummer->position.x() - 150) / 11.0;
    EXPECT_NEAR(erste->position.x(), 970 + 14 * zeichen, 4);
    const auto sprache = aufnahme.findText(QStringLiteral("Deutsch"));
    ASSERT_TRUE(sprache.has_value());
    EXPECT_EQ(sprache->position, QPoint(erste->position.x(), 242));
}

INSTANTIATE_TEST_SUITE_P(Speicher, Listendruck, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
