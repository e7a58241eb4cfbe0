#include "platform/print/Printers.h"

#include <QPrinterInfo>

namespace print {

PrinterList PrinterList::installed()
{
    return PrinterList{QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}

QString PrinterList::resolve(const QString &stored) const
{
    const QString name = stored.trimmed();
    if (name.isEmpty())
        return {};
    if (names.contains(name))
        return name;
    for (const QString &candidate : names)
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    return {};
}

} // namespace print
