#include "Stammdatenbestand.h"

#include "masterdata/AuswahlCodes.h"
#include "masterdata/Lnder.h"
#include "masterdata/Lnder_e.h"
#include "masterdata/Verfahrenscodes.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/SpeedButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

class Laender : public Stammdatenbestand
{
protected:
    void SetUp() override
    {
        Stammdatenbestand::SetUp();
        if (IsSkipped())
            return;
        anlegen(QStringLiteral("S_LANDBZ"),
                {QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Lkz"), QStringLiteral("Waehrung"),
                 QStringLiteral("Verfahren1"), QStringLiteral("EinzelMit")},
                {{QStringLiteral("004"), QStringLiteral("Deutschland"), QStringLiteral("DE"), QStringLiteral("EUR"),
                  QStringLiteral("1000"), false},
                 {QStringLiteral("039"), QStringLiteral("Schweiz"), QStringLiteral("CH"), QStringLiteral("CHF"),
                  QString(), true},
                 {QStringLiteral("001"), QStringLiteral("Frankreich"), QStringLiteral("FR"), QStringLiteral("EUR"),
                  QString(), false}});
        vorher = masterdata::setVerfahrenscodeAuswahl([this](int unterfeld, const QString &start, QString &code) {
            gefragt << QStringLiteral("%1:%2").arg(unterfeld).arg(start);
            code = antwort;
            return !antwort.isEmpty();
        });
    }
    void TearDown() override
    {
        masterdata::setVerfahrenscodeAuswahl(vorher);
        Stammdatenbestand::TearDown();
    }

    masterdata::VerfahrenscodeAuswahl vorher;
    QStringList gefragt;
    QString antwort;
};

TEST_P(Laender, LandBezeichnungNamesAKnownCodeAndNothingForAnUnknownOne)
{
    const struct
    {
        const char *feld;
        const char *schluessel;
        const char *name;
    } faelle[] = {
        {"LKZ", "FR", "Frankreich"},
        {"Lkz", "DE", "Deutschland"},
        {"Land", "039", "Schweiz"},
        {"LKZ", "XY", ""},
        {"LKZ", "", ""},
        {"LKZ", "D'", ""},
    };
    for (const auto &fall : faelle) {
        QString text = QStringLiteral("alt");
        TfrmLnder_e::LandBezeichnung(QString::fromLatin1(fall.feld), QString::fromLatin1(fall.schluessel), text);
        EXPECT_EQ(text, QString::fromUtf8(fall.name)) << fall.feld << " " << fall.schluessel;
    }
}

// The picker starts on the country whose field equals the start value and
// hands back that field of the chosen country.
TEST_P(Laender, TheCountryLookupStartsOnTheGivenValueAndReturnsTheNamedField)
{
    QStringList gezeigt;
    formulare.whenShown<TfrmLnder_e>([&](TfrmLnder_e &picker) {
        gezeigt << picker.Table1->fieldByName(QStringLiteral("Bez")).asString();
        picker.Table1->next();
        picker.SpeedButton2->click();
    });
    formulare.whenShown<TfrmLnder_e>([&](TfrmLnder_e &picker) {
        gezeigt << picker.Table1->fieldByName(QStringLiteral("Bez")).asString();
        picker.SpeedButton1->click();
    });
    QString wert;
    EXPECT_TRUE(AuswahlLand(QStringLiteral("Waehrung"), wert, QStringLiteral("CHF")));
    EXPECT_EQ(gezeigt.value(0), QStringLiteral("Schweiz"));
    // In currency order the next one after CHF.
    EXPECT_EQ(wert, QStringLiteral("EUR"));
    EXPECT_FALSE(AuswahlLand(QStringLiteral("Lkz"), wert, QStringLiteral("FR")));
    EXPECT_EQ(gezeigt.value(1), QStringLiteral("Frankreich"));
    EXPECT_EQ(wert, QString());
}

// The default box-37 codes come from the code tables through the seam; the
// country is posted however the pick ends, and the focus then goes on to
// the second sub-field.
TEST_P(Laender, PickingADefaultCodePostsTheCountryWhateverTheChoice)
{
    TfrmLnder form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.Table1->findKey({QStringLiteral("Deutschland")});
    form.SpeedButton1->click();
    EXPECT_EQ(form.Table1->state(), db::DatasetState::Browse);
    EXPECT_EQ(form.Table1->fieldByName(QStringLiteral("Verfahren1")).asString(), QStringLiteral("1000"));
    EXPECT_EQ(QApplication::focusWidget(), form.eingabe(QStringLiteral("Verfahren2")));

    antwort = QStringLiteral("10");
    form.SpeedButton2->click();
    EXPECT_EQ(gefragt, (QStringList{QStringLiteral("1:1000"), QStringLiteral("2:")}));
    EXPECT_EQ(wert(QStringLiteral("SELECT \"Verfahren2\" FROM \"S_LANDBZ\" WHERE \"Land\" = '004'")).toString(),
              QStringLiteral("10"));
}

// Both country grids list a marked country red, the others blue, and the
// selected row in the highlight colours.
TEST(Laenderliste, MarkedCountriesAreRedOtherRowsBlueTheSelectedRowHighlighted)
{
    const auto farbe = [](bool markiert, bool aktuell) {
        QImage bild(60, 20, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        QFont schrift = maler.font();
        schrift.setPixelSize(16);
        schrift.setBold(true);
        maler.setFont(schrift);
        QStyleOptionViewItem option;
        option.rect = bild.rect();
        option.palette.setColor(QPalette::Base, Qt::white);
        option.palette.setColor(QPalette::Highlight, Qt::darkBlue);
        option.palette.setColor(QPalette::HighlightedText, Qt::yellow);
        ui::GridCell zelle;
        zelle.text = QStringLiteral("MMMM");
        zelle.current = aktuell;
        zelle.rowFields = {markiert};
        EXPECT_TRUE(masterdata::zeileRotOderBlauZeichnen(maler, option, zelle));
        maler.end();
        QSet<QRgb> farben;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x)
                farben.insert(bild.pixel(x, y));
        }
        return farben;
    };
    EXPECT_TRUE(farbe(true, false).contains(QColor(Qt::red).rgb()));
    EXPECT_FALSE(farbe(true, false).contains(QColor(Qt::blue).rgb()));
    EXPECT_TRUE(farbe(false, false).contains(QColor(Qt::blue).rgb()));
    EXPECT_TRUE(farbe(true, true).contains(QColor(Qt::yellow).rgb()));
    EXPECT_FALSE(farbe(true, true).contains(QColor(Qt::red).rgb()));
}

INSTANTIATE_TEST_SUITE_P(Speicher, Laender, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
