#include "platform/files/formats/FileError.h"
#include "platform/files/formats/TextTable.h"

#include "FieldNames.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace files;
using db::FieldType;

namespace {

// The change list of the data-store update as the text driver reads it.
const QByteArray changeListSchema = "[Aenderung]\r\n"
                                    "FILETYPE=FIXED\r\n"
                                    "CHARSET=ANSIINTL\r\n"
                                    "Field1=LfdNr,LONGINT,5,00,00\r\n"
                                    "Field2=Aktion,CHAR,1,00,05\r\n"
                                    "Field3=FeldName,CHAR,20,00,06\r\n"
                                    "Field4=Laenge,LONGINT,4,00,26\r\n"
                                    "Field5=Typ,NUMBER,3,00,30\r\n"
                                    "Field6=Tabelle,CHAR,12,00,33\r\n"
                                    "Field7=Index,NUMBER,2,00,45\r\n";

} // namespace

TEST(TextTable, ReadsTheChangeListByItsSchemaWhateverTheCaseOfItsName)
{
    TempFolder folder;
    writeFile(folder.file(QStringLiteral("AENDERUNG.SCH")), changeListSchema);
    writeFile(folder.file(QStringLiteral("Aenderung.txt")),
              "    1NStra\xDF" "e                35  1S_KUNDEN     0\r\n"
              "    2A  Menge                0  2ARTIKE       1\r\n");
    const ForeignData data = readTextTableFile(folder.file(QStringLiteral("Aenderung.txt")));
    EXPECT_EQ(namesOf(data), (QStringList{"LfdNr", "Aktion", "FeldName", "Laenge", "Typ", "Tabelle", "Index"}));
    EXPECT_EQ(data.definition.fields[4].type, FieldType::Short);
    EXPECT_EQ(data.definition.fields[2].size, 20);
    ASSERT_EQ(data.rows.size(), 2u);
    EXPECT_EQ(data.rows[0], (QVariantList{1, QStringLiteral("N"), QStringLiteral("Straße"), 35, 1,
                                          QStringLiteral("S_KUNDEN"), 0}));
    // Leading blanks of a text value are data; trailing ones are padding.
    EXPECT_EQ(data.rows[1][2], QStringLiteral("  Menge"));
}

TEST(TextTable, ReadsSeparatedValuesAndTheDosCodePageOfOldFiles)
{
    const TextSchema schema = TextSchema::parse("[liste]\nFILETYPE = VARYING\nCHARSET = ascii\n"
                                                "DELIMITER = \"\nSEPARATOR = ,\n"
                                                "Field1 = Name,CHAR,30,00,00\nField2 = Betrag,FLOAT,10,02,30\n"
                                                "Field3 = Am,DATE,10,00,40\nField4 = Bezahlt,BOOL,1,00,50\n",
                                                QStringLiteral("liste.sch"));
    // 0x81 is "ü" in code page 437.
    const ForeignData data = readTextTable("\"M\x81ller, Hans\",12.5,05.03.2024,T\r\n\"x\",,,F\r\n", schema,
                                           QStringLiteral("liste.txt"));
    ASSERT_EQ(data.rows.size(), 2u);
    EXPECT_EQ(data.rows[0], (QVariantList{QStringLiteral("Müller, Hans"), 12.5, QDate(2024, 3, 5), true}));
    EXPECT_EQ(data.rows[1], (QVariantList{QStringLiteral("x"), QVariant(), QVariant(), false}));
}

TEST(TextTable, WrittenTableReadsBackWithEveryType)
{
    ForeignData data;
    data.definition.fields = {{QStringLiteral("Nummer"), FieldType::Long},
                              {QStringLiteral("Name"), FieldType::Alpha, 20},
                              {QStringLiteral("Betrag"), FieldType::Number},
                              {QStringLiteral("Preis"), FieldType::Money},
                              {QStringLiteral("Menge"), FieldType::Short},
                              {QStringLiteral("Aktiv"), FieldType::Logical},
                              {QStringLiteral("Datum"), FieldType::Date},
                              {QStringLiteral("Zeit"), FieldType::Time},
                              {QStringLiteral("Stempel"), FieldType::Timestamp},
                              {QStringLiteral("Notiz"), FieldType::Memo}};
    data.rows = {
        {2000000000, QStringLiteral("  Müller & Söhne"), -1234.125, 19.99, 7, true, QDate(2024, 12, 31),
         QTime(23, 59, 58), QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)), QStringLiteral("€ bezahlt")},
        {1, QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
         QVariant()},
    };
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("export.txt"));
    writeTextTableFile(data, path);

    const ForeignData back = readTextTableFile(path);
    EXPECT_EQ(namesOf(back), namesOf(data));
    for (qsizetype i = 0; i < data.definition.fields.size(); ++i) {
        // A text table knows no memo and no money: they come back as text and number.
        FieldType expected = data.definition.fields[i].type;
        if (expected == FieldType::Memo)
            expected = FieldType::Alpha;
        if (expected == FieldType::Money)
            expected = FieldType::Number;
        EXPECT_EQ(back.definition.fields[i].type, expected) << i;
    }
    ASSERT_EQ(back.rows.size(), 2u);
    EXPECT_EQ(back.rows[0], data.rows[0]);
    EXPECT_EQ(back.rows[1], data.rows[1]);
    EXPECT_TRUE(readFile(folder.file(QStringLiteral("export.sch"))).startsWith("[export]\r\nFILETYPE=FIXED\r\n"));
}

TEST(TextTable, RefusesWhatItCannotWriteAndKeepsTheOldFiles)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("alt.TXT"));
    writeFile(path, "alt\r\n");
    writeFile(folder.file(QStringLiteral("alt.SCH")), "[alt]\r\n");
    const QList<ForeignData> refused = {
        {{QStringLiteral("t"), {{QStringLiteral("Bild"), FieldType::Graphic}}}, {{QByteArray("\x89PNG")}}},
        {{QStringLiteral("t"), {{QStringLiteral("Text"), FieldType::Memo}}}, {{QStringLiteral("a\r\nb")}}},
        {{QStringLiteral("t"), {{QStringLiteral("Text"), FieldType::Alpha, 10}}}, {{QStringLiteral("Łódź")}}},
    };
    for (const ForeignData &data : refused) {
        EXPECT_THROW(writeTextTableFile(data, path), FileError);
        EXPECT_EQ(readFile(path), QByteArray("alt\r\n"));
        EXPECT_EQ(readFile(folder.file(QStringLiteral("alt.SCH"))), QByteArray("[alt]\r\n"));
    }
}

TEST(TextTable, NamesTheMissingSchemaFile)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("daten.txt"));
    writeFile(path, "1\r\n");
    try {
        readTextTableFile(path);
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Zur Textdatei '%1' fehlt die Beschreibungsdatei 'daten.SCH'.")
                                       .arg(path));
    }
}

TEST(TextTable, CorruptSchemaOrValueGivesAnErrorNamingTheFile)
{
    const char *schemas[] = {
        "FILETYPE=FIXED\nField1=a,CHAR,1,0,0\n",
        "[t]\nFILETYPE=ODD\nField1=a,CHAR,1,0,0\n",
        "[t]\nField1=a,BLOB,1,0,0\n",
        "[t]\nField1=a,CHAR,-4,0,0\n",
        "[t]\nField1=a,CHAR,99999999,0,0\n",
        "[t]\nField1=a,CHAR\n",
        "[t]\nField1=a,CHAR,1,0,0\nField1=b,CHAR,1,0,1\n",
        "[t]\nFILETYPE=FIXED\n",
        "[t\nField1=a,CHAR,1,0,0\n",
    };
    for (const char *schema : schemas) {
        try {
            TextSchema::parse(schema, QStringLiteral("t.sch"));
            ADD_FAILURE() << schema;
        } catch (const FileError &error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Die Datei 't.sch' ist beschädigt")))
                << error.message().toStdString();
        }
    }

    const TextSchema schema = TextSchema::parse("[t]\nField1=Nummer,LONGINT,5,0,0\nField2=Am,DATE,10,0,5\n",
                                                QStringLiteral("t.sch"));
    const TextSchema separated = TextSchema::parse("[t]\nFILETYPE=VARYING\nField1=Name,CHAR,10,0,0\n"
                                                   "Field2=Nummer,LONGINT,5,0,10\n",
                                                   QStringLiteral("t.sch"));
    struct Case
    {
        const TextSchema &schema;
        QByteArray lines;
        int line;
    };
    const Case cases[] = {
        {schema, "   x1\r\n", 1},
        {schema, "    131.02.2024\r\n", 1},
        // A quote that the line does not close would take the number into the name.
        {separated, "\"Zu\",1\r\n\"Offen,2\r\n", 2},
    };
    for (const Case &c : cases) {
        try {
            readTextTable(c.lines, c.schema, QStringLiteral("t.txt"));
            ADD_FAILURE() << c.lines.constData();
        } catch (const FileError &error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Die Datei 't.txt' ist beschädigt")))
                << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QStringLiteral("Zeile %1").arg(c.line))) << error.message().toStdString();
        }
    }
}
