#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as a QByteArray that owns a copy, so a reader may keep
// it or write into it.
inline QByteArray fuzzInput(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
