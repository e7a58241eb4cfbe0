#pragma once

// What the peak-memory benchmarks share: a probe process prints its heap and
// mapped file pages from /proc/self/status, the benchmark reports them apart.

#include <QByteArray>
#include <QFile>
#include <QList>

#include <benchmark/benchmark.h>

// A "Key:   1234 kB" line of /proc/self/status in kilobytes; -1 when missing.
inline long statusKilobytes(const QByteArray &status, const char *key)
{
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    }
    return -1;
}

inline QByteArray processStatus()
{
    QFile status(QStringLiteral("/proc/self/status"));
    return status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
}

// figures: heap before, file pages before, heap peak, file pages peak (kB),
// rows handled. Reports them in MB; false when the probe gave none.
inline bool reportMemoryFigures(benchmark::State &state, const QList<QByteArray> &figures, int expectedRows)
{
    if (figures.size() != 5 || figures[4].toInt() != expectedRows) {
        state.SkipWithError("memory probe gave no figures");
        return false;
    }
    const double heapBefore = figures[0].toDouble() / 1024;
    const double fileBefore = figures[1].toDouble() / 1024;
    state.counters["heap_before_MB"] = heapBefore;
    state.counters["heap_peak_MB"] = figures[2].toDouble() / 1024;
    state.counters["heap_above_MB"] = figures[2].toDouble() / 1024 - heapBefore;
    state.counters["file_pages_peak_MB"] = figures[3].toDouble() / 1024;
    state.counters["file_pages_above_MB"] = figures[3].toDouble() / 1024 - fileBefore;
    return true;
}
