#include "EditMask.h"

namespace ui {

EditMask EditMask::fromOldMask(const QString &mask)
{
    EditMask result;
    if (mask.isEmpty())
        return result;
    const QStringList parts = mask.split(QLatin1Char(';'));
    const QString body = parts.value(0);
    if (parts.size() > 1)
        result.keepLiterals = parts.at(1).trimmed() != QLatin1String("0");
    const QChar blank = parts.size() > 2 && !parts.at(2).isEmpty() ? parts.at(2).at(0) : QLatin1Char(' ');

    // Characters Qt reads as mask characters must be escaped to stand for
    // themselves.
    const QString qtMeta = QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\");
    QString converted;
    for (int i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (c == QLatin1Char('\\') && i + 1 < body.size()) {
            const QChar literal = body.at(++i);
            result.literals += literal;
            if (qtMeta.contains(literal))
                converted += QLatin1Char('\\');
            converted += literal;
        } else if (c == QLatin1Char('0')) {
            converted += QLatin1Char('9');      // required digit
        } else if (c == QLatin1Char('9')) {
            converted += QLatin1Char('0');      // optional digit
        } else if (c == QLatin1Char('#')) {
            converted += QLatin1Char('#');
        } else if (c == QLatin1Char('L')) {
            converted += QLatin1Char('A');
        } else if (c == QLatin1Char('l')) {
            converted += QLatin1Char('a');
        } else if (c == QLatin1Char('A')) {
            converted += QLatin1Char('N');
        } else if (c == QLatin1Char('a')) {
            converted += QLatin1Char('n');
        } else if (c == QLatin1Char('C')) {
            converted += QLatin1Char('X');
        } else if (c == QLatin1Char('c')) {
            converted += QLatin1Char('x');
        } else if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            converted += c;
        } else if (c == QLatin1Char('!')) {
            continue;
        } else {
            const QChar literal = c == QLatin1Char('/') ? QLatin1Char('.') : c;
            result.literals += literal;
            if (qtMeta.contains(literal))
                converted += QLatin1Char('\\');
            converted += literal;
        }
    }
    result.inputMask = converted + QLatin1Char(';') + blank;
    return result;
}

QString EditMask::valueFromText(const QString &text) const
{
    if (inputMask.isEmpty())
        return text;
    bool anyFilled = false;
    QString withoutLiterals;
    for (QChar c : text) {
        if (literals.contains(c))
            continue;
        withoutLiterals += c;
        anyFilled = anyFilled || !c.isSpace();
    }
    if (!anyFilled)
        return {};
    return keepLiterals ? text : withoutLiterals;
}

} // namespace ui
