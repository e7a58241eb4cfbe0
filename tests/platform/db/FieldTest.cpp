#include "StoreFixture.h"

#include "private/StoreStatement.h"

#include "platform/db/Query.h"
#include "platform/db/TextFormat.h"
#include "platform/sys/GermanFormat.h"

#include <cstring>

using namespace db;

namespace {

TableDef werteDef()
{
    TableDef def;
    def.name = QStringLiteral("Werte");
    def.fields = {
        {QStringLiteral("Nr"), FieldType::Long},
        {QStringLiteral("Kurz"), FieldType::Alpha, 5},
        {QStringLiteral("Menge"), FieldType::Long},
        {QStringLiteral("Klein"), FieldType::Short},
        {QStringLiteral("Gewicht"), FieldType::Number},
        {QStringLiteral("Preis"), FieldType::Money},
        {QStringLiteral("Satz"), FieldType::BCD, 0, 2},
        {QStringLiteral("Aktiv"), FieldType::Logical},
        {QStringLiteral("Datum"), FieldType::Date},
        {QStringLiteral("Uhrzeit"), FieldType::Time},
        {QStringLiteral("Zeitpunkt"), FieldType::Timestamp},
        {QStringLiteral("Notiz"), FieldType::Memo},
        {QStringLiteral("Daten"), FieldType::Blob},
    };
    def.primaryKey = {QStringLiteral("Nr")};
    return def;
}

} // namespace

class FieldTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        if (!IsSkipped())
            database().createTable(werteDef());
    }
};

TEST_P(FieldTest, TextConversionsAndTheirRoundTripThroughTheStore)
{
    struct Case
    {
        const char *field;
        const char *input;
        const char *expected;   // nullptr: ConversionError
        bool null = false;
    };
    const Case cases[] = {
        {"Kurz", "Hallo Welt", "Hallo"},
        {"Kurz", "", "", true},
        {"Kurz", "Öl", "Öl"},
        {"Menge", "1.234", "1234"},
        {"Menge", " -12 ", "-12"},
        {"Menge", "", "", true},
        {"Menge", "12,5", nullptr},
        {"Menge", "abc", nullptr},
        {"Menge", "3000000000", nullptr},
        {"Klein", "40000", nullptr},
        {"Klein", "-300", "-300"},
        {"Gewicht", "3,75", "3,75"},
        {"Gewicht", "1.234,5", "1234,5"},
        {"Gewicht", "-0,001", "-0,001"},
        {"Gewicht", "1E20", "1E20"},
        {"Gewicht", "1.5", nullptr},
        {"Gewicht", "1,2,3", nullptr},
        {"Preis", "12,3", "12,3"},
        {"Satz", "2,349", "2,35"},
        {"Aktiv", "Wahr", "True"},
        {"Aktiv", "nein", "False"},
        {"Aktiv", "vielleicht", nullptr},
        {"Datum", "5.3.2024", "05.03.2024"},
        {"Datum", "29.02.2024", "29.02.2024"},
        {"Datum", "29.02.2023", nullptr},
        {"Datum", "2024-03-05", "05.03.2024"},
        {"Datum", "heute", nullptr},
        {"Uhrzeit", "14:05", "14:05:00"},
        {"Uhrzeit", "25:00", nullptr},
        {"Zeitpunkt", "05.03.2024 14:05:09", "05.03.2024 14:05:09"},
        {"Zeitpunkt", "05.03.2024", "05.03.2024"},
        {"Notiz", "Zeile 1\nZeile 2 mit mehr als fünf Zeichen", "Zeile 1\nZeile 2 mit mehr als fünf Zeichen"},
    };
    Table table(database(), QStringLiteral("Werte"));
    table.open();
    Table reader(database(), QStringLiteral("Werte"));
    reader.open();
    int nr = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 <- '%2'").arg(QLatin1String(c.field), QString::fromUtf8(c.input)).toStdString());
        const QString field = QString::fromLatin1(c.field);
        table.append();
        table["Nr"].setAsInteger(++nr);
        if (!c.expected) {
            try {
                table[field].setAsString(QString::fromUtf8(c.input));
                ADD_FAILURE() << "accepted";
            } catch (const ConversionError &error) {
                EXPECT_EQ(error.message(), QStringLiteral("'%1' ist kein gültiger Wert für das Feld %2.")
                                               .arg(QString::fromUtf8(c.input), field));
            }
            EXPECT_TRUE(table[field].isNull()) << "nothing changed";
            table.cancel();
            continue;
        }
        table[field].setAsString(QString::fromUtf8(c.input));
        EXPECT_EQ(table[field].asString(), QString::fromUtf8(c.expected));
        table.post();
        reader.refresh();
        ASSERT_TRUE(reader.findKey({nr}));
        EXPECT_EQ(reader[field].asString(), QString::fromUtf8(c.expected));
        EXPECT_EQ(reader[field].isNull(), c.null);
    }
}

TEST_P(FieldTest, NullAndEmptyRules)
{
    Table table(database(), QStringLiteral("Werte"));
    table.open();
    table.append();
    table["Nr"].setAsInteger(1);
    table["Kurz"].setAsString(QString());
    table.post();
    EXPECT_TRUE(Query::scalar(database(), QStringLiteral("SELECT \"Kurz\" FROM \"Werte\"")).isNull())
        << "empty text is stored as null";
    EXPECT_EQ(table["Kurz"].asString(), QString());
    EXPECT_TRUE(table["Menge"].isNull());
    EXPECT_EQ(table["Menge"].asInteger(), 0);
    EXPECT_EQ(table["Gewicht"].asFloat(), 0.0);
    EXPECT_FALSE(table["Aktiv"].asBoolean());
    EXPECT_FALSE(table["Datum"].asDate().isValid());
    EXPECT_EQ(table["Preis"].displayText(), QString());

    table["Menge"].setAsInteger(0);
    table.post();
    EXPECT_FALSE(table["Menge"].isNull()) << "zero is a value";
    table["Menge"].clear();
    table.post();
    EXPECT_TRUE(table["menge"].isNull());
}

TEST_P(FieldTest, TypedAccessAcrossTypes)
{
    Table table(database(), QStringLiteral("Werte"));
    table.open();
    table.append();
    table["Nr"].setAsInteger(1);
    table["Kurz"].setAsString(QStringLiteral("3,75"));
    table["Preis"].setAsFloat(1234567.891);
    table["Datum"].setAsDate(QDate(2024, 3, 5));
    table["Zeitpunkt"].setAsDateTime(QDateTime(QDate(2024, 3, 5), QTime(8, 9, 10, 500)));
    table["Aktiv"].setAsBoolean(true);
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    table["Daten"].setAsBytes(bytes);
    table.post();

    EXPECT_DOUBLE_EQ(table["Kurz"].asFloat(), 3.75);
    EXPECT_EQ(table["Kurz"].asInteger(), 4);
    EXPECT_EQ(table["Preis"].displayText(), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(table["Datum"].value(), QVariant(QDate(2024, 3, 5)));
    EXPECT_EQ(table["Zeitpunkt"].asDate(), QDate(2024, 3, 5));
    EXPECT_EQ(table["Zeitpunkt"].asString(), QStringLiteral("05.03.2024 08:09:10"));
    EXPECT_EQ(table["Zeitpunkt"].asDateTime().time(), QTime(8, 9, 10, 500)) << "a fraction without trailing zeros";
    EXPECT_EQ(table["Aktiv"].asString(), QStringLiteral("True"));
    EXPECT_EQ(table["Daten"].asBytes(), bytes);

    // Copying every field as text, as the document copy routines do,
    // gives the same record.
    QStringList texts;
    for (Field *field : table.fields())
        texts << field->asString();
    table.append();
    for (int i = 0; i < table.fieldCount(); ++i)
        table.field(i).setAsString(texts[i]);
    table["Nr"].setAsInteger(2);
    table.post();
    for (int i = 1; i < table.fieldCount(); ++i)
        EXPECT_EQ(table.field(i).asString(), texts[i]) << table.field(i).name().toStdString();
    EXPECT_EQ(table["Daten"].asBytes(), bytes);
    EXPECT_THROW(table.fieldByName(QStringLiteral("Fehlt")), DatabaseError);
    EXPECT_EQ(table.findField(QStringLiteral("fehlt")), nullptr);
}

// SQLite keeps what a column is given: text in a number column stays text.
// Scanning through such a column reuses the rows dropped from the cursor's
// window, so a number read into a cell that held text must not take over the
// text's length.
TEST_P(FieldTest, ACellChangingKindBetweenRowsReadsRight)
{
    if (onPostgres())
        GTEST_SKIP() << "PostgreSQL holds a column's own type only";
    for (int nr = 1; nr <= 40; ++nr) {
        const bool odd = nr % 2 != 0;
        database().execute(
            QStringLiteral("INSERT INTO \"Werte\" (\"Nr\", \"Gewicht\", \"Menge\", \"Notiz\", \"Kurz\") VALUES (?, ?, ?, ?, ?)"),
            {nr, odd ? QVariant(QStringLiteral("eine recht lange Notiz statt einer Zahl %1").arg(nr)) : QVariant(nr * 1.5),
             odd ? QVariant(nr) : QVariant(QStringLiteral("keine Zahl")), QStringLiteral("Notiz %1").arg(nr),
             QStringLiteral("K%1").arg(nr)});
    }
    Table table(database(), QStringLiteral("Werte"));
    table.setWindowRows(4);
    table.open();
    const auto check = [&](int nr) {
        ASSERT_EQ(table["Nr"].asInteger(), nr);
        if (nr % 2 == 0)
            EXPECT_DOUBLE_EQ(table["Gewicht"].asFloat(), nr * 1.5) << nr;
        else
            EXPECT_EQ(table["Menge"].asInteger(), nr) << nr;
        EXPECT_EQ(table["Notiz"].asString(), QStringLiteral("Notiz %1").arg(nr));
        EXPECT_EQ(table["Kurz"].asString(), QStringLiteral("K%1").arg(nr));
    };
    int nr = 1;
    for (table.first(); !table.eof(); table.next())
        check(nr++);
    EXPECT_EQ(nr, 41);
    for (table.last(); !table.bof(); table.prior())
        check(--nr);
    EXPECT_EQ(nr, 1);
}

RAZAZU_STORE_TESTS(FieldTest);

// Stored dates are read where they lie; whatever Qt takes for an ISO date
// the reader takes for the same day, and what Qt refuses it refuses.
TEST(StoredDates, ReadAsQtReadsThem)
{
    for (int year : {1, 4, 100, 400, 1582, 1899, 1900, 1970, 2000, 2023, 2024, 2100, 9999}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                const QByteArray text = QStringLiteral("%1-%2-%3")
                                            .arg(year, 4, 10, QLatin1Char('0'))
                                            .arg(month, 2, 10, QLatin1Char('0'))
                                            .arg(day, 2, 10, QLatin1Char('0'))
                                            .toLatin1();
                const QDate expected = QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
                EXPECT_EQ(store::storedDateOf(text.constData(), quint32(text.size())).value_or(QDate()), expected)
                    << text.constData();
            }
        }
    }
    const struct
    {
        const char *text;
        QDate expected;
    } cases[] = {
        {"2024-03-05 14:05:09", QDate(2024, 3, 5)},
        {"2024-03-05T14:05:09.123", QDate(2024, 3, 5)},
        {"0000-01-01", QDate()},
        {"2024-3-05", QDate()},
        {"2024/03/05", QDate()},
        {"2024-03-05X", QDate()},
        {"2024-0a-05", QDate()},
        {"2024-03-0", QDate()},
        {"", QDate()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(store::storedDateOf(c.text, quint32(std::strlen(c.text))).value_or(QDate()), c.expected) << c.text;
}

TEST(TextFormat, TwoDigitYearsFallInTheWindow)
{
    const int year = QDate::currentDate().year();
    const int saved = sys::german::twoDigitYearWindow();
    struct Case
    {
        int offset;
        int yearsAgo;   // the two digits of (current year - yearsAgo)
        int expected;   // year expected
    };
    const Case cases[] = {
        {10, 10, year - 10}, {10, 11, year + 89}, {10, 0, year}, {10, -5, year + 5},
        {50, 50, year - 50}, {50, 51, year + 49}, {0, 1, year + 99},
    };
    for (const Case &c : cases) {
        sys::german::setTwoDigitYearWindow(c.offset);
        const int twoDigits = ((year - c.yearsAgo) % 100 + 100) % 100;
        const auto date = parseDate(QStringLiteral("01.06.%1").arg(twoDigits, 2, 10, QLatin1Char('0')));
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(date->year(), c.expected) << "offset " << c.offset << ", two digits " << twoDigits;
    }
    sys::german::setTwoDigitYearWindow(saved);
}

TEST(TextFormat, NumbersInGermanWhateverTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(formatNumber(1234.5), QStringLiteral("1234,5"));
    EXPECT_EQ(formatNumber(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(formatNumber(1e-7), QStringLiteral("1E-7"));
    EXPECT_EQ(formatFixed(-1234.5, 2), QStringLiteral("-1.234,50"));
    EXPECT_EQ(formatFixed(-0.001, 2), QStringLiteral("0,00"));
    EXPECT_EQ(parseNumber(QStringLiteral("1.234.567,5")), 1234567.5);
    EXPECT_FALSE(parseNumber(QStringLiteral("1,234.5")).has_value());
    EXPECT_FALSE(parseNumber(QStringLiteral("12.34")).has_value());
    EXPECT_EQ(formatDate(QDate(2024, 1, 2)), QStringLiteral("02.01.2024"));
    QLocale::setDefault(saved);
}

TEST(TextFormat, OneTwoDigitYearWindowForFieldsAndTheRestOfTheProgram)
{
    const int saved = sys::german::twoDigitYearWindow();
    sys::german::setTwoDigitYearWindow(0);
    const int year = QDate::currentDate().year();
    const QString lastYear = QStringLiteral("01.06.%1").arg((year - 1) % 100, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(parseDate(lastYear)->year(), sys::german::parseDate(lastYear)->year());
    EXPECT_EQ(parseDate(lastYear)->year(), year + 99);
    sys::german::setTwoDigitYearWindow(saved);
}

TEST(TextFormat, StoreFormsBesideTheGermanOnes)
{
    struct Case
    {
        const char *text;
        QDateTime expected;   // invalid: refused
    };
    const Case cases[] = {
        {"05.03.2024 14:05:09", QDateTime(QDate(2024, 3, 5), QTime(14, 5, 9))},
        {"5/3/2024 14:05", QDateTime(QDate(2024, 3, 5), QTime(14, 5))},
        {"2024-03-05T14:05:09.25", QDateTime(QDate(2024, 3, 5), QTime(14, 5, 9, 250))},
        {"2024-03-05 14:05:09,123", QDateTime(QDate(2024, 3, 5), QTime(14, 5, 9, 123))},
        {"2024-02-30", QDateTime()},
        {"05.03.2024 14:05,5", QDateTime()},
        {"05.03.2024 14:05:09.1234", QDateTime()},
        {"2024-03-05X14:05", QDateTime()},
    };
    for (const Case &c : cases) {
        const auto parsed = parseDateTime(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.value_or(QDateTime()), c.expected) << c.text;
    }
    EXPECT_FALSE(parseNumber(QStringLiteral("1E400")).has_value()) << "beyond a double";
    EXPECT_EQ(parseInteger(QStringLiteral("-1.234")), -1234);
    EXPECT_EQ(formatDateTime(QDateTime(QDate(2024, 3, 5), QTime(0, 0))), QStringLiteral("05.03.2024"));
}
