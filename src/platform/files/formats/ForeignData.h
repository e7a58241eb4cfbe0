#pragma once

#include "platform/db/TableDef.h"

#include <QVariant>
#include <QVariantList>
#include <vector>

namespace files {

// What a reader makes of a foreign file, and what a writer puts into one:
// the fields in file order and every row. A value is null (an invalid
// QVariant) or of the field's type: QString for Alpha and Memo, double for
// Number, Money and BCD, int for Short, Long and AutoInc, bool, QDate, QTime,
// QDateTime, QByteArray for Blob and Graphic.
struct ForeignData
{
    db::TableDef definition;
    std::vector<QVariantList> rows;
};

} // namespace files
