#pragma once

#include <QTransform>

#include "platform/print/PaintOperations.h"

class QPainter;

namespace print {

// Paints canvas operations on a QPainter whose device origin is the origin of
// the printable area (a printer without full-page mode, or a PDF page).
class PainterRenderer
{
public:
    explicit PainterRenderer(QPainter &painter);

    void draw(const TextOperation &operation);
    void draw(const LineOperation &operation);
    void draw(const ShapeOperation &operation);
    void draw(const ImageOperation &operation);

private:
    void applyPen(const Pen &pen);

    QPainter &painter_;
    QTransform base_; // 0.1 mm to device pixels
};

} // namespace print
