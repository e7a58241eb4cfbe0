#pragma once

#include <QString>
#include <stdexcept>

namespace print {

// Every failure of printing: no such printer, a job that cannot start, a
// picture or PDF file that cannot be read or written. what() carries the
// message (UTF-8), message() the same as QString.
class PrintError : public std::runtime_error
{
public:
    explicit PrintError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace print
