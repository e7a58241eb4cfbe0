#include "common/Datensatzsperre.h"

void DatensatzSperren(const QString &, const QString &)
{
}

void DatensatzFreigeben(const QString &, const QString &)
{
}

bool IstDatensatzGesperrt(const QString &, const QString &)
{
    return false;
}
