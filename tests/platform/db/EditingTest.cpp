#include "StoreFixture.h"

#include "platform/db/DataSource.h"
#include "platform/db/Query.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

using namespace db;

class EditingTest : public StoreTest
{
protected:
    int count(const QString &where = QStringLiteral("1 = 1"))
    {
        return Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM \"Belege\" WHERE ") + where).toInt();
    }
    QString storedName(int nr)
    {
        return Query::scalar(database(), QStringLiteral("SELECT \"Name\" FROM \"Belege\" WHERE \"BelegNr\" = ?"), {nr})
            .toString();
    }
};

TEST_P(EditingTest, EditPostCancelAndRemove)
{
    createBelege(3);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    table.findKey({2});
    table.edit();
    EXPECT_EQ(table.state(), DatasetState::Edit);
    table["Name"].setAsString(QStringLiteral("Zwei"));
    EXPECT_TRUE(table.modified());
    table.post();
    EXPECT_EQ(table.state(), DatasetState::Browse);
    EXPECT_EQ(storedName(2), QStringLiteral("Zwei"));

    table["Name"].setAsString(QStringLiteral("verworfen"));   // a setter starts editing
    EXPECT_EQ(table.state(), DatasetState::Edit);
    table.cancel();
    EXPECT_EQ(table["Name"].asString(), QStringLiteral("Zwei"));
    EXPECT_EQ(storedName(2), QStringLiteral("Zwei"));

    table.insert();
    table["BelegNr"].setAsInteger(10);
    table["Name"].setAsString(QStringLiteral("Zehn"));
    table.post();
    EXPECT_EQ(table["BelegNr"].asInteger(), 10);
    table.prior();
    EXPECT_EQ(table["BelegNr"].asInteger(), 3) << "the new record sits in key order";

    table["Name"].setAsString(QStringLiteral("weiter"));
    table.next();   // moving on posts the change
    EXPECT_EQ(storedName(3), QStringLiteral("weiter"));

    table.findKey({1});
    table.remove();
    EXPECT_EQ(table["BelegNr"].asInteger(), 2) << "the next record becomes current";
    EXPECT_EQ(count(), 3);
    table.last();
    table.remove();
    EXPECT_EQ(table["BelegNr"].asInteger(), 3);
    EXPECT_TRUE(table.eof()) << "deleting the last record leaves eof set";
}

TEST_P(EditingTest, InsertWithoutChangesIsDroppedWhenTheCursorMoves)
{
    createBelege(2);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    table.append();
    table.next();
    EXPECT_EQ(table.state(), DatasetState::Browse);
    EXPECT_EQ(count(), 2);
}

TEST_P(EditingTest, EventsRunInOrderAndAbortRefuses)
{
    createBelege(1);
    Table table(database(), QStringLiteral("Belege"));
    QStringList events;
    table.afterOpen.add([&](Table &) { events << "afterOpen"; });
    table.afterScroll.add([&](Table &) { events << "afterScroll"; });
    table.beforeInsert.add([&](Table &) { events << "beforeInsert"; });
    table.onNewRecord.add([&](Table &t) {
        events << "onNewRecord";
        t["Name"].setAsString(QStringLiteral("Vorgabe"));
    });
    table.afterInsert.add([&](Table &) { events << "afterInsert"; });
    table.beforePost.add([&](Table &) { events << "beforePost"; });
    table.afterPost.add([&](Table &) { events << "afterPost"; });
    table.open();
    table.append();
    EXPECT_EQ(table["Name"].asString(), QStringLiteral("Vorgabe"));
    EXPECT_FALSE(table.modified()) << "defaults of a new record are no change";
    table["BelegNr"].setAsInteger(5);
    table.post();
    EXPECT_EQ(events, (QStringList{"afterOpen", "afterScroll", "beforeInsert", "onNewRecord", "afterInsert",
                                   "afterScroll", "beforePost", "afterPost"}));

    table.beforeInsert.add([](Table &) { throw Abort(); });
    EXPECT_THROW(table.append(), Abort);
    EXPECT_EQ(table.state(), DatasetState::Browse);

    table.beforePost.add([](Table &t) {
        if (t["Name"].asString() == QLatin1String("nein"))
            throw Abort();
    });
    table["Name"].setAsString(QStringLiteral("nein"));
    EXPECT_THROW(table.post(), Abort);
    EXPECT_EQ(table.state(), DatasetState::Edit) << "a refused post keeps the record in edit";
    table["Name"].setAsString(QStringLiteral("ja"));
    table.post();
    EXPECT_EQ(storedName(5), QStringLiteral("ja"));
}

TEST_P(EditingTest, PostErrorsGoThroughTheHandler)
{
    createBelege(2);
    Table table(database(), QStringLiteral("Belege"));
    QString seen;
    PostErrorAction answer = PostErrorAction::Abort;
    table.onPostError.add([&](Table &, const DatabaseError &error) {
        seen = error.message();
        return answer;
    });
    table.open();
    table.append();
    table["BelegNr"].setAsInteger(2);
    table["Name"].setAsString(QStringLiteral("doppelt"));
    EXPECT_THROW(table.post(), Abort);
    EXPECT_TRUE(seen.startsWith(QStringLiteral("Schlüsselverletzung."))) << seen.toStdString();
    EXPECT_EQ(table.state(), DatasetState::Insert) << "nothing typed is lost";
    EXPECT_EQ(table["Name"].asString(), QStringLiteral("doppelt"));

    answer = PostErrorAction::Fail;
    EXPECT_THROW(table.post(), DatabaseError);
    EXPECT_EQ(table.state(), DatasetState::Insert);

    int attempts = 0;
    table.onPostError.add([&](Table &t, const DatabaseError &) {
        ++attempts;
        t["BelegNr"].setAsInteger(3);
        return PostErrorAction::Retry;
    });
    table.post();
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(storedName(3), QStringLiteral("doppelt"));
    EXPECT_EQ(storedName(2), QStringLiteral("Name2"));
}

// A second listener never replaces the first: assigning does not compile.
static_assert(!std::is_assignable_v<Table::TableEvent &, std::function<void(Table &)>>);
static_assert(!std::is_assignable_v<decltype(Table::onPostError) &,
                                    std::function<PostErrorAction(Table &, const DatabaseError &)>>);

TEST_P(EditingTest, EveryListenerRunsUntilItIsRemoved)
{
    createBelege(1);
    Subscription outlivesTable;
    {
        Table table(database(), QStringLiteral("Belege"));
        QStringList heard;
        Subscription engine = table.afterPost.add([&](Table &) { heard << "engine"; });
        Subscription once;
        once = table.afterPost.add([&](Table &) {
            heard << "once";
            once.remove();   // during the round: the others still hear it
        });
        table.afterPost.add([&](Table &) { heard << "form"; });
        outlivesTable = table.afterPost.add([&](Table &) { heard << "late"; });
        table.open();
        table["Name"].setAsString(QStringLiteral("eins"));
        table.post();
        EXPECT_EQ(heard, (QStringList{"engine", "once", "form", "late"}));

        heard.clear();
        engine.remove();
        engine.remove();
        table["Name"].setAsString(QStringLiteral("zwei"));
        table.post();
        EXPECT_EQ(heard, (QStringList{"form", "late"}));
    }
    outlivesTable.remove();   // the table is gone: nothing to do, nothing to crash
}

TEST_P(EditingTest, PostErrorListenersAreAskedInOrderUntilOneDecides)
{
    createBelege(2);
    Table table(database(), QStringLiteral("Belege"));
    QStringList asked;
    table.onPostError.add([&](Table &, const DatabaseError &) {
        asked << "reports";
        return PostErrorAction::Fail;
    });
    table.onPostError.add([&](Table &t, const DatabaseError &) {
        asked << "renumbers";
        t["BelegNr"].setAsInteger(t["BelegNr"].asInteger() + 1);
        return PostErrorAction::Retry;
    });
    table.onPostError.add([&](Table &, const DatabaseError &) {
        asked << "shows";
        return PostErrorAction::Abort;
    });
    table.open();
    table.append();
    table["BelegNr"].setAsInteger(1);
    table["Name"].setAsString(QStringLiteral("neu"));
    table.post();
    // 1 and 2 are taken: two rounds, each ending with the listener that mends.
    EXPECT_EQ(asked, (QStringList{"reports", "renumbers", "reports", "renumbers"}));
    EXPECT_EQ(storedName(3), QStringLiteral("neu"));
}

// Inside a transaction a refused post undoes only itself: the posts before
// it (also the one just before, whose savepoint is released late) and after
// it stay, and an inner level still rolls back on its own.
TEST_P(EditingTest, RefusedPostInsideATransactionUndoesOnlyItself)
{
    createBelege(0);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    auto post = [&](int nr, const QString &name) {
        table.append();
        table["BelegNr"].setAsInteger(nr);
        table["Name"].setAsString(name);
        table.post();
    };
    Transaction transaction(database());
    post(1, QStringLiteral("eins"));
    post(2, QStringLiteral("zwei"));
    EXPECT_THROW(post(2, QStringLiteral("doppelt")), DatabaseError);
    table.cancel();
    EXPECT_THROW(post(1, QStringLiteral("nochmal")), DatabaseError);
    table.cancel();
    post(3, QStringLiteral("drei"));
    {
        Transaction inner(database());
        post(4, QStringLiteral("vier"));
        EXPECT_THROW(post(4, QStringLiteral("doppelt")), DatabaseError);
        table.cancel();
    }
    post(5, QStringLiteral("fünf"));
    transaction.commit();
    EXPECT_EQ(count(), 4);
    EXPECT_EQ(storedName(2), QStringLiteral("zwei"));
    EXPECT_EQ(storedName(5), QStringLiteral("fünf"));
    EXPECT_EQ(count(QStringLiteral("\"BelegNr\" = 4")), 0);
}

TEST_P(EditingTest, RequiredValuesAndReadOnly)
{
    createBelege(1);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    table.append();
    table["Name"].setAsString(QStringLiteral("ohne Nummer"));
    EXPECT_THROW(table.post(), DatabaseError);
    table.cancel();
    table.setReadOnly(true);
    EXPECT_THROW(table["Name"].setAsString(QStringLiteral("x")), DatabaseError);
    EXPECT_THROW(table.remove(), DatabaseError);
    EXPECT_EQ(table.state(), DatasetState::Browse);
}

TEST_P(EditingTest, EditingAnEmptyTableInserts)
{
    createBelege(0);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    table["BelegNr"].setAsInteger(1);
    EXPECT_EQ(table.state(), DatasetState::Insert);
    table.post();
    EXPECT_EQ(count(), 1);
    EXPECT_FALSE(table.isEmpty());
}

TEST_P(EditingTest, EditReadsWhatTheStoreHoldsNow)
{
    createBelege(2);
    Table mine(database(), QStringLiteral("Belege"));
    mine.open();
    auto other = secondConnection();
    other->execute(QStringLiteral("UPDATE \"Belege\" SET \"Betrag\" = 99 WHERE \"BelegNr\" = 1"));
    mine["Name"].setAsString(QStringLiteral("meins"));
    mine.post();
    EXPECT_DOUBLE_EQ(mine["Betrag"].asFloat(), 99.0) << "the other workstation's change is kept";
    mine.next();
    other->execute(QStringLiteral("DELETE FROM \"Belege\" WHERE \"BelegNr\" = 2"));
    EXPECT_THROW(mine.edit(), DatabaseError);
    EXPECT_EQ(mine.state(), DatasetState::Browse);
}

TEST_P(EditingTest, CalculatedFieldsAndAutoIncrement)
{
    TableDef def;
    def.name = QStringLiteral("Zaehler");
    def.fields = {{QStringLiteral("Nr"), FieldType::AutoInc}, {QStringLiteral("Menge"), FieldType::Long},
                  {QStringLiteral("Preis"), FieldType::Money}};
    def.primaryKey = {QStringLiteral("Nr")};
    database().createTable(def);
    Table table(database(), QStringLiteral("Zaehler"));
    table.addCalculatedField({QStringLiteral("Summe"), FieldType::Money});
    int calculations = 0;
    table.onCalcFields.add([&](Table &t) {
        ++calculations;
        t["Summe"].setAsFloat(t["Menge"].asInteger() * t["Preis"].asFloat());
    });
    table.open();
    for (int i = 1; i <= 3; ++i) {
        table.append();
        table["Menge"].setAsInteger(i);
        table["Preis"].setAsString(QStringLiteral("1,5"));
        table.post();
        EXPECT_EQ(table["Nr"].asInteger(), i) << "numbered by the store";
    }
    EXPECT_EQ(table.fieldCount(), 4);
    EXPECT_TRUE(table["Summe"].isCalculated());
    table.first();
    table.next();
    EXPECT_EQ(table["summe"].displayText(), QStringLiteral("3,00"));
    table["Menge"].setAsInteger(10);
    EXPECT_EQ(table["Summe"].asFloat(), 15.0) << "recalculated after a change";
    table.cancel();
    EXPECT_GT(calculations, 0);
}

TEST_P(EditingTest, ControlSignalsAreForwardedAndCanBeSuppressed)
{
    createBelege(3);
    Table table(database(), QStringLiteral("Belege"));
    DataSource source(&table);
    int records = 0, states = 0, fields = 0;
    QObject::connect(&source, &DataSource::recordChanged, [&] { ++records; });
    QObject::connect(&source, &DataSource::stateChanged, [&] { ++states; });
    QObject::connect(&source, &DataSource::fieldChanged, [&](int) { ++fields; });
    table.open();
    records = states = 0;
    table.next();
    EXPECT_EQ(records, 1);
    table["Name"].setAsString(QStringLiteral("x"));
    EXPECT_EQ(fields, 1);
    EXPECT_EQ(states, 1);
    table.cancel();
    records = 0;
    table.disableControls();
    table.next();
    table.next();
    EXPECT_EQ(records, 0);
    table.enableControls();
    EXPECT_EQ(records, 1);
    source.setEnabled(false);
    table.first();
    EXPECT_EQ(records, 1);

    // A second source keeps hearing the table when the first lets go of it.
    DataSource grid(&table);
    int gridRecords = 0;
    QObject::connect(&grid, &DataSource::recordChanged, [&] { ++gridRecords; });
    source.setDataSet(nullptr);
    table.next();
    EXPECT_EQ(gridRecords, 1);
}

// Forms come and go on a table that stays open: sources attached to it and
// destroyed (Qt tells the table with its own locks held) neither hang nor
// leave the table deaf to the sources still there.
TEST_P(EditingTest, SourcesComingAndGoingNeitherHangNorSilenceTheTable)
{
    createBelege(3);
    Table table(database(), QStringLiteral("Belege"));
    table.open();
    DataSource stays(&table);
    int heard = 0;
    QObject::connect(&stays, &DataSource::recordChanged, [&] { ++heard; });
    // Many at once, so that they lie at many addresses (Qt's locks are
    // shared by address).
    std::vector<std::unique_ptr<DataSource>> passing;
    for (int i = 0; i < 500; ++i)
        passing.push_back(std::make_unique<DataSource>(&table));
    passing.clear();
    table.next();
    EXPECT_EQ(heard, 1);
}

// Data-aware controls hear of a post before anything is written and may
// refuse it, as an edit does whose text does not fit its field.
TEST_P(EditingTest, ControlsAreAskedBeforeAPostAndMayRefuseIt)
{
    createBelege(1);
    Table table(database(), QStringLiteral("Belege"));
    QStringList events;
    bool refuse = true;
    table.beforePost.add([&](Table &) { events << QStringLiteral("beforePost"); });
    QObject::connect(&table, &Table::aboutToPost, [&] {
        events << QStringLiteral("aboutToPost");
        if (refuse)
            table.refusePost(std::make_exception_ptr(ConversionError(QStringLiteral("passt nicht"))));
    });
    table.open();
    table["Name"].setAsString(QStringLiteral("neu"));
    try {
        table.post();
        ADD_FAILURE() << "posted although refused";
    } catch (const ConversionError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("passt nicht"));
    }
    EXPECT_EQ(table.state(), DatasetState::Edit);
    EXPECT_EQ(storedName(1), QStringLiteral("Name1"));

    refuse = false;
    table.post();
    EXPECT_EQ(storedName(1), QStringLiteral("neu"));
    EXPECT_EQ(events, (QStringList{QStringLiteral("aboutToPost"), QStringLiteral("aboutToPost"),
                                   QStringLiteral("beforePost")}));

    // Code working with disabled controls posts its own values only; a
    // refusal outside the question changes nothing.
    events.clear();
    refuse = true;
    table.disableControls();
    table["Name"].setAsString(QStringLiteral("im Stapel"));
    table.post();
    table.enableControls();
    table.refusePost(std::make_exception_ptr(ConversionError(QStringLiteral("zu spät"))));
    EXPECT_EQ(events, QStringList{QStringLiteral("beforePost")});
    EXPECT_EQ(storedName(1), QStringLiteral("im Stapel"));
}

TEST_P(EditingTest, ClosingPostsWhatWasTyped)
{
    createBelege(2);
    {
        Table table(database(), QStringLiteral("Belege"));
        table.open();
        table["Name"].setAsString(QStringLiteral("beim Schließen"));
        table.close();
        EXPECT_EQ(storedName(1), QStringLiteral("beim Schließen"));

        table.open();
        table.append();
        table["BelegNr"].setAsInteger(1);   // taken: the post fails
        EXPECT_THROW(table.close(), DatabaseError);
        EXPECT_TRUE(table.isOpen()) << "nothing typed is dropped";
        EXPECT_EQ(table.state(), DatasetState::Insert);
        table["BelegNr"].setAsInteger(3);
        table.close();
    }
    EXPECT_EQ(count(), 3);
}

TEST_P(EditingTest, AfterOpenCreatesTheMasterRecordOnce)
{
    createBelege(2);
    // As the registers do: the master record 2000000000 is made on opening
    // when missing, and the cursor stands on it.
    auto createMaster = [](Table &t) {
        if (!t.findKey({2000000000})) {
            t.append();
            t.field(0).setAsInteger(2000000000);
            t.field(1).setAsDate(QDate::currentDate());
            t.post();
        }
    };
    for (int run = 0; run < 2; ++run) {
        Table table(database(), QStringLiteral("Belege"));
        table.afterOpen.add(createMaster);
        table.open();
        EXPECT_EQ(table["BelegNr"].asInteger(), 2000000000);
        table.last();
        EXPECT_EQ(table["BelegNr"].asInteger(), 2000000000) << "in key order the master record is last";
        EXPECT_EQ(table["Datum"].asDate(), QDate::currentDate());
    }
    EXPECT_EQ(count(), 3);
}

RAZAZU_STORE_TESTS(EditingTest);
