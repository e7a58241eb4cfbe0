#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// Every failure of the data store. message() is what the clerk reads (what()
// the same in UTF-8): German where the layer knows the kind of failure,
// otherwise the engine's own words.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString &message, const QString &statement = {}, const QString &details = {})
        : std::runtime_error(message.toStdString()), message_(message), statement_(statement), details_(details) {}
    QString message() const { return message_; }
    // The SQL statement that failed, where there was one (for the error dialog).
    QString statement() const { return statement_; }
    // The engine's own words behind a German message (for the error dialog).
    QString details() const { return details_; }

private:
    QString message_;
    QString statement_;
    QString details_;
};

// Another workstation holds the record or the table.
class LockError : public DatabaseError
{
public:
    using DatabaseError::DatabaseError;
};

// A value that does not fit its field (text that is no number or date, ...).
class ConversionError : public DatabaseError
{
public:
    using DatabaseError::DatabaseError;
};

// Thrown from an event handler (beforeInsert, beforePost, ...) to refuse the
// action quietly; the dataset keeps its state.
class Abort : public std::exception
{
public:
    const char *what() const noexcept override { return "aborted"; }
};

} // namespace db
