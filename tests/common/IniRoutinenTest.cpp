#include "Programmordner.h"

#include "common/Ini.h"

#include "platform/sys/TextFile.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

TEST(IniRoutinen, TextKeysLiveInRazazuIniUnderKandrelRazazu)
{
    Programmordner ordner;
    EXPECT_EQ(IniDateiName(), ordner.datei(QStringLiteral("Razazu.ini")));
    EXPECT_EQ(IniLesen(QStringLiteral("EURDruck"), QStringLiteral("-1")), QStringLiteral("-1"));

    EXPECT_TRUE(IniSchreiben(QStringLiteral("EURDruck"), QStringLiteral("2")));
    EXPECT_TRUE(IniEintragen(QStringLiteral("DatenBankPfad"), QStringLiteral("/srv/Daten")));
    EXPECT_EQ(IniLesen(QStringLiteral("EURDruck"), QStringLiteral("-1")), QStringLiteral("2"));
    QString pfad = QStringLiteral("Vorgabe");
    IniEinlesen(QStringLiteral("DatenBankPfad"), pfad);
    EXPECT_EQ(pfad, QStringLiteral("/srv/Daten"));

    const QString text = sys::readTextFile(IniDateiName(), sys::CodePage::Utf8);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Kandrel Razazu]\n"))) << text.toStdString();
}

TEST(IniRoutinen, TypedValuesAreReadByTheKindOfTheDefault)
{
    Programmordner ordner;
    const QString datei = IniDateiName();
    const QString abschnitt = IniAbschnitt();
    struct Fall
    {
        const char *schluessel;
        QVariant wert;
        QVariant vorgabe;
    };
    const Fall faelle[] = {
        {"Ganz", 42, 0},
        {"Komma", 1234.5, 0.0},
        {"Datum", QDate(2026, 12, 31), QDate(2000, 1, 1)},
        {"Schalter", true, false},
        {"Text", QStringLiteral("Grüße"), QString()},
    };
    for (const Fall &fall : faelle) {
        const QString schluessel = QLatin1String(fall.schluessel);
        EXPECT_EQ(IniWertLesen(datei, abschnitt, schluessel, fall.vorgabe), fall.vorgabe) << fall.schluessel;
        ASSERT_TRUE(IniWertSchreiben(datei, abschnitt, schluessel, fall.wert)) << fall.schluessel;
        const QVariant gelesen = IniWertLesen(datei, abschnitt, schluessel, fall.vorgabe);
        EXPECT_EQ(gelesen, fall.wert) << fall.schluessel;
        EXPECT_EQ(gelesen.typeId(), fall.wert.typeId()) << fall.schluessel;
    }

    // A kind the routines do not know is neither read nor written.
    const QVariant liste = QStringList{QStringLiteral("a")};
    EXPECT_FALSE(IniWertSchreiben(datei, abschnitt, QStringLiteral("Liste"), liste));
    EXPECT_EQ(IniWertLesen(datei, abschnitt, QStringLiteral("Text"), liste), liste);
}

TEST(IniRoutinen, TheFileHoldsGermanNumbersAndDatesAndTextThatDoesNotParseGivesTheDefault)
{
    Programmordner ordner;
    const QString datei = IniDateiName();
    const QString abschnitt = IniAbschnitt();
    ASSERT_TRUE(IniWertSchreiben(datei, abschnitt, QStringLiteral("Komma"), 1234.5));
    ASSERT_TRUE(IniWertSchreiben(datei, abschnitt, QStringLiteral("Datum"), QDate(2026, 12, 31)));
    ASSERT_TRUE(IniWertSchreiben(datei, abschnitt, QStringLiteral("Schalter"), true));
    EXPECT_EQ(IniLesen(QStringLiteral("Komma"), {}), QStringLiteral("1234,5"));
    EXPECT_EQ(IniLesen(QStringLiteral("Datum"), {}), QStringLiteral("31.12.2026"));
    EXPECT_EQ(IniLesen(QStringLiteral("Schalter"), {}), QStringLiteral("1"));

    struct Fall
    {
        const char *text;
        QVariant vorgabe;
        QVariant erwartet;
    };
    const Fall faelle[] = {
        {"0x1F", 0, 31},
        {"12a", 7, 7},
        {"ja", false, false},
        {"ja", true, true},
        {"2", false, true},
        {"0", true, false},
        {"eins", 1.5, 1.5},
        {"32.13.2026", QDate(2000, 1, 1), QDate(2000, 1, 1)},
    };
    for (const Fall &fall : faelle) {
        ASSERT_TRUE(IniSchreiben(QStringLiteral("Wert"), QLatin1String(fall.text)));
        EXPECT_EQ(IniWertLesen(datei, abschnitt, QStringLiteral("Wert"), fall.vorgabe), fall.erwartet)
            << fall.text << " / " << fall.vorgabe.typeName();
    }
}

} // namespace
