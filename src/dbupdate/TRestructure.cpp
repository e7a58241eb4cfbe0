#include "TRestructure.h"


#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Locks.h"
#include "platform/db/Restructure.h"

#include <QHash>
#include <QSet>
#include <functional>

namespace dbupdate {

namespace {

using db::DatabaseError;

bool sameDefinition(const db::FieldDef &a, const db::FieldDef &b)
{
    return a.name == b.name && a.type == b.type && a.size == b.size && a.precision == b.precision
           && a.required == b.required;
}

bool sameExceptName(const db::FieldDef &a, const db::FieldDef &b)
{
    db::FieldDef renamed = a;
    renamed.name = b.name;
    return sameDefinition(renamed, b);
}

bool sameIndexes(const QList<db::IndexDef> &a, const QList<db::IndexDef> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].fields != b[i].fields)
            return false;
    }
    return true;
}

} // namespace

TRestructure::TRestructure(db::Database &database) : database_(&database)
{
}

void TRestructure::setDatabase(db::Database &database)
{
    FreeStructure();
    tableName_.clear();
    database_ = &database;
}

void TRestructure::setTableName(const QString &tableName)
{
    FreeStructure();
    tableName_ = tableName;
    if (!tableName_.isEmpty())
        LoadStructure();
}

void TRestructure::FreeStructure()
{
    loaded_ = false;
    stale_ = false;
    original_ = db::TableDef();
    originalKeyCount_ = 0;
    fields_.clear();
}

void TRestructure::LoadStructure()
{
    FreeStructure();
    try {
        current();
    } catch (const DatabaseError &) {
        tableName_.clear();
        throw;
    }
    PrimaryIndexFieldCount = originalKeyCount_;
}

bool TRestructure::current() const
{
    if (loaded_ && !stale_)
        return true;
    if (tableName_.isEmpty())
        return false;
    loaded_ = stale_ = false;
    fields_.clear();
    try {
        if (!database_->tableExists(tableName_))
            throw DatabaseError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(tableName_));
        original_ = database_->tableDef(tableName_);
    } catch (const DatabaseError &error) {
        throw DatabaseError(QStringLiteral("Table konnte nicht geöffnet werden\n%1").arg(error.message()));
    }
    for (int i = 0; i < original_.fields.size(); ++i)
        fields_.push_back({original_.fields[i], i, Operation::None});
    originalKeyCount_ = int(original_.primaryKey.size());
    loaded_ = true;
    return true;
}

bool TRestructure::IsFieldTypeValid() const
{
    return storeTypeOf(Field.FieldType).has_value();
}

int TRestructure::FieldIndexOf(const QString &fieldName) const
{
    for (int i = 0; i < fieldCount(); ++i) {
        if (fields_[i].def.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

void TRestructure::checkPosition(int position, int last, const QString &message) const
{
    if (position < 1 || position > last)
        throw DatabaseError(message);
}

void TRestructure::GetFieldDesc(int position)
{
    if (!current())
        return;
    checkPosition(position, fieldCount(), QStringLiteral("Feld-Index zu klein oder zu Gross"));
    const db::FieldDef &def = fields_[position - 1].def;
    Field.Name = def.name;
    Field.FieldType = pxTypeOf(def.type);
    Field.Length = 0;
    Field.Precision = 0;
    if (def.type == db::FieldType::BCD)
        Field.Length = quint16(def.precision);
    else if (def.type == db::FieldType::Alpha || def.type == db::FieldType::Memo)
        Field.Length = quint16(def.size);
    ValCheck = TValCheckDesc();
    ValCheck.Required = def.required;
}

db::FieldDef TRestructure::definitionFromField() const
{
    db::FieldDef def;
    def.name = Field.Name;
    def.type = *storeTypeOf(Field.FieldType);
    if (Field.FieldType == TdBasePxFieldType::pxBCD)
        def.precision = Field.Length;
    else if (def.type == db::FieldType::Alpha || def.type == db::FieldType::Memo)
        def.size = Field.Length;
    return def;
}

bool TRestructure::fieldUsable()
{
    if (!current())
        return false;
    if (!IsFieldTypeValid()) {
        if (OnFieldInappropriate)
            OnFieldInappropriate(*this, Field);
        return false;
    }
    return true;
}

void TRestructure::AddField(bool withValCheck)
{
    InsertField(fieldCount() + 1, withValCheck);
}

void TRestructure::InsertField(int position, bool withValCheck)
{
    if (!fieldUsable())
        return;
    checkPosition(position, fieldCount() + 1, QStringLiteral("Field-Index zu klein oder zu Gross"));
    fields_.insert(fields_.begin() + (position - 1), FieldEntry{definitionFromField(), -1, Operation::Add});
    if (withValCheck)
        AddValCheck(Field.Name);
}

void TRestructure::MoveField(int oldPosition, int newPosition)
{
    if (!current() || oldPosition == newPosition)
        return;
    checkPosition(oldPosition, fieldCount(), QStringLiteral("Field index not in range: OldPos"));
    checkPosition(newPosition, fieldCount(), QStringLiteral("Field index not in range: NewPos"));
    FieldEntry moved = fields_[oldPosition - 1];
    fields_.erase(fields_.begin() + (oldPosition - 1));
    fields_.insert(fields_.begin() + (newPosition - 1), moved);
}

void TRestructure::DeleteField(int position)
{
    if (!current())
        return;
    checkPosition(position, fieldCount(), QStringLiteral("Field index not in range"));
    fields_.erase(fields_.begin() + (position - 1));
}

void TRestructure::ModifyField(int position, bool withValCheck)
{
    if (!fieldUsable())
        return;
    checkPosition(position, fieldCount(), QStringLiteral("Field-Index zu klein oder zu Gross"));
    FieldEntry &entry = fields_[position - 1];
    const bool required = entry.def.required;
    entry.def = definitionFromField();
    entry.def.required = required;
    if (entry.operation != Operation::Add)
        entry.operation = Operation::Modify;
    if (withValCheck)
        ModifyValCheck(Field.Name);
}

void TRestructure::setRequired(const QString &fieldName, bool required)
{
    if (!current())
        return;
    const int position = FieldIndexOf(fieldName);
    if (position == 0)
        return;
    FieldEntry &entry = fields_[position - 1];
    if (entry.def.required == required)
        return;
    entry.def.required = required;
    if (entry.operation != Operation::Add)
        entry.operation = Operation::Modify;
}

// With the required flag as the only check the store holds, adding a check
// and rewriting one come to the same: the field takes ValCheck's flag.
void TRestructure::AddValCheck(const QString &fieldName)
{
    setRequired(fieldName, ValCheck.Required);
}

void TRestructure::ModifyValCheck(const QString &fieldName)
{
    setRequired(fieldName, ValCheck.Required);
}

void TRestructure::DeleteValCheck(const QString &fieldName)
{
    setRequired(fieldName, false);
}

db::TableDef TRestructure::newLayout() const
{
    db::TableDef layout;
    layout.name = original_.name;
    QHash<QString, QString> newNameOf;   // old name in upper case -> new name
    QSet<QString> names;
    for (const FieldEntry &entry : fields_) {
        const QString name = entry.def.name.trimmed();
        if (name.isEmpty())
            throw DatabaseError(QStringLiteral("Ein Feld der Tabelle %1 hat keinen Namen.").arg(original_.name));
        if (names.contains(name.toUpper()))
            throw DatabaseError(QStringLiteral("Das Feld %1 kommt in der Tabelle %2 mehrfach vor.")
                                    .arg(name, original_.name));
        if (entry.def.type == db::FieldType::Alpha && entry.def.size < 1)
            throw DatabaseError(QStringLiteral("Das Alpha-Feld %1 der Tabelle %2 braucht eine Länge.")
                                    .arg(name, original_.name));
        names.insert(name.toUpper());
        layout.fields.append(entry.def);
        if (entry.source >= 0)
            newNameOf.insert(original_.fields[entry.source].name.toUpper(), entry.def.name);
    }

    if (PrimaryIndexFieldCount == originalKeyCount_) {
        for (const QString &key : original_.primaryKey) {
            const auto it = newNameOf.constFind(key.toUpper());
            if (it == newNameOf.constEnd())
                throw DatabaseError(QStringLiteral("Das Schlüsselfeld %1 der Tabelle %2 kann nicht gelöscht werden.")
                                        .arg(key, original_.name));
            layout.primaryKey.append(*it);
        }
    } else {
        if (PrimaryIndexFieldCount < 0 || PrimaryIndexFieldCount > layout.fields.size())
            throw DatabaseError(QStringLiteral("Die Tabelle %1 hat keine %2 Felder für ihren Schlüssel.")
                                    .arg(original_.name)
                                    .arg(PrimaryIndexFieldCount));
        for (int i = 0; i < PrimaryIndexFieldCount; ++i)
            layout.primaryKey.append(layout.fields[i].name);
    }

    // An index over a deleted field goes with it, as the old engine's did.
    for (db::IndexDef index : original_.indexes) {
        bool complete = true;
        for (QString &field : index.fields) {
            const auto it = newNameOf.constFind(field.toUpper());
            complete = complete && it != newNameOf.constEnd();
            if (it != newNameOf.constEnd())
                field = *it;
        }
        if (complete)
            layout.indexes.append(index);
    }
    return layout;
}

void TRestructure::writeLayout(const db::TableDef &layout)
{
    const int kept = int(original_.fields.size());
    const bool keysAndIndexesKept =
        layout.primaryKey == original_.primaryKey && sameIndexes(layout.indexes, original_.indexes);

    // The cheapest primitive that does the job: appending fields and
    // changing one field in place need no copy of the whole table.
    bool originalsInPlace = fieldCount() >= kept;
    int modified = -1;
    int modifiedCount = 0;
    for (int i = 0; originalsInPlace && i < kept; ++i) {
        const FieldEntry &entry = fields_[i];
        originalsInPlace = entry.source == i;
        if (originalsInPlace && !sameDefinition(entry.def, original_.fields[i])) {
            modified = i;
            ++modifiedCount;
        }
    }
    bool onlyAppended = originalsInPlace;
    for (int i = kept; onlyAppended && i < fieldCount(); ++i)
        onlyAppended = fields_[i].source < 0;

    std::vector<std::function<void()>> steps;
    if (onlyAppended && keysAndIndexesKept && modifiedCount == 0) {
        for (int i = kept; i < fieldCount(); ++i)
            steps.push_back([this, &layout, i] { db::addField(*database_, layout.name, fields_[i].def); });
    } else if (onlyAppended && keysAndIndexesKept && modifiedCount == 1 && fieldCount() == kept) {
        const db::FieldDef &before = original_.fields[modified];
        const db::FieldDef &after = fields_[modified].def;
        if (sameExceptName(before, after))
            steps.push_back([&] { db::renameField(*database_, layout.name, before.name, after.name); });
        else
            steps.push_back([&] { db::alterField(*database_, layout.name, before.name, after); });
    } else {
        QHash<QString, QString> sourceFieldOf;
        for (const FieldEntry &entry : fields_) {
            if (entry.source >= 0)
                sourceFieldOf.insert(entry.def.name, original_.fields[entry.source].name);
        }
        steps.push_back([this, &layout, sourceFieldOf] {
            db::restructure(*database_, layout.name, layout, sourceFieldOf);
        });
    }
    // Each primitive is atomic on its own; several go in one transaction.
    if (steps.size() == 1) {
        steps.front()();
        return;
    }
    db::Transaction transaction(*database_);
    for (const auto &step : steps)
        step();
    transaction.commit();
}

std::unique_ptr<db::TableHold> holdExclusively(db::Database &database, const QString &tableName)
{
    try {
        return std::make_unique<db::TableHold>(database, tableName, true);
    } catch (const db::LockError &error) {
        throw db::LockError(QStringLiteral("Table could not be opened for exclusive access\n%1").arg(error.message()));
    }
}

void TRestructure::Execute()
{
    if (!current())
        return;
    const db::TableDef layout = newLayout();
    {
        const auto exclusive = holdExclusively(*database_, layout.name);
        writeLayout(layout);
    }
    // The key as written; the rest of the description is read back from the
    // store when next asked for.
    PrimaryIndexFieldCount = int(layout.primaryKey.size());
    stale_ = true;
}

} // namespace dbupdate
