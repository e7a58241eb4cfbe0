#include "ForeignTable.h"

#include "ForeignImport.h"

#include "platform/db/BatchMove.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QAtomicInt>

namespace files {

namespace {

QAtomicInt stagingCounter;

} // namespace

ForeignTable::~ForeignTable()
{
    table_.reset();
    database_.reset();
}

std::unique_ptr<ForeignTable> foreignTableOf(const ForeignData &data, const QString &fileName)
{
    std::unique_ptr<ForeignTable> foreign(new ForeignTable);
    foreign->fileName_ = fileName;

    const db::TableDef def = foreignLayout(data.definition, fileName);

    // A store of its own in memory: nothing is written to disk, and the
    // table's locks stay private to it.
    foreign->database_ = std::make_unique<db::Database>(
        QStringLiteral("foreign-file-%1").arg(stagingCounter.fetchAndAddRelaxed(1) + 1));
    db::Database &database = *foreign->database_;
    database.setPath(QStringLiteral(":memory:"));
    database.open();
    database.createTable(def);

    QStringList columns;
    for (const db::FieldDef &field : def.fields)
        columns.append(field.name);
    db::appendRows(database, def.name, columns, data.rows);

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
