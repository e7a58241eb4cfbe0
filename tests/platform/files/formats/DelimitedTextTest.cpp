#include "platform/files/formats/DelimitedText.h"
#include "platform/files/formats/FileError.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace files;


TEST(DelimitedSplitting, FollowsTheLineRulesOfTheImports)
{
    struct Case
    {
        const char *line;
        QStringList values;
    };
    const Case cases[] = {
        // A quoted separator stays in its value; the rest of the line follows.
        {"\"Meier; Söhne\";12", {"Meier; Söhne", "12"}},
        // A quote that never closes swallows the separators up to the end.
        {"\"offen;x;y", {"\"offen;x;y"}},
        {"a;;b;", {"a", "", "b", ""}},
        {"", {""}},
        {"\"\"", {""}},
        // Doubled quotes inside a quoted value are one quote.
        {"\"Rohr 12\"\" Zoll\";5", {"Rohr 12\" Zoll", "5"}},
        // A value that does not start with the quote is taken as it stands.
        {"12,5;ab\"c", {"12,5", "ab\"c"}},
        {"\"a\"b;c", {"\"a\"b", "c"}},
    };
    // Split one after another into the same row, too, as a reader of many
    // records does: nothing of a record may stay behind for the next.
    QVariantList row;
    for (const Case &c : cases) {
        EXPECT_EQ(splitDelimitedRecord(QString::fromUtf8(c.line), u'"', u';'), c.values) << c.line;
        splitDelimitedRecord(QString::fromUtf8(c.line), u'"', u';', row);
        QStringList texts;
        for (const QVariant &value : row)
            texts << value.toString();
        EXPECT_EQ(texts, c.values) << c.line;
    }
}

TEST(DelimitedSplitting, TakingOneValueLeavesTheRestAfterItsSeparator)
{
    QString line = QStringLiteral("\"Meier; Söhne\";12");
    QStringView rest = line;
    EXPECT_EQ(takeDelimitedValue(rest, u'"', u';'), QStringLiteral("Meier; Söhne"));
    EXPECT_EQ(rest, QStringLiteral("12"));
    EXPECT_EQ(takeDelimitedValue(rest, u'"', u';'), QStringLiteral("12"));
    EXPECT_TRUE(rest.isEmpty());
    EXPECT_EQ(takeDelimitedValue(rest, u'"', u';'), QString());
}

TEST(DelimitedText, EveryWrittenFileReadsBackToTheSameValues)
{
    const QList<DelimitedValue> record = {
        {QStringLiteral("Müller \"Großhandel\""), true},
        {QStringLiteral("a;b,c"), true},
        {QStringLiteral("1,5"), false},
        {QStringLiteral("12.03.2024"), false},
        {QString(), false},
        {QString(), true},
        {QStringLiteral("'Apostroph'"), true},
        {QStringLiteral("€ ß Ä"), true},
    };
    const QList<DelimitedFormat> formats = {
        {u';', u'"', "CP1252"}, {u',', u'"', "CP1252"}, {u';', u'\'', "CP1252"}, {u',', u'\'', "UTF-8"}};
    TempFolder folder;
    for (const DelimitedFormat &format : formats) {
        const QString path = folder.file(QStringLiteral("liste.txt"));
        DelimitedWriter writer(path, format);
        writer.writeHeader({QStringLiteral("Name"), QStringLiteral("Feld;2")});
        writer.writeRecord(record);
        writer.commit();

        DelimitedReader reader(path, format);
        EXPECT_EQ(reader.readRecord(), (QStringList{QStringLiteral("Name"), QStringLiteral("Feld;2")}));
        QStringList expected;
        for (const DelimitedValue &value : record)
            expected.append(value.text);
        EXPECT_EQ(reader.readRecord(), expected) << "separator " << format.separator.toLatin1();
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(DelimitedText, WritesTheLayoutTheOriginalWrote)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("kunden.txt"));
    DelimitedWriter writer(path);
    writer.writeHeader({QStringLiteral("nummer"), QStringLiteral("name1")});
    writer.writeRecord({{QStringLiteral("4711"), false}, {QStringLiteral("Bäckerei"), true}});
    writer.commit();
    EXPECT_EQ(readFile(path), QByteArray("\"nummer\";\"name1\"\r\n4711;\"B\xE4" "ckerei\"\r\n"));
}

TEST(DelimitedText, RefusesWhatALineCannotCarryAndKeepsTheOldFile)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("alt.txt"));
    writeFile(path, "alt\r\n");
    struct Case
    {
        QString value;
        QByteArray codePage;
    };
    const Case cases[] = {{QStringLiteral("Zeile 1\nZeile 2"), "CP1252"}, {QStringLiteral("Łódź"), "CP1252"}};
    for (const Case &c : cases) {
        DelimitedWriter writer(path, {u';', u'"', c.codePage});
        try {
            writer.writeRecord({{c.value, true}});
            writer.commit();
            ADD_FAILURE() << "no error for " << c.value.toStdString();
        } catch (const FileError &error) {
            EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
        }
        EXPECT_EQ(readFile(path), QByteArray("alt\r\n"));
    }
}

TEST(DelimitedReader, ReadsWindows1252AndUtf8WithByteOrderMark)
{
    const QStringList expected = {QStringLiteral("Müller"), QStringLiteral("Straße 5"), QStringLiteral("€")};
    const QByteArray windows = "\"M\xFCller\";\"Stra\xDF" "e 5\";\"\x80\"\r\n";
    const QByteArray utf8 = "\xEF\xBB\xBF" + expected.join(u';').toUtf8() + "\n";
    for (const QByteArray &bytes : {windows, utf8}) {
        DelimitedReader reader(bytes, QStringLiteral("x.txt"));
        EXPECT_EQ(reader.readRecord(), expected);
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(DelimitedReader, RecordsEndAtAnyLineBreakAndNotAtTheLastOne)
{
    DelimitedReader reader(QByteArray("a\r\nb\nc\rd\r\n\x1A"), QStringLiteral("x.txt"));
    QStringList seen;
    while (!reader.atEnd())
        seen += reader.readRecord();
    EXPECT_EQ(seen, (QStringList{"a", "b", "c", "d"}));
}

// A quote character the line does not close would make one value of the
// rest of the line; a value cannot go on in the next line either.
TEST(DelimitedReader, RefusesAQuoteItsLineDoesNotClose)
{
    struct Case
    {
        QByteArray bytes;
        int line;
    };
    const Case cases[] = {
        {"\"Nummer\";\"Name\"\r\n1;\"Offen;K\xF6ln\r\n2;\"Zu\"\r\n", 2},
        {"\"Nummer\";\"Name\r\n", 1},
        {"1;\"Rohr 12\"\" Zoll;5\r\n", 1},
        {"1;Rohr 12\";5\r\n", 1},
        {"1;\"ok\"\r\n\r\n3;\"Zeile\r\nweiter\"\r\n", 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        try {
            DelimitedReader reader(c.bytes, QStringLiteral("kunden.txt"));
            while (!reader.atEnd())
                reader.readRecord();
            ADD_FAILURE();
        } catch (const FileError &error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Die Datei 'kunden.txt' ist beschädigt oder hat nicht das erwartete Format.\n"
                                     "Zeile %1: Das Textbegrenzungszeichen \" wird in der Zeile nicht geschlossen.")
                          .arg(c.line));
        }
        EXPECT_THROW(readDelimitedTable(c.bytes, QStringLiteral("kunden.txt"), {}, true), FileError);
    }
    // Closed quotes, doubled ones among them, and the apostrophe as the
    // quote character when a double quotation mark stands for inches.
    DelimitedReader closed("\"Rohr 12\"\" Zoll\";5\r\n", QStringLiteral("k.txt"));
    EXPECT_EQ(closed.readRecord(), (QStringList{"Rohr 12\" Zoll", "5"}));
    DelimitedReader apostrophe("'Rohr 12\"';6\r\n", QStringLiteral("k.txt"), {u';', u'\'', "CP1252"});
    EXPECT_EQ(apostrophe.readRecord(), (QStringList{"Rohr 12\"", "6"}));
}

// A file is decoded a piece at a time: records, multi-byte characters and a
// line longer than a piece come through whole wherever the pieces end.
TEST(DelimitedReader, ReadsALargeFileAsTheWholeText)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("gross.csv"));
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("%1;Müller € Straße;%2").arg(i).arg(QString(i % 7, u'ä'));
    lines[2500] = QString(100000, u'ß');
    writeFile(path, "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n\x1A");

    DelimitedReader reader(path);
    QStringList seen;
    while (!reader.atEnd())
        seen << reader.readRecordText();
    EXPECT_EQ(seen, lines);
}

TEST(DelimitedReader, MissingFileNamesIt)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("fehlt.txt"));
    try {
        DelimitedReader reader(path);
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(path));
    }
}

TEST(DelimitedTable, NamesFieldsByTheHeaderAndSizesThemByTheirValues)
{
    const QByteArray bytes = "\"Nummer\";\"Name\"\r\n1;\"Müller\"\r\n\r\n22;\"Bäcker\";extra\r\n";
    const ForeignData data = readDelimitedTable(bytes, QStringLiteral("k.csv"), {u';', u'"', "UTF-8"}, true);
    ASSERT_EQ(data.definition.fields.size(), 3);
    EXPECT_EQ(data.definition.fields[0].name, QStringLiteral("Nummer"));
    EXPECT_EQ(data.definition.fields[2].name, QStringLiteral("Feld3"));
    EXPECT_EQ(data.definition.fields[0].size, 2);
    EXPECT_EQ(data.definition.fields[1].size, 6);
    ASSERT_EQ(data.rows.size(), 2u);
    EXPECT_EQ(data.rows[0], (QVariantList{QStringLiteral("1"), QStringLiteral("Müller"), QVariant()}));
    EXPECT_EQ(data.rows[1][2], QStringLiteral("extra"));

    const ForeignData plain = readDelimitedTable("a;b\r\n", QStringLiteral("k.csv"), {}, false);
    EXPECT_EQ(plain.definition.fields[1].name, QStringLiteral("Feld2"));
    EXPECT_EQ(plain.rows.size(), 1u);
}
