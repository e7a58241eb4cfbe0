#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

namespace files {

// A spreadsheet file (".xlsx") through libxlsxwriter, one sheet, row by row,
// each cell typed by its value: numbers as numbers, dates and times with a
// German number format, logical values as booleans, everything else as text.
// The file replaces one of that name only on commit().
class XlsxWriter
{
public:
    explicit XlsxWriter(const QString &path, const QString &sheetName = QStringLiteral("Tabelle1"));
    ~XlsxWriter();
    XlsxWriter(const XlsxWriter &) = delete;
    XlsxWriter &operator=(const XlsxWriter &) = delete;

    // A row of bold text, for column titles.
    void writeHeader(const QStringList &titles);
    void writeRow(const QVariantList &cells);
    void commit();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace files
