#include "platform/sys/Files.h"
#include "platform/sys/IniFile.h"
#include "platform/sys/TextFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using sys::IniFile;

namespace {

const QString section = QStringLiteral("Kandrel Razazu");

class IniFileTest : public testing::Test
{
protected:
    QString path() const { return folder.file(QStringLiteral("Razazu.ini")); }
    IniFile ini() const { return IniFile(path(), section); }
    // Puts a hand-written value into the file, as a clerk or an old
    // installation would have left it.
    void writeRaw(const QByteArray &contents) { sys::writeFileBytes(path(), contents); }
    QByteArray fileBytes() const { return sys::readFileBytes(path()); }

    TempFolder folder;
};

TEST_F(IniFileTest, WritesTheWindowsLayoutWithTheBlankInTheSectionName)
{
    IniFile settings = ini();
    ASSERT_TRUE(settings.writeString(QStringLiteral("DatenBankPfad"), QStringLiteral("/daten/razazu")));
    ASSERT_TRUE(settings.writeBool(QStringLiteral("XP_Themes"), true));

    EXPECT_EQ(fileBytes(), QByteArray("[Kandrel Razazu]\r\nDatenBankPfad=/daten/razazu\r\nXP_Themes=1\r\n"));
}

TEST_F(IniFileTest, EveryValueRoundTripsThroughTheFile)
{
    IniFile settings = ini();
    ASSERT_TRUE(settings.writeString(QStringLiteral("Text"), QStringLiteral("Müller & Söhne")));
    ASSERT_TRUE(settings.writeString(QStringLiteral("Blanks"), QStringLiteral("  eingerückt ")));
    ASSERT_TRUE(settings.writeString(QStringLiteral("Quoted"), QStringLiteral("\"zitiert\"")));
    ASSERT_TRUE(settings.writeInteger(QStringLiteral("Int"), -2147483647 - 1));
    ASSERT_TRUE(settings.writeBool(QStringLiteral("No"), false));
    ASSERT_TRUE(settings.writeFloat(QStringLiteral("Float"), -1234.5));
    ASSERT_TRUE(settings.writeDate(QStringLiteral("Date"), QDate(2026, 2, 28)));
    ASSERT_TRUE(settings.writeDateTime(QStringLiteral("Stamp"), QDateTime(QDate(2026, 2, 28), QTime(7, 5, 9))));
    ASSERT_TRUE(settings.writeColor(QStringLiteral("Color"), sys::colors::buttonFace));

    // A second object sees everything: nothing is cached in the first one.
    const IniFile reader = ini();
    EXPECT_EQ(reader.readString(QStringLiteral("Text")), QStringLiteral("Müller & Söhne"));
    EXPECT_EQ(reader.readString(QStringLiteral("Blanks")), QStringLiteral("  eingerückt "));
    EXPECT_EQ(reader.readString(QStringLiteral("Quoted")), QStringLiteral("\"zitiert\""));
    EXPECT_EQ(reader.readInteger(QStringLiteral("Int"), 0), -2147483647 - 1);
    EXPECT_FALSE(reader.readBool(QStringLiteral("No"), true));
    EXPECT_DOUBLE_EQ(reader.readFloat(QStringLiteral("Float"), 0), -1234.5);
    EXPECT_EQ(reader.readDate(QStringLiteral("Date"), {}), QDate(2026, 2, 28));
    EXPECT_EQ(reader.readDateTime(QStringLiteral("Stamp"), {}), QDateTime(QDate(2026, 2, 28), QTime(7, 5, 9)));
    EXPECT_EQ(reader.readColor(QStringLiteral("Color"), 0), sys::colors::buttonFace);

    const QByteArray bytes = fileBytes();
    EXPECT_TRUE(bytes.contains("Float=-1234,5\r\n"));
    EXPECT_TRUE(bytes.contains("Date=28.02.2026\r\n"));
    EXPECT_TRUE(bytes.contains("Color=-16777201\r\n"));
}

TEST_F(IniFileTest, HandWrittenValuesAreReadOrGiveTheDefault)
{
    writeRaw("; von Hand bearbeitet\r\n"
             "[Kandrel Razazu]\r\n"
             "Hex=0x1F\r\n"
             "Dollar=$ff\r\n"
             "AllBits=0xFFFFFFFF\r\n"
             "Negative=-17\r\n"
             "Word=zwölf\r\n"
             "Empty=\r\n"
             "Huge=99999999999\r\n"
             "Five=5\r\n"
             "EnglishFloat=1.5\r\n"
             "GermanFloat=0,25\r\n"
             "BadDate=31.02.2026\r\n"
             "ShortYear=1.3.16\r\n"
             "Named=clRed\r\n"
             "Lower=clbtnface\r\n"
             "Decimal=-16777208\r\n"
             "NoColor=Rot\r\n");
    const IniFile settings = ini();

    struct IntegerCase { const char *key; int expected; };
    for (const auto &c : {IntegerCase{"Hex", 31}, {"Dollar", 255}, {"AllBits", -1}, {"Negative", -17},
                          {"Word", 42}, {"Empty", 42}, {"Huge", 42}, {"Missing", 42}}) {
        EXPECT_EQ(settings.readInteger(QLatin1String(c.key), 42), c.expected) << c.key;
    }

    struct BoolCase { const char *key; bool defaultValue; bool expected; };
    for (const auto &c : {BoolCase{"Five", false, true}, {"Negative", false, true}, {"Word", true, true},
                          {"Word", false, false}, {"Missing", true, true}, {"Empty", false, false}}) {
        EXPECT_EQ(settings.readBool(QLatin1String(c.key), c.defaultValue), c.expected) << c.key;
    }

    EXPECT_DOUBLE_EQ(settings.readFloat(QStringLiteral("GermanFloat"), 9), 0.25);
    EXPECT_DOUBLE_EQ(settings.readFloat(QStringLiteral("EnglishFloat"), 9), 9);
    EXPECT_EQ(settings.readDate(QStringLiteral("BadDate"), QDate(2000, 1, 1)), QDate(2000, 1, 1));
    EXPECT_EQ(settings.readDate(QStringLiteral("ShortYear"), {}).month(), 3);

    struct ColorCase { const char *key; sys::ColorValue expected; };
    for (const auto &c : {ColorCase{"Named", sys::colors::red}, {"Lower", sys::colors::buttonFace},
                          {"Decimal", sys::colors::windowText}, {"NoColor", sys::colors::blue},
                          {"Word", sys::colors::blue}, {"Missing", sys::colors::blue}}) {
        EXPECT_EQ(settings.readColor(QLatin1String(c.key), sys::colors::blue), c.expected) << c.key;
    }

    // An empty value is a value: only a missing key gives the default.
    EXPECT_EQ(settings.readString(QStringLiteral("Empty"), QStringLiteral("x")), QString());
    EXPECT_EQ(settings.readString(QStringLiteral("Missing"), QStringLiteral("x")), QStringLiteral("x"));
}

TEST_F(IniFileTest, KeysAndSectionsIgnoreCaseAndOtherContentsSurviveAWrite)
{
    writeRaw("; Kommentar bleibt\r\n"
             "[Andere Sektion]\r\n"
             "Key=anders\r\n"
             "[kandrel razazu]\r\n"
             "AnmeldeNamen=MAYER\r\n");
    IniFile settings = ini();
    EXPECT_EQ(settings.readString(QStringLiteral("anmeldenamen")), QStringLiteral("MAYER"));

    ASSERT_TRUE(settings.writeString(QStringLiteral("ANMELDENAMEN"), QStringLiteral("SCHULZ")));

    const QByteArray bytes = fileBytes();
    EXPECT_TRUE(bytes.contains("; Kommentar bleibt")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("Key=anders"));
    EXPECT_EQ(settings.readString(QStringLiteral("AnmeldeNamen")), QStringLiteral("SCHULZ"));
    EXPECT_EQ(IniFile(path(), QStringLiteral("Andere Sektion")).readString(QStringLiteral("key")), QStringLiteral("anders"));
}

TEST_F(IniFileTest, ReadsAFileWrittenOnWindowsInItsCodePage)
{
    writeRaw(sys::encodeText(QStringLiteral("[Kandrel Razazu]\r\nZollamt1=Zollamt Lörrach-Straße\r\n"),
                             sys::CodePage::Windows1252));
    EXPECT_EQ(ini().readString(QStringLiteral("Zollamt1")), QStringLiteral("Zollamt Lörrach-Straße"));
}

// A NUL byte (a damaged or hand-edited file) spoils its own line only: the
// keys after it keep their values, also once the file is written back.
TEST_F(IniFileTest, ANulByteDamagesOneLineNotTheRestOfTheFile)
{
    QByteArray damaged("[Kandrel Razazu]\r\nDatenBankPfad=/daten\r\nZollamt1=Ham");
    damaged += QByteArray(4096, '\0');
    damaged += "burg\r\nWarenNr=17\r\n[Drucker]\r\nName=Laser\r\n";
    writeRaw(damaged);
    IniFile settings = ini();
    EXPECT_EQ(settings.readInteger(QStringLiteral("WarenNr"), 0), 17);

    ASSERT_TRUE(settings.writeString(QStringLiteral("Zollamt2"), QStringLiteral("Bremen")));
    EXPECT_FALSE(fileBytes().contains('\0'));
    EXPECT_EQ(settings.readString(QStringLiteral("DatenBankPfad")), QStringLiteral("/daten"));
    EXPECT_EQ(settings.readString(QStringLiteral("Zollamt1")), QStringLiteral("Hamburg"));
    EXPECT_EQ(settings.readInteger(QStringLiteral("WarenNr"), 0), 17);
    EXPECT_EQ(settings.readString(QStringLiteral("Zollamt2")), QStringLiteral("Bremen"));
    EXPECT_EQ(IniFile(path(), QStringLiteral("Drucker")).readString(QStringLiteral("Name")), QStringLiteral("Laser"));
}

TEST_F(IniFileTest, AChangeByAnotherProgramIsSeenAtTheNextRead)
{
    IniFile settings = ini();
    settings.writeInteger(QStringLiteral("WarenNr"), 1);
    writeRaw("[Kandrel Razazu]\r\nWarenNr=2\r\n");
    EXPECT_EQ(settings.readInteger(QStringLiteral("WarenNr"), 0), 2);
}

TEST_F(IniFileTest, AFileThatCannotBeWrittenReportsFailureAndKeepsItsValues)
{
    // A folder where the file should be: it can be neither read nor replaced.
    ASSERT_TRUE(QDir().mkpath(path()));
    IniFile blocked = ini();
    EXPECT_FALSE(blocked.writeString(QStringLiteral("Key"), QStringLiteral("value")));
    EXPECT_EQ(blocked.readString(QStringLiteral("Key"), QStringLiteral("default")), QStringLiteral("default"));

    IniFile missingFolder(folder.file(QStringLiteral("fehlt/Razazu.ini")), section);
    EXPECT_FALSE(missingFolder.writeString(QStringLiteral("Key"), QStringLiteral("value")));
}

TEST_F(IniFileTest, DeletedKeysAreGoneAndKeysListInFileOrder)
{
    IniFile settings = ini();
    settings.writeString(QStringLiteral("B"), QStringLiteral("2"));
    settings.writeString(QStringLiteral("A"), QStringLiteral("1"));
    EXPECT_EQ(settings.keys(), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
    ASSERT_TRUE(settings.deleteKey(QStringLiteral("b")));
    EXPECT_FALSE(settings.keyExists(QStringLiteral("B")));
    EXPECT_TRUE(settings.sectionExists());
    EXPECT_FALSE(IniFile(path(), QStringLiteral("Nirgends")).sectionExists());
}

TEST_F(IniFileTest, TypedValuesFollowTheKindOfTheDefault)
{
    IniFile settings = ini();
    struct Case { const char *key; QVariant value; };
    const Case cases[] = {
        {"Short", QVariant::fromValue<short>(-3)},
        {"Int", QVariant(70000)},
        {"Byte", QVariant::fromValue<uchar>(200)},
        {"Single", QVariant::fromValue<float>(2.5f)},
        {"Double", QVariant(0.125)},
        {"Date", QVariant(QDate(2026, 12, 31))},
        {"Bool", QVariant(true)},
        {"Text", QVariant(QStringLiteral("Übernehmen"))},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(settings.writeValue(QLatin1String(c.key), c.value)) << c.key;
        const QVariant read = settings.readValue(QLatin1String(c.key), QVariant(c.value.metaType()));
        EXPECT_EQ(QVariant::compare(read, c.value), QPartialOrdering::Equivalent) << c.key << " read " << read.toString().toStdString();
    }

    // Kinds without an encoding are neither written nor read.
    EXPECT_FALSE(settings.writeValue(QStringLiteral("Bytes"), QByteArray("x")));
    EXPECT_FALSE(settings.keyExists(QStringLiteral("Bytes")));
    settings.writeString(QStringLiteral("Bytes"), QStringLiteral("gespeichert"));
    EXPECT_EQ(settings.readValue(QStringLiteral("Bytes"), QByteArray("default")), QVariant(QByteArray("default")));
}

} // namespace
