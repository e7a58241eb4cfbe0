#pragma once

#include <QPoint>
#include <QSize>

namespace print {

enum class Orientation { Portrait, Landscape };

// The sheet every print form is laid out on: A4 in 0.1 mm, 2100 x 2970,
// swapped in landscape.
QSize sheetSize(Orientation orientation);

// Where form positions land on the device: device = form position + offset,
// all in 0.1 mm with y pointing down and the device origin at the top-left of
// the printable area. The printable area (in the page's orientation) is taken
// as centred on the sheet, so half the difference is removed in each
// direction (integer halves, as the forms were tuned against); a larger
// `spalte` then moves the print left, a larger `zeile` moves it down.
QPoint pageOffset(QSize printableArea, int spalte, int zeile, Orientation orientation);

} // namespace print
