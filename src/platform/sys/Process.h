#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace sys {

struct ProcessResult
{
    bool started = false;
    bool crashed = false;
    int exitCode = -1;
    QString errorText;   // why it did not start or ended abnormally
};

// Starts the program in the working folder and waits for it without a time
// limit. Meanwhile the window is still repainted and timers tick, but user
// input waits, so nothing else can be started from the program.
ProcessResult runAndWait(const QString &program, const QStringList &arguments,
                         const QString &workingFolder);
// Starts the program and returns at once.
bool startDetached(const QString &program, const QStringList &arguments,
                   const QString &workingFolder);

enum class ShellResult { Ok, FileNotFound, FolderNotFound, NoAssociation, Failed };

// Opens a document with the desktop's program for it, a web address in the
// browser ("https://...", also "www..." without a scheme) and "mailto:" links
// in the mail program. A relative file name is taken relative to
// workingFolder.
ShellResult shellOpen(const QString &target, const QString &workingFolder = {});

// Tests replace the desktop with a handler that records what was opened.
// Returns the previous handler; an empty handler restores the desktop.
using ShellOpenHandler = std::function<bool(const QUrl &url)>;
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);

} // namespace sys
