#include "platform/print/PageGeometry.h"

namespace print {

QSize sheetSize(Orientation orientation)
{
    return orientation == Orientation::Portrait ? QSize(2100, 2970) : QSize(2970, 2100);
}

QPoint pageOffset(QSize printableArea, int spalte, int zeile, Orientation orientation)
{
    const QSize sheet = sheetSize(orientation);
    const int marginX = (sheet.width() - printableArea.width()) / 2;
    const int marginY = (sheet.height() - printableArea.height()) / 2;
    return QPoint(-(marginX + spalte), zeile - marginY);
}

} // namespace print
