#pragma once

#include "platform/db/TableDef.h"

#include <QString>
#include <QVariant>

// Inside platform/db: the one conversion of values to and from a field's
// type, used by the field setters, key searches, ranges and filters.
namespace db::detail {

// The value a field of this layout holds for `value`; text is read in the
// German formats, Alpha text is cut to the field's size, empty text is null.
// Throws ConversionError (and changes nothing) when the value does not fit.
QVariant toFieldValue(const FieldDef &field, const QVariant &value);

// The field's text form of a value it holds ("" for null).
QString fieldText(const FieldDef &field, const QVariant &typed);

[[noreturn]] void conversionFailed(const FieldDef &field, const QString &text);

} // namespace db::detail
