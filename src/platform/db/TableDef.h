#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace db {

// The field types of the old desktop engine, as the table layouts name them.
enum class FieldType {
    Alpha,      // text of at most `size` characters
    Number,     // double
    Money,      // double, two decimals on display
    Short,      // 16-bit integer
    Long,       // 32-bit integer
    AutoInc,    // 32-bit integer set by the store
    Logical,    // boolean
    Date,
    Time,
    Timestamp,
    Memo,       // unlimited text
    Graphic,    // picture bytes
    Blob,       // other bytes
    BCD,        // decimal with `precision` decimals, held as double
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::Alpha;
    int size = 0;        // characters of an Alpha field
    int precision = 0;   // decimals of a BCD field
    bool required = false;
};

struct IndexDef
{
    QString name;
    QStringList fields;
    bool unique = false;
    bool caseInsensitive = false;
    bool descending = false;
};

// A table's layout, declared once in the folder of the subsystem that owns it:
// one function per table, Tabelle_<NAME>() in Tabelle_<NAME>.cpp, returning
// the layout as a brace list whose rows read like the paper table (numbered
// fields row by row, no loops). The folder's tabellenAnmelden() registers it
// with db::Schema::registerTable(alias, Tabelle_<NAME>()).
//
//   db::TableDef Tabelle_S_BEARB()
//   {
//       using namespace Qt::StringLiterals;
//       using enum db::FieldType;
//       return {
//           .name = u"S_BEARB"_s,
//           .fields = {
//               {u"Kurzname"_s, Alpha, 20},
//               {u"Name"_s, Alpha, 20},
//               {u"UserNr"_s, Long},
//               {.name = u"Passwort"_s, .type = Alpha, .size = 10, .required = true},
//           },
//           .primaryKey = {u"Kurzname"_s},
//           .indexes = {{.name = u"Name"_s, .fields = {u"Name"_s}, .caseInsensitive = true}},
//       };
//   }
//
// These structs stay aggregates so that such lists compile.
struct TableDef
{
    QString name;              // without extension: "S_PARAME"
    QList<FieldDef> fields;    // in their order; copies go field by field
    QStringList primaryKey;    // field names; may be empty
    QList<IndexDef> indexes;   // named secondary indexes

    int fieldIndex(const QString &fieldName) const; // -1 when missing, case-insensitive
};

// "S_PARAME.DB", "s_parame.db", "Einheit.db" -> the table name without
// extension, as the catalogue and the store know it.
QString normalizedTableName(const QString &name);

} // namespace db
