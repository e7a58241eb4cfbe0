#include "ForeignTable.h"

#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSet>

namespace files {

namespace {

QAtomicInt stagingCounter;

// Store columns need names that are unique without regard to case; a file
// may repeat a name or leave one empty.
void makeNamesUsable(db::TableDef &def)
{
    QSet<QString> taken;
    for (qsizetype i = 0; i < def.fields.size(); ++i) {
        db::FieldDef &field = def.fields[i];
        QString name = field.name.trimmed();
        if (name.isEmpty())
            name = QStringLiteral("Feld%1").arg(i + 1);
        const QString base = name;
        for (int suffix = 2; taken.contains(name.toUpper()); ++suffix)
            name = QStringLiteral("%1_%2").arg(base).arg(suffix);
        taken.insert(name.toUpper());
        field.name = name;
        if (field.type == db::FieldType::Alpha)
            field.size = std::max(1, field.size);
        field.required = false;
    }
    def.primaryKey.clear();
    def.indexes.clear();
}

} // namespace

ForeignTable::~ForeignTable()
{
    table_.reset();
    database_.reset();
    folder_.reset();
}

std::unique_ptr<ForeignTable> foreignTableOf(const ForeignData &data, const QString &fileName)
{
    std::unique_ptr<ForeignTable> foreign(new ForeignTable);
    foreign->fileName_ = fileName;

    db::TableDef def = data.definition;
    QString tableName = QFileInfo(fileName).completeBaseName();
    if (tableName.isEmpty())
        tableName = QStringLiteral("Tabelle");
    def.name = tableName;
    makeNamesUsable(def);

    // A store of its own in a folder of its own: the table's record locks
    // and the store's lock file stay private to it.
    foreign->folder_ = std::make_unique<QTemporaryDir>();
    if (!foreign->folder_->isValid())
        throw FileError::cannotRead(fileName, foreign->folder_->errorString());
    foreign->database_ = std::make_unique<db::Database>(
        QStringLiteral("foreign-file-%1").arg(stagingCounter.fetchAndAddRelaxed(1) + 1));
    db::Database &database = *foreign->database_;
    database.setPath(foreign->folder_->path());
    database.open();
    database.createTable(def);

    // Many rows per statement: the statement is prepared once per call, and
    // the rows of one call cost little more than one.
    const qsizetype fieldCount = def.fields.size();
    const qsizetype rowsPerStatement = std::max<qsizetype>(1, 900 / std::max<qsizetype>(1, fieldCount));
    QStringList columns;
    for (const db::FieldDef &field : def.fields)
        columns.append(database.quote(field.name));
    const QString rowMarkers = u'(' + QStringList(fieldCount, QStringLiteral("?")).join(u',') + u')';
    auto insertFor = [&](qsizetype rows) {
        return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
            .arg(database.quote(def.name), columns.join(u','), QStringList(rows, rowMarkers).join(u','));
    };
    const QString fullInsert = insertFor(rowsPerStatement);
    db::Transaction transaction(database);
    QVariantList values;
    values.reserve(rowsPerStatement * fieldCount);
    for (size_t first = 0; first < data.rows.size(); first += size_t(rowsPerStatement)) {
        const size_t end = std::min(data.rows.size(), first + size_t(rowsPerStatement));
        values.clear();
        for (size_t r = first; r < end; ++r) {
            const QVariantList &row = data.rows[r];
            for (qsizetype i = 0; i < fieldCount; ++i)
                values.append(i < row.size() ? row[i] : QVariant());
        }
        database.execute(qsizetype(end - first) == rowsPerStatement ? fullInsert : insertFor(qsizetype(end - first)),
                         values);
    }
    transaction.commit();

    foreign->table_ = std::make_unique<db::Table>(database, def.name);
    foreign->table_->setReadOnly(true);
    foreign->table_->open();
    return foreign;
}

std::unique_ptr<ForeignTable> openForeignTable(const QString &path, const OpenOptions &options)
{
    return foreignTableOf(readForeignFile(path, options), path);
}

} // namespace files
