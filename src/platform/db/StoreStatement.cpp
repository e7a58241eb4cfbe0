#include "private/StoreStatement.h"

#include "DatabaseError.h"

#include <QString>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <set>
#include <sqlite3.h>

namespace db::store {

int Statement::execute()
{
    while (step()) {
    }
    const int affected = rowsAffected();
    reset();
    return affected;
}

// --- SQLite

class SqliteStatement;

class SqliteRegistry
{
public:
    sqlite3 *handle = nullptr;
    std::set<SqliteStatement *> live;
};

ErrorKind sqliteErrorKind(int code)
{
    switch (code) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_ROWID:
        return ErrorKind::KeyViolation;
    case SQLITE_CONSTRAINT_NOTNULL:
        return ErrorKind::RequiredValue;
    default:
        break;
    }
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ErrorKind::Busy;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return ErrorKind::CannotOpen;
    case SQLITE_READONLY:
        return ErrorKind::ReadOnly;
    case SQLITE_FULL:
        return ErrorKind::DiskFull;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return ErrorKind::Damaged;
    case SQLITE_IOERR:
        return ErrorKind::InputOutput;
    default:
        return ErrorKind::General;
    }
}

class SqliteStatement : public Statement
{
public:
    SqliteStatement(SqliteRegistry &registry, sqlite3_stmt *statement, const QString &sql)
        : registry_(&registry), statement_(statement), sql_(sql)
    {
        registry.live.insert(this);
    }

    ~SqliteStatement() override
    {
        if (statement_)
            sqlite3_finalize(statement_);
        if (registry_)
            registry_->live.erase(this);
    }

    void finalize()
    {
        if (statement_)
            sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
    void detach() { registry_ = nullptr; }

    void bind(int position, const QVariant &value) override
    {
        check();
        bindAt(position + 1, value);
    }

    void bindCell(int position, const Row &row, int column, FieldType) override
    {
        check();
        const Cell &cell = row.cells[column];
        const int index = position + 1;
        int rc = SQLITE_OK;
        switch (cell.kind) {
        case Cell::Null:
            rc = sqlite3_bind_null(statement_, index);
            break;
        case Cell::Integer:
            rc = sqlite3_bind_int64(statement_, index, cell.integer);
            break;
        case Cell::Real:
            rc = sqlite3_bind_double(statement_, index, cell.real);
            break;
        case Cell::Text:
            rc = sqlite3_bind_text64(statement_, index, row.bytes.constData() + cell.offset, cell.size,
                                     SQLITE_STATIC, SQLITE_UTF8);
            break;
        case Cell::Bytes:
            rc = sqlite3_bind_blob64(statement_, index, row.bytes.constData() + cell.offset, cell.size,
                                     SQLITE_STATIC);
            break;
        }
        if (rc != SQLITE_OK)
            raise(ErrorKind::General, QString::fromUtf8(sqlite3_errmsg(registry_->handle)), sql_);
    }

    bool bindNamed(const QString &name, const QVariant &value) override
    {
        check();
        const int index = sqlite3_bind_parameter_index(statement_, name.toUtf8().constData());
        if (index <= 0)
            return false;
        bindAt(index, value);
        return true;
    }

    bool step() override
    {
        check();
        if (done_)
            return false;
        rowRead_ = false;
        const int rc = sqlite3_step(statement_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE) {
            done_ = true;
            changes_ = sqlite3_changes(registry_->handle);
            return false;
        }
        const QString message = QString::fromUtf8(sqlite3_errmsg(registry_->handle));
        const int extended = sqlite3_extended_errcode(registry_->handle);
        sqlite3_reset(statement_);
        raise(sqliteErrorKind(extended), message, sql_);
    }

    void reset() override
    {
        if (statement_)
            sqlite3_reset(statement_);
        done_ = false;
        rowRead_ = false;
    }

    void clearBindings() override
    {
        if (statement_)
            sqlite3_clear_bindings(statement_);
    }

    int columnCount() const override { return statement_ ? sqlite3_column_count(statement_) : 0; }

    QString columnName(int column) const override
    {
        return statement_ ? QString::fromUtf8(sqlite3_column_name(statement_, column)) : QString();
    }

    void readRow(Row &row) override
    {
        check();
        const int count = sqlite3_column_count(statement_);
        row.cells.resize(count);
        if (int(sources_.size()) < count)
            sources_.resize(count);
        // One call into the statement per column: its value answers type,
        // content and size without the statement's checks each time (one
        // connection serves one thread, so the value needs no lock). Text
        // and bytes are located first and copied in one go; a recycled row
        // keeps its buffers, so scanning allocates nothing.
        qsizetype total = 0;
        for (int i = 0; i < count; ++i) {
            Cell &cell = row.cells[i];
            sqlite3_value *value = sqlite3_column_value(statement_, i);
            switch (sqlite3_value_type(value)) {
            case SQLITE_INTEGER:
                cell.kind = Cell::Integer;
                cell.size = 0;
                cell.integer = sqlite3_value_int64(value);
                break;
            case SQLITE_FLOAT:
                cell.kind = Cell::Real;
                cell.size = 0;
                cell.real = sqlite3_value_double(value);
                break;
            case SQLITE_TEXT:
                cell.kind = Cell::Text;
                sources_[i] = sqlite3_value_text(value);
                cell.offset = quint32(total);
                cell.size = quint32(sqlite3_value_bytes(value));
                total += cell.size;
                break;
            case SQLITE_BLOB:
                cell.kind = Cell::Bytes;
                sources_[i] = sqlite3_value_blob(value);
                cell.offset = quint32(total);
                cell.size = quint32(sqlite3_value_bytes(value));
                total += cell.size;
                break;
            default:
                cell = Cell();
                break;
            }
        }
        row.bytes.resize(total);
        char *out = row.bytes.data();
        // The pointers stay valid: nothing converts a value in between.
        for (int i = 0; i < count; ++i) {
            const Cell &cell = row.cells[i];
            if (cell.size != 0)
                std::memcpy(out + cell.offset, sources_[i], cell.size);
        }
    }

    QVariant value(int column) override
    {
        check();
        if (!rowRead_) {
            readRow(current_);
            rowRead_ = true;
        }
        if (column < 0 || column >= int(current_.cells.size()))
            return {};
        const Cell &cell = current_.cells[column];
        const char *declared = sqlite3_column_decltype(statement_, column);
        if (declared && *declared)
            return cellValue(current_, column, fieldTypeFromSql(QString::fromUtf8(declared)));
        switch (cell.kind) {
        case Cell::Integer:
            return cell.integer;
        case Cell::Real:
            return cell.real;
        case Cell::Text:
            return current_.text(column);
        case Cell::Bytes:
            return current_.rawBytes(column);
        case Cell::Null:
            break;
        }
        return {};
    }

    int rowsAffected() const override { return changes_; }
    QString sql() const override { return sql_; }
    int parameterCount() const override
    {
        return statement_ ? sqlite3_bind_parameter_count(statement_) : 0;
    }

private:
    void check() const
    {
        if (!statement_ || !registry_)
            throw DatabaseError(QStringLiteral("Die Datenbankverbindung ist geschlossen."), sql_);
    }

    void bindAt(int index, const QVariant &value)
    {
        int rc = SQLITE_OK;
        switch (storedKind(value)) {
        case StoredKind::Null:
            rc = sqlite3_bind_null(statement_, index);
            break;
        case StoredKind::Integer:
            rc = sqlite3_bind_int64(statement_, index, value.toLongLong());
            break;
        case StoredKind::Real:
            rc = sqlite3_bind_double(statement_, index, value.toDouble());
            break;
        case StoredKind::Bytes: {
            // Shared, not copied: the statement's own reference keeps it.
            QByteArray &data = boundBuffer(index);
            data = value.toByteArray();
            rc = sqlite3_bind_blob64(statement_, index, data.constData(), sqlite3_uint64(data.size()), SQLITE_STATIC);
            break;
        }
        case StoredKind::Date:
            rc = bindText(index, storedDate(value.toDate()));
            break;
        case StoredKind::Time:
            rc = bindText(index, storedTime(value.toTime()));
            break;
        case StoredKind::DateTime:
            rc = bindText(index, storedDateTime(value.toDateTime()));
            break;
        case StoredKind::Text:
            rc = value.typeId() == QMetaType::QString ? bindText(index, *static_cast<const QString *>(value.constData()))
                                                       : bindText(index, value.toString());
            break;
        }
        if (rc != SQLITE_OK)
            raise(ErrorKind::General, QString::fromUtf8(sqlite3_errmsg(registry_->handle)), sql_);
    }

    // Text is encoded into a buffer the statement keeps per parameter and
    // reuses, so binding neither allocates nor makes SQLite copy it again.
    int bindText(int index, const QString &text)
    {
        if (text.isEmpty())
            return sqlite3_bind_text64(statement_, index, "", 0, SQLITE_STATIC, SQLITE_UTF8);
        QByteArray &buffer = boundBuffer(index);
        if (!buffer.isDetached())
            buffer = QByteArray();
        buffer.resize(encoder_.requiredSpace(text.size()));
        char *start = buffer.data();
        const char *end = encoder_.appendToBuffer(start, text);
        return sqlite3_bind_text64(statement_, index, start, sqlite3_uint64(end - start), SQLITE_STATIC,
                                   SQLITE_UTF8);
    }

    QByteArray &boundBuffer(int index)
    {
        if (index > int(bound_.size()))
            bound_.resize(index);
        return bound_[index - 1];
    }

    SqliteRegistry *registry_;
    sqlite3_stmt *statement_;
    QString sql_;
    bool done_ = false;
    bool rowRead_ = false;
    int changes_ = 0;
    Row current_;
    std::vector<const void *> sources_;   // readRow's text and bytes, by column
    // Values bound in place (SQLITE_STATIC), by parameter.
    std::vector<QByteArray> bound_;
    QStringEncoder encoder_{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
};

SqliteRegistryPointer makeSqliteRegistry(sqlite3 *handle)
{
    SqliteRegistryPointer registry(new SqliteRegistry);
    registry->handle = handle;
    return registry;
}

std::unique_ptr<Statement> prepareSqlite(SqliteRegistry &registry, const QString &sql)
{
    if (!registry.handle)
        throw DatabaseError(QStringLiteral("Die Datenbankverbindung ist geschlossen."), sql);
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    const int rc = sqlite3_prepare_v3(registry.handle, utf8.constData(), int(utf8.size()),
                                      SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(registry.handle));
        sqlite3_finalize(statement);
        raise(sqliteErrorKind(sqlite3_extended_errcode(registry.handle)), message, sql);
    }
    if (!statement)   // only blanks or a comment
        throw DatabaseError(QStringLiteral("Leere SQL-Anweisung."), sql);
    return std::make_unique<SqliteStatement>(registry, statement, sql);
}

void finalizeAll(SqliteRegistry &registry)
{
    for (SqliteStatement *statement : registry.live)
        statement->finalize();
}

void destroyRegistry(SqliteRegistry *registry)
{
    if (!registry)
        return;
    for (SqliteStatement *statement : registry->live) {
        statement->finalize();
        statement->detach();
    }
    delete registry;
}

namespace {

void foldCase(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const bool upper = sqlite3_user_data(context) != nullptr;
    const unsigned char *text = sqlite3_value_text(arguments[0]);
    const int size = sqlite3_value_bytes(arguments[0]);
    bool ascii = true;
    for (int i = 0; i < size && ascii; ++i)
        ascii = text[i] < 0x80;
    if (ascii) {
        std::string folded(reinterpret_cast<const char *>(text), size_t(size));
        for (char &c : folded) {
            if (upper && c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
            else if (!upper && c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        }
        sqlite3_result_text(context, folded.data(), size, SQLITE_TRANSIENT);
        return;
    }
    const QString value = QString::fromUtf8(reinterpret_cast<const char *>(text), size);
    const QByteArray folded = (upper ? value.toUpper() : value.toLower()).toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

// The tails of two texts in the order of their lower-case forms' UTF-8
// bytes (code point order).
int compareLoweredTails(const unsigned char *a, int size1, const unsigned char *b, int size2)
{
    const QByteArray left = QString::fromUtf8(reinterpret_cast<const char *>(a), size1).toLower().toUtf8();
    const QByteArray right = QString::fromUtf8(reinterpret_cast<const char *>(b), size2).toLower().toUtf8();
    const int order = std::memcmp(left.constData(), right.constData(), size_t(std::min(left.size(), right.size())));
    if (order != 0)
        return order;
    return left.size() < right.size() ? -1 : left.size() > right.size() ? 1 : 0;
}

// The character at p, which moves behind it, as QString::fromUtf8 reads
// it; -1 for bytes that are no valid UTF-8 (p then stays), which only the
// whole text tells.
inline qint32 nextCodePoint(const unsigned char *&p, const unsigned char *end)
{
    const unsigned char lead = *p;
    char32_t code = 0;
    int length = 0;
    if (lead < 0x80) {
        ++p;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        code = lead & 0x1F;
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        code = lead & 0x0F;
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        code = lead & 0x07;
        length = 4;
    } else {
        return -1;
    }
    if (end - p < length)
        return -1;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return -1;
        code = (code << 6) | (p[i] & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF)
        return -1;
    p += length;
    return qint32(code);
}

inline unsigned char asciiLower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

bool startsWithByteOrderMark(const unsigned char *p, const unsigned char *end)
{
    return end - p >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF;
}

// NOCASE as lower() sees it: SQLite's own folds only ASCII, so "Ägypten"
// and "ägypten" were different keys of a case-insensitive index while a
// filter took them for the same. Compares the lower-case forms byte by byte
// (code point order), as the built-in one does for ASCII. Character by
// character, lowering only characters that differ: an index on names full
// of umlauts compares often. Where that cannot tell, the texts from their
// first non-ASCII character are lowered whole; this order is the one stored
// indexes were built in, so both ways must agree exactly (QString::fromUtf8
// drops a byte order mark at the start of what it converts; U+0130 lowers
// to two characters).
int compareNoCase(void *, int size1, const void *data1, int size2, const void *data2)
{
    const auto *a = static_cast<const unsigned char *>(data1);
    const auto *b = static_cast<const unsigned char *>(data2);
    const unsigned char *endA = a + size1;
    const unsigned char *endB = b + size2;
    const unsigned char *wideA = nullptr;
    const unsigned char *wideB = nullptr;
    const auto whole = [&] { return compareLoweredTails(wideA, int(endA - wideA), wideB, int(endB - wideB)); };
    while (a < endA && b < endB) {
        if ((*a | *b) < 0x80) {
            const unsigned char x = asciiLower(*a++);
            const unsigned char y = asciiLower(*b++);
            if (x != y)
                return x < y ? -1 : 1;
            continue;
        }
        if (!wideA) {
            wideA = a;
            wideB = b;
            if (startsWithByteOrderMark(a, endA) || startsWithByteOrderMark(b, endB))
                return whole();
        }
        const qint32 x = nextCodePoint(a, endA);
        const qint32 y = x < 0 ? -1 : nextCodePoint(b, endB);
        if (y < 0)
            return whole();
        if (x == y)
            continue;
        if (x == 0x130 || y == 0x130)
            return whole();
        const char32_t lowerX = QChar::toLower(char32_t(x));
        const char32_t lowerY = QChar::toLower(char32_t(y));
        if (lowerX != lowerY)
            return lowerX < lowerY ? -1 : 1;
    }
    return a < endA ? 1 : b < endB ? -1 : 0;
}

} // namespace

void installSqliteFunctions(sqlite3 *handle)
{
    static int upperTag = 1;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function_v2(handle, "lower", 1, flags, nullptr, foldCase, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "upper", 1, flags, &upperTag, foldCase, nullptr, nullptr, nullptr);
    sqlite3_create_collation_v2(handle, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase, nullptr);
}

// --- PostgreSQL

ErrorKind postgresErrorKind(const QString &sqlState)
{
    if (sqlState == QLatin1String("23505"))
        return ErrorKind::KeyViolation;
    if (sqlState == QLatin1String("23502"))
        return ErrorKind::RequiredValue;
    if (sqlState == QLatin1String("55P03") || sqlState == QLatin1String("40P01") || sqlState == QLatin1String("40001"))
        return ErrorKind::Busy;
    // Connection failures, and a server shutting down or starting.
    if (sqlState.startsWith(QLatin1String("08")) || sqlState == QLatin1String("57P01")
        || sqlState == QLatin1String("57P02") || sqlState == QLatin1String("57P03"))
        return ErrorKind::CannotOpen;
    if (sqlState == QLatin1String("25006"))
        return ErrorKind::ReadOnly;
    if (sqlState == QLatin1String("53100"))
        return ErrorKind::DiskFull;
    if (sqlState == QLatin1String("XX001") || sqlState == QLatin1String("XX002"))
        return ErrorKind::Damaged;
    if (sqlState == QLatin1String("58030"))
        return ErrorKind::InputOutput;
    return ErrorKind::General;
}

} // namespace db::store
