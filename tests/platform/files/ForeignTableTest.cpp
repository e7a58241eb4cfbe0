#include "platform/files/ForeignTable.h"
#include "platform/files/TableCopy.h"
#include "platform/files/formats/DelimitedText.h"

#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace files;
using db::FieldType;

namespace {

db::TableDef customerTable()
{
    db::TableDef def;
    def.name = QStringLiteral("S_KUNDEN");
    def.fields = {{QStringLiteral("Nummer"), FieldType::Long},
                  {QStringLiteral("Name1"), FieldType::Alpha, 35},
                  {QStringLiteral("Ort"), FieldType::Alpha, 30},
                  {QStringLiteral("Umsatz"), FieldType::Number},
                  {QStringLiteral("Aktiv"), FieldType::Logical},
                  {QStringLiteral("Seit"), FieldType::Date}};
    def.primaryKey = {QStringLiteral("Nummer")};
    return def;
}

const QList<QVariantList> customerRows = {
    {1, QStringLiteral("Müller & Söhne"), QStringLiteral("Köln"), 1234.5, true, QDate(2001, 2, 3)},
    {2, QStringLiteral("Bäckerei \"Groß\""), QStringLiteral("Fürth; Bayern"), -0.75, false, QDate(2024, 12, 31)},
    {3, QStringLiteral("Œuvre € Händler"), QVariant(), QVariant(), QVariant(), QVariant()},
};

// A data store in a temporary folder holding the customer table.
class CustomerStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        database.setPath(folder.path());
        database.open();
        database.createTable(customerTable());
        QStringList markers(customerTable().fields.size(), QStringLiteral("?"));
        for (const QVariantList &row : customerRows)
            database.execute(QStringLiteral("INSERT INTO \"S_KUNDEN\" VALUES (%1)").arg(markers.join(u',')), row);
        customers.setDatabase(database);
        customers.setTableName(QStringLiteral("S_KUNDEN.DB"));
        customers.open();
    }

    // Every record's fields as text, the way the import loops read them.
    static QList<QStringList> textsOf(db::Table &table)
    {
        QList<QStringList> records;
        for (table.first(); !table.eof(); table.next()) {
            QStringList texts;
            for (int i = 0; i < table.fieldCount(); ++i)
                texts.append(table.field(i).asString());
            records.append(texts);
        }
        return records;
    }

    TempFolder folder;
    db::Database database{QStringLiteral("Z_FilesTest")};
    db::Table customers;
};

// One member of a zip archive (the spreadsheet), inflated.
QByteArray zipMember(const QByteArray &zip, const QByteArray &name)
{
    for (qsizetype at = zip.indexOf("PK\x03\x04"); at >= 0; at = zip.indexOf("PK\x03\x04", at + 4)) {
        auto u16 = [&](qsizetype o) { return int(uchar(zip[at + o]) | uchar(zip[at + o + 1]) << 8); };
        auto u32 = [&](qsizetype o) { return uint(u16(o)) | uint(u16(o + 2)) << 16; };
        const int method = u16(8);
        const uint compressedSize = u32(18);
        const int nameLength = u16(26);
        const int extraLength = u16(28);
        if (zip.mid(at + 30, nameLength) != name)
            continue;
        const QByteArray data = zip.mid(at + 30 + nameLength + extraLength, compressedSize);
        if (method == 0)
            return data;
        QByteArray out(1 << 22, '\0');
        z_stream stream{};
        inflateInit2(&stream, -MAX_WBITS);
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
        stream.avail_in = uInt(data.size());
        stream.next_out = reinterpret_cast<Bytef *>(out.data());
        stream.avail_out = uInt(out.size());
        inflate(&stream, Z_FINISH);
        out.truncate(qsizetype(stream.total_out));
        inflateEnd(&stream);
        return out;
    }
    return {};
}

} // namespace

TEST_F(CustomerStore, BatchCopiesReopenAsTablesWithTheSameValues)
{
    const QList<QStringList> expected = textsOf(customers);
    struct Case
    {
        const char *fileName;
        FileFormat format;
    };
    const Case cases[] = {
        {"KUNDEN.DBF", FileFormat::Dbase},
        {"KUNDEN.DB", FileFormat::Paradox},
        {"KUNDEN.TXT", FileFormat::TextTable},
    };
    for (const Case &c : cases) {
        const QString path = folder.file(QString::fromLatin1(c.fileName));
        copyTableToFile(customers, path, c.format);
        // A second copy replaces the first.
        copyTableToFile(customers, path, c.format);
        auto foreign = openForeignTable(path);
        db::Table &table = foreign->table();
        EXPECT_TRUE(table.isOpen());
        EXPECT_TRUE(table.readOnly());
        EXPECT_EQ(table.fieldCount(), customers.fieldCount()) << c.fileName;
        EXPECT_EQ(table.field(1).name().toUpper(), QStringLiteral("NAME1"));
        EXPECT_EQ(textsOf(table), expected) << c.fileName;
    }
}

TEST_F(CustomerStore, ForeignTablesWriteNothingAndKeepToThemselves)
{
    const QString path = folder.file(QStringLiteral("KUNDEN.DBF"));
    copyTableToFile(customers, path, FileFormat::Dbase);
    TempFolder scratch;
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(scratch.path()));
    {
        // The same file twice at once, as two import dialogs may have it.
        auto first = openForeignTable(path);
        auto second = openForeignTable(path);
        first->table().last();
        EXPECT_EQ(first->table().field(0).asInteger(), 3);
        EXPECT_EQ(second->table().field(0).asInteger(), 1);
        EXPECT_EQ(textsOf(second->table()), textsOf(customers));
        EXPECT_TRUE(QDir(scratch.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
    if (savedTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTemp);
}

TEST_F(CustomerStore, DelimitedFileOpensAsTableOfTexts)
{
    const QString path = folder.file(QStringLiteral("kunden.csv"));
    DelimitedWriter writer(path, {u',', u'"', "CP1252"});
    QStringList names;
    for (const db::FieldDef &field : customerTable().fields)
        names.append(field.name);
    writer.writeHeader(names);
    for (customers.first(); !customers.eof(); customers.next()) {
        QList<DelimitedValue> values;
        for (int i = 0; i < customers.fieldCount(); ++i) {
            const db::Field &field = customers.field(i);
            values.append({field.asString(), field.type() == FieldType::Alpha});
        }
        writer.writeRecord(values);
    }
    writer.commit();

    OpenOptions options;
    options.delimited = {u',', u'"', "CP1252"};
    auto foreign = openForeignTable(path, options);
    EXPECT_EQ(textsOf(foreign->table()), textsOf(customers));
    EXPECT_EQ(foreign->table().fieldByName(QStringLiteral("Umsatz")).type(), FieldType::Alpha);
}

TEST_F(CustomerStore, AccessTableOpensLikeAnyOther)
{
    OpenOptions options;
    options.tableName = QStringLiteral("Fruit");
    auto foreign = openForeignTable(QStringLiteral(RAZAZU_FILES_TEST_DATA "/fruit.mdb"), options);
    db::Table &table = foreign->table();
    table.first();
    EXPECT_EQ(table.fieldByName(QStringLiteral("fruit")).asString(), QStringLiteral("Apple"));
    EXPECT_EQ(table.fieldByName(QStringLiteral("Vit C")).asInteger(), 15);
    EXPECT_GT(table.recordCount(), 10);
}

TEST_F(CustomerStore, ImportFromACorruptFileWritesNothing)
{
    const QString good = folder.file(QStringLiteral("neu.DBF"));
    copyTableToFile(customers, good, FileFormat::Dbase);
    QByteArray bytes = readFile(good);
    const QString corrupt = folder.file(QStringLiteral("kaputt.DBF"));
    QFile file(corrupt);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.left(bytes.size() - 30));
    file.close();

    db::TableDef target = customerTable();
    target.name = QStringLiteral("IMPORT");
    database.createTable(target);
    try {
        db::Transaction transaction(database);
        for (const QString &path : {good, corrupt}) {
            auto source = openForeignTable(path);
            for (source->table().first(); !source->table().eof(); source->table().next())
                database.execute(QStringLiteral("INSERT INTO \"IMPORT\" (\"Nummer\") VALUES (?)"),
                                 {source->table().field(0).asInteger() + 100 * (path == corrupt)});
        }
        transaction.commit();
        FAIL() << "the truncated file was read";
    } catch (const db::DatabaseError &error) {
        EXPECT_TRUE(error.message().contains(corrupt)) << error.message().toStdString();
    }
    db::Table imported(database, QStringLiteral("IMPORT"));
    imported.open();
    EXPECT_TRUE(imported.isEmpty());
    EXPECT_EQ(readFile(corrupt).size(), bytes.size() - 30);
}

TEST_F(CustomerStore, SpreadsheetHasAHeaderRowAndTypedCells)
{
    const QString path = folder.file(QStringLiteral("liste.xlsx"));
    copyTableToXlsx(customers, path);
    const QByteArray zip = readFile(path);
    const QByteArray sheet = zipMember(zip, "xl/worksheets/sheet1.xml");
    const QByteArray strings = zipMember(zip, "xl/sharedStrings.xml");
    ASSERT_FALSE(sheet.isEmpty());
    EXPECT_TRUE(strings.contains("Nummer"));
    EXPECT_TRUE(strings.contains(QStringLiteral("Müller &amp; Söhne").toUtf8()));
    // Numbers are number cells, logical values boolean cells, dates numbers with a date style.
    EXPECT_TRUE(sheet.contains("<c r=\"A2\"><v>1</v></c>")) << sheet.constData();
    EXPECT_TRUE(sheet.contains("<c r=\"D2\"><v>1234.5</v></c>")) << sheet.constData();
    EXPECT_TRUE(sheet.contains("<c r=\"E2\" t=\"b\"><v>1</v></c>")) << sheet.constData();
    EXPECT_TRUE(sheet.contains("<c r=\"F2\" s=\"2\"><v>36925</v></c>")) << sheet.constData();
}
