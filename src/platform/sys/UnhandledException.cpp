#include "UnhandledException.h"

#include <cstdio>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace sys {

namespace {

ExceptionHandler &installedHandler()
{
    static ExceptionHandler handler;
    return handler;
}

QString readableTypeName(const std::type_info &type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return QString::fromUtf8(status == 0 && demangled ? demangled.get() : type.name());
}

void logToStandardError(const ExceptionReport &report)
{
    const QByteArray line = QStringLiteral("Unbehandelter Fehler (%1)%2: %3\n")
        .arg(report.className,
             report.context.isEmpty() ? QString() : QStringLiteral(" in ") + report.context,
             report.message)
        .toUtf8();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
}

} // namespace

ExceptionReport describeException(std::exception_ptr exception, const QString &context)
{
    ExceptionReport report;
    report.context = context;
    report.exception = exception;
    try {
        if (exception)
            std::rethrow_exception(exception);
    } catch (const std::exception &error) {
        report.message = QString::fromUtf8(error.what());
        report.className = readableTypeName(typeid(error));
    } catch (...) {
        report.message = QStringLiteral("Unbekannter Fehler");
        const std::type_info *type = abi::__cxa_current_exception_type();
        report.className = type ? readableTypeName(*type) : QStringLiteral("unbekannt");
    }
    return report;
}

ExceptionHandler setExceptionHandler(ExceptionHandler handler)
{
    ExceptionHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}

void reportException(std::exception_ptr exception, const QString &context)
{
    const ExceptionReport report = describeException(exception, context);
    if (!installedHandler()) {
        logToStandardError(report);
        return;
    }
    // A failing error dialog must not take the program down with it.
    try {
        installedHandler()(report);
    } catch (...) {
        logToStandardError(report);
        logToStandardError(describeException(std::current_exception(), QStringLiteral("Fehlerbehandlung")));
    }
}

} // namespace sys
