#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace sys {

// What the error dialog shows of an exception nobody caught.
struct ExceptionReport
{
    QString message;      // what() as text
    QString className;    // the exception's type, readable
    QString context;      // where it was caught, e.g. the event handler
    std::exception_ptr exception;   // for handlers that want more (a statement)
};

ExceptionReport describeException(std::exception_ptr exception, const QString &context = {});

// Every exception that escapes an event handler ends here. The handler is
// replaceable: the error dialog installs itself; until then the report goes
// to standard error and work goes on.
using ExceptionHandler = std::function<void(const ExceptionReport &report)>;
// Returns the previous handler; an empty handler restores the default.
ExceptionHandler setExceptionHandler(ExceptionHandler handler);
void reportException(std::exception_ptr exception, const QString &context = {});

} // namespace sys
