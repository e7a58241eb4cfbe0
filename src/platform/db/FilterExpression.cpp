#include "FilterExpression.h"

#include "DatabaseError.h"
#include "private/FieldConvert.h"
#include "TextFormat.h"

#include <cmath>

namespace db {

namespace {

struct Token
{
    enum Kind { End, Name, QuotedName, Text, Number, Operator, Open, Close };
    Kind kind = End;
    QString text;
    int position = 0;
};

// A side of a comparison: a field of the table or a literal value.
struct Operand
{
    enum Kind { Field, Text, Number, Null, Boolean };
    Kind kind = Null;
    int field = -1;
    QString text;       // Text literal; the number as written for Number
    double number = 0;
    bool integral = false;
    bool boolean = false;
};

class Parser
{
public:
    Parser(const QString &expression, const TableDef &table, bool caseInsensitive,
           const std::function<QString(const QString &)> &quote)
        : expression_(expression), table_(table), caseInsensitive_(caseInsensitive), quote_(quote)
    {
        tokenize();
    }

    SqlCondition parse()
    {
        SqlCondition result;
        if (tokens_.size() == 1)
            return result;   // blank: no restriction
        result.sql = orExpression();
        if (peek().kind != Token::End)
            fail(QStringLiteral("unerwartetes \"%1\"").arg(peek().text));
        result.params = params_;
        return result;
    }

private:
    [[noreturn]] void fail(const QString &detail) const
    {
        throw DatabaseError(QStringLiteral("Ungültiger Filterausdruck \"%1\": %2.").arg(expression_, detail));
    }

    void tokenize()
    {
        const QString &s = expression_;
        int i = 0;
        while (i < s.size()) {
            const QChar c = s[i];
            if (c.isSpace()) {
                ++i;
                continue;
            }
            Token token;
            token.position = i;
            if (c == QLatin1Char('\'')) {
                token.kind = Token::Text;
                ++i;
                bool closed = false;
                while (i < s.size()) {
                    if (s[i] == QLatin1Char('\'')) {
                        if (i + 1 < s.size() && s[i + 1] == QLatin1Char('\'')) {
                            token.text += QLatin1Char('\'');
                            i += 2;
                            continue;
                        }
                        closed = true;
                        ++i;
                        break;
                    }
                    token.text += s[i++];
                }
                if (!closed)
                    fail(QStringLiteral("Text ohne schließendes Hochkomma"));
            } else if (c == QLatin1Char('"') || c == QLatin1Char('[')) {
                const QChar closing = c == QLatin1Char('"') ? QLatin1Char('"') : QLatin1Char(']');
                token.kind = Token::QuotedName;
                ++i;
                bool closed = false;
                while (i < s.size()) {
                    if (s[i] == closing) {
                        closed = true;
                        ++i;
                        break;
                    }
                    token.text += s[i++];
                }
                if (!closed)
                    fail(QStringLiteral("Name ohne schließendes %1").arg(closing));
            } else if (c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i + 1 < s.size()
                                       && (s[i + 1].isDigit() || s[i + 1] == QLatin1Char('.'))
                                       && lastAllowsValue())) {
                token.kind = Token::Number;
                token.text += s[i++];
                while (i < s.size()
                       && (s[i].isDigit()
                           || ((s[i] == QLatin1Char('.') || s[i] == QLatin1Char(',')) && i + 1 < s.size()
                               && s[i + 1].isDigit())
                           || ((s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E')) && i + 1 < s.size()
                               && (s[i + 1].isDigit() || s[i + 1] == QLatin1Char('-')))))
                    token.text += s[i++];
            } else if (c.isLetter() || c == QLatin1Char('_')) {
                token.kind = Token::Name;
                while (i < s.size() && (s[i].isLetterOrNumber() || s[i] == QLatin1Char('_')))
                    token.text += s[i++];
            } else if (c == QLatin1Char('(')) {
                token.kind = Token::Open;
                token.text = c;
                ++i;
            } else if (c == QLatin1Char(')')) {
                token.kind = Token::Close;
                token.text = c;
                ++i;
            } else if (QStringLiteral("=<>!").contains(c)) {
                token.kind = Token::Operator;
                token.text += c;
                ++i;
                if (i < s.size() && (s[i] == QLatin1Char('=') || (c == QLatin1Char('<') && s[i] == QLatin1Char('>'))))
                    token.text += s[i++];
                if (token.text == QLatin1String("!") || token.text == QLatin1String("=="))
                    fail(QStringLiteral("unbekannter Operator \"%1\"").arg(token.text));
                if (token.text == QLatin1String("!="))
                    token.text = QStringLiteral("<>");
            } else {
                fail(QStringLiteral("unerwartetes Zeichen \"%1\"").arg(c));
            }
            tokens_.push_back(token);
        }
        Token end;
        end.position = s.size();
        tokens_.push_back(end);
    }

    // A sign starts a number only where a value may follow.
    bool lastAllowsValue() const
    {
        return tokens_.empty() || tokens_.back().kind == Token::Operator || tokens_.back().kind == Token::Open;
    }

    const Token &peek() const { return tokens_[position_]; }
    Token take() { return tokens_[position_ < tokens_.size() - 1 ? position_++ : position_]; }

    bool isKeyword(const Token &token, const char *word) const
    {
        return token.kind == Token::Name && token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    QString orExpression()
    {
        QString sql = andExpression();
        while (isKeyword(peek(), "or")) {
            take();
            sql = QStringLiteral("(%1 OR %2)").arg(sql, andExpression());
        }
        return sql;
    }

    QString andExpression()
    {
        QString sql = notExpression();
        while (isKeyword(peek(), "and")) {
            take();
            sql = QStringLiteral("(%1 AND %2)").arg(sql, notExpression());
        }
        return sql;
    }

    QString notExpression()
    {
        if (isKeyword(peek(), "not")) {
            take();
            return QStringLiteral("(NOT %1)").arg(notExpression());
        }
        if (peek().kind == Token::Open) {
            take();
            const QString sql = orExpression();
            if (peek().kind != Token::Close)
                fail(QStringLiteral("\")\" fehlt"));
            take();
            return QStringLiteral("(%1)").arg(sql);
        }
        return comparison();
    }

    Operand operand()
    {
        const Token token = take();
        Operand result;
        switch (token.kind) {
        case Token::Text:
            result.kind = Operand::Text;
            result.text = token.text;
            return result;
        case Token::Number: {
            result.kind = Operand::Number;
            result.text = token.text;
            QString plain = token.text;
            plain.replace(QLatin1Char(','), QLatin1Char('.'));
            bool ok = false;
            result.number = plain.toDouble(&ok);
            if (!ok)
                fail(QStringLiteral("ungültige Zahl \"%1\"").arg(token.text));
            result.integral = !plain.contains(QLatin1Char('.')) && !plain.contains(QLatin1Char('e'), Qt::CaseInsensitive);
            return result;
        }
        case Token::Name:
            if (isKeyword(token, "null")) {
                result.kind = Operand::Null;
                return result;
            }
            if (isKeyword(token, "true") || isKeyword(token, "false")) {
                if (table_.fieldIndex(token.text) < 0) {
                    result.kind = Operand::Boolean;
                    result.boolean = isKeyword(token, "true");
                    return result;
                }
            }
            [[fallthrough]];
        case Token::QuotedName: {
            const int field = table_.fieldIndex(token.text.trimmed());
            if (field < 0) {
                // A double-quoted text that names no field is a text.
                if (token.kind == Token::QuotedName && expression_[token.position] == QLatin1Char('"')) {
                    result.kind = Operand::Text;
                    result.text = token.text;
                    return result;
                }
                fail(QStringLiteral("Feld \"%1\" nicht gefunden").arg(token.text));
            }
            result.kind = Operand::Field;
            result.field = field;
            return result;
        }
        case Token::End:
            fail(QStringLiteral("Ausdruck endet zu früh"));
        default:
            fail(QStringLiteral("unerwartetes \"%1\"").arg(token.text));
        }
    }

    static QString flipped(const QString &op)
    {
        if (op == QLatin1String("<"))
            return QStringLiteral(">");
        if (op == QLatin1String(">"))
            return QStringLiteral("<");
        if (op == QLatin1String("<="))
            return QStringLiteral(">=");
        if (op == QLatin1String(">="))
            return QStringLiteral("<=");
        return op;
    }

    QString comparison()
    {
        Operand left = operand();
        if (isKeyword(peek(), "is")) {
            take();
            bool negated = false;
            if (isKeyword(peek(), "not")) {
                take();
                negated = true;
            }
            if (!isKeyword(peek(), "null"))
                fail(QStringLiteral("nach IS wird NULL erwartet"));
            take();
            if (left.kind != Operand::Field)
                fail(QStringLiteral("vor IS wird ein Feld erwartet"));
            return nullTest(left.field, negated);
        }
        if (peek().kind != Token::Operator)
            fail(peek().kind == Token::End ? QStringLiteral("Vergleich fehlt")
                                           : QStringLiteral("Vergleich erwartet statt \"%1\"").arg(peek().text));
        QString op = take().text;
        Operand right = operand();
        if (left.kind != Operand::Field && right.kind == Operand::Field) {
            std::swap(left, right);
            op = flipped(op);
        }
        if (left.kind != Operand::Field)
            fail(QStringLiteral("ein Vergleich braucht ein Feld"));
        if (right.kind == Operand::Field)
            return fieldWithField(left.field, op, right.field);
        if (right.kind == Operand::Null) {
            if (op == QLatin1String("="))
                return nullTest(left.field, false);
            if (op == QLatin1String("<>"))
                return nullTest(left.field, true);
            fail(QStringLiteral("NULL lässt sich nur mit = oder <> vergleichen"));
        }
        return fieldWithValue(left.field, op, right);
    }

    QString column(int field) const { return quote_(table_.fields[field].name); }
    bool isText(int field) const
    {
        return table_.fields[field].type == FieldType::Alpha || table_.fields[field].type == FieldType::Memo;
    }

    QString nullTest(int field, bool negated) const
    {
        const QString c = column(field);
        if (isText(field))
            return negated ? QStringLiteral("(%1 IS NOT NULL AND %1 <> '')").arg(c)
                           : QStringLiteral("(%1 IS NULL OR %1 = '')").arg(c);
        return QStringLiteral("%1 IS %2NULL").arg(c, negated ? QStringLiteral("NOT ") : QString());
    }

    QString fieldWithField(int a, const QString &op, int b) const
    {
        QString left = column(a);
        QString right = column(b);
        if (caseInsensitive_ && isText(a) && isText(b)) {
            left = QStringLiteral("lower(%1)").arg(left);
            right = QStringLiteral("lower(%1)").arg(right);
        }
        return QStringLiteral("%1 %2 %3").arg(left, op, right);
    }

    QString bound(const QVariant &value)
    {
        params_ << value;
        return QStringLiteral("?");
    }

    // <> keeps empty fields: a blank field is not equal to any value.
    QString compare(const QString &columnSql, const QString &op, const QString &valueSql, const QString &nullColumn)
    {
        const QString test = QStringLiteral("%1 %2 %3").arg(columnSql, op, valueSql);
        if (op == QLatin1String("<>"))
            return QStringLiteral("(%1 IS NULL OR %2)").arg(nullColumn, test);
        return test;
    }

    QString prefix(const QString &columnSql, const QString &op, const QString &text, bool folded)
    {
        const int length = int(text.toUcs4().size());
        QString test;
        if (length == 0) {
            test = QStringLiteral("1 = 1");
        } else if (folded) {
            test = QStringLiteral("lower(substr(%1, 1, %2)) = lower(%3)").arg(columnSql).arg(length).arg(bound(text));
        } else {
            test = QStringLiteral("substr(%1, 1, %2) = %3").arg(columnSql).arg(length).arg(bound(text));
        }
        if (op == QLatin1String("="))
            return test;
        if (op == QLatin1String("<>"))
            return QStringLiteral("(%1 IS NULL OR NOT (%2))").arg(columnSql, test);
        fail(QStringLiteral("ein Platzhalter * geht nur mit = oder <>"));
    }

    // The value is bound in the column's own type: PostgreSQL reads the
    // parameter as that type and would refuse "12345678901" (eleven digits
    // typed into a search) or 1.5 for an integer column. Such values are
    // settled here: a fraction rounds the bound the right way, a number
    // beyond the column's range matches all of its values or none.
    QString integerCompare(const QString &c, const QString &op, double number, double highest)
    {
        const QString all = QStringLiteral("%1 IS NOT NULL").arg(c);
        const QString none = QStringLiteral("1 = 0");
        const bool whole = number == std::trunc(number);
        const bool below = op == QLatin1String("<") || op == QLatin1String("<=");
        const bool above = op == QLatin1String(">") || op == QLatin1String(">=");
        if (std::isnan(number))
            return op == QLatin1String("<>") ? QStringLiteral("1 = 1") : none;
        if (!whole || number > highest || number < -highest - 1) {
            if (op == QLatin1String("="))
                return none;
            if (op == QLatin1String("<>"))
                return QStringLiteral("1 = 1");
            if (number > highest)
                return below ? all : none;
            if (number < -highest - 1)
                return above ? all : none;
            // A fraction within the range: c < 1.5 is c <= 1, c > 1.5 is c >= 2.
            const int bound_ = int(below ? std::floor(number) : std::ceil(number));
            return compare(c, below ? QStringLiteral("<=") : QStringLiteral(">="), bound(bound_), c);
        }
        return compare(c, op, bound(int(number)), c);
    }

    QString fieldWithValue(int field, const QString &op, const Operand &value)
    {
        const FieldDef &def = table_.fields[field];
        const QString c = column(field);
        const QString nothing = QStringLiteral("1 = 0");
        const QString text = value.kind == Operand::Boolean ? formatBoolean(value.boolean) : value.text;
        const bool wildcard = value.kind == Operand::Text && text.endsWith(QLatin1Char('*'));

        switch (def.type) {
        case FieldType::Alpha:
        case FieldType::Memo: {
            if (wildcard)
                return prefix(c, op, text.chopped(1), caseInsensitive_);
            if (text.isEmpty()) {
                if (op == QLatin1String("="))
                    return nullTest(field, false);
                if (op == QLatin1String("<>"))
                    return nullTest(field, true);
            }
            if (caseInsensitive_)
                return compare(QStringLiteral("lower(%1)").arg(c), op, QStringLiteral("lower(%1)").arg(bound(text)), c);
            return compare(c, op, bound(text), c);
        }
        case FieldType::Short:
        case FieldType::Long:
        case FieldType::AutoInc: {
            if (wildcard)
                return prefix(QStringLiteral("CAST(%1 AS VARCHAR(20))").arg(c), op, text.chopped(1), false);
            std::optional<double> number;
            if (value.kind == Operand::Number) {
                number = value.number;
            } else if (value.kind == Operand::Text) {
                if (auto parsed = parseInteger(text))
                    number = double(*parsed);
                else
                    number = parseNumber(text);
            }
            // Text that is no number matches no record.
            if (!number)
                return op == QLatin1String("<>") ? QStringLiteral("1 = 1") : nothing;
            return integerCompare(c, op, *number, def.type == FieldType::Short ? 32767.0 : 2147483647.0);
        }
        case FieldType::Number:
        case FieldType::Money:
        case FieldType::BCD: {
            std::optional<double> number;
            if (value.kind == Operand::Number)
                number = value.number;
            else if (value.kind == Operand::Text)
                number = parseNumber(text);
            if (!number)
                return op == QLatin1String("<>") ? QStringLiteral("1 = 1") : nothing;
            return compare(c, op, bound(*number), c);
        }
        case FieldType::Logical: {
            std::optional<bool> truth;
            if (value.kind == Operand::Boolean)
                truth = value.boolean;
            else if (value.kind == Operand::Number)
                truth = value.number != 0;
            else
                truth = parseBoolean(text);
            if (!truth)
                return op == QLatin1String("<>") ? QStringLiteral("1 = 1") : nothing;
            return compare(c, op, bound(*truth), c);
        }
        case FieldType::Date:
        case FieldType::Time:
        case FieldType::Timestamp: {
            if (value.kind != Operand::Text)
                fail(QStringLiteral("das Feld %1 erwartet ein Datum in Hochkommas").arg(def.name));
            QVariant typed;
            try {
                typed = detail::toFieldValue(def, text);
            } catch (const ConversionError &) {
                return op == QLatin1String("<>") ? QStringLiteral("1 = 1") : nothing;
            }
            if (!typed.isValid())
                return op == QLatin1String("<>") ? nullTest(field, true) : nullTest(field, false);
            return compare(c, op, bound(typed), c);
        }
        case FieldType::Graphic:
        case FieldType::Blob:
            break;
        }
        fail(QStringLiteral("nach dem Feld %1 kann nicht gefiltert werden").arg(def.name));
    }

    QString expression_;
    const TableDef &table_;
    bool caseInsensitive_;
    std::function<QString(const QString &)> quote_;
    std::vector<Token> tokens_;
    size_t position_ = 0;
    QVariantList params_;
};

} // namespace

SqlCondition parseFilter(const QString &expression, const TableDef &table, bool caseInsensitive,
                         const std::function<QString(const QString &)> &quoteIdentifier)
{
    Parser parser(expression, table, caseInsensitive, quoteIdentifier);
    return parser.parse();
}

} // namespace db
