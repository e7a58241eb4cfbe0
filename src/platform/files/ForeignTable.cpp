#include "ForeignTable.h"

#include "platform/db/BatchMove.h"
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
