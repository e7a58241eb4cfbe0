#pragma once

#include "Colors.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace sys {

// One section of a Windows-style INI file. Every call reads the file afresh
// and every write reaches the file at once (no caching), as the old profile
// routines did, so several objects and processes can share one file.
//
// Encodings: text as is; integers decimal, "0x" (or "$") hexadecimal on
// reading; Booleans written 1/0, read as any integer other than 0; floats and
// dates in German text ("1234,5", "31.12.2026"); colours written as signed
// decimals, read as decimals or colour names ("clBtnFace"). A missing key or
// a value that does not parse yields the default.
//
// Writes return false when the file could not be written; the file then keeps
// its old contents. Keys and sections are matched without regard to case.
// The file is read as UTF-8, or as Windows-1252 when it is not valid UTF-8
// (files brought over from Windows), and written as UTF-8 with CR LF.
class IniFile
{
public:
    IniFile(const QString &path, const QString &section);

    // "Razazu.ini" in the program folder, section "Kandrel Razazu".
    static IniFile programSettings();

    QString path() const { return path_; }
    QString section() const { return section_; }

    bool sectionExists() const;
    bool keyExists(const QString &key) const;
    QStringList keys() const;
    bool deleteKey(const QString &key);

    QString readString(const QString &key, const QString &defaultValue = {}) const;
    bool writeString(const QString &key, const QString &value);

    int readInteger(const QString &key, int defaultValue) const;
    bool writeInteger(const QString &key, int value);

    bool readBool(const QString &key, bool defaultValue) const;
    bool writeBool(const QString &key, bool value);

    double readFloat(const QString &key, double defaultValue) const;
    bool writeFloat(const QString &key, double value);

    QDate readDate(const QString &key, const QDate &defaultValue) const;
    bool writeDate(const QString &key, const QDate &value);

    QDateTime readDateTime(const QString &key, const QDateTime &defaultValue) const;
    bool writeDateTime(const QString &key, const QDateTime &value);

    ColorValue readColor(const QString &key, ColorValue defaultValue) const;
    bool writeColor(const QString &key, ColorValue value);

    // Typed by the default's kind: integer types -> readInteger, float and
    // double -> readFloat, QDate -> readDate, QDateTime -> readDateTime,
    // bool -> readBool, QString -> readString; any other kind returns the
    // default unchanged.
    QVariant readValue(const QString &key, const QVariant &defaultValue) const;
    // The same kinds; any other kind writes nothing and returns false.
    bool writeValue(const QString &key, const QVariant &value);

    // Pure encodings, shared with the tests.
    static std::optional<int> parseInteger(const QString &text);
    static QString encodeString(const QString &value);
    static QString decodeString(const QString &stored);

private:
    std::optional<QString> rawValue(const QString &key) const;

    QString path_;
    QString section_;
};

} // namespace sys
