#pragma once

#include <QString>
#include <QVariantList>
#include <memory>

namespace db {
class Query;
class Table;
}

// Puts the table into edit state when it is browsing; otherwise nothing.
void DataSetEdit(db::Table &tabelle);
// Posts the table when it is being edited or inserted into; otherwise nothing.
void DataSetPost(db::Table &tabelle);

// A query on the main database "Z_Tavero", not opened yet. Values the user
// typed go in as parameters ('?' or ':name'), never into the text.
std::unique_ptr<db::Query> CreateQuery(const QString &sql);
// The first field of the first row as text (German numbers and dates), or
// the empty text when there is no row. Database errors pass on.
void QueryScalar(const QString &sql, QString &wert, const QVariantList &parameter = {});
