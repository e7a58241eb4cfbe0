#include "StoreFixture.h"

#include "platform/db/LockManager.h"

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
// of the file drops them all: anything else reading the lock file (a backup,
// a second store object) would silently free every lock.
TEST_P(LockTest, ClosingAnotherHandleOfTheLockFileKeepsTheLocks)
{
    if (onPostgres())
        GTEST_SKIP() << "PostgreSQL keeps its locks in the server";
    here().lockRecord(QStringLiteral("Kunden"), QStringLiteral("1"));
    here().acquireTable(QStringLiteral("Kunden"), true);
    {
        QFile lockFile(folder() + QStringLiteral("/Testdaten.lck"));
        ASSERT_TRUE(lockFile.exists());
        ASSERT_TRUE(lockFile.open(QIODevice::ReadOnly));
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

// Workstations of other users share the folder: whoever may write the
// store may lock it.
TEST_P(LockTest, LockFileTakesThePermissionsOfTheStore)
{
    if (onPostgres())
        GTEST_SKIP() << "PostgreSQL keeps its locks in the server";
    const QFileDevice::Permissions shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                            | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(folder() + QStringLiteral("/Testdaten.sqlite"), shared));
    here().acquireTable(QStringLiteral("Kunden"), false);
    const QFileDevice::Permissions relevant = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                              | QFileDevice::ReadOther | QFileDevice::WriteOther;
    EXPECT_EQ(QFile::permissions(folder() + QStringLiteral("/Testdaten.lck")) & relevant, shared);
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
    if (qEnvironmentVariableIsEmpty(childStoreVariable))
        GTEST_SKIP() << "started by LockTest.LocksOfAKilledWorkstationAreReleased only";
    Database store(qEnvironmentVariable(childAliasVariable));
    store.setPath(qEnvironmentVariable(childStoreVariable));
    store.open();
    store.locks().acquireTable(QStringLiteral("Kunden"), true);
    store.locks().lockRecord(QStringLiteral("Auftrag"), QStringLiteral("4711"));
    std::fputs("gesperrt\n", stdout);
    std::fflush(stdout);
    QThread::sleep(120);
}

TEST_P(LockTest, LocksOfAKilledWorkstationAreReleased)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(childStoreVariable), database().path());
    environment.insert(QString::fromLatin1(childAliasVariable), database().aliasName());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=LockChild.HoldsLocksUntilKilled")});
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    while (!output.contains("gesperrt") && clock.elapsed() < 30000 && child.state() == QProcess::Running) {
        child.waitForReadyRead(200);
        output += child.readAllStandardOutput();
    }
    ASSERT_TRUE(output.contains("gesperrt")) << output.toStdString() << child.readAllStandardError().toStdString();

    EXPECT_EQ(refusal([&] { here().acquireTable(QStringLiteral("Kunden"), false); }),
              tableInExclusiveUse(QStringLiteral("Kunden")));
    EXPECT_EQ(refusal([&] { here().lockRecord(QStringLiteral("Auftrag"), QStringLiteral("4711")); }), recordRefused);

    child.kill();   // SIGKILL: no chance to release anything itself
    ASSERT_TRUE(child.waitForFinished(10000));

    EXPECT_EQ(refusalAfterCleanup([&] { here().acquireTable(QStringLiteral("Kunden"), true); }), QString());
    EXPECT_EQ(refusalAfterCleanup([&] { here().lockRecord(QStringLiteral("Auftrag"), QStringLiteral("4711")); }),
              QString());
}

RAZAZU_STORE_TESTS(LockTest);
