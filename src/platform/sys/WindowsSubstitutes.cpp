#include "WindowsSubstitutes.h"

#include "Files.h"
#include "IniFile.h"

namespace sys {

namespace {

IniFile appPaths()
{
    return IniFile(programFolder() + QStringLiteral("Razazu.ini"), QStringLiteral("App Paths"));
}

} // namespace

std::optional<QString> registeredProgramFolder(const QString &programName)
{
    const QString folder = appPaths().readString(programName);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

bool registerProgramFolder(const QString &programName, const QString &folder)
{
    return appPaths().writeString(programName, folder);
}

QString manualPath()
{
    return programFolder() + QStringLiteral("Handbuch/Handbuch.html");
}

ShellResult showHelp(int topic)
{
    // The manual has no topic numbers; every request opens it at the start.
    Q_UNUSED(topic);
    return shellOpen(manualPath(), programFolder() + QStringLiteral("Handbuch"));
}

} // namespace sys
