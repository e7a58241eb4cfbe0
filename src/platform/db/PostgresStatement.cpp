#include "private/PostgresStatement.h"

#include "DatabaseError.h"

#include <QHash>
#include <QStringList>
#include <charconv>
#include <cstring>
#include <libpq-fe.h>

namespace db::store {

namespace {

// Type numbers of the built-in types the layer's columns use.
enum : Oid {
    BoolOid = 16,
    ByteaOid = 17,
    Int8Oid = 20,
    Int2Oid = 21,
    Int4Oid = 23,
    OidOid = 26,
    Float4Oid = 700,
    Float8Oid = 701,
    DateOid = 1082,
    TimeOid = 1083,
    TimestampOid = 1114,
    TimestampTzOid = 1184,
    NumericOid = 1700,
};

const char *const statementSavepoint = "razazu_statement";

ErrorKind errorKind(const PGresult *result)
{
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    return state ? postgresErrorKind(QString::fromLatin1(state)) : ErrorKind::General;
}

QString errorText(PGconn *handle, const PGresult *result)
{
    const char *primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    QString message = QString::fromUtf8(primary ? primary : PQerrorMessage(handle)).trimmed();
    if (message.isEmpty())
        message = QStringLiteral("Unbekannter Fehler der Datenbankverbindung.");
    return message;
}

bool failed(const PGresult *result)
{
    const ExecStatusType status = PQresultStatus(result);
    return status == PGRES_FATAL_ERROR || status == PGRES_BAD_RESPONSE || status == PGRES_NONFATAL_ERROR
           || status == PGRES_PIPELINE_ABORTED;
}

using ResultPointer = std::unique_ptr<PGresult, decltype(&PQclear)>;

ResultPointer noResult()
{
    return ResultPointer(nullptr, &PQclear);
}

} // namespace

class PostgresSession
{
public:
    PGconn *handle = nullptr;
    int serial = 0;
    int guardDepth = 0;
    bool savepointWanted = false;   // a guarded write has not sent a command yet
    bool savepointTaken = false;    // ... and has
    bool releasePending = false;    // goes out ahead of the next command
    QStringList unused;             // prepared statements to free

    void check(const QString &sql) const
    {
        if (!handle)
            throw DatabaseError(QStringLiteral("Die Datenbankverbindung ist geschlossen."), sql);
    }

    // Commands that go ahead of the next one: the savepoint's release and
    // freeing unused statements, which a failed transaction refuses.
    QList<QByteArray> prefix()
    {
        QList<QByteArray> commands;
        const PGTransactionStatusType status = PQtransactionStatus(handle);
        if (releasePending && status == PQTRANS_INTRANS)
            commands << QByteArray("RELEASE SAVEPOINT ") + statementSavepoint;
        releasePending = false;
        if (status != PQTRANS_INERROR) {
            for (const QString &name : std::as_const(unused))
                commands << "DEALLOCATE " + name.toUtf8();
            unused.clear();
        }
        if (savepointWanted && !savepointTaken && status == PQTRANS_INTRANS) {
            commands << QByteArray("SAVEPOINT ") + statementSavepoint;
            savepointTaken = true;
        }
        return commands;
    }

    // Sends the pending commands and then the one `send` puts out, in one
    // round trip; returns the result of the latter.
    ResultPointer exchange(const std::function<int(PGconn *)> &send, const QString &sql)
    {
        check(sql);
        const QList<QByteArray> ahead = prefix();
        const bool pipeline = !ahead.isEmpty();
        if (pipeline && !PQenterPipelineMode(handle))
            raise(ErrorKind::General, errorText(handle, nullptr), sql);
        bool sent = true;
        for (const QByteArray &command : ahead)
            sent = sent && PQsendQueryParams(handle, command.constData(), 0, nullptr, nullptr, nullptr, nullptr, 0);
        sent = sent && send(handle);
        if (pipeline)
            sent = sent && PQpipelineSync(handle);
        ResultPointer failure = noResult();
        ResultPointer last = noResult();
        if (sent) {
            // Every result up to the end of the exchange, the first failure kept.
            const int commands = pipeline ? int(ahead.size()) + 1 : 1;
            for (int i = 0; i < commands; ++i) {
                while (PGresult *result = PQgetResult(handle)) {
                    ResultPointer owned(result, &PQclear);
                    if (failed(result) && !failure && PQresultStatus(result) != PGRES_PIPELINE_ABORTED)
                        failure = std::move(owned);
                    else if (i == commands - 1)
                        last = std::move(owned);
                }
            }
            if (pipeline) {
                // The sync's own result, then out of the pipeline.
                while (PGresult *result = PQgetResult(handle)) {
                    const bool sync = PQresultStatus(result) == PGRES_PIPELINE_SYNC;
                    PQclear(result);
                    if (sync)
                        break;
                }
                PQexitPipelineMode(handle);
            }
        } else {
            while (PGresult *result = PQgetResult(handle))
                PQclear(result);
            if (pipeline)
                PQexitPipelineMode(handle);
        }
        if (!sent || failure)
            raise(errorKind(failure.get()), errorText(handle, failure.get()), sql);
        if (!last || failed(last.get()))
            raise(errorKind(last.get()), errorText(handle, last.get()), sql);
        return last;
    }

    // COPY ... FROM STDIN with data in the text form of COPY.
    void copyIn(const QByteArray &command, const QByteArray &data, const QString &sql)
    {
        check(sql);
        // The pending commands go in the same text, ahead of the COPY.
        QList<QByteArray> commands = prefix();
        commands << command;
        ResultPointer failure = noResult();
        auto keepFailure = [&](PGresult *result) {
            if (failed(result) && !failure)
                failure.reset(result);
            else
                PQclear(result);
        };
        if (PQsendQuery(handle, commands.join("; ").constData())) {
            while (PGresult *result = PQgetResult(handle)) {
                if (PQresultStatus(result) != PGRES_COPY_IN) {
                    keepFailure(result);
                    continue;
                }
                PQclear(result);
                if (PQputCopyData(handle, data.constData(), int(data.size())) != 1)
                    PQputCopyEnd(handle, "the data could not be sent");
                else
                    PQputCopyEnd(handle, nullptr);
            }
        }
        if (failure || PQstatus(handle) != CONNECTION_OK)
            raise(errorKind(failure.get()), errorText(handle, failure.get()), sql);
    }
};

namespace {

struct Parameter
{
    QByteArray data;
    bool null = true;
    bool binary = false;
};

// Keeps the buffer of earlier bindings: no allocation per row.
void setBytes(QByteArray &data, const char *bytes, qsizetype size)
{
    data.resize(size);
    if (size > 0)
        std::memcpy(data.data(), bytes, size_t(size));
}

template<typename Number>
void setNumber(QByteArray &data, Number number)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    setBytes(data, buffer, end - buffer);
}

void setParameter(Parameter &parameter, const QVariant &value)
{
    parameter.binary = false;
    parameter.null = false;
    switch (storedKind(value)) {
    case StoredKind::Null:
        parameter.null = true;
        break;
    case StoredKind::Integer:
        setNumber(parameter.data, value.toLongLong());
        break;
    case StoredKind::Real:
        setNumber(parameter.data, value.toDouble());
        break;
    case StoredKind::Bytes:
        parameter.data = value.toByteArray();
        parameter.binary = true;
        break;
    case StoredKind::Date:
        parameter.data = storedDate(value.toDate()).toUtf8();
        break;
    case StoredKind::Time:
        parameter.data = storedTime(value.toTime()).toUtf8();
        break;
    case StoredKind::DateTime: {
        // No 'T', no zone: the column's type gives the meaning.
        const QDateTime dateTime = value.toDateTime();
        parameter.data = (storedDate(dateTime.date()) + QLatin1Char(' ') + storedTime(dateTime.time())).toUtf8();
        break;
    }
    case StoredKind::Text:
        parameter.data = value.toString().toUtf8();
        break;
    }
}

// A cell of a fetched or built row, as the store gave it.
void setParameter(Parameter &parameter, const Row &row, int column)
{
    const Cell &cell = row.cells[size_t(column)];
    parameter.binary = false;
    parameter.null = false;
    switch (cell.kind) {
    case Cell::Null:
        parameter.null = true;
        break;
    case Cell::Integer:
        setNumber(parameter.data, cell.integer);
        break;
    case Cell::Real:
        setNumber(parameter.data, cell.real);
        break;
    case Cell::Text:
        setBytes(parameter.data, row.bytes.constData() + cell.offset, cell.size);
        break;
    case Cell::Bytes:
        setBytes(parameter.data, row.bytes.constData() + cell.offset, cell.size);
        parameter.binary = true;
        break;
    }
}

class PostgresStatement : public Statement
{
public:
    PostgresStatement(PostgresSessionPointer session, const QString &sql)
        : session_(std::move(session)), sql_(sql)
    {
        const QByteArray text = numberedParameters(sql);
        parameters_.resize(size_t(names_.size()));
        // Statements without parameters (SET, BEGIN, CREATE ...) run as
        // they are, several in one text if need be.
        if (names_.isEmpty()) {
            text_ = text;
            return;
        }
        name_ = "rz_" + QByteArray::number(++session_->serial);
        session_->exchange([&](PGconn *handle) {
            return PQsendPrepare(handle, name_.constData(), text.constData(), 0, nullptr);
        }, sql_);
    }

    ~PostgresStatement() override
    {
        if (!name_.isEmpty() && session_->handle)
            session_->unused << QString::fromLatin1(name_);
    }

    void bind(int position, const QVariant &value) override { setParameter(at(position), value); }

    void bindCell(int position, const Row &row, int column, FieldType) override
    {
        setParameter(at(position), row, column);
    }

    bool bindNamed(const QString &name, const QVariant &value) override
    {
        const int index = int(names_.indexOf(name));
        if (index < 0)
            return false;
        bind(index, value);
        return true;
    }

    bool step() override
    {
        if (!result_) {
            run();
            row_ = -1;
        }
        if (row_ + 1 >= PQntuples(result_.get()))
            return false;
        ++row_;
        return true;
    }

    void reset() override
    {
        result_.reset();
        row_ = -1;
    }

    void clearBindings() override {}

    int columnCount() const override { return result_ ? PQnfields(result_.get()) : 0; }

    QString columnName(int column) const override
    {
        return result_ ? QString::fromUtf8(PQfname(result_.get(), column)) : QString();
    }

    void readRow(Row &row) override
    {
        const PGresult *result = result_.get();
        const int count = PQnfields(result);
        if (types_.size() != size_t(count)) {
            types_.resize(size_t(count));
            for (int i = 0; i < count; ++i)
                types_[size_t(i)] = PQftype(result, i);
        }
        row.cells.resize(size_t(count));
        row.bytes.resize(0);
        for (int i = 0; i < count; ++i) {
            Cell &cell = row.cells[size_t(i)];
            cell = Cell();
            if (PQgetisnull(result, row_, i))
                continue;
            const char *text = PQgetvalue(result, row_, i);
            const int size = PQgetlength(result, row_, i);
            switch (types_[size_t(i)]) {
            case BoolOid:
                cell.kind = Cell::Integer;
                cell.integer = text[0] == 't' ? 1 : 0;
                break;
            case Int2Oid:
            case Int4Oid:
            case Int8Oid:
            case OidOid:
                cell.kind = Cell::Integer;
                std::from_chars(text, text + size, cell.integer);
                break;
            case Float4Oid:
            case Float8Oid:
            case NumericOid:
                cell.kind = Cell::Real;
                if (std::from_chars(text, text + size, cell.real).ec != std::errc())
                    cell.real = QByteArray(text, size).toDouble();
                break;
            case ByteaOid:
                putBytes(row, cell, text, size);
                break;
            default:
                cell.kind = Cell::Text;
                cell.offset = quint32(row.bytes.size());
                cell.size = quint32(size);
                row.bytes.append(text, size);
                break;
            }
        }
    }

    QVariant value(int column) override
    {
        if (!result_ || row_ < 0 || column < 0 || column >= PQnfields(result_.get()))
            return {};
        if (!rowRead_ || readAt_ != row_) {
            readRow(current_);
            readAt_ = row_;
            rowRead_ = true;
        }
        const Cell &cell = current_.cells[size_t(column)];
        switch (types_[size_t(column)]) {
        case Int8Oid:
        case OidOid:
            return cell.kind == Cell::Null ? QVariant() : QVariant(qlonglong(cell.integer));
        case Int2Oid:
        case Int4Oid:
            return cellValue(current_, column, FieldType::Long);
        case BoolOid:
            return cellValue(current_, column, FieldType::Logical);
        case Float4Oid:
        case Float8Oid:
        case NumericOid:
            return cellValue(current_, column, FieldType::Number);
        case DateOid:
            return cellValue(current_, column, FieldType::Date);
        case TimeOid:
            return cellValue(current_, column, FieldType::Time);
        case TimestampOid:
        case TimestampTzOid:
            return cellValue(current_, column, FieldType::Timestamp);
        case ByteaOid:
            return cellValue(current_, column, FieldType::Blob);
        default:
            return cellValue(current_, column, FieldType::Memo);
        }
    }

    int rowsAffected() const override { return affected_; }
    QString sql() const override { return sql_; }
    int parameterCount() const override { return int(names_.size()); }

private:
    Parameter &at(int position)
    {
        if (position < 0 || position >= int(parameters_.size()))
            throw DatabaseError(QStringLiteral("Die Anweisung hat keinen Parameter %1.").arg(position + 1), sql_);
        return parameters_[size_t(position)];
    }

    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return 0;
    }

    // bytea in its text form: "\x" and two hex digits a byte.
    static void putBytes(Row &row, Cell &cell, const char *text, int size)
    {
        cell.kind = Cell::Bytes;
        cell.offset = quint32(row.bytes.size());
        if (size >= 2 && text[0] == '\\' && text[1] == 'x') {
            const int count = (size - 2) / 2;
            cell.size = quint32(count);
            row.bytes.resize(row.bytes.size() + count);
            char *out = row.bytes.data() + cell.offset;
            for (int i = 0; i < count; ++i)
                out[i] = char(hexDigit(text[2 + 2 * i]) * 16 + hexDigit(text[3 + 2 * i]));
            return;
        }
        size_t length = 0;
        unsigned char *bytes = PQunescapeBytea(reinterpret_cast<const unsigned char *>(text), &length);
        cell.size = quint32(length);
        row.bytes.append(reinterpret_cast<const char *>(bytes), qsizetype(length));
        PQfreemem(bytes);
    }

    void run()
    {
        rowRead_ = false;
        if (name_.isEmpty()) {
            result_ = session_->exchange([&](PGconn *handle) {
                // A pipeline takes no simple query: the text then goes as
                // one statement of the extended protocol.
                if (PQpipelineStatus(handle) != PQ_PIPELINE_OFF)
                    return PQsendQueryParams(handle, text_.constData(), 0, nullptr, nullptr, nullptr, nullptr, 0);
                return PQsendQuery(handle, text_.constData());
            }, sql_);
        } else {
            const int count = int(parameters_.size());
            values_.resize(size_t(count));
            lengths_.resize(size_t(count));
            formats_.resize(size_t(count));
            for (int i = 0; i < count; ++i) {
                const Parameter &parameter = parameters_[size_t(i)];
                values_[size_t(i)] = parameter.null ? nullptr : parameter.data.constData();
                lengths_[size_t(i)] = int(parameter.data.size());
                formats_[size_t(i)] = parameter.binary ? 1 : 0;
            }
            result_ = session_->exchange([&](PGconn *handle) {
                return PQsendQueryPrepared(handle, name_.constData(), count, values_.data(), lengths_.data(),
                                           formats_.data(), 0);
            }, sql_);
        }
        const char *tuples = PQcmdTuples(result_.get());
        affected_ = tuples && *tuples ? std::atoi(tuples) : 0;
        if (PQresultStatus(result_.get()) != PGRES_TUPLES_OK)
            types_.clear();
    }

    // '?' and ':name' outside quotes become $1, $2 ...; "::type" is a cast.
    QByteArray numberedParameters(const QString &sql)
    {
        QString out;
        out.reserve(sql.size() + 16);
        QChar quote;
        for (qsizetype i = 0; i < sql.size(); ++i) {
            const QChar c = sql[i];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
                out += c;
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quote = c;
                out += c;
            } else if (c == QLatin1Char('?')) {
                names_ << QString();
                out += QLatin1Char('$') + QString::number(names_.size());
            } else if (c == QLatin1Char(':') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char(':')) {
                out += QLatin1String("::");
                ++i;
            } else if (c == QLatin1Char(':') && i + 1 < sql.size()
                       && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
                qsizetype end = i + 1;
                while (end < sql.size() && (sql[end].isLetterOrNumber() || sql[end] == QLatin1Char('_')))
                    ++end;
                const QString name = sql.mid(i, end - i);
                qsizetype index = names_.indexOf(name);
                if (index < 0) {
                    names_ << name;
                    index = names_.size() - 1;
                }
                out += QLatin1Char('$') + QString::number(index + 1);
                i = end - 1;
            } else {
                out += c;
            }
        }
        return out.toUtf8();
    }

    PostgresSessionPointer session_;
    QString sql_;
    QByteArray text_;                 // runs as it is
    QByteArray name_;                 // or prepared under this name
    QStringList names_;               // per parameter: its name, empty for '?'
    std::vector<Parameter> parameters_;
    std::vector<const char *> values_;
    std::vector<int> lengths_;
    std::vector<int> formats_;
    std::vector<Oid> types_;          // per result column
    ResultPointer result_ = noResult();
    int row_ = -1;
    int affected_ = 0;
    Row current_;
    bool rowRead_ = false;
    int readAt_ = -1;
};

// Appends rows with COPY: each run adds the bound values to a buffer, which
// goes to the server when it is full and at flush(). The connection stays
// free in between, so the rows may come from a cursor on it.
class PostgresCopy : public Statement
{
public:
    PostgresCopy(PostgresSessionPointer session, const QString &table, const QStringList &columns)
        : session_(std::move(session)),
          command_(QStringLiteral("COPY %1 (%2) FROM STDIN").arg(table, columns.join(QLatin1String(", "))).toUtf8()),
          parameters_(size_t(columns.size()))
    {
        session_->check(sql());
    }

    ~PostgresCopy() override = default;

    void bind(int position, const QVariant &value) override { setParameter(at(position), value); }
    void bindCell(int position, const Row &row, int column, FieldType) override
    {
        setParameter(at(position), row, column);
    }
    bool bindNamed(const QString &, const QVariant &) override { return false; }

    bool step() override
    {
        for (size_t i = 0; i < parameters_.size(); ++i) {
            if (i > 0)
                buffer_ += '\t';
            const Parameter &parameter = parameters_[i];
            if (parameter.null)
                buffer_ += "\\N";
            else if (parameter.binary)
                buffer_ += "\\\\x" + parameter.data.toHex();
            else
                appendEscaped(parameter.data);
        }
        buffer_ += '\n';
        if (buffer_.size() >= flushSize)
            flush();
        return false;
    }

    void reset() override {}
    void clearBindings() override {}
    int columnCount() const override { return 0; }
    QString columnName(int) const override { return {}; }
    void readRow(Row &row) override { row = Row(); }
    QVariant value(int) override { return {}; }
    int rowsAffected() const override { return 1; }
    QString sql() const override { return QString::fromUtf8(command_); }
    int parameterCount() const override { return int(parameters_.size()); }

    void flush() override
    {
        if (buffer_.isEmpty())
            return;
        QByteArray data;
        data.swap(buffer_);
        session_->copyIn(command_, data, sql());
    }

private:
    static constexpr qsizetype flushSize = 1 << 20;

    Parameter &at(int position)
    {
        if (position < 0 || position >= int(parameters_.size()))
            throw DatabaseError(QStringLiteral("Die Anweisung hat keinen Parameter %1.").arg(position + 1), sql());
        return parameters_[size_t(position)];
    }

    void appendEscaped(const QByteArray &text)
    {
        for (const char c : text) {
            switch (c) {
            case '\\':
                buffer_ += "\\\\";
                break;
            case '\t':
                buffer_ += "\\t";
                break;
            case '\n':
                buffer_ += "\\n";
                break;
            case '\r':
                buffer_ += "\\r";
                break;
            default:
                buffer_ += c;
                break;
            }
        }
    }

    PostgresSessionPointer session_;
    QByteArray command_;
    std::vector<Parameter> parameters_;
    QByteArray buffer_;
};

} // namespace

PostgresSessionPointer makePostgresSession(PGconn *handle)
{
    auto session = std::make_shared<PostgresSession>();
    session->handle = handle;
    return session;
}

std::unique_ptr<Statement> preparePostgresCopy(const PostgresSessionPointer &session, const QString &table,
                                               const QStringList &columns)
{
    return std::make_unique<PostgresCopy>(session, table, columns);
}

void closePostgresSession(PostgresSession &session)
{
    session.handle = nullptr;
    session.unused.clear();
    session.releasePending = false;
}

std::unique_ptr<Statement> preparePostgres(const PostgresSessionPointer &session, const QString &sql)
{
    session->check(sql);
    return std::make_unique<PostgresStatement>(session, sql);
}

void guardedWrite(PostgresSession &session, const std::function<void()> &write)
{
    // A write inside a guarded one is covered by its savepoint.
    if (session.guardDepth > 0) {
        write();
        return;
    }
    ++session.guardDepth;
    session.savepointWanted = true;
    session.savepointTaken = false;
    auto leave = [&] {
        --session.guardDepth;
        session.savepointWanted = false;
        const bool taken = session.savepointTaken;
        session.savepointTaken = false;
        return taken;
    };
    try {
        write();
    } catch (...) {
        if (leave() && session.handle) {
            const QByteArray undo = QByteArray("ROLLBACK TO SAVEPOINT ") + statementSavepoint
                                    + "; RELEASE SAVEPOINT " + statementSavepoint;
            PQclear(PQexec(session.handle, undo.constData()));
        }
        throw;
    }
    session.releasePending = leave();
}

} // namespace db::store
