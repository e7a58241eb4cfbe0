#pragma once

#include "FieldTypes.h"

#include "platform/db/TableDef.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace db {
class Database;
class TableHold;
}

namespace dbupdate {

// Holds a table exclusively while it is rewritten, so no cursor of this or
// another workstation sees it half done; the restructure primitives called
// meanwhile work under the hold. Refused as the old engine did: "Table could
// not be opened for exclusive access" and the reason (db::LockError).
std::unique_ptr<db::TableHold> holdExclusively(db::Database &database, const QString &tableName);

// Working description of one field.
struct TFieldDesc
{
    QString Name;
    TdBasePxFieldType FieldType = TdBasePxFieldType::pxUnknown;
    // Characters of alpha fields, the in-record part of memos; the decimals
    // for pxBCD.
    quint16 Length = 0;
    // Decimals of the other types; always 0 for pxBCD.
    quint16 Precision = 0;
};

// The validity check the store can hold: the field must be filled. Minimum,
// maximum, default, picture and lookup have no place in the store's layouts.
struct TValCheckDesc
{
    bool Required = false;
};

// Changes the structure of an existing store table: load its description
// (setTableName), change fields on the description, then Execute rewrites
// the table in one step. Execute is atomic: the table either takes every
// change or keeps all its fields and records as they were.
//
//     TRestructure restructure(database);
//     restructure.setTableName("S_KUNDEN.DB");
//     restructure.Field = {"Fax", TdBasePxFieldType::pxAlpha, 30, 0};
//     restructure.AddField(false);
//     restructure.Execute();
//
// Positions are 1-based. Every failure raises db::DatabaseError.
class TRestructure
{
public:
    explicit TRestructure(db::Database &database);

    db::Database &database() const { return *database_; }
    // Frees the loaded description; a table must be named again.
    void setDatabase(db::Database &database);

    // Frees the description and loads the named table's ("S_KUNDEN.DB"
    // works). "Table konnte nicht geöffnet werden" when the store has no
    // such table.
    void setTableName(const QString &tableName);
    QString tableName() const { return tableName_; }
    bool isLoaded() const { return current(); }
    int fieldCount() const { return current() ? int(fields_.size()) : 0; }

    TFieldDesc Field;
    TValCheckDesc ValCheck;
    // Number of leading fields that form the primary key; loading sets it
    // from the table. Changing it makes Execute key the table on its first
    // PrimaryIndexFieldCount fields (0: no key).
    int PrimaryIndexFieldCount = 0;
    // Called instead of adding or modifying a field whose type the store
    // cannot take.
    std::function<void(TRestructure &sender, const TFieldDesc &field)> OnFieldInappropriate;

    bool IsFieldTypeValid() const;   // for Field.FieldType
    int FieldIndexOf(const QString &fieldName) const;   // 0 when absent

    // Sets Field and ValCheck from the field at position.
    void GetFieldDesc(int position);
    void AddField(bool withValCheck);
    void InsertField(int position, bool withValCheck);
    void MoveField(int oldPosition, int newPosition);
    void DeleteField(int position);
    // Keeps the field's stored values, converted to the new type.
    void ModifyField(int position, bool withValCheck);

    // Applies ValCheck to the named field; a name that matches no field
    // changes nothing.
    void AddValCheck(const QString &fieldName);
    void ModifyValCheck(const QString &fieldName);
    void DeleteValCheck(const QString &fieldName);

    // Rewrites the table with the description, holding it exclusively; the
    // description then follows the rewritten table. "Table could not be
    // opened for exclusive access" while another cursor or workstation has
    // it open.
    void Execute();

private:
    enum class Operation { None, Add, Modify };
    struct FieldEntry
    {
        db::FieldDef def;
        int source = -1;   // index in the loaded layout; -1 for a new field
        Operation operation = Operation::None;
    };

    void LoadStructure();
    void FreeStructure();
    // Loads the description again after Execute, when it is first needed.
    bool current() const;
    // Whether Field may be added or modified now; a type that is not valid
    // goes to OnFieldInappropriate.
    bool fieldUsable();
    db::FieldDef definitionFromField() const;
    void checkPosition(int position, int last, const QString &message) const;
    void setRequired(const QString &fieldName, bool required);
    db::TableDef newLayout() const;
    void writeLayout(const db::TableDef &layout);

    db::Database *database_;
    QString tableName_;
    mutable bool loaded_ = false;
    mutable bool stale_ = false;
    mutable db::TableDef original_;
    mutable int originalKeyCount_ = 0;
    mutable std::vector<FieldEntry> fields_;
};

} // namespace dbupdate
