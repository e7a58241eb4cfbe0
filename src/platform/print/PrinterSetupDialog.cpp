#include "platform/print/PrinterSetupDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/print/Printers.h"

namespace print {

std::optional<QString> runPrinterSetupDialog(const QString &printerName, QWidget *parent)
{
    const PrinterList printers = PrinterList::installed();
    const QString installed = printers.resolve(printerName);
    QPrinter printer(installed.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(installed));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString chosen = printers.resolve(printer.printerName());
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace print
