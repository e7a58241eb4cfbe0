#pragma once

#include "TableDef.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

namespace db {

class Table;

// One field of the current record of a dataset. Text get/set use the German
// regional settings whatever the machine's locale (decimal comma,
// dd.mm.yyyy). An empty string in an Alpha field is null and reads back as "";
// a null number reads 0 with isNull() true; an Alpha value longer than the
// field is cut to its size; text that is no number or date for the field
// raises ConversionError and changes nothing.
class Field
{
public:
    Field(Table *owner, const FieldDef &def, int index);

    QString name() const { return def_.name; }
    FieldType type() const { return def_.type; }
    int size() const { return def_.size; }
    int index() const { return index_; }
    const FieldDef &def() const { return def_; }
    bool isNumeric() const;
    // A calculated field is filled by the dataset's onCalcFields handler.
    bool isCalculated() const { return calculated_; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    bool isNull() const;
    QVariant value() const;
    QString asString() const;
    int asInteger() const;
    qint64 asLargeInt() const;
    double asFloat() const;
    bool asBoolean() const;
    QDate asDate() const;
    QDateTime asDateTime() const;
    QByteArray asBytes() const;
    // Display text: money and BCD with two decimals, dates dd.mm.yyyy.
    QString displayText() const;

    // Setters put the dataset into edit state when it is browsing
    // (auto-edit), as the data-aware controls expect.
    void setValue(const QVariant &value);
    void setAsString(const QString &text);
    void setAsInteger(int value);
    void setAsFloat(double value);
    void setAsBoolean(bool value);
    void setAsDate(const QDate &value);
    void setAsDateTime(const QDateTime &value);
    void setAsBytes(const QByteArray &value);
    void clear();

private:
    friend class Table;
    Table *owner_;
    FieldDef def_;
    int index_;
    bool calculated_ = false;
    bool readOnly_ = false;
};

} // namespace db
