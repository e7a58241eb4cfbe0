#include "StoreFixture.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/Query.h"
#include "platform/db/StoreFile.h"
#include "private/StoreStatement.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace db;

namespace {

const QString readOnlyMessage = QStringLiteral("Die Datenbank ist schreibgeschützt. Die Änderung wurde nicht gespeichert.");
const QString diskFullMessage =
    QStringLiteral("Der Datenträger der Datenbank ist voll. Die Änderung wurde nicht gespeichert.");

// The error of the action; fails the test when there was none.
template<typename Action>
DatabaseError failureOf(Action &&action)
{
    try {
        action();
    } catch (const DatabaseError &error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return DatabaseError(QString());
}

void renameBeleg(Table &belege, int belegNr, const QString &name)
{
    ASSERT_TRUE(belege.findKey({belegNr}));
    belege.edit();
    belege.fieldByName(QStringLiteral("Name")).setAsString(name);
    belege.post();
}

// Sets or clears the immutable flag; false where the file system or the
// user may not.
bool setImmutable(const QString &path, bool immutable)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

// A backup restored over the store file (replaced), or the file deleted.
void replaceOrDelete(TempFolder &folder, const QString &storeFile, bool replaced)
{
    if (replaced) {
        const QString backup = folder.file(QStringLiteral("Sicherung.sqlite"));
        ASSERT_TRUE(QFile::copy(storeFile, backup));
        ASSERT_EQ(::rename(QFile::encodeName(backup).constData(), QFile::encodeName(storeFile).constData()), 0);
    } else {
        ASSERT_TRUE(QFile::remove(storeFile));
    }
}

QString replacedMessage(const QString &storeFile)
{
    return QStringLiteral("Die Datenbankdatei %1 wurde gelöscht oder durch eine andere ersetzt, "
                          "während das Programm lief. Die Änderung wurde nicht gespeichert. "
                          "Bitte das Programm beenden und neu starten.")
        .arg(QDir::toNativeSeparators(storeFile));
}

} // namespace

// A backup restored over the store, or the store deleted, while the program
// runs: the next write stops with a German message instead of going into a
// file nobody reads again.
TEST(StoreFile, ReplacedOrDeletedWhileOpenStopsTheNextWrite)
{
    for (bool replaced : {true, false}) {
        SCOPED_TRACE(replaced ? "replaced" : "deleted");
        TempFolder folder;
        const QString storeFile = folder.file(QStringLiteral("Testdaten.sqlite"));
        Database store(QStringLiteral("Testdaten"));
        store.setPath(folder.path());
        store.open();
        store.createTable(belegeDef());
        store.execute(QStringLiteral("INSERT INTO \"Belege\" (\"BelegNr\", \"Name\") VALUES (1, 'Alt'), (2, 'Alt')"));
        Table belege(store, QStringLiteral("Belege"));
        belege.open();
        ASSERT_TRUE(belege.findKey({1}));
        belege.edit();

        ASSERT_NO_FATAL_FAILURE(replaceOrDelete(folder, storeFile, replaced));

        belege.fieldByName(QStringLiteral("Name")).setAsString(QStringLiteral("Neu"));
        const QString expected = replacedMessage(storeFile);
        EXPECT_EQ(failureOf([&] { belege.post(); }).message(), expected);
        belege.cancel();
        // Every later write too, whichever way it goes.
        EXPECT_EQ(failureOf([&] { renameBeleg(belege, 2, QStringLiteral("Neu")); }).message(), expected);
        belege.cancel();
        EXPECT_EQ(failureOf([&] { Transaction transaction(store); }).message(), expected);
        EXPECT_EQ(QFile::exists(storeFile), replaced);
    }
}

// The same inside a transaction: its writes may go into the old file, but
// the commit refuses, and the transaction is rolled back as a whole.
TEST(StoreFile, ReplacedOrDeletedDuringATransactionRefusesTheCommit)
{
    for (bool replaced : {true, false}) {
        SCOPED_TRACE(replaced ? "replaced" : "deleted");
        TempFolder folder;
        const QString storeFile = folder.file(QStringLiteral("Testdaten.sqlite"));
        Database store(QStringLiteral("Testdaten"));
        store.setPath(folder.path());
        store.open();
        store.createTable(belegeDef());
        Table belege(store, QStringLiteral("Belege"));
        belege.open();
        std::optional<Transaction> transaction(std::in_place, store);
        belege.append();
        belege.fieldByName(QStringLiteral("BelegNr")).setAsInteger(1);
        belege.post();

        ASSERT_NO_FATAL_FAILURE(replaceOrDelete(folder, storeFile, replaced));
        try {
            belege.append();
            belege.fieldByName(QStringLiteral("BelegNr")).setAsInteger(2);
            belege.post();
        } catch (const DatabaseError &) {
            belege.cancel();
        }

        const QString expected = replacedMessage(storeFile);
        EXPECT_EQ(failureOf([&] { transaction->commit(); }).message(), expected);
        transaction.reset();
        EXPECT_FALSE(store.inTransaction());
        belege.refresh();
        EXPECT_TRUE(belege.isEmpty());
    }
}

// The store's English reaches the clerk only in the details.
TEST(StoreErrors, EachKindOfFailureReadsInGermanWithTheStoresWordsInTheDetails)
{
    struct Case
    {
        store::ErrorKind sqlite;
        store::ErrorKind postgres;
        QString message;
    };
    const QList<Case> cases = {
        {store::sqliteErrorKind(SQLITE_CANTOPEN), store::postgresErrorKind(QStringLiteral("08006")),
         QStringLiteral("Die Datenbank kann nicht geöffnet werden.")},
        {store::sqliteErrorKind(SQLITE_READONLY_DBMOVED), store::postgresErrorKind(QStringLiteral("25006")),
         readOnlyMessage},
        {store::sqliteErrorKind(SQLITE_FULL), store::postgresErrorKind(QStringLiteral("53100")), diskFullMessage},
        {store::sqliteErrorKind(SQLITE_CORRUPT), store::postgresErrorKind(QStringLiteral("XX001")),
         QStringLiteral("Die Datenbank ist beschädigt.")},
        {store::sqliteErrorKind(SQLITE_NOTADB), store::postgresErrorKind(QStringLiteral("XX002")),
         QStringLiteral("Die Datenbank ist beschädigt.")},
        {store::sqliteErrorKind(SQLITE_IOERR_WRITE), store::postgresErrorKind(QStringLiteral("58030")),
         QStringLiteral("Die Datenbank kann nicht gelesen oder geschrieben werden (Ein-/Ausgabefehler).")},
        {store::sqliteErrorKind(SQLITE_BUSY), store::postgresErrorKind(QStringLiteral("55P03")),
         QStringLiteral("Die Daten sind gerade von einem anderen Arbeitsplatz gesperrt.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(c.sqlite, c.postgres);
        const DatabaseError error = failureOf([&] { store::raise(c.sqlite, QStringLiteral("engine words"), QStringLiteral("SQL")); });
        EXPECT_EQ(error.message(), c.message);
        EXPECT_EQ(error.details(), QStringLiteral("engine words"));
        EXPECT_EQ(error.statement(), QStringLiteral("SQL"));
    }
}

class StoreErrorTest : public StoreTest
{
};

TEST_P(StoreErrorTest, AReadOnlyStoreRefusesChangesInGerman)
{
    createBelege(2);
    QString immutableFile;
    auto clearFlag = qScopeGuard([&] {
        if (!immutableFile.isEmpty())
            setImmutable(immutableFile, false);
    });
    if (onPostgres()) {
        database().execute(QStringLiteral("SET default_transaction_read_only = on"));
    } else {
        database().close();
        immutableFile = folder() + QStringLiteral("/Testdaten.sqlite");
        if (!setImmutable(immutableFile, true)) {
            immutableFile.clear();
            GTEST_SKIP() << "the file system or the user cannot make the store file immutable";
        }
    }
    const DatabaseError error = failureOf([&] {
        Table belege(database(), QStringLiteral("Belege"));
        belege.open();
        renameBeleg(belege, 1, QStringLiteral("Neu"));
    });
    EXPECT_EQ(error.message(), readOnlyMessage);
    EXPECT_FALSE(error.details().isEmpty());
    if (onPostgres())
        database().execute(QStringLiteral("SET default_transaction_read_only = off"));
}

RAZAZU_STORE_TESTS(StoreErrorTest);

// A folder on a small file system of its own that fills up; skipped where the
// test may not mount one.
TEST(StoreErrors, AFullDiskRefusesTheWriteInGermanAndKeepsWhatWasSaved)
{
    TempFolder folder;
    const QByteArray mountPoint = QFile::encodeName(folder.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here: " << std::strerror(errno);
    auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });

    int saved = 0;
    std::optional<DatabaseError> failure;
    {
        Database store(QStringLiteral("Testdaten"));
        store.setPath(folder.path());
        store.open();
        TableDef def;
        def.name = QStringLiteral("Notizen");
        def.fields = {{QStringLiteral("Nr"), FieldType::Long}, {QStringLiteral("Text"), FieldType::Memo}};
        def.primaryKey = {QStringLiteral("Nr")};
        store.createTable(def);
        Table notizen(store, QStringLiteral("Notizen"));
        notizen.open();
        const QString text(16 * 1024, QLatin1Char('x'));
        for (int nr = 1; nr <= 100 && !failure; ++nr) {
            try {
                notizen.append();
                notizen.fieldByName(QStringLiteral("Nr")).setAsInteger(nr);
                notizen.fieldByName(QStringLiteral("Text")).setAsString(text);
                notizen.post();
                saved = nr;
            } catch (const DatabaseError &error) {
                failure = error;
                notizen.cancel();
            }
        }
    }
    ASSERT_TRUE(failure) << "256 KiB took 1.6 MB";
    EXPECT_EQ(failure->message(), diskFullMessage);
    EXPECT_FALSE(failure->details().isEmpty());

    Database reopened(QStringLiteral("Testdaten"));
    reopened.setPath(folder.path());
    reopened.open();
    EXPECT_EQ(Query::scalar(reopened, QStringLiteral("SELECT COUNT(*) FROM \"Notizen\"")).toInt(), saved);
    reopened.close();
}

// WAL shares memory between the users of a store, which hosts on a network
// file system cannot: there the store keeps the rollback journal.
TEST(StoreFile, NetworkFileSystemsAreKnownByTheirType)
{
    const QList<std::pair<long, bool>> cases = {
        {0x6969, true},                  // NFS
        {long(0xff534d42), true},        // CIFS
        {long(0xfe534d42), true},        // SMB2
        {0x517b, true},                  // SMB
        {0xef53, false},                 // ext4
        {0x01021994, false},             // tmpfs
        {0x58465342, false},             // XFS
        {long(0x9123683e), false},       // Btrfs
        {0x794c7630, false},             // overlayfs
    };
    for (const auto &[type, network] : cases)
        EXPECT_EQ(store::isNetworkFileSystemType(type), network) << std::hex << type;

    TempFolder local;
    Database store(QStringLiteral("Testdaten"));
    store.setPath(local.path());
    store.open();
    EXPECT_FALSE(store::onNetworkFileSystem(local.path()));
    EXPECT_EQ(Query::scalar(store, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
}
