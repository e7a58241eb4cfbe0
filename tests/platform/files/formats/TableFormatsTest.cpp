#include "platform/files/formats/AccessFile.h"
#include "platform/files/formats/DbaseFile.h"
#include "platform/files/formats/FileError.h"
#include "platform/files/formats/ForeignFile.h"
#include "platform/files/formats/ParadoxFile.h"

#include "FieldNames.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <shapefil.h>

using namespace files;
using db::FieldType;

namespace {

// A customer table as the masters hold it, with what trips formats up:
// umlauts, the euro sign, nulls, a long field name, negative and fractional
// numbers.
ForeignData customers()
{
    ForeignData data;
    data.definition.name = QStringLiteral("S_KUNDEN");
    data.definition.fields = {{QStringLiteral("Nummer"), FieldType::Long},
                              {QStringLiteral("Name1"), FieldType::Alpha, 35},
                              {QStringLiteral("Umsatz"), FieldType::Number},
                              {QStringLiteral("Kredit"), FieldType::Money},
                              {QStringLiteral("Aktiv"), FieldType::Logical},
                              {QStringLiteral("Seit"), FieldType::Date},
                              {QStringLiteral("Besuchsintervall"), FieldType::Short}};
    data.rows = {
        {4711, QStringLiteral("Müller & Söhne GmbH"), 1234567.891, 2500.5, true, QDate(1999, 12, 31), 14},
        {4712, QStringLiteral("Bäckerei Groß € Co."), -0.25, 0.0, false, QDate(2024, 2, 29), -3},
        {4713, QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
    };
    return data;
}

using Writer = void (*)(const ForeignData &, const QString &);
using Reader = ForeignData (*)(const QString &);

struct Format
{
    const char *name;
    const char *fileName;
    Writer write;
    Reader read;
    int nameLength;
};

const Format tableFormats[] = {
    {"dBase", "KUNDEN.DBF", writeDbaseFile, readDbaseFile, 10},
    {"Paradox", "KUNDEN.DB", writeParadoxFile, readParadoxFile, 25},
};

} // namespace

TEST(TableFormats, CopiesReadBackWithTheirValues)
{
    const ForeignData data = customers();
    for (const Format &format : tableFormats) {
        TempFolder folder;
        const QString path = folder.file(QString::fromLatin1(format.fileName));
        format.write(data, path);
        const ForeignData back = format.read(path);
        QStringList expectedNames = namesOf(data);
        expectedNames.last() = expectedNames.last().left(format.nameLength);
        EXPECT_EQ(namesOf(back), expectedNames) << format.name;
        ASSERT_EQ(back.rows.size(), data.rows.size()) << format.name;
        for (size_t r = 0; r < data.rows.size(); ++r) {
            for (qsizetype i = 0; i < data.rows[r].size(); ++i) {
                const QVariant expected = data.rows[r][i];
                const QVariant actual = back.rows[r][i];
                if (expected.typeId() == QMetaType::Double)
                    EXPECT_DOUBLE_EQ(actual.toDouble(), expected.toDouble()) << format.name << " " << r << "/" << i;
                else
                    EXPECT_EQ(actual.toString(), expected.toString()) << format.name << " " << r << "/" << i;
            }
        }
    }
}

TEST(TableFormats, ReplaceAnOldFileOnlyWhenTheNewOneIsComplete)
{
    ForeignData refused = customers();
    refused.rows[1][1] = QStringLiteral("Łódź Sp. z o.o.");
    for (const Format &format : tableFormats) {
        TempFolder folder;
        const QString path = folder.file(QString::fromLatin1(format.fileName));
        writeFile(path, "alte Datei");
        try {
            format.write(refused, path);
            ADD_FAILURE() << format.name;
        } catch (const FileError &error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("'Ł'"))) << error.message().toStdString();
        }
        EXPECT_EQ(readFile(path), QByteArray("alte Datei")) << format.name;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << format.name;

        format.write(customers(), path);
        EXPECT_EQ(format.read(path).rows.size(), 3u) << format.name;
    }
}

TEST(TableFormats, ShortNamesStayDistinct)
{
    EXPECT_EQ(shortenedFieldNames({"Bezeichnung1", "Bezeichnung2", "bezeichnun", "Ort"}, 10),
              (QStringList{"Bezeichnun", "Bezeichn_2", "bezeichn_3", "Ort"}));
}

TEST(TableFormats, CorruptOrTruncatedFilesGiveAnErrorNamingTheFile)
{
    const ForeignData data = customers();
    for (const Format &format : tableFormats) {
        TempFolder folder;
        const QString good = folder.file(QString::fromLatin1(format.fileName));
        format.write(data, good);
        const QByteArray bytes = readFile(good);

        QList<QByteArray> damaged;
        damaged.append(QByteArray());
        damaged.append(bytes.left(20));
        damaged.append(bytes.left(bytes.size() - 40));
        damaged.append(QByteArray(bytes.size(), 'x'));
        for (int at : {0, 2, 4, 5, 8, 10, 0x21, 0x39, 32 + 16, 0x78}) {
            QByteArray copy = bytes;
            copy[at] = char(0xFF);
            damaged.append(copy);
        }
        for (qsizetype i = 0; i < damaged.size(); ++i) {
            const QString path = folder.file(QStringLiteral("kaputt%1.%2").arg(i).arg(QFileInfo(good).suffix()));
            writeFile(path, damaged[i]);
            // Some bytes carry no structure, and the file still reads; the others
            // must give the error, never a crash.
            try {
                format.read(path);
            } catch (const FileError &error) {
                EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
            }
        }
    }
}

TEST(Dbase, ReadsAFileOfAnotherProgramWithItsCodePage)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("fremd.dbf"));
    // Written directly with shapelib, as another program would: DOS code page 850.
    DBFHandle handle = DBFCreateEx(QFile::encodeName(path).constData(), "LDID/2");
    ASSERT_NE(handle, nullptr);
    DBFAddField(handle, "NAME", FTString, 20, 0);
    DBFAddField(handle, "MENGE", FTInteger, 5, 0);
    DBFAddField(handle, "PREIS", FTDouble, 12, 3);
    DBFWriteStringAttribute(handle, 0, 0, "M\x81ller");   // "ü" in code page 850
    DBFWriteIntegerAttribute(handle, 0, 1, 12);
    DBFWriteDoubleAttribute(handle, 0, 2, 3.125);
    DBFWriteStringAttribute(handle, 1, 0, "gel\x94scht");
    DBFWriteNULLAttribute(handle, 1, 1);
    DBFWriteNULLAttribute(handle, 1, 2);
    DBFMarkRecordDeleted(handle, 1, 1);
    DBFWriteStringAttribute(handle, 2, 0, "  eingerueckt");
    DBFWriteNULLAttribute(handle, 2, 1);
    DBFWriteNULLAttribute(handle, 2, 2);
    DBFClose(handle);

    const ForeignData data = readDbaseFile(path);
    EXPECT_EQ(namesOf(data), (QStringList{"NAME", "MENGE", "PREIS"}));
    EXPECT_EQ(data.definition.fields[1].type, FieldType::Long);
    EXPECT_EQ(data.definition.fields[2].type, FieldType::Number);
    ASSERT_EQ(data.rows.size(), 2u);
    EXPECT_EQ(data.rows[0], (QVariantList{QStringLiteral("Müller"), 12, 3.125}));
    // Leading blanks are data; the deleted record is skipped.
    EXPECT_EQ(data.rows[1][0], QStringLiteral("  eingerueckt"));
    EXPECT_FALSE(data.rows[1][1].isValid());
}

// Memo texts live in a file beside the table, in one of three layouts that
// the table's version byte names. Each case builds that file by hand, as the
// other program would have written it.
enum class MemoLayout { DbaseIII, DbaseIV, FoxPro };

struct MemoCase
{
    MemoLayout layout;
    unsigned char version;
    const char *extension;
};

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xFF);
    return bytes;
}

QByteArray littleEndian(quint32 value)
{
    QByteArray bytes = bigEndian(value);
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

// The memo file with the texts in consecutive blocks; blocks gets the first
// block of each text. The last block stays short, as writers leave it.
QByteArray memoFile(MemoLayout layout, const QList<QByteArray> &texts, QList<int> &blocks)
{
    const int blockSize = layout == MemoLayout::FoxPro ? 64 : 512;
    QByteArray bytes(512, '\0');
    if (layout == MemoLayout::FoxPro)
        bytes.replace(6, 2, bigEndian(quint32(blockSize)).right(2));
    if (layout == MemoLayout::DbaseIV)
        bytes.replace(20, 2, littleEndian(quint32(blockSize)).left(2));
    for (const QByteArray &text : texts) {
        bytes += QByteArray((blockSize - bytes.size() % blockSize) % blockSize, '\0');
        blocks.append(int(bytes.size() / blockSize));
        switch (layout) {
        case MemoLayout::DbaseIII: bytes += text + "\x1A\x1A"; break;
        case MemoLayout::DbaseIV: bytes += QByteArray("\xFF\xFF\x08\x00", 4) + littleEndian(quint32(text.size() + 8)) + text; break;
        case MemoLayout::FoxPro: bytes += bigEndian(1) + bigEndian(quint32(text.size())) + text; break;
        }
    }
    return bytes;
}

TEST(Dbase, ReadsMemoTextsFromTheFileBesideTheTable)
{
    const MemoCase cases[] = {{MemoLayout::DbaseIII, 0x83, "DBT"},
                              {MemoLayout::DbaseIV, 0x8B, "dbt"},
                              {MemoLayout::FoxPro, 0xF5, "FPT"}};
    const QByteArray shortText = "Lieferung nur werktags\r\nTor 3, M\xFCller fragen";   // Windows-1252
    const QByteArray longText = QByteArray(700, 'x') + " Ende";   // more than a block
    for (const MemoCase &c : cases) {
        SCOPED_TRACE(c.extension);
        TempFolder folder;
        const QString path = folder.file(QStringLiteral("kunden.dbf"));
        QList<int> blocks;
        const QByteArray memos = memoFile(c.layout, {shortText, longText}, blocks);

        DBFHandle handle = DBFCreateEx(QFile::encodeName(path).constData(), "LDID/87");
        ASSERT_NE(handle, nullptr);
        DBFAddField(handle, "NUMMER", FTInteger, 6, 0);
        DBFAddNativeFieldType(handle, "BEMERKUNG", 'M', 10, 0);
        const QList<QByteArray> pointers = {QByteArray::number(blocks[0]), QByteArray(), QByteArray::number(blocks[1])};
        for (int record = 0; record < pointers.size(); ++record) {
            DBFWriteIntegerAttribute(handle, record, 0, record + 1);
            DBFWriteStringAttribute(handle, record, 1, pointers[record].constData());
        }
        DBFClose(handle);
        QByteArray table = readFile(path);
        table[0] = char(c.version);
        writeFile(path, table);

        // Without its memo file a table whose memos hold text names itself.
        try {
            readDbaseFile(path);
            ADD_FAILURE() << "no error without the memo file";
        } catch (const FileError &error) {
            EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QStringLiteral("BEMERKUNG"))) << error.message().toStdString();
        }

        writeFile(folder.file(QStringLiteral("kunden.") + QLatin1String(c.extension)), memos);
        const ForeignData data = readDbaseFile(path);
        EXPECT_EQ(namesOf(data), (QStringList{"NUMMER", "BEMERKUNG"}));
        EXPECT_EQ(data.definition.fields[1].type, FieldType::Memo);
        ASSERT_EQ(data.rows.size(), 3u);
        EXPECT_EQ(data.rows[0][1], QStringLiteral("Lieferung nur werktags\r\nTor 3, Müller fragen"));
        EXPECT_FALSE(data.rows[1][1].isValid());
        EXPECT_EQ(data.rows[2][1], QString::fromLatin1(longText));

        // A block beyond the memo file is damage, not an empty memo.
        const QByteArray cut = memos.left(blocks[1] * (c.layout == MemoLayout::FoxPro ? 64 : 512));
        EXPECT_THROW(readDbase(table, path, {}, cut), FileError);
    }
}

TEST(Dbase, RefusesValuesLongerThanAField)
{
    ForeignData data;
    data.definition.fields = {{QStringLiteral("Notiz"), FieldType::Memo}};
    data.rows = {{QString(300, u'x')}};
    TempFolder folder;
    EXPECT_THROW(writeDbaseFile(data, folder.file(QStringLiteral("n.dbf"))), FileError);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("n.dbf"))));
}

// Numbers and dates as other programs leave them in the bytes of a record:
// padded, signed, with or without a fraction, in another notation, damaged.
TEST(Dbase, ReadsNumbersAndDatesInEveryFormTheyAreWritten)
{
    struct Case
    {
        char type;
        int width;
        int decimals;
        const char *bytes;
        QVariant expected;       // invalid: null
        bool bad = false;
    };
    const Case cases[] = {
        {'N', 9, 0, "       42", 42},
        {'N', 9, 0, "-7       ", -7},
        {'N', 9, 0, "      3.0", 3},
        {'N', 9, 0, "      1e3", 1000},
        {'N', 9, 0, "  1.234,0", 1234},
        {'N', 9, 0, "      3.5", {}, true},
        {'N', 9, 0, "    12x  ", {}, true},
        {'N', 9, 0, "*********", {}},
        {'N', 9, 0, "         ", {}},
        {'N', 12, 2, "     1234.50", 1234.5},
        {'N', 12, 2, "       -0.75", -0.75},
        {'N', 12, 2, "         .5 ", 0.5},
        {'N', 12, 2, "        1,5 ", 1.5},
        {'N', 12, 2, "     -1.5e-2", -0.015},
        {'N', 12, 2, "       --1.5", {}, true},
        {'N', 12, 2, "       1.5.0", {}, true},
        {'D', 8, 0, "20240229", QDate(2024, 2, 29)},
        {'D', 8, 0, "00000000", {}},
        {'D', 8, 0, "        ", {}},
        {'D', 8, 0, "20230229", {}, true},
        {'D', 8, 0, "2024 229", {}, true},
    };
    TempFolder folder;
    int round = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes);
        const QString path = folder.file(QStringLiteral("wert%1.dbf").arg(++round));
        DBFHandle handle = DBFCreateEx(QFile::encodeName(path).constData(), "LDID/87");
        ASSERT_NE(handle, nullptr);
        DBFAddNativeFieldType(handle, "WERT", c.type, c.width, c.decimals);
        QByteArray bytes(c.bytes);
        DBFWriteAttributeDirectly(handle, 0, 0, bytes.data());
        DBFClose(handle);
        try {
            const ForeignData data = readDbaseFile(path);
            EXPECT_FALSE(c.bad) << "read as " << data.rows.at(0).at(0).toString().toStdString();
            ASSERT_EQ(data.rows.size(), 1u);
            EXPECT_EQ(data.rows[0][0], c.expected);
            EXPECT_EQ(data.rows[0][0].typeId(), c.expected.typeId());
        } catch (const FileError &error) {
            EXPECT_TRUE(c.bad) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QStringLiteral("Feld 'WERT'"))) << error.message().toStdString();
        }
    }
}

TEST(Access, ReadsATableOfASampleDatabaseInKeyOrder)
{
    const QString path = QStringLiteral(RAZAZU_FILES_TEST_DATA "/fruit.mdb");
    QStringList tables = accessTableNames(readFile(path), path);
    tables.sort();
    EXPECT_EQ(tables, (QStringList{"Dried", "Fruit", "Fruit Salad", "Muffin/Bread", "Veggie Salad"}));
    const ForeignData data = readAccessFile(path, QStringLiteral("fruit"));
    EXPECT_EQ(namesOf(data).mid(0, 3), (QStringList{"Fruit", "Fiber", "Fat"}));
    EXPECT_EQ(data.definition.fields[0].type, FieldType::Alpha);
    EXPECT_EQ(data.definition.fields[1].type, FieldType::Long);
    ASSERT_FALSE(data.rows.empty());
    EXPECT_EQ(data.rows[0], (QVariantList{QStringLiteral("Apple"), 2, 0, 0, 12, 2, 15, 0, 0, 0, 0}));
}

// Damage to the sample database that the library would follow: each gives
// an error naming the file, not a crash or all the memory there is. The
// sample is a Jet 4 file: pages of 4096 bytes, row offsets from byte 14 of
// a data page, a table's usage map linked at byte 55 of its description.
namespace fruit {

constexpr qsizetype pageSize = 4096;
constexpr qsizetype usageMapLink = 55;
// The catalog is described on page 2, the table Fruit on page 24.
constexpr qsizetype catalogPage = 2;
constexpr qsizetype fruitPage = 24;

QByteArray sample()
{
    return readFile(QStringLiteral(RAZAZU_FILES_TEST_DATA "/fruit.mdb"));
}

// The properties of the table Fruit, 2622 bytes in row 0 of page 51, turned
// into a chain of pages whose only link leads back to itself: read without
// a bound, the value grows until the memory runs out.
QByteArray propertiesInACircle()
{
    QByteArray bytes = sample();
    const qsizetype value = bytes.indexOf(QByteArray::fromHex("3e0a0040" "00330000"));
    Q_ASSERT(value > 0);
    bytes[value + 3] = 0;
    const qsizetype page = 51 * pageSize;
    const int row = qFromLittleEndian<quint16>(bytes.constData() + page + 14) & 0x1fff;
    qToLittleEndian<quint32>(51 << 8, bytes.data() + page + row);
    return bytes;
}

// A table's usage map linked to a row its page does not have.
QByteArray usageMapMissing(qsizetype tablePage)
{
    QByteArray bytes = sample();
    bytes[tablePage * pageSize + usageMapLink] = char(0x5e);
    return bytes;
}

} // namespace fruit

TEST(Access, MissingTableAndDamagedFilesGiveAnErrorNamingTheFile)
{
    const QString sample = QStringLiteral(RAZAZU_FILES_TEST_DATA "/fruit.mdb");
    try {
        readAccessFile(sample, QStringLiteral("Logistik"));
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Die Tabelle 'Logistik' ist in der Datei '%1' nicht vorhanden.")
                                       .arg(sample));
    }
    const QByteArray bytes = fruit::sample();
    struct Case
    {
        const char *name;
        QByteArray bytes;
        QString detail;
    };
    const Case cases[] = {
        {"cut short", bytes.left(5000), QStringLiteral("unvollständig")},
        {"zeros", QByteArray(8192, '\0'), QStringLiteral("keine Access-Datenbank")},
        {"catalog pages only", bytes.left(4096 * 3), QString()},
        {"properties in a circle", fruit::propertiesInACircle(),
         QStringLiteral("Eigenschaften der Tabelle 'Fruit': Der Wert ist länger als die angegebenen 2622 Bytes.")},
        {"catalog without usage map", fruit::usageMapMissing(fruit::catalogPage),
         QStringLiteral("Die Tabellenbeschreibung auf Seite 2 ist beschädigt.")},
        {"table without usage map", fruit::usageMapMissing(fruit::fruitPage),
         QStringLiteral("Die Tabellenbeschreibung auf Seite 24 ist beschädigt.")},
    };
    TempFolder folder;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.file(QStringLiteral("kaputt.mdb"));
        writeFile(path, c.bytes);
        try {
            readAccessFile(path, QStringLiteral("Fruit"));
            ADD_FAILURE();
        } catch (const FileError &error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Die Datei '%1' ist beschädigt").arg(path)))
                << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(c.detail)) << error.message().toStdString();
        }
    }
}

TEST(ForeignFile, PicksTheReaderByExtensionOrAsTold)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("pos.DBF"));
    writeFile(path, "    1Menge\r\n");
    writeFile(folder.file(QStringLiteral("pos.SCH")), "[pos]\r\nField1=Nr,LONGINT,5,0,0\r\nField2=Feld,CHAR,5,0,5\r\n");
    // The position file of the invoice export is a text table whatever its name.
    OpenOptions asText;
    asText.format = FileFormat::TextTable;
    EXPECT_EQ(readForeignFile(path, asText).rows[0], (QVariantList{1, QStringLiteral("Menge")}));
    EXPECT_THROW(readForeignFile(path), FileError);

    const QString unknown = folder.file(QStringLiteral("liste.xyz"));
    writeFile(unknown, "x");
    try {
        readForeignFile(unknown);
        FAIL();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("'xyz'"))) << error.message().toStdString();
    }
}
