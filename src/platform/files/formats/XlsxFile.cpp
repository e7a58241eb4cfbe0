#include "XlsxFile.h"

#include "FileError.h"
#include "private/ReplacingFile.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QTime>
#include <xlsxwriter.h>

namespace files {

struct XlsxWriter::Private
{
    QString path;
    std::unique_ptr<ReplacingFile> target;
    lxw_workbook *workbook = nullptr;
    lxw_worksheet *sheet = nullptr;
    lxw_format *bold = nullptr;
    lxw_format *date = nullptr;
    lxw_format *time = nullptr;
    lxw_format *timestamp = nullptr;
    lxw_row_t row = 0;

    void check(lxw_error error) const
    {
        if (error != LXW_NO_ERROR)
            throw FileError::cannotWrite(path, QString::fromUtf8(lxw_strerror(error)));
    }
};

XlsxWriter::XlsxWriter(const QString &path, const QString &sheetName) : d(std::make_unique<Private>())
{
    d->path = path;
    d->target = std::make_unique<ReplacingFile>(path);
    d->workbook = workbook_new(QFile::encodeName(d->target->temporaryPath()).constData());
    if (!d->workbook)
        throw FileError::cannotWrite(path, QStringLiteral("Die Arbeitsmappe kann nicht angelegt werden."));
    d->sheet = workbook_add_worksheet(d->workbook, sheetName.toUtf8().constData());
    d->bold = workbook_add_format(d->workbook);
    format_set_bold(d->bold);
    d->date = workbook_add_format(d->workbook);
    format_set_num_format(d->date, "dd.mm.yyyy");
    d->time = workbook_add_format(d->workbook);
    format_set_num_format(d->time, "hh:mm:ss");
    d->timestamp = workbook_add_format(d->workbook);
    format_set_num_format(d->timestamp, "dd.mm.yyyy hh:mm:ss");
    if (!d->sheet)
        throw FileError::cannotWrite(path, QStringLiteral("Das Tabellenblatt kann nicht angelegt werden."));
}

XlsxWriter::~XlsxWriter()
{
    // Closing writes the temporary file, which the ReplacingFile then removes.
    if (d->workbook)
        workbook_close(d->workbook);
}

void XlsxWriter::writeHeader(const QStringList &titles)
{
    for (qsizetype column = 0; column < titles.size(); ++column)
        d->check(worksheet_write_string(d->sheet, d->row, lxw_col_t(column), titles[column].toUtf8().constData(),
                                        d->bold));
    ++d->row;
}

void XlsxWriter::writeRow(const QVariantList &cells)
{
    if (d->row >= LXW_ROW_MAX)
        throw FileError::cannotWrite(d->path, QStringLiteral("Ein Tabellenblatt fasst höchstens %1 Zeilen.")
                                                  .arg(LXW_ROW_MAX));
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QVariant &cell = cells[i];
        const auto column = lxw_col_t(i);
        if (!cell.isValid() || cell.isNull())
            continue;
        switch (cell.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
            d->check(worksheet_write_number(d->sheet, d->row, column, cell.toDouble(), nullptr));
            break;
        case QMetaType::Bool:
            d->check(worksheet_write_boolean(d->sheet, d->row, column, cell.toBool(), nullptr));
            break;
        case QMetaType::QDate: {
            const QDate date = cell.toDate();
            lxw_datetime value = {date.year(), date.month(), date.day(), 0, 0, 0};
            d->check(worksheet_write_datetime(d->sheet, d->row, column, &value, d->date));
            break;
        }
        case QMetaType::QTime: {
            const QTime time = cell.toTime();
            lxw_datetime value = {0, 0, 0, time.hour(), time.minute(), time.second() + time.msec() / 1000.0};
            d->check(worksheet_write_datetime(d->sheet, d->row, column, &value, d->time));
            break;
        }
        case QMetaType::QDateTime: {
            const QDateTime timestamp = cell.toDateTime();
            const QDate date = timestamp.date();
            const QTime time = timestamp.time();
            lxw_datetime value = {date.year(), date.month(), date.day(), time.hour(), time.minute(),
                                  time.second() + time.msec() / 1000.0};
            d->check(worksheet_write_datetime(d->sheet, d->row, column, &value, d->timestamp));
            break;
        }
        default:
            d->check(worksheet_write_string(d->sheet, d->row, column, cell.toString().toUtf8().constData(), nullptr));
            break;
        }
    }
    ++d->row;
}

void XlsxWriter::commit()
{
    lxw_workbook *workbook = d->workbook;
    d->workbook = nullptr;
    d->check(workbook_close(workbook));
    d->target->commit();
}

} // namespace files
