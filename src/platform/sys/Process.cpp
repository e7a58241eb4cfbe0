#include "Process.h"

#include "Files.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace sys {

namespace {

ShellOpenHandler &shellHandler()
{
    static ShellOpenHandler handler;
    return handler;
}

bool openWithDesktop(const QUrl &url)
{
    if (shellHandler())
        return shellHandler()(url);
    return QDesktopServices::openUrl(url);
}

} // namespace

ProcessResult runAndWait(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    ProcessResult result;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(-1)) {
        result.errorText = process.errorString();
        return result;
    }
    result.started = true;
    while (process.state() != QProcess::NotRunning) {
        if (process.waitForFinished(50))
            break;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    if (result.crashed)
        result.errorText = process.errorString();
    return result;
}

bool startDetached(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

ShellResult shellOpen(const QString &target, const QString &workingFolder)
{
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty())
        return ShellResult::FileNotFound;
    // A scheme of two letters or more: a single letter is a Windows drive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(trimmed).hasMatch() && !trimmed.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(trimmed);
        if (!url.isValid())
            return ShellResult::Failed;
        return openWithDesktop(url) ? ShellResult::Ok : ShellResult::NoAssociation;
    }
    if (trimmed.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return openWithDesktop(QUrl::fromUserInput(trimmed)) ? ShellResult::Ok : ShellResult::NoAssociation;

    QString path = trimmed.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)
        ? QUrl(trimmed).toLocalFile() : QDir::fromNativeSeparators(trimmed);
    if (QFileInfo(path).isRelative() && !workingFolder.isEmpty())
        path = joinPath(workingFolder, path);
    const QFileInfo info(path);
    if (!info.exists())
        return folderExists(info.absolutePath()) ? ShellResult::FileNotFound : ShellResult::FolderNotFound;
    return openWithDesktop(QUrl::fromLocalFile(info.absoluteFilePath())) ? ShellResult::Ok
                                                                        : ShellResult::NoAssociation;
}

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler)
{
    ShellOpenHandler previous = std::move(shellHandler());
    shellHandler() = std::move(handler);
    return previous;
}

} // namespace sys
