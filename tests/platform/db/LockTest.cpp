#include "StoreFixture.h"

#include "platform/db/BatchMove.h"
#include "platform/db/Locks.h"
#include "platform/db/Query.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

using namespace db;

namespace {

const QString recordRefused = QStringLiteral("Der Datensatz wird gerade von einem anderen Arbeitsplatz bearbeitet.");

QString tableInExclusiveUse(const QString &table)
{
    return QStringLiteral("Die Tabelle %1 wird von einem anderen Arbeitsplatz exklusiv benutzt.").arg(table);
}

QString tableOpenElsewhere(const QString &table)
{
    return QStringLiteral("Die Tabelle %1 ist an einem anderen Arbeitsplatz geöffnet.").arg(table);
}

// The LockError message of the action, or "" when it went through.
template<typename Action>
QString refusal(Action &&action)
{
    try {
        action();
    } catch (const LockError &error) {
        return error.message();
    }
    return {};
}

// Retries while a killed process's locks are still being cleaned up (the
// PostgreSQL server notices the lost connection a moment later).
template<typename Action>
QString refusalAfterCleanup(Action &&action)
{
    QElapsedTimer clock;
    clock.start();
    QString message;
    do {
        message = refusal(action);
        if (message.isEmpty())
            return message;
        QThread::msleep(50);
    } while (clock.elapsed() < 10000);
    return message;
}

const char *childStoreVariable = "RAZAZU_LOCK_CHILD_STORE";
const char *childAliasVariable = "RAZAZU_LOCK_CHILD_ALIAS";

// Another workstation: this test program started again to run one LockChild
// test against the store.
class OtherWorkstation
{
public:
    OtherWorkstation(Database &store, const QString &childTest)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(childStoreVariable), store.path());
        environment.insert(QString::fromLatin1(childAliasVariable), store.aliasName());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + childTest});
    }

    ~OtherWorkstation()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }

    // Reads the child's output until it holds text or the time is up.
    bool waitFor(const QByteArray &text, int milliseconds)
    {
        QElapsedTimer clock;
        clock.start();
        while (!output.contains(text) && clock.elapsed() < milliseconds) {
            if (process.state() != QProcess::Running && !process.waitForStarted(200)) {
                output += process.readAllStandardOutput();
                break;
            }
            process.waitForReadyRead(100);
            output += process.readAllStandardOutput();
        }
        return output.contains(text);
    }

    std::string report() { return (output + process.readAllStandardError()).toStdString(); }

    QProcess process;
    QByteArray output;
};

bool runsAsChild()
{
    return !qEnvironmentVariableIsEmpty(childStoreVariable);
}

std::unique_ptr<Database> childStore()
{
    auto store = std::make_unique<Database>(qEnvironmentVariable(childAliasVariable));
    store->setPath(qEnvironmentVariable(childStoreVariable));
    store->open();
    return store;
}

void say(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

QString nameOf(Database &store, int belegNr)
{
    Table belege(store, QStringLiteral("Belege"));
    belege.open();
    return belege.findKey({belegNr}) ? belege.fieldByName(QStringLiteral("Name")).asString() : QString();
}

} // namespace

class LockTest : public StoreTest
{
protected:
    LockManager &here() { return database().locks(); }
};

// Two holders of one table: cursors of this process (same store) or another
// workstation (a second connection); the old engine's rules either way.
TEST_P(LockTest, TableOpenRulesBetweenCursorsAndWorkstations)
{
    struct Case
    {
        bool firstExclusive;
        bool secondExclusive;
        QString expected;
    };
    const QList<Case> cases = {
        {false, false, QString()},
        {false, true, tableOpenElsewhere(QStringLiteral("Kunden"))},
        {true, false, tableInExclusiveUse(QStringLiteral("Kunden"))},
        {true, true, tableOpenElsewhere(QStringLiteral("Kunden"))},
    };
    auto workstation = secondConnection();
    for (bool sameProcessStore : {true, false}) {
        LockManager &second = sameProcessStore ? here() : workstation->locks();
        for (const Case &c : cases) {
            SCOPED_TRACE(QStringLiteral("same store %1, first %2, second %3")
                             .arg(sameProcessStore).arg(c.firstExclusive).arg(c.secondExclusive)
                             .toStdString());
            // Exclusive keeps out other workstations; further shared cursors
            // of the same store (a register's print dialog) get in.
            const QString expected =
                sameProcessStore && c.firstExclusive && !c.secondExclusive ? QString() : c.expected;
            here().acquireTable(QStringLiteral("Kunden"), c.firstExclusive);
            // The extension and the spelling do not make it another table.
            EXPECT_EQ(refusal([&] { second.acquireTable(QStringLiteral("Kunden.DB"), c.secondExclusive); }),
                      expected);
            if (expected.isEmpty())
                second.releaseTable(QStringLiteral("KUNDEN"), c.secondExclusive);
            here().releaseTable(QStringLiteral("kunden"), c.firstExclusive);
            // Once the first holder is gone the second gets in.
            EXPECT_EQ(refusal([&] { second.acquireTable(QStringLiteral("Kunden"), c.secondExclusive); }), QString());
            second.releaseTable(QStringLiteral("Kunden"), c.secondExclusive);
        }
    }
}

TEST_P(LockTest, TableStaysOpenUntilItsLastCursorCloses)
{
    auto workstation = secondConnection();
    here().acquireTable(QStringLiteral("Kunden"), false);
    here().acquireTable(QStringLiteral("Kunden"), false);
    here().releaseTable(QStringLiteral("Kunden"), false);
    EXPECT_EQ(refusal([&] { workstation->locks().acquireTable(QStringLiteral("Kunden"), true); }),
              tableOpenElsewhere(QStringLiteral("Kunden")));
    here().releaseTable(QStringLiteral("Kunden"), false);
    EXPECT_EQ(refusal([&] { workstation->locks().acquireTable(QStringLiteral("Kunden"), true); }), QString());
    // Another table was never affected.
    EXPECT_EQ(refusal([&] { here().acquireTable(QStringLiteral("Lieferanten"), true); }), QString());
}

// The exclusive holder closes first while a shared cursor of the same store
// stays: the table is then open shared, never free for a moment.
TEST_P(LockTest, ExclusiveHolderClosingBeforeItsSharedCursors)
{
    auto workstation = secondConnection();
    LockManager &other = workstation->locks();
    here().acquireTable(QStringLiteral("Kunden"), true);
    here().acquireTable(QStringLiteral("Kunden"), false);
    EXPECT_EQ(refusal([&] { here().acquireTable(QStringLiteral("Kunden"), true); }),
              tableOpenElsewhere(QStringLiteral("Kunden")));
    EXPECT_EQ(refusal([&] { other.acquireTable(QStringLiteral("Kunden"), false); }),
              tableInExclusiveUse(QStringLiteral("Kunden")));
    here().releaseTable(QStringLiteral("Kunden"), true);
    EXPECT_FALSE(here().holdsTableExclusively(QStringLiteral("Kunden")));
    EXPECT_EQ(refusal([&] { other.acquireTable(QStringLiteral("Kunden"), true); }),
              tableOpenElsewhere(QStringLiteral("Kunden")));
    EXPECT_EQ(refusal([&] { other.acquireTable(QStringLiteral("Kunden"), false); }), QString());
    other.releaseTable(QStringLiteral("Kunden"), false);
    here().releaseTable(QStringLiteral("Kunden"), false);
    EXPECT_EQ(refusal([&] { other.acquireTable(QStringLiteral("Kunden"), true); }), QString());
    other.releaseTable(QStringLiteral("Kunden"), true);
}

TEST_P(LockTest, RecordLockRefusesOnlyTheSameRecordOfTheSameTable)
{
    auto workstation = secondConnection();
    LockManager &other = workstation->locks();
    here().lockRecord(QStringLiteral("Kunden"), QStringLiteral("4711"));

    EXPECT_EQ(refusal([&] { other.lockRecord(QStringLiteral("KUNDEN.DB"), QStringLiteral("4711")); }), recordRefused);
    // A second cursor of this process is refused as well.
    EXPECT_EQ(refusal([&] { here().lockRecord(QStringLiteral("Kunden"), QStringLiteral("4711")); }), recordRefused);
    EXPECT_EQ(refusal([&] { other.lockRecord(QStringLiteral("Kunden"), QStringLiteral("4712")); }), QString());
    EXPECT_EQ(refusal([&] { other.lockRecord(QStringLiteral("Lieferanten"), QStringLiteral("4711")); }), QString());
    // Key text is compared exactly: "a;b" is not "a" of a record keyed "b".
    here().lockRecord(QStringLiteral("Positionen"), QStringLiteral("1;2"));
    EXPECT_EQ(refusal([&] { other.lockRecord(QStringLiteral("Positionen"), QStringLiteral("1;2")); }), recordRefused);
    EXPECT_EQ(refusal([&] { other.lockRecord(QStringLiteral("Positionen"), QStringLiteral("1;20")); }), QString());

    here().unlockRecord(QStringLiteral("Kunden"), QStringLiteral("4711"));
    EXPECT_EQ(refusal([&] { other.lockRecord(QStringLiteral("Kunden"), QStringLiteral("4711")); }), QString());
    // Releasing what is not held changes nothing.
    here().unlockRecord(QStringLiteral("Kunden"), QStringLiteral("4711"));
    EXPECT_EQ(refusal([&] { here().lockRecord(QStringLiteral("Kunden"), QStringLiteral("4711")); }), recordRefused);
}

// Plain POSIX record locks belong to the process, and closing any descriptor
// of the file drops them all: anything else reading the store file (a
// backup, a second store object) would silently free every lock.
TEST_P(LockTest, ClosingAnotherHandleOfTheStoreFileKeepsTheLocks)
{
    if (onPostgres())
        GTEST_SKIP() << "PostgreSQL keeps its locks in the server";
    here().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1"));
    here().acquireTable(QStringLiteral("Kunden"), true);
    {
        QFile storeFile(folder() + QStringLiteral("/Testdaten.sqlite"));
        ASSERT_TRUE(storeFile.open(QIODevice::ReadOnly));
    }
    {
        auto brief = secondConnection();
        brief->locks().acquireTable(QStringLiteral("Artikel"), false);
    }
    auto workstation = secondConnection();
    EXPECT_EQ(refusal([&] { workstation->locks().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1")); }),
              recordRefused);
    EXPECT_EQ(refusal([&] { workstation->locks().acquireTable(QStringLiteral("Kunden"), false); }),
              tableInExclusiveUse(QStringLiteral("Kunden")));
}

// A lock file beside the store could be deleted while workstations hold
// locks; a workstation started afterwards must still be refused.
TEST_P(LockTest, DeletingALockFileBesideTheStoreKeepsTheLocks)
{
    if (onPostgres())
        GTEST_SKIP() << "PostgreSQL keeps its locks in the server";
    here().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1"));
    QFile::remove(folder() + QStringLiteral("/Testdaten.lck"));
    auto later = secondConnection();
    EXPECT_EQ(refusal([&] { later->locks().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1")); }),
              recordRefused);
}

TEST_P(LockTest, ClosingTheStoreReleasesItsLocks)
{
    auto workstation = secondConnection();
    workstation->locks().acquireTable(QStringLiteral("Kunden"), true);
    workstation->locks().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1"));
    workstation->close();
    EXPECT_EQ(refusalAfterCleanup([&] { here().acquireTable(QStringLiteral("Kunden"), true); }), QString());
    EXPECT_EQ(refusalAfterCleanup([&] { here().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1")); }), QString());
}

// What the clerk meets: a table opened exclusively, a record in edit.
TEST_P(LockTest, CursorsOfTwoWorkstations)
{
    createBelege(3);
    auto workstation = secondConnection();

    Table mine(database(), QStringLiteral("Belege"));
    mine.setExclusive(true);
    mine.open();
    Table theirs(*workstation, QStringLiteral("Belege.DB"));
    EXPECT_EQ(refusal([&] { theirs.open(); }), tableInExclusiveUse(QStringLiteral("Belege")));
    EXPECT_FALSE(theirs.isOpen());
    mine.close();

    mine.setExclusive(false);
    mine.open();
    theirs.open();
    Table exclusiveAttempt(*workstation, QStringLiteral("Belege"));
    exclusiveAttempt.setExclusive(true);
    EXPECT_EQ(refusal([&] { exclusiveAttempt.open(); }), tableOpenElsewhere(QStringLiteral("Belege")));

    ASSERT_TRUE(mine.findKey({2}));
    mine.edit();
    mine.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Meins"));
    ASSERT_TRUE(theirs.findKey({2}));
    EXPECT_EQ(refusal([&] { theirs.edit(); }), recordRefused);
    EXPECT_EQ(theirs.state(), DatasetState::Browse);
    ASSERT_TRUE(theirs.findKey({3}));
    EXPECT_EQ(refusal([&] { theirs.edit(); }), QString());
    theirs.cancel();

    mine.post();
    ASSERT_TRUE(theirs.findKey({2}));
    EXPECT_EQ(refusal([&] { theirs.edit(); }), QString());
    EXPECT_EQ(theirs.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Meins"));
    theirs.cancel();
}

TEST(MemoryStoreLocks, CursorsFollowTheSameRulesWithoutALockFile)
{
    Database memory(QStringLiteral("Import"));
    memory.setPath(QStringLiteral(":memory:"));
    memory.open();
    memory.locks().acquireTable(QStringLiteral("Kunden"), false);
    EXPECT_EQ(refusal([&] { memory.locks().acquireTable(QStringLiteral("Kunden"), true); }),
              tableOpenElsewhere(QStringLiteral("Kunden")));
    memory.locks().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1"));
    EXPECT_EQ(refusal([&] { memory.locks().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1")); }), recordRefused);
    memory.locks().releaseTable(QStringLiteral("Kunden"), false);
    EXPECT_EQ(refusal([&] { memory.locks().acquireTable(QStringLiteral("Kunden"), true); }), QString());
}

// Runs only as the child of the next test: another workstation that holds
// Kunden exclusively and record 4711 of Auftrag until it is killed.
TEST(LockChild, HoldsLocksUntilKilled)
{
    if (!runsAsChild())
        GTEST_SKIP() << "started by LockTest.LocksOfAKilledWorkstationAreReleased only";
    auto store = childStore();
    store->locks().acquireTable(QStringLiteral("Kunden"), true);
    store->locks().lockRecord(QStringLiteral("Auftrag"), QStringLiteral("4711"));
    say(QStringLiteral("gesperrt"));
    QThread::sleep(120);
}

TEST_P(LockTest, LocksOfAKilledWorkstationAreReleased)
{
    OtherWorkstation child(database(), QStringLiteral("LockChild.HoldsLocksUntilKilled"));
    ASSERT_TRUE(child.waitFor("gesperrt", 30000)) << child.report();

    EXPECT_EQ(refusal([&] { here().acquireTable(QStringLiteral("Kunden"), false); }),
              tableInExclusiveUse(QStringLiteral("Kunden")));
    EXPECT_EQ(refusal([&] { here().lockRecord(QStringLiteral("Auftrag"), QStringLiteral("4711")); }), recordRefused);

    child.process.kill();   // SIGKILL: no chance to release anything itself
    ASSERT_TRUE(child.process.waitForFinished(10000));

    EXPECT_EQ(refusalAfterCleanup([&] { here().acquireTable(QStringLiteral("Kunden"), true); }), QString());
    EXPECT_EQ(refusalAfterCleanup([&] { here().lockRecord(QStringLiteral("Auftrag"), QStringLiteral("4711")); }),
              QString());
}

// Runs only as the child of the next test: a clerk who edits Beleg 2 and
// saves "Fremd" over it, or reports the refusal.
TEST(LockChild, EditsBelegTwo)
{
    if (!runsAsChild())
        GTEST_SKIP() << "started by LockTest.ARecordWrittenInsideATransactionStaysLockedUntilItEnds only";
    auto store = childStore();
    Table belege(*store, QStringLiteral("Belege"));
    belege.open();
    ASSERT_TRUE(belege.findKey({2}));
    try {
        belege.edit();
        belege.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Fremd"));
        belege.post();
        say(QStringLiteral("gespeichert"));
    } catch (const DatabaseError &error) {
        say(QStringLiteral("verweigert: ") + error.message());
    }
}

// The other workstation must neither wait for this transaction nor, once it
// commits, overwrite what it wrote.
TEST_P(LockTest, ARecordWrittenInsideATransactionStaysLockedUntilItEnds)
{
    createBelege(3);
    for (bool commit : {false, true}) {
        SCOPED_TRACE(commit ? "commit" : "rollback");
        Table mine(database(), QStringLiteral("Belege"));
        mine.open();
        {
            Transaction transaction(database());
            ASSERT_TRUE(mine.findKey({2}));
            mine.edit();
            mine.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Meins"));
            mine.post();

            OtherWorkstation other(database(), QStringLiteral("LockChild.EditsBelegTwo"));
            EXPECT_TRUE(other.waitFor("verweigert", 5000)) << other.report();
            ASSERT_TRUE(other.process.waitForFinished(30000));
            other.output += other.process.readAllStandardOutput();
            EXPECT_TRUE(other.output.contains(("verweigert: " + recordRefused).toUtf8())) << other.report();
            if (commit)
                transaction.commit();
        }
        auto workstation = secondConnection();
        EXPECT_EQ(nameOf(*workstation, 2), commit ? QStringLiteral("Meins") : QStringLiteral("Name2"));
        Table theirs(*workstation, QStringLiteral("Belege"));
        theirs.open();
        ASSERT_TRUE(theirs.findKey({2}));
        EXPECT_EQ(refusal([&] { theirs.edit(); }), QString());
        theirs.cancel();
    }
}

// Runs only as the child of the next test: a clerk who holds Beleg 2 in edit
// for a moment and then gives it up.
TEST(LockChild, HoldsBelegTwoForAMoment)
{
    if (!runsAsChild())
        GTEST_SKIP() << "started by LockTest.AShortChangeReadsTheStoreAndWaitsForTheRecord only";
    auto store = childStore();
    Table belege(*store, QStringLiteral("Belege"));
    belege.open();
    ASSERT_TRUE(belege.findKey({2}));
    belege.edit();
    say(QStringLiteral("haelt"));
    QThread::msleep(300);
    belege.cancel();
    say(QStringLiteral("frei"));
}

// A short change works on what the store holds, not on what the cursor read
// earlier; it waits while another workstation holds the record, gives up
// with the lock message when the record stays busy, and leaves nothing of a
// failed change behind.
TEST_P(LockTest, AShortChangeReadsTheStoreAndWaitsForTheRecord)
{
    createBelege(3);
    Table mine(database(), QStringLiteral("Belege"));
    mine.open();
    ASSERT_TRUE(mine.findKey({2}));
    auto workstation = secondConnection();
    Table theirs(*workstation, QStringLiteral("Belege"));
    theirs.open();
    ASSERT_TRUE(theirs.findKey({2}));
    theirs.edit();
    theirs.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Fremd"));
    theirs.post();
    auto append = [](const QString &text) {
        return [text](Table &belege) {
            Field &name = belege.fieldByName(QStringLiteral("Name"));
            name.setAsString(name.asString() + text);
        };
    };
    changeRecordWaiting(mine, append(QStringLiteral("+")));
    EXPECT_EQ(mine.state(), DatasetState::Browse);
    EXPECT_EQ(nameOf(*workstation, 2), QStringLiteral("Fremd+"));

    EXPECT_THROW(changeRecordWaiting(mine,
                                     [&](Table &belege) {
                                         append(QStringLiteral("verworfen"))(belege);
                                         throw DatabaseError(QStringLiteral("abgebrochen"));
                                     }),
                 DatabaseError);
    EXPECT_EQ(mine.state(), DatasetState::Browse);
    EXPECT_EQ(mine.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Fremd+"));
    EXPECT_EQ(nameOf(*workstation, 2), QStringLiteral("Fremd+"));

    ASSERT_TRUE(theirs.findKey({2}));
    theirs.edit();
    const auto briefly = std::chrono::milliseconds(200);
    EXPECT_EQ(refusal([&] { changeRecordWaiting(mine, append(QStringLiteral("!")), briefly); }), recordRefused);
    EXPECT_EQ(mine.state(), DatasetState::Browse);
    theirs.cancel();
    EXPECT_EQ(nameOf(*workstation, 2), QStringLiteral("Fremd+"));

    OtherWorkstation other(database(), QStringLiteral("LockChild.HoldsBelegTwoForAMoment"));
    ASSERT_TRUE(other.waitFor("haelt", 30000)) << other.report();
    EXPECT_EQ(refusal([&] { mine.edit(); }), recordRefused);
    changeRecordWaiting(mine, append(QStringLiteral(" gewartet")));
    EXPECT_EQ(nameOf(*workstation, 2), QStringLiteral("Fremd+ gewartet"));
    EXPECT_TRUE(other.waitFor("frei", 30000)) << other.report();
}

// Cursors inside one transaction: an edit given up frees the record at once,
// a written record stays this transaction's own, and many written records of
// one table become a guard of the table instead of a lock each.
TEST_P(LockTest, RecordLocksInsideATransaction)
{
    createBelege(300);
    auto workstation = secondConnection();
    Table theirs(*workstation, QStringLiteral("Belege"));
    theirs.open();
    auto theyMayEdit = [&](int belegNr) {
        EXPECT_TRUE(theirs.findKey({belegNr}));
        const QString message = refusal([&] { theirs.edit(); });
        theirs.cancel();
        return message.isEmpty();
    };
    Table mine(database(), QStringLiteral("Belege"));
    mine.open();
    Transaction transaction(database());

    ASSERT_TRUE(mine.findKey({1}));
    mine.edit();
    mine.cancel();
    EXPECT_TRUE(theyMayEdit(1));

    mine.edit();
    mine.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("einmal"));
    mine.post();
    mine.edit();
    mine.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("zweimal"));
    mine.post();
    EXPECT_FALSE(theyMayEdit(1));
    EXPECT_TRUE(theyMayEdit(300));

    for (int belegNr = 2; belegNr <= 200; ++belegNr) {
        ASSERT_TRUE(mine.findKey({belegNr}));
        mine.edit();
        mine.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("neu"));
        mine.post();
    }
    EXPECT_FALSE(theyMayEdit(150));
    EXPECT_FALSE(theyMayEdit(300));
    if (onPostgres()) {
        const int held = Query::scalar(database(), QStringLiteral("SELECT COUNT(*) FROM pg_locks WHERE locktype = "
                                                                  "'advisory' AND pid = pg_backend_pid()"))
                             .toInt();
        EXPECT_LT(held, 110);
    }
    transaction.commit();
    EXPECT_TRUE(theyMayEdit(150));
    EXPECT_TRUE(theyMayEdit(300));
    EXPECT_EQ(nameOf(*workstation, 1), QStringLiteral("zweimal"));
}

// Bulk work guards the table, not each record: a move of 100,000 records in
// one transaction holds a handful of locks, and keeps edits out until the
// transaction ends.
TEST_P(LockTest, ALargeBatchMoveInOneTransactionGuardsTheTable)
{
    constexpr int count = 100000;
    database().createTable(belegeDef());
    auto fill = [](Database &store, const QString &prefix) {
        store.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                     "INSERT INTO \"Belege\" (\"BelegNr\", \"Name\") SELECT i, '%2' || i FROM n")
                          .arg(count)
                          .arg(prefix));
    };
    fill(database(), QStringLiteral("Alt"));
    Database source(QStringLiteral("Quelle"));
    source.setPath(QStringLiteral(":memory:"));
    source.open();
    source.createTable(belegeDef());
    fill(source, QStringLiteral("Neu"));
    Table from(source, QStringLiteral("Belege"));
    from.open();

    auto workstation = secondConnection();
    {
        Transaction transaction(database());
        EXPECT_EQ(batchMove(from, database(), QStringLiteral("Belege"), BatchMode::Update), count);
        Table theirs(*workstation, QStringLiteral("Belege"));
        theirs.open();
        ASSERT_TRUE(theirs.findKey({5}));
        EXPECT_EQ(refusal([&] { theirs.edit(); }), recordRefused);
        transaction.commit();
    }
    EXPECT_EQ(nameOf(*workstation, count), QStringLiteral("Neu%1").arg(count));
    Table theirs(*workstation, QStringLiteral("Belege"));
    theirs.open();
    ASSERT_TRUE(theirs.findKey({5}));
    EXPECT_EQ(refusal([&] { theirs.edit(); }), QString());
}

RAZAZU_STORE_TESTS(LockTest);
