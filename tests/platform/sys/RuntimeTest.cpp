#include "platform/sys/Files.h"
#include "platform/sys/IntervalTimer.h"
#include "platform/sys/Process.h"
#include "platform/sys/UnhandledException.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace {

// Runs the event loop until the condition holds or the time is up.
bool waitUntil(const std::function<bool()> &condition, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

void spinFor(int milliseconds)
{
    waitUntil([] { return false; }, milliseconds);
}

TEST(IntervalTimer, TicksWhileAModalDialogIsOpen)
{
    sys::IntervalTimer timer;
    EXPECT_FALSE(timer.isRunning());   // nothing runs before the interval is set
    int ticks = 0;
    QDialog dialog;
    QObject::connect(&timer, &sys::IntervalTimer::timeout, &dialog, [&] {
        if (++ticks == 3)
            dialog.done(1);
    });
    timer.setInterval(20);
    EXPECT_TRUE(timer.isRunning());

    // A safety net: should the ticks not come, the dialog still closes.
    QTimer::singleShot(5000, &dialog, [&] { dialog.done(2); });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(ticks, 3);
}

TEST(IntervalTimer, DisabledItKeepsRunningButPassesNoTicks)
{
    sys::IntervalTimer timer;
    int ticks = 0;
    QList<bool> changes;
    QObject::connect(&timer, &sys::IntervalTimer::timeout, [&] { ++ticks; });
    QObject::connect(&timer, &sys::IntervalTimer::enabledChanged, [&](bool enabled) { changes << enabled; });
    timer.setInterval(10);

    timer.setEnabled(true);   // no change: no signal
    EXPECT_TRUE(changes.isEmpty());

    timer.setEnabled(false);
    EXPECT_EQ(changes, QList<bool>{false});
    EXPECT_TRUE(timer.isRunning());
    spinFor(80);
    EXPECT_EQ(ticks, 0);

    timer.setEnabled(true);
    EXPECT_TRUE(waitUntil([&] { return ticks > 0; }, 2000));
}

TEST(IntervalTimer, ValuesOutsideTheRangeAreIgnored)
{
    sys::IntervalTimer timer;
    EXPECT_EQ(timer.interval(), sys::IntervalTimer::maximumPeriod);
    timer.setInterval(0);
    timer.setInterval(sys::IntervalTimer::maximumPeriod + 1);
    EXPECT_EQ(timer.interval(), sys::IntervalTimer::maximumPeriod);
    EXPECT_FALSE(timer.isRunning());

    timer.setInterval(1000);
    timer.setResolution(1001);
    EXPECT_EQ(timer.resolution(), 1u);
    timer.setResolution(1000);
    EXPECT_EQ(timer.resolution(), 1000u);
}

TEST(IntervalTimer, OneShotTicksOnce)
{
    sys::IntervalTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &sys::IntervalTimer::timeout, [&] { ++ticks; });
    timer.setPeriodic(false);
    timer.setInterval(10);
    EXPECT_TRUE(waitUntil([&] { return ticks > 0; }, 2000));
    spinFor(60);
    EXPECT_EQ(ticks, 1);
}

TEST(Processes, RunsInItsWorkingFolderAndWaitsForTheEnd)
{
    TempFolder folder;
    const sys::ProcessResult result = sys::runAndWait(
        QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("sleep 0.1; pwd > wo.txt; exit 3")}, folder.path());
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(sys::readFileBytes(folder.file(QStringLiteral("wo.txt"))).trimmed(), folder.path().toUtf8());

    const sys::ProcessResult missing = sys::runAndWait(folder.file(QStringLiteral("Reorganisation.exe")), {}, folder.path());
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.errorText.isEmpty());
}

TEST(Processes, ShellOpenSendsFilesLinksAndMailToTheDesktop)
{
    TempFolder folder;
    sys::writeFileBytes(folder.file(QStringLiteral("Handbuch.html")), "<html/>");
    QList<QUrl> opened;
    const auto previous = sys::setShellOpenHandler([&](const QUrl &url) {
        opened << url;
        return true;
    });

    struct Case { const char *target; sys::ShellResult expected; const char *url; };
    const QByteArray file = QUrl::fromLocalFile(folder.file(QStringLiteral("Handbuch.html"))).toString().toUtf8();
    const Case cases[] = {
        {"Handbuch.html", sys::ShellResult::Ok, file.constData()},
        {"https://www.example.de/zoll", sys::ShellResult::Ok, "https://www.example.de/zoll"},
        {"www.example.de", sys::ShellResult::Ok, "http://www.example.de"},
        {"Mailto:support@example.de", sys::ShellResult::Ok, "mailto:support@example.de"},
        {"fehlt.html", sys::ShellResult::FileNotFound, nullptr},
        {"nirgends/fehlt.html", sys::ShellResult::FolderNotFound, nullptr},
    };
    for (const Case &c : cases) {
        opened.clear();
        EXPECT_EQ(sys::shellOpen(QString::fromUtf8(c.target), folder.path()), c.expected) << c.target;
        if (c.url) {
            ASSERT_EQ(opened.size(), 1) << c.target;
            EXPECT_EQ(opened.first().toString(), QString::fromUtf8(c.url));
        } else {
            EXPECT_TRUE(opened.isEmpty()) << c.target;
        }
    }

    sys::setShellOpenHandler([](const QUrl &) { return false; });
    EXPECT_EQ(sys::shellOpen(QStringLiteral("https://example.de")), sys::ShellResult::NoAssociation);
    sys::setShellOpenHandler(previous);
}

struct CustomFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

TEST(UnhandledExceptions, ReachTheInstalledHandlerWithTypeAndMessage)
{
    std::vector<sys::ExceptionReport> reports;
    const auto previous = sys::setExceptionHandler([&](const sys::ExceptionReport &report) { reports.push_back(report); });

    try {
        throw CustomFailure("Kaputt");
    } catch (...) {
        sys::reportException(std::current_exception(), QStringLiteral("bbtNeuClick"));
    }
    try {
        throw 42;
    } catch (...) {
        sys::reportException(std::current_exception());
    }

    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].message, QStringLiteral("Kaputt"));
    EXPECT_TRUE(reports[0].className.contains(QStringLiteral("CustomFailure")));
    EXPECT_EQ(reports[0].context, QStringLiteral("bbtNeuClick"));
    EXPECT_EQ(reports[1].className, QStringLiteral("int"));

    // A handler that fails itself does not take the program down.
    sys::setExceptionHandler([](const sys::ExceptionReport &) { throw std::runtime_error("Dialog kaputt"); });
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(sys::reportException(std::make_exception_ptr(std::runtime_error("Fehler"))));
    const std::string logged = testing::internal::GetCapturedStderr();
    EXPECT_NE(logged.find("Fehler"), std::string::npos);
    EXPECT_NE(logged.find("Dialog kaputt"), std::string::npos);
    sys::setExceptionHandler(previous);
}

} // namespace
