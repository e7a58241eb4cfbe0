#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace print {

// The printer set-up dialog, opened on the given printer (the default one
// when that name is not installed). Answers the printer the user chose, or
// nothing when the dialog is cancelled or no printer is chosen in it. Meant
// for the dialog service, which scripts it in tests; modal, needs a display.
std::optional<QString> runPrinterSetupDialog(const QString &printerName, QWidget *parent = nullptr);

} // namespace print
