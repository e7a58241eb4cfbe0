#pragma once

#include "platform/sys/Process.h"

#include <QString>

// Opens a file, web address or mail link through the desktop; on failure an
// error box says why. Returns whether it opened.
bool ShellOeffnen(const QString &ziel, const QString &arbeitsordner);

// The text of the error box for a failed open.
QString ShellFehlerText(sys::ShellResult ergebnis);
