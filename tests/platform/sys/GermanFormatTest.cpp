#include "platform/sys/GermanFormat.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <cmath>

namespace german = sys::german;

namespace {

TEST(GermanNumbers, FormatWithDecimalCommaWhateverTheMachineSays)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case { double value; int decimals; bool grouping; const char *expected; };
    const Case cases[] = {
        {1234.5, -1, false, "1234,5"},
        {0.1, -1, false, "0,1"},
        {-3, -1, false, "-3"},
        {1234.5, 2, false, "1234,50"},
        {1234567.891, 2, true, "1.234.567,89"},
        {-1234.5, 2, true, "-1.234,50"},
        {999, 0, true, "999"},
        {-0.001, 2, false, "0,00"},
        {1e20, -1, false, "1E20"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(german::formatNumber(c.value, c.decimals, c.grouping), QString::fromUtf8(c.expected)) << c.expected;
    QLocale::setDefault(QLocale::c());
}

TEST(GermanNumbers, ParseAcceptsGermanTextOnly)
{
    struct Case { const char *text; bool grouping; std::optional<double> expected; };
    const Case cases[] = {
        {"1234,5", true, 1234.5},
        {" -0,25 ", true, -0.25},
        {"1.234,50", true, 1234.5},
        {"1.234,50", false, std::nullopt},
        {"1.5", true, std::nullopt},       // an English decimal point is no group of three
        {"1.500", true, 1500},
        {"12.34.567", true, std::nullopt},
        {",5", true, 0.5},
        {"1,5E3", true, 1500},
        {"", true, std::nullopt},
        {"-", true, std::nullopt},
        {",", true, std::nullopt},
        {"12a", true, std::nullopt},
        {"1 000", true, std::nullopt},
    };
    for (const Case &c : cases) {
        const auto parsed = german::parseNumber(QString::fromUtf8(c.text), c.grouping);
        ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << c.text;
        if (parsed) {
            EXPECT_DOUBLE_EQ(*parsed, *c.expected) << c.text;
        }
    }
    EXPECT_EQ(german::parseInteger(QStringLiteral(" 42 ")), 42);
    EXPECT_FALSE(german::parseInteger(QStringLiteral("4,2")));
}

TEST(GermanNumbers, OutOfRangeAndGroupedIntegers)
{
    EXPECT_FALSE(german::parseNumber(QStringLiteral("1E400")));
    EXPECT_FALSE(german::parseNumber(QStringLiteral("-1,5E999")));
    struct Case { const char *text; bool grouping; std::optional<qint64> expected; };
    const Case cases[] = {
        {"1.234", true, 1234},
        {"-1.234.567", true, -1234567},
        {"1.234", false, std::nullopt},
        {"1.23", true, std::nullopt},
        {"12.345.", true, std::nullopt},
        {"99999999999999999999", true, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(german::parseInteger(QString::fromUtf8(c.text), c.grouping), c.expected) << c.text;
}

TEST(GermanDates, TwoDigitYearsLieInTheWindowBeforeTheCurrentYear)
{
    ASSERT_EQ(german::twoDigitYearWindow(), 10);
    struct Case { int twoDigits; int currentYear; int expected; };
    const Case cases[] = {
        {15, 2026, 2115}, {16, 2026, 2016}, {99, 2026, 2099}, {0, 2026, 2100},
        {26, 2026, 2026}, {89, 1995, 1989}, {85, 1995, 1985}, {84, 1995, 2084},
    };
    for (const Case &c : cases)
        EXPECT_EQ(german::expandTwoDigitYear(c.twoDigits, c.currentYear), c.expected) << c.twoDigits << "/" << c.currentYear;

    german::setTwoDigitYearWindow(50);
    EXPECT_EQ(german::expandTwoDigitYear(15, 2026), 2015);
    EXPECT_EQ(german::expandTwoDigitYear(77, 2026), 1977);
    german::setTwoDigitYearWindow(10);
}

TEST(GermanDates, WindowOfNoYearsBeginsWithTheCurrentYear)
{
    german::setTwoDigitYearWindow(0);
    EXPECT_EQ(german::expandTwoDigitYear(26, 2026), 2026);
    EXPECT_EQ(german::expandTwoDigitYear(25, 2026), 2125);
    EXPECT_EQ(german::expandTwoDigitYear(99, 2026), 2099);
    german::setTwoDigitYearWindow(10);
}

TEST(GermanDates, ParseAndFormat)
{
    const int thisYear = QDate::currentDate().year();
    struct Case { const char *text; QDate expected; };
    const Case cases[] = {
        {"01.02.2026", QDate(2026, 2, 1)},
        {"1.2.2026", QDate(2026, 2, 1)},
        {" 29.02.2024 ", QDate(2024, 2, 29)},
        {"31/12/2026", QDate(2026, 12, 31)},
        {"3.4.", QDate(thisYear, 4, 3)},
        {"3.4", QDate(thisYear, 4, 3)},
        {"29.02.2026", QDate()},
        {"32.01.2026", QDate()},
        {"1.2.202", QDate()},
        {"2026-02-01", QDate()},
        {"", QDate()},
        {"  .  .    ", QDate()},
    };
    for (const Case &c : cases) {
        const auto parsed = german::parseDate(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.value_or(QDate()), c.expected) << c.text;
    }
    const auto shortYear = german::parseDate(QStringLiteral("1.2.26"));
    ASSERT_TRUE(shortYear);
    EXPECT_EQ(shortYear->year(), german::expandTwoDigitYear(26, thisYear));

    EXPECT_EQ(german::formatDate(QDate(2026, 3, 4)), QStringLiteral("04.03.2026"));
    EXPECT_EQ(german::formatDate(QDate()), QString());
    EXPECT_EQ(german::parseDateTime(QStringLiteral("04.03.2026 07:08")),
              QDateTime(QDate(2026, 3, 4), QTime(7, 8)));
    EXPECT_FALSE(german::parseDateTime(QStringLiteral("04.03.2026 25:00")));
    EXPECT_FALSE(german::parseTime(QStringLiteral("12:60")));
}

TEST(GermanDates, OtherProgramsFormsAreReadStrictly)
{
    struct Case { const char *text; QDate expected; };
    const Case cases[] = {
        {"31.12.2024", QDate(2024, 12, 31)},
        {"5.3.24", QDate(2024, 3, 5)},
        {"5.3.49", QDate(2049, 3, 5)},
        {"5.3.50", QDate(1950, 3, 5)},   // a fixed span: files do not follow the window
        {" 2024-03-05 ", QDate(2024, 3, 5)},
        {"20240305", QDate(2024, 3, 5)},
        {"20240230", QDate()},
        {"5/3/2024", QDate()},           // may be month first
        {"5.3.", QDate()},
        {"05.03.2024x", QDate()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(german::parseForeignDate(QString::fromUtf8(c.text)).value_or(QDate()), c.expected) << c.text;
    EXPECT_EQ(german::parseIsoDate(u"2024-3-5"), QDate(2024, 3, 5));
    EXPECT_FALSE(german::parseIsoDate(u"2024-02-30"));
}

TEST(GermanNumbers, OtherProgramsWriteADecimalPointOrAComma)
{
    struct Case { const char *text; std::optional<double> expected; };
    const Case cases[] = {
        {"12.5", 12.5},
        {" -0.25 ", -0.25},
        {"1e-3", 0.001},
        {"+7", 7},
        {"1.234,5", 1234.5},   // with a comma, dots only group
        {"1234,5", 1234.5},
        {"1.2.3", std::nullopt},
        {"1,234.5", std::nullopt},
        {"1E400", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(german::parseForeignNumber(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(GermanTruthValues, ReadInEveryUsualSpelling)
{
    for (const char *yes : {"True", "wahr", "JA", "j", "T", "y", "Yes", " 1 "})
        EXPECT_EQ(german::parseBoolean(QString::fromUtf8(yes)), true) << yes;
    for (const char *no : {"false", "Falsch", "nein", "N", "f", "no", "0"})
        EXPECT_EQ(german::parseBoolean(QString::fromUtf8(no)), false) << no;
    for (const char *neither : {"", "2", "jein", "tru"})
        EXPECT_FALSE(german::parseBoolean(QString::fromUtf8(neither))) << neither;
}

TEST(GermanDates, OldLibraryPatterns)
{
    const QDateTime moment(QDate(2025, 12, 10), QTime(9, 5, 3, 7));
    struct Case { const char *pattern; const char *expected; };
    const Case cases[] = {
        {"DDDD 'den' DD. MMMM YYYY, hh:nn:ss", "Mittwoch den 10. Dezember 2025, 09:05:03"},
        {"yyyymmdd_hhnnss", "20251210_090503"},
        {"dd.mm.yyyy hh:mm", "10.12.2025 09:05"},    // m right after h is the minute
        {"d/m/yy", "10.12.25"},
        {"ddd, d. mmm", "Mi, 10. Dez"},
        {"ddddd", "10.12.2025"},
        {"h:n:s.zzz", "9:5:3.007"},
        {"\"Stand:\" t", "Stand: 09:05"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(german::formatPattern(QString::fromUtf8(c.pattern), moment), QString::fromUtf8(c.expected)) << c.pattern;
    EXPECT_EQ(german::monthName(3), QStringLiteral("März"));
}

} // namespace
