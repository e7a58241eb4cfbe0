#pragma once

#include "DatabaseError.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace db {

class Database;

// Parameterised SQL on an alias. Parameters are ':name' or '?'; dates and
// numbers are bound as such, never compared as text.
class Query
{
public:
    explicit Query(Database &database, const QString &sql = {});
    ~Query();

    void setSql(const QString &sql);
    void bind(const QString &name, const QVariant &value);
    void bind(int position, const QVariant &value);

    void open();       // a SELECT: positions on the first row
    int exec();        // anything else: returns rows affected
    bool next();       // advances; false after the last row
    bool eof() const;
    void close();

    int columnCount() const;
    QStringList columnNames() const;
    QVariant value(int column) const;
    QVariant value(const QString &column) const;   // case-insensitive

    // First column of the first row, or an invalid QVariant when none.
    static QVariant scalar(Database &database, const QString &sql,
                           const QVariantList &params = {});

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace db
