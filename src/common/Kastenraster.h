#pragma once

#include "common/Eingabedeklaration.h"

#include <QList>
#include <utility>

class QFrame;
class QGridLayout;
class QWidget;

// A box of an entry form framed and titled as the paper form draws it: a
// thin frame, the box number bold and the title beside it, the controls
// below. Its layout is a QVBoxLayout holding the title.
QFrame *kastenRahmen(const QString &kasten, QWidget *eltern);

// The title of a box as rich text: a leading box number ("2", "17a / 17",
// "6. - 12.", "B") bold, the rest as it is.
QString kastenTitel(const QString &kasten);

// Lays widgets out on a surface like their paper form: a grid cut at every
// edge of their rectangles, each widget over the cells its rectangle covers,
// so that widgets stand side by side and one above the other as on the paper
// and no two overlap. The columns share spare width in the paper's
// proportions; rows are as high as their content needs. Widgets without a
// place follow below, one under the other across the whole width.
class Kastenraster
{
public:
    explicit Kastenraster(QWidget *flaeche);

    void setzen(QWidget *widget, const Papierplatz &platz);

private:
    void legen();

    QGridLayout *raster_;
    QList<std::pair<QWidget *, Papierplatz>> eintraege_;
};
