#include "IniFile.h"

#include "Files.h"
#include "GermanFormat.h"
#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

#define SI_CONVERT_ICU
#include <SimpleIni.h>

namespace sys {

namespace {

// The file's contents for one call. A file that exists but cannot be read is
// reported as such, so a write never replaces it with a file holding only the
// one key.
struct Document
{
    CSimpleIniA ini{true, false, false};
    bool readable = true;

    explicit Document(const QString &path)
    {
        ini.SetSpaces(false);
        QFile file(path);
        if (!file.exists())
            return;
        if (!file.open(QIODevice::ReadOnly)) {
            readable = false;
            return;
        }
        const QByteArray bytes = file.readAll();
        auto decoder = QStringDecoder(QStringDecoder::Utf8);
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            text = decodeText(bytes, CodePage::Windows1252);
        // The parser would end the file at a NUL, and the next write would
        // cut it there: a NUL is damage within one line, dropped.
        text.remove(QChar(0));
        const std::string utf8 = text.toStdString();
        readable = ini.LoadData(utf8) >= 0;
    }

    std::optional<QString> value(const QString &section, const QString &key) const
    {
        const std::string s = section.toStdString();
        const std::string k = key.toStdString();
        const char *found = ini.GetValue(s.c_str(), k.c_str(), nullptr);
        if (!found)
            return std::nullopt;
        return QString::fromUtf8(found);
    }

    bool save(const QString &path) const
    {
        std::string data;
        if (ini.Save(data, false) < 0)
            return false;
        QByteArray bytes = QByteArray::fromStdString(data);
        bytes.replace("\r\n", "\n");
        bytes.replace("\n", "\r\n");
        QSaveFile file(path);
        // Where only the file itself may be written, it is written in place,
        // as the old profile routines did.
        file.setDirectWriteFallback(true);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        if (file.write(bytes) != bytes.size())
            return false;
        return file.commit();
    }
};

QString trimmedLines(const QString &value)
{
    // A value is one line of the file: line breaks inside it become blanks.
    QString single = value;
    single.replace(QLatin1String("\r\n"), QLatin1String(" "));
    single.replace(QLatin1Char('\r'), QLatin1Char(' '));
    single.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return single;
}

} // namespace

IniFile::IniFile(const QString &path, const QString &section) : path_(path), section_(section) {}

IniFile IniFile::programSettings()
{
    return IniFile(programFolder() + QStringLiteral("Razazu.ini"), QStringLiteral("Kandrel Razazu"));
}

std::optional<QString> IniFile::rawValue(const QString &key) const
{
    const Document document(path_);
    if (!document.readable)
        return std::nullopt;
    return document.value(section_, key);
}

bool IniFile::sectionExists() const
{
    const Document document(path_);
    const std::string s = section_.toStdString();
    return document.readable && document.ini.GetSection(s.c_str()) != nullptr;
}

bool IniFile::keyExists(const QString &key) const
{
    return rawValue(key).has_value();
}

QStringList IniFile::keys() const
{
    const Document document(path_);
    QStringList result;
    if (!document.readable)
        return result;
    CSimpleIniA::TNamesDepend names;
    const std::string s = section_.toStdString();
    document.ini.GetAllKeys(s.c_str(), names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    for (const auto &entry : names)
        result << QString::fromUtf8(entry.pItem);
    return result;
}

bool IniFile::deleteKey(const QString &key)
{
    Document document(path_);
    if (!document.readable)
        return false;
    const std::string s = section_.toStdString();
    const std::string k = key.toStdString();
    if (!document.ini.Delete(s.c_str(), k.c_str()))
        return true;
    return document.save(path_);
}

QString IniFile::encodeString(const QString &value)
{
    const QString single = trimmedLines(value);
    if (single.isEmpty())
        return single;
    const QChar first = single.front();
    const QChar last = single.back();
    const bool padded = first.isSpace() || last.isSpace();
    const bool quoted = single.size() >= 2 && first == last
        && (first == QLatin1Char('"') || first == QLatin1Char('\''));
    // The reader drops blanks around a value and one pair of quotes, so such
    // values travel inside quotes to come back unchanged.
    if (padded || quoted)
        return QLatin1Char('"') + single + QLatin1Char('"');
    return single;
}

QString IniFile::decodeString(const QString &stored)
{
    const QString trimmed = stored.trimmed();
    if (trimmed.size() >= 2 && trimmed.front() == trimmed.back()
        && (trimmed.front() == QLatin1Char('"') || trimmed.front() == QLatin1Char('\'')))
        return trimmed.mid(1, trimmed.size() - 2);
    return trimmed;
}

QString IniFile::readString(const QString &key, const QString &defaultValue) const
{
    const auto value = rawValue(key);
    return value ? decodeString(*value) : defaultValue;
}

bool IniFile::writeString(const QString &key, const QString &value)
{
    Document document(path_);
    if (!document.readable)
        return false;
    const std::string s = section_.toStdString();
    const std::string k = key.toStdString();
    const std::string v = encodeString(value).toStdString();
    if (document.ini.SetValue(s.c_str(), k.c_str(), v.c_str()) < 0)
        return false;
    return document.save(path_);
}

std::optional<int> IniFile::parseInteger(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool negative = false;
    QString digits = trimmed;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.startsWith(QLatin1Char('-'));
        digits.remove(0, 1);
    }
    bool ok = false;
    qint64 value = 0;
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || digits.startsWith(QLatin1Char('$'))) {
        const QString hex = digits.mid(digits.startsWith(QLatin1Char('$')) ? 1 : 2);
        if (hex.isEmpty() || hex.size() > 8)
            return std::nullopt;
        // Eight hex digits are the 32-bit pattern: 0xFFFFFFFF is -1.
        value = qint64(qint32(quint32(hex.toULongLong(&ok, 16))));
    } else {
        if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
            return std::nullopt;
        value = digits.toLongLong(&ok, 10);
        if (ok && (value > qint64(INT32_MAX) + (negative ? 1 : 0)))
            return std::nullopt;
    }
    if (!ok)
        return std::nullopt;
    return int(negative ? -value : value);
}

int IniFile::readInteger(const QString &key, int defaultValue) const
{
    const auto value = rawValue(key);
    if (!value)
        return defaultValue;
    return parseInteger(decodeString(*value)).value_or(defaultValue);
}

bool IniFile::writeInteger(const QString &key, int value)
{
    return writeString(key, QString::number(value));
}

bool IniFile::readBool(const QString &key, bool defaultValue) const
{
    return readInteger(key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeBool(const QString &key, bool value)
{
    return writeString(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double IniFile::readFloat(const QString &key, double defaultValue) const
{
    const auto value = rawValue(key);
    if (!value)
        return defaultValue;
    return german::parseNumber(decodeString(*value), false).value_or(defaultValue);
}

bool IniFile::writeFloat(const QString &key, double value)
{
    return writeString(key, german::formatNumber(value));
}

QDate IniFile::readDate(const QString &key, const QDate &defaultValue) const
{
    const auto value = rawValue(key);
    if (!value)
        return defaultValue;
    return german::parseDate(decodeString(*value)).value_or(defaultValue);
}

bool IniFile::writeDate(const QString &key, const QDate &value)
{
    return writeString(key, german::formatDate(value));
}

QDateTime IniFile::readDateTime(const QString &key, const QDateTime &defaultValue) const
{
    const auto value = rawValue(key);
    if (!value)
        return defaultValue;
    return german::parseDateTime(decodeString(*value)).value_or(defaultValue);
}

bool IniFile::writeDateTime(const QString &key, const QDateTime &value)
{
    return writeString(key, german::formatDateTime(value));
}

ColorValue IniFile::readColor(const QString &key, ColorValue defaultValue) const
{
    const auto value = rawValue(key);
    if (!value)
        return defaultValue;
    return parseColor(decodeString(*value)).value_or(defaultValue);
}

bool IniFile::writeColor(const QString &key, ColorValue value)
{
    return writeString(key, QString::number(value));
}

namespace {

// The kinds of value the typed read and write of a QVariant know.
enum class ValueKind { Integer, Float, Date, DateTime, Bool, String, Other };

ValueKind valueKind(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return ValueKind::Integer;
    case QMetaType::Float:
    case QMetaType::Double:
        return ValueKind::Float;
    case QMetaType::QDate:
        return ValueKind::Date;
    case QMetaType::QDateTime:
        return ValueKind::DateTime;
    case QMetaType::Bool:
        return ValueKind::Bool;
    case QMetaType::QString:
        return ValueKind::String;
    default:
        return ValueKind::Other;
    }
}

} // namespace

QVariant IniFile::readValue(const QString &key, const QVariant &defaultValue) const
{
    switch (valueKind(defaultValue)) {
    case ValueKind::Integer:
        return readInteger(key, defaultValue.toInt());
    case ValueKind::Float:
        return readFloat(key, defaultValue.toDouble());
    case ValueKind::Date:
        return readDate(key, defaultValue.toDate());
    case ValueKind::DateTime:
        return readDateTime(key, defaultValue.toDateTime());
    case ValueKind::Bool:
        return readBool(key, defaultValue.toBool());
    case ValueKind::String:
        return readString(key, defaultValue.toString());
    case ValueKind::Other:
        break;
    }
    return defaultValue;
}

bool IniFile::writeValue(const QString &key, const QVariant &value)
{
    switch (valueKind(value)) {
    case ValueKind::Integer:
        return writeInteger(key, value.toInt());
    case ValueKind::Float:
        return writeFloat(key, value.toDouble());
    case ValueKind::Date:
        return writeDate(key, value.toDate());
    case ValueKind::DateTime:
        return writeDateTime(key, value.toDateTime());
    case ValueKind::Bool:
        return writeBool(key, value.toBool());
    case ValueKind::String:
        return writeString(key, value.toString());
    case ValueKind::Other:
        break;
    }
    return false;
}

} // namespace sys
