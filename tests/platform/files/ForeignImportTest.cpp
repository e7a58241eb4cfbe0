#include "StoreFixture.h"

#include "platform/files/ForeignImport.h"
#include "platform/files/ForeignTable.h"

#include "platform/db/BatchMove.h"

#include "support/FileBytes.h"

#include <shapefil.h>

using namespace files;
using db::BatchMode;
using db::FieldType;

namespace {

db::TableDef zielDef(const QString &name)
{
    db::TableDef def;
    def.name = name;
    def.fields = {{QStringLiteral("Nummer"), FieldType::Long}, {QStringLiteral("Name"), FieldType::Alpha, 12},
                  {QStringLiteral("Notiz"), FieldType::Memo},  {QStringLiteral("Betrag"), FieldType::Number},
                  {QStringLiteral("Seit"), FieldType::Date},   {QStringLiteral("Aktiv"), FieldType::Logical}};
    def.primaryKey = {QStringLiteral("Nummer")};
    return def;
}

// A dBase III table with a memo field and its ".DBT", written as another
// program would; record 2 is deleted. badNumber puts text into BETRAG of the
// last record.
void writeDbaseWithMemo(const QString &path, bool badNumber)
{
    const QList<QByteArray> memos = {"Lieferung nur werktags\r\nTor 3", QByteArray(700, 'x') + " Ende"};
    QByteArray memoFile(512, '\0');
    QList<int> blocks;
    for (const QByteArray &text : memos) {
        memoFile += QByteArray((512 - memoFile.size() % 512) % 512, '\0');
        blocks.append(int(memoFile.size() / 512));
        memoFile += text + "\x1A\x1A";
    }
    writeFile(path.left(path.size() - 3) + QStringLiteral("DBT"), memoFile);

    DBFHandle handle = DBFCreateEx(QFile::encodeName(path).constData(), "LDID/87");
    ASSERT_NE(handle, nullptr);
    DBFAddField(handle, "NUMMER", FTInteger, 6, 0);
    DBFAddField(handle, "NAME", FTString, 20, 0);
    DBFAddNativeFieldType(handle, "NOTIZ", 'M', 10, 0);
    DBFAddField(handle, "BETRAG", FTDouble, 12, 2);
    DBFAddNativeFieldType(handle, "SEIT", 'D', 8, 0);
    DBFAddNativeFieldType(handle, "AKTIV", 'L', 1, 0);
    struct Record { int nummer; const char *name; QByteArray memo; const char *betrag, *seit, *aktiv; };
    const Record records[] = {
        {2, "M\xFCller & S\xF6hne Gro\xDFhandel", QByteArray::number(blocks[0]), "1234.50", "20010203", "T"},
        {3, "gel\xF6scht", {}, "1", "20000101", "F"},
        {4, "Kurz", QByteArray::number(blocks[1]), "-0.75", "        ", "F"},
        {5, "Leer", {}, badNumber ? "12x" : "", "20241231", "?"},
    };
    for (int i = 0; i < 4; ++i) {
        DBFWriteIntegerAttribute(handle, i, 0, records[i].nummer);
        // The bytes as they stand, padded as dBase pads them.
        QByteArray values[] = {QByteArray(records[i].name).leftJustified(20), records[i].memo.rightJustified(10),
                                     QByteArray(records[i].betrag).rightJustified(12),
                                     QByteArray(records[i].seit).leftJustified(8), records[i].aktiv};
        for (int field = 1; field <= 5; ++field)
            DBFWriteAttributeDirectly(handle, i, field, values[field - 1].data());
    }
    DBFMarkRecordDeleted(handle, 1, 1);
    DBFClose(handle);
    QByteArray table = readFile(path);
    table[0] = char(0x83);
    writeFile(path, table);
}

// Quoted values with separators, doubled quotes and line ends inside, empty
// values, values that are no number or date. duplicateKey repeats a key
// further down.
void writeDelimited(const QString &path, bool duplicateKey)
{
    QByteArray text = "Nummer;Name;Notiz;Betrag;Seit;Aktiv;Extra\r\n"
                      "1;\"B\xE4" "ckerei \"\"Gro\xDF\"\"\";\"Hof; Tor 3\";1.234,50;03.02.2001;J\r\n"
                      "2;\"\";;abc;31.02.2024;N\r\n"
                      "\r\n"
                      "3;Ohne Anf\xFChrung;\"\";-0,75;;;x\r\n"
                      "4;Kurz\n";
    if (duplicateKey)
        text += "2;doppelt;;;;\r\n";
    writeFile(path, text + "\x1A");
}

struct ImportCase
{
    const char *name;
    const char *file;
    void (*write)(const QString &, bool);
    bool bad;
    BatchMode mode;
};

} // namespace

class ForeignImportTest : public StoreTest
{
protected:
    // Every row of the table in key order, its fields as text.
    QStringList contents(const QString &table)
    {
        db::Table cursor(database(), table);
        cursor.open();
        QStringList rows;
        for (cursor.first(); !cursor.eof(); cursor.next()) {
            QStringList texts;
            for (int i = 0; i < cursor.fieldCount(); ++i)
                texts << cursor.field(i).asString();
            rows << texts.join(u'|');
        }
        return rows;
    }

    void createTarget(const QString &name)
    {
        database().createTable(zielDef(name));
        database().execute(QStringLiteral("INSERT INTO %1 (\"Nummer\", \"Name\") VALUES (9, 'vorher')")
                               .arg(database().quote(name)));
    }
};

// The import straight from the file leaves the same rows as opening the file
// as a table and moving that; a bad row leaves the target as it was.
TEST_P(ForeignImportTest, StreamsTheSameRowsAsTheMoveFromTheOpenedFile)
{
    const ImportCase cases[] = {
        {"dBase with memo", "kunden.dbf", writeDbaseWithMemo, false, BatchMode::Append},
        {"dBase bad value", "kunden.dbf", writeDbaseWithMemo, true, BatchMode::Append},
        {"delimited with quotes", "kunden.csv", writeDelimited, false, BatchMode::AppendUpdate},
        {"delimited copy", "kunden.csv", writeDelimited, false, BatchMode::Copy},
        {"delimited duplicate key", "kunden.csv", writeDelimited, true, BatchMode::Append},
    };
    int round = 0;
    for (const ImportCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = QDir(folder()).filePath(QStringLiteral("%1_%2").arg(++round).arg(c.file));
        c.write(path, c.bad);
        const QString viaTable = QStringLiteral("Alt%1").arg(round);
        const QString streamed = QStringLiteral("Neu%1").arg(round);
        createTarget(viaTable);
        createTarget(streamed);
        const QStringList before = contents(viaTable);

        if (c.bad) {
            EXPECT_THROW(db::batchMove(openForeignTable(path)->table(), database(), viaTable, c.mode),
                         db::DatabaseError);
            try {
                importForeignFile(path, {}, database(), streamed, c.mode);
                ADD_FAILURE() << "bad row imported";
            } catch (const FileError &error) {
                EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
                if (QString(c.file).endsWith(QLatin1String("dbf"))) {
                    EXPECT_TRUE(error.message().contains(QStringLiteral("Datensatz 4, Feld 'BETRAG'")))
                        << error.message().toStdString();
                }
            }
            EXPECT_EQ(contents(streamed), before);
            continue;
        }
        const int moved = db::batchMove(openForeignTable(path)->table(), database(), viaTable, c.mode);
        EXPECT_EQ(importForeignFile(path, {}, database(), streamed, c.mode), moved);
        const QStringList rows = contents(streamed);
        EXPECT_EQ(rows, contents(viaTable));
        EXPECT_TRUE(rows.join(u'\n').contains(QStringLiteral("Tor 3"))) << rows.join(u'\n').toStdString();
    }
}

RAZAZU_STORE_TESTS(ForeignImportTest);
