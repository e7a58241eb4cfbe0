#include "Query.h"

#include "Database.h"
#include "private/StoreStatement.h"

#include <QMap>

namespace db {

struct Query::Private
{
    Database *database = nullptr;
    QString sql;
    std::unique_ptr<store::Statement> statement;
    QMap<QString, QVariant> named;
    QMap<int, QVariant> positional;
    bool onRow = false;
    bool active = false;

    void prepare()
    {
        if (!statement)
            statement = database->prepare(sql);
        statement->reset();
        for (auto it = positional.cbegin(); it != positional.cend(); ++it)
            statement->bind(it.key(), it.value());
        for (auto it = named.cbegin(); it != named.cend(); ++it) {
            if (!statement->bindNamed(it.key(), it.value()))
                throw DatabaseError(QStringLiteral("Die Abfrage hat keinen Parameter %1.").arg(it.key()), sql);
        }
    }
};

Query::Query(Database &database, const QString &sql) : d(std::make_unique<Private>())
{
    d->database = &database;
    d->sql = sql;
}

Query::~Query() = default;

void Query::setSql(const QString &sql)
{
    close();
    d->sql = sql;
    d->statement.reset();
    d->named.clear();
    d->positional.clear();
}

void Query::bind(const QString &name, const QVariant &value)
{
    d->named.insert(name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name, value);
}

void Query::bind(int position, const QVariant &value)
{
    d->positional.insert(position, value);
}

void Query::open()
{
    close();
    d->database->guarded([&] {
        d->prepare();
        d->active = true;
        d->onRow = d->statement->step();
    });
}

int Query::exec()
{
    close();
    int affected = 0;
    d->database->guarded([&] {
        d->prepare();
        affected = d->statement->execute();
    });
    const QString start = d->sql.trimmed().left(6).toUpper();
    if (start.startsWith(QLatin1String("CREATE")) || start.startsWith(QLatin1String("ALTER"))
        || start.startsWith(QLatin1String("DROP")))
        d->database->forgetLayouts();
    return affected;
}

bool Query::next()
{
    if (!d->active || !d->onRow)
        return false;
    d->onRow = d->statement->step();
    return d->onRow;
}

bool Query::eof() const
{
    return !d->onRow;
}

void Query::close()
{
    if (d->statement)
        d->statement->reset();
    d->active = false;
    d->onRow = false;
}

int Query::columnCount() const
{
    return d->statement ? d->statement->columnCount() : 0;
}

QStringList Query::columnNames() const
{
    QStringList names;
    for (int i = 0; i < columnCount(); ++i)
        names << d->statement->columnName(i);
    return names;
}

QVariant Query::value(int column) const
{
    if (!d->onRow || column < 0 || column >= columnCount())
        return {};
    return d->statement->value(column);
}

QVariant Query::value(const QString &column) const
{
    for (int i = 0; i < columnCount(); ++i) {
        if (d->statement->columnName(i).compare(column, Qt::CaseInsensitive) == 0)
            return value(i);
    }
    throw DatabaseError(QStringLiteral("Die Abfrage hat keine Spalte %1.").arg(column), d->sql);
}

QVariant Query::scalar(Database &database, const QString &sql, const QVariantList &params)
{
    Query query(database, sql);
    for (int i = 0; i < params.size(); ++i)
        query.bind(i, params[i]);
    query.open();
    const QVariant result = query.eof() ? QVariant() : query.value(0);
    query.close();
    return result;
}

} // namespace db
