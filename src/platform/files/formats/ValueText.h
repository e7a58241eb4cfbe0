#pragma once

#include "platform/db/TableDef.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace files {

// Values of a field type as the text formats carry them, in the system's
// German regional settings (sys::german): decimal comma, dates dd.mm.yyyy,
// logical "T"/"F" in text tables. Reading is lenient where a foreign program
// may differ: a decimal point, ISO dates, "Wahr"/"Falsch", "J"/"N" and the like.
namespace valuetext {

// Text of a value of the given type for a text file ("" for null).
QString format(const QVariant &value, db::FieldType type);
// The value of text read for a field of the given type: null for blank
// text, std::nullopt when the text is no value of that type.
std::optional<QVariant> parse(QStringView text, db::FieldType type);

// Number of decimals the general format of value shows.
int decimalsOf(double value);

} // namespace valuetext
} // namespace files
