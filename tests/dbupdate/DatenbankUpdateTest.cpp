#include "RecordingDialogs.h"
#include "TestStore.h"

#include "dbupdate/DatenbankUpdate.h"

#include "platform/db/Table.h"
#include "platform/files/formats/FileError.h"
#include "platform/sys/Files.h"
#include "platform/sys/TextFile.h"

#include <QDir>
#include <QProcess>
#include <unistd.h>
#include <gtest/gtest.h>

using dbupdate::DatenbankUpdate;

namespace {

const QString tab = QStringLiteral("\t");

// Makes a file that cannot be replaced, with the immutable flag; only root
// may set it, and file modes do not stop root. Undone when the object goes.
class Unreplaceable
{
public:
    explicit Unreplaceable(const QString &path) : path_(path)
    {
        ok_ = geteuid() == 0 && QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
    }
    ~Unreplaceable()
    {
        if (ok_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
    }
    bool ok() const { return ok_; }

private:
    QString path_;
    bool ok_ = false;
};

class DatenbankUpdateTest : public testing::TestWithParam<Backend>
{
protected:
    void SetUp() override
    {
        if (!TestStore::available(GetParam()))
            GTEST_SKIP() << "RAZAZU_TEST_PG is not set";
        store = std::make_unique<TestStore>(GetParam());
        database().createTable(kundenTabelle());
        store->fill(QStringLiteral("S_KUNDEN"), 3);
    }

    db::Database &database() { return store->db(); }

    QString programFile(const QString &name) const { return sys::joinPath(program.path(), name); }

    // Rows "LfdNr,Aktion,FeldName,Laenge,Typ,Tabelle,Index" as the change
    // list carries them without a schema file of its own.
    void changeList(const QStringList &rows)
    {
        sys::writeTextLines(programFile(QStringLiteral("Aenderung.txt")), rows, sys::CodePage::Windows1252);
    }

    int run()
    {
        DatenbankUpdate update(database(), program.path());
        const int result = update.Starten();
        errors = update.fehlerAnzahl();
        return result;
    }

    QStringList log() const
    {
        return sys::readTextFile(programFile(QStringLiteral("Log.txt")), sys::CodePage::Utf8).split(u'\n');
    }

    QStringList head() const
    {
        return {QStringLiteral("Starte Update"), QStringLiteral("DataBaseName = ") + store->data.path()};
    }

    static QStringList summary(const QString &table, int recordsBefore, int fieldsBefore, int recordsAfter,
                               int fieldsAfter)
    {
        return {table + QStringLiteral(":"),
                QStringLiteral("Es waren %1 Datensätze vor dem Update vorhanden.").arg(recordsBefore),
                QStringLiteral("Es waren %1 Felder vor dem Update vorhanden.").arg(fieldsBefore),
                QStringLiteral("Es sind %1 Datensätze nach dem Update vorhanden.").arg(recordsAfter),
                QStringLiteral("Es sind %1 Felder nach dem Update vorhanden.").arg(fieldsAfter),
                QStringLiteral(" ")};
    }

    // The end of a run without errors, with the file's last line ending.
    static QStringList tail(int errorCount = 0)
    {
        return {QStringLiteral("Update Abbgeschlossen mit %1 Fehlern").arg(errorCount), QString(), QString()};
    }

    // S_ARTIK keyed on text: cutting Nr to one character makes "10" and
    // "11" one key, so the copy into the new layout fails half-way.
    void articleTable()
    {
        db::TableDef def;
        def.name = QStringLiteral("S_ARTIK");
        def.fields = {{QStringLiteral("Nr"), db::FieldType::Alpha, 10},
                      {QStringLiteral("Name"), db::FieldType::Alpha, 30}};
        def.primaryKey = {QStringLiteral("Nr")};
        database().createTable(def);
        database().execute(QStringLiteral("INSERT INTO \"S_ARTIK\" (\"Nr\", \"Name\") VALUES "
                                          "('1', 'Eins'), ('10', 'Zehn'), ('11', 'Elf')"));
    }

    std::unique_ptr<TestStore> store;
    TempFolder program;
    RecordingDialogs dialogs;
    int errors = -1;
};

class DatenbankUpdateOnSQLite : public DatenbankUpdateTest
{
};

TEST_P(DatenbankUpdateTest, ChangeListRowsWriteTheirLogLines)
{
    struct Case
    {
        const char *what;
        QString row;
        QStringList lines;   // between the head and the end of the log
        QString nameSize;    // "Name" size and type of Umsatz afterwards
    };
    const QStringList unchanged = summary(QStringLiteral("S_KUNDEN.DB"), 3, 4, 3, 4);
    const Case cases[] = {
        {"new field", QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0"),
         QStringList{QStringLiteral("SUCCES NEU:       Feld: Fax,") + tab + QStringLiteral("Länge: 30,") + tab
                     + QStringLiteral("Typ: pxAlpha,") + tab + QStringLiteral("Tabelle: S_KUNDEN.DB")}
             + summary(QStringLiteral("S_KUNDEN.DB"), 3, 4, 3, 5),
         QStringLiteral("30 Number")},
        {"same type, another length", QStringLiteral("1,\"A\",\"name\",40,1,\"S_KUNDEN\",0"),
         QStringList{QStringLiteral("SUCCES AENDERUNG: Feld: name,") + tab + QStringLiteral("Alt-Länge: 30,") + tab
                     + QStringLiteral("Neu-Länge: 40,") + tab + QStringLiteral("Neu-Typ: pxAlpha,") + tab
                     + QStringLiteral("Tabelle: S_KUNDEN.DB")}
             + unchanged,
         QStringLiteral("40 Number")},
        {"another type", QStringLiteral("1,\"A\",\"Umsatz\",12,1,\"S_KUNDEN\",0"),
         QStringList{QStringLiteral("SUCCES AENDERUNG: Feld: Umsatz,") + tab + QStringLiteral("Alt-Länge: 0,") + tab
                     + QStringLiteral("Neu-Länge: 12,") + tab + QStringLiteral("Neu-Typ: pxAlpha,") + tab
                     + QStringLiteral("Tabelle: S_KUNDEN.DB")}
             + unchanged,
         QStringLiteral("30 Alpha")},
        {"missing table", QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_FEHLT\",0"), {}, QStringLiteral("30 Number")},
        {"same type and length", QStringLiteral("1,\"A\",\"Name\",30,1,\"S_KUNDEN\",0"), unchanged,
         QStringLiteral("30 Number")},
        {"number with another length", QStringLiteral("1,\"A\",\"Umsatz\",8,2,\"S_KUNDEN\",0"), unchanged,
         QStringLiteral("30 Number")},
        {"formatted memo over a memo", QStringLiteral("1,\"A\",\"Notiz\",240,11,\"S_KUNDEN\",0"), unchanged,
         QStringLiteral("30 Number")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        store = std::make_unique<TestStore>(GetParam());
        database().createTable(kundenTabelle());
        store->fill(QStringLiteral("S_KUNDEN"), 3);
        changeList({c.row});

        EXPECT_EQ(run(), 1);
        EXPECT_EQ(errors, 0);
        EXPECT_EQ(log(), head() + c.lines + tail());
        const db::TableDef def = database().tableDef(QStringLiteral("S_KUNDEN"));
        EXPECT_EQ(QStringLiteral("%1 %2").arg(def.fields[1].size).arg(
                      def.fields[2].type == db::FieldType::Alpha ? QStringLiteral("Alpha") : QStringLiteral("Number")),
                  c.nameSize);
        EXPECT_EQ(store->count(QStringLiteral("S_KUNDEN")), 3);
    }
}

TEST_P(DatenbankUpdateTest, EachTableIsSummedUpAfterItsLastRow)
{
    articleTable();
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0"),
                QStringLiteral("2,\"N\",\"Plz\",5,1,\"s_kunden\",0"),
                QStringLiteral("3,\"N\",\"Fax\",30,1,\"S_ARTIK\",0")});
    EXPECT_EQ(run(), 1);

    const QStringList lines = log();
    auto at = [&](const QString &line) { return lines.indexOf(line); };
    // Named as in the table's last row; the store matches names without case.
    const int kunden = at(QStringLiteral("s_kunden.DB:"));
    const int artikel = at(QStringLiteral("S_ARTIK.DB:"));
    ASSERT_GT(kunden, 0);
    ASSERT_GT(artikel, kunden);
    EXPECT_EQ(lines.mid(kunden, 6), summary(QStringLiteral("s_kunden.DB"), 3, 4, 3, 6));
    EXPECT_TRUE(lines[kunden - 1].startsWith(QStringLiteral("SUCCES NEU:       Feld: Plz,")));
    EXPECT_TRUE(lines[kunden + 6].startsWith(QStringLiteral("SUCCES NEU:       Feld: Fax,")));
    EXPECT_EQ(lines.mid(artikel, 6), summary(QStringLiteral("S_ARTIK.DB"), 3, 2, 3, 3));
}

TEST_P(DatenbankUpdateOnSQLite, AnEmptyChangeListOnlyOpensAndClosesTheLog)
{
    changeList({});
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(log(), head() + tail());
}

TEST_P(DatenbankUpdateTest, ASecondRunFindsTheChangesInPlace)
{
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0"),
                QStringLiteral("2,\"A\",\"Name\",40,1,\"S_KUNDEN\",0")});
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(log(), head() + summary(QStringLiteral("S_KUNDEN.DB"), 3, 5, 3, 5) + tail());
}

TEST_P(DatenbankUpdateOnSQLite, ATypeCodeOutsideTheListIsAnError)
{
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,23,\"S_KUNDEN\",0")});
    EXPECT_EQ(run(), 2);
    EXPECT_EQ(errors, 1);
    const QStringList lines = log();
    EXPECT_EQ(lines[2], QStringLiteral("ERROR - Feld: Fax, Länge: 30, Typ 23, Tabelle S_KUNDEN.DB"));
    EXPECT_EQ(database().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 4);
}

TEST_P(DatenbankUpdateOnSQLite, ChangeListWithASchemaFileOfItsOwn)
{
    sys::writeTextLines(programFile(QStringLiteral("Aenderung.sch")),
                        {QStringLiteral("[Aenderung]"), QStringLiteral("FILETYPE=FIXED"),
                         QStringLiteral("CHARSET=ANSIINTL"), QStringLiteral("Field1=LfdNr,LONGINT,4,00,00"),
                         QStringLiteral("Field2=Aktion,CHAR,1,00,04"), QStringLiteral("Field3=FeldName,CHAR,10,00,05"),
                         QStringLiteral("Field4=Laenge,LONGINT,4,00,15"), QStringLiteral("Field5=Typ,LONGINT,3,00,19"),
                         QStringLiteral("Field6=Tabelle,CHAR,10,00,22"), QStringLiteral("Field7=Index,NUMBER,2,00,32")},
                        sys::CodePage::Windows1252);
    sys::writeTextLines(programFile(QStringLiteral("AENDERUNG.TXT")),
                        {QStringLiteral("   1NStraße      40  1S_KUNDEN   0")}, sys::CodePage::Windows1252);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(log()[2], QStringLiteral("SUCCES NEU:       Feld: Straße,") + tab + QStringLiteral("Länge: 40,") + tab
                            + QStringLiteral("Typ: pxAlpha,") + tab + QStringLiteral("Tabelle: S_KUNDEN.DB"));
    EXPECT_EQ(database().tableDef(QStringLiteral("S_KUNDEN")).fields[4].name, QStringLiteral("Straße"));
}

TEST_P(DatenbankUpdateOnSQLite, AMissingChangeListCannotBeOpened)
{
    EXPECT_THROW(DatenbankUpdate(database(), program.path()), files::FileError);
}

TEST_P(DatenbankUpdateTest, RecordCountsStayEqualOnAHundredThousandRows)
{
    database().createTable(kundenTabelle(QStringLiteral("S_GROSS")));
    store->fill(QStringLiteral("S_GROSS"), 100000);
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_GROSS\",0"),
                QStringLiteral("2,\"A\",\"Name\",12,1,\"S_GROSS\",0")});
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(errors, 0);
    const QStringList lines = log();
    const int at = lines.indexOf(QStringLiteral("S_GROSS.DB:"));
    ASSERT_GT(at, 0);
    EXPECT_EQ(lines.mid(at, 6), summary(QStringLiteral("S_GROSS.DB"), 100000, 4, 100000, 5));

    db::Table cursor(database(), QStringLiteral("S_GROSS"));
    cursor.open();
    ASSERT_TRUE(cursor.findKey({99999}));
    EXPECT_EQ(cursor.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Name 99999"));
}

TEST_P(DatenbankUpdateOnSQLite, ALogThatCannotBeCreatedStopsTheRunBeforeAnyTable)
{
    QDir(program.path()).mkdir(QStringLiteral("Log.txt"));
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0")});
    EXPECT_EQ(run(), 2);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("Log.txt")));
    EXPECT_EQ(database().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 4);
}

TEST_P(DatenbankUpdateOnSQLite, TimeDisplayCountsTicks)
{
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0"),
                QStringLiteral("2,\"N\",\"Plz\",5,1,\"S_KUNDEN\",0"),
                QStringLiteral("3,\"N\",\"Ort\",30,1,\"S_KUNDEN\",0"),
                QStringLiteral("4,\"N\",\"Land\",3,1,\"S_KUNDEN\",0")});
    DatenbankUpdate update(database(), program.path());
    for (int i = 0; i < 75; ++i)
        update.Tick();
    EXPECT_EQ(update.verstricheneZeit(), QStringLiteral("Verstrichene Zeit 00:01:15"));
    for (int i = 0; i < 3600; ++i)
        update.Tick();
    EXPECT_EQ(update.verstricheneZeit(), QStringLiteral("Verstrichene Zeit 01:01:15"));

    // After the second row (position 3 of 4) 3675 s give 1225 s to go.
    QList<int> positions;
    update.onZwischendurch = [&] { positions << update.position(); };
    update.onFortschritt = [&](int position, int maximum, const QString &text) {
        if (position == 3) {
            EXPECT_EQ(maximum, 4);
            EXPECT_EQ(text, QStringLiteral("Bearbeite Feld 3 von 4 in S_KUNDEN.DB"));
            EXPECT_EQ(update.verbleibendeZeit(), QStringLiteral("Verbleibende Zeit 00:20:25"));
        }
    };
    EXPECT_EQ(update.Starten(), 1);
    EXPECT_EQ(positions, (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(update.verbleibendeZeit(), QStringLiteral("Verbleibende Zeit 00:00:00"));
}

TEST_P(DatenbankUpdateOnSQLite, ASecondStartDuringTheRunDoesNothing)
{
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0")});
    DatenbankUpdate update(database(), program.path());
    int nested = -1;
    update.onZwischendurch = [&] { nested = update.Starten(); };
    EXPECT_EQ(update.Starten(), 1);
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(log().count(QStringLiteral("Starte Update")), 1);
}

TEST_P(DatenbankUpdateOnSQLite, EveryRunCompletesThePreStamperListsOnce)
{
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0")});
    sys::writeTextLines(programFile(QStringLiteral("Vorab.KD1")), {"8", "44"}, sys::CodePage::Windows1252);
    sys::writeTextLines(programFile(QStringLiteral("Vorab.KD0")), {"44", "50"}, sys::CodePage::Windows1252);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(sys::readTextLines(programFile(QStringLiteral("Vorab.KD1")), sys::CodePage::Windows1252),
              (QStringList{"8", "44", "44_1", "44_2", "44_3"}));
    EXPECT_EQ(sys::readTextLines(programFile(QStringLiteral("Vorab.KD0")), sys::CodePage::Windows1252),
              (QStringList{"44", "44_1", "44_2", "44_3", "50"}));
}

TEST_P(DatenbankUpdateOnSQLite, APreStamperListThatCannotBeWrittenIsAnError)
{
    changeList({});
    sys::writeTextLines(programFile(QStringLiteral("Vorab.KD1")), {QStringLiteral("44")}, sys::CodePage::Windows1252);
    Unreplaceable locked(programFile(QStringLiteral("Vorab.KD1")));
    if (!locked.ok())
        GTEST_SKIP() << "the file cannot be made unwritable here";

    EXPECT_EQ(run(), 2);
    EXPECT_EQ(errors, 1);
    const QStringList lines = log();
    ASSERT_GE(lines.size(), 9);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("ERROR - ")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("Vorab.KD1")));
    EXPECT_EQ(lines[3], QStringLiteral("Update Abbgeschlossen mit 1 Fehlern"));
    EXPECT_EQ(lines[6], programFile(QStringLiteral("Vorab.KD1")));
    EXPECT_EQ(sys::readTextLines(programFile(QStringLiteral("Vorab.KD1")), sys::CodePage::Windows1252),
              QStringList{QStringLiteral("44")});
}

// On both stores: the failing row leaves its table whole, and the log says
// what to send.
TEST_P(DatenbankUpdateTest, AFailingRestructureKeepsTheTableAndAsksForTheFiles)
{
    articleTable();
    changeList({QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_KUNDEN\",0"),
                QStringLiteral("2,\"A\",\"Nr\",1,1,\"S_ARTIK\",0")});
    EXPECT_EQ(run(), 2);
    EXPECT_EQ(errors, 1);

    const QStringList lines = log();
    const int error = lines.indexOf(QStringLiteral("ERROR  AENDERUNG: Feld: Nr,") + tab + QStringLiteral("Alt-Länge: 10,")
                                    + tab + QStringLiteral("Neu-Länge: 1,") + tab + QStringLiteral("Neu-Typ pxAlpha,")
                                    + tab + QStringLiteral("Tabelle S_ARTIK.DB"));
    ASSERT_GT(error, 0);
    EXPECT_TRUE(lines[error + 1].startsWith(QStringLiteral("Die Tabelle S_ARTIK.DB bleibt unverändert: ")));
    EXPECT_EQ(lines.mid(error + 2, 6), summary(QStringLiteral("S_ARTIK.DB"), 3, 2, 3, 2));
    EXPECT_EQ(lines.mid(error + 8),
              (QStringList{QStringLiteral("Update Abbgeschlossen mit 1 Fehlern"), QString(),
                           QStringLiteral("Folgende Dateien schicken Sie bitte an: support@kandrel.de"),
                           sys::joinPath(store->data.path(), QStringLiteral("S_ARTIK.DB")),
                           programFile(QStringLiteral("Aenderung.txt")), programFile(QStringLiteral("Log.txt")),
                           QString()}));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Beim Updaten der Datenbanken wurden 1 Fehler festgestellt.")));
    EXPECT_TRUE(dialogs.messages[0].endsWith(QStringLiteral("\n\nsupport@kandrel.de")));

    const db::TableDef def = database().tableDef(QStringLiteral("S_ARTIK"));
    EXPECT_EQ(def.fields[0].size, 10);
    db::Table cursor(database(), QStringLiteral("S_ARTIK"));
    cursor.open();
    QStringList keys;
    for (cursor.first(); !cursor.eof(); cursor.next())
        keys << cursor.fieldByName(QStringLiteral("Nr")).asString();
    EXPECT_EQ(keys, (QStringList{"1", "10", "11"}));
    // The other table took its change.
    EXPECT_EQ(database().tableDef(QStringLiteral("S_KUNDEN")).fields.size(), 5);
}

INSTANTIATE_TEST_SUITE_P(Stores, DatenbankUpdateTest, testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         backendName);
INSTANTIATE_TEST_SUITE_P(Stores, DatenbankUpdateOnSQLite, testing::Values(Backend::SQLite), backendName);

} // namespace
