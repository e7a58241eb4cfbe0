#pragma once

#include "Process.h"

#include <QString>
#include <optional>

namespace sys {

// In place of the Windows registry's "App Paths" entries, through which other
// programs announce where they are installed: the section "App Paths" of
// "Razazu.ini" in the program folder, one key per program name with its
// folder as value, e.g.
//     [App Paths]
//     Pelmora.exe=/opt/pelmora
// Returns the folder as stored (nullopt when the key is missing or empty).
std::optional<QString> registeredProgramFolder(const QString &programName);
bool registerProgramFolder(const QString &programName, const QString &folder);

// In place of the WinHelp file: the manual "Handbuch/Handbuch.html" in the
// program folder. Every help request (contents or a topic number) opens the
// manual through the desktop.
QString manualPath();
ShellResult showHelp(int topic = 0);

} // namespace sys
