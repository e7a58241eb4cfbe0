#include "Schema.h"

#include <QMutex>

#include <deque>

namespace db {

namespace {

struct Catalogue
{
    QMutex mutex;
    // Registration order is kept so a new store creates tables predictably;
    // a deque so that pointers handed out by find() stay valid.
    std::deque<std::pair<QString, TableDef>> tables;   // alias, layout
};

// Function-local so that registrations from other translation units at
// static initialisation find it constructed.
Catalogue &catalogue()
{
    static Catalogue instance;
    return instance;
}

} // namespace

void Schema::registerTable(const QString &alias, const TableDef &def)
{
    TableDef normalized = def;
    normalized.name = normalizedTableName(def.name);
    Catalogue &c = catalogue();
    QMutexLocker locker(&c.mutex);
    for (auto &entry : c.tables) {
        if (entry.second.name.compare(normalized.name, Qt::CaseInsensitive) == 0) {
            entry = {alias, normalized};
            return;
        }
    }
    c.tables.emplace_back(alias, normalized);
}

const TableDef *Schema::find(const QString &tableName)
{
    const QString name = normalizedTableName(tableName);
    Catalogue &c = catalogue();
    QMutexLocker locker(&c.mutex);
    for (const auto &entry : c.tables) {
        if (entry.second.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry.second;
    }
    return nullptr;
}

QList<TableDef> Schema::tablesOf(const QString &alias)
{
    Catalogue &c = catalogue();
    QMutexLocker locker(&c.mutex);
    QList<TableDef> result;
    for (const auto &entry : c.tables) {
        if (entry.first.compare(alias, Qt::CaseInsensitive) == 0)
            result.append(entry.second);
    }
    return result;
}

} // namespace db
