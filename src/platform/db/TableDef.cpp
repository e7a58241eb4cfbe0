#include "TableDef.h"

namespace db {

int TableDef::fieldIndex(const QString &fieldName) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString normalizedTableName(const QString &name)
{
    QString result = name.trimmed();
    const int separator = std::max(result.lastIndexOf(QLatin1Char('/')),
                                   result.lastIndexOf(QLatin1Char('\\')));
    if (separator >= 0)
        result = result.mid(separator + 1);
    if (result.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        result.chop(3);
    return result;
}

} // namespace db
