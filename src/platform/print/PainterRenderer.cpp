#include "private/PainterRenderer.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include "platform/print/FontFace.h"

namespace print {

namespace {

QRectF cornersRect(const QPolygon &points)
{
    return QRectF(QPointF(points.at(0)), QPointF(points.at(1))).normalized();
}

} // namespace

PainterRenderer::PainterRenderer(QPainter &painter)
    : painter_(painter)
{
    const QPaintDevice *device = painter.device();
    base_ = QTransform::fromScale(device->logicalDpiX() / 254.0, device->logicalDpiY() / 254.0);
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

void PainterRenderer::applyPen(const Pen &pen)
{
    if (pen.style == PenStyle::None) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen qpen(pen.color);
    qpen.setWidthF(pen.width);
    qpen.setJoinStyle(Qt::RoundJoin);
    qpen.setCapStyle(Qt::RoundCap);
    if (pen.style != PenStyle::Solid) {
        // Dash lengths are given in pen widths to Qt; keep them fixed in mm.
        const double unit = std::max(pen.width, 1);
        const double on = pen.style == PenStyle::Dash ? 20 : 4;
        const double off = pen.style == PenStyle::Dash ? 10 : 4;
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setDashPattern({on / unit, off / unit});
        if (pen.width == 0)
            qpen.setStyle(pen.style == PenStyle::Dash ? Qt::DashLine : Qt::DotLine);
    }
    painter_.setPen(qpen);
}

void PainterRenderer::draw(const TextOperation &operation)
{
    if (operation.glyphs.isEmpty())
        return;
    QTransform transform = base_;
    transform.translate(operation.device().x(), operation.device().y());
    transform.rotate(operation.angle);
    transform.scale(operation.stretch, 1);
    painter_.setTransform(transform);

    const double width = operation.width / operation.stretch;
    if (operation.background.isValid())
        painter_.fillRect(QRectF(0, 0, width, operation.cellHeight), operation.background);

    QList<QPointF> positions;
    positions.reserve(operation.glyphX.size());
    for (const double x : operation.glyphX)
        positions.append(QPointF(x / operation.stretch, operation.ascent));
    QGlyphRun run;
    run.setRawFont(operation.face->rawFont(operation.characterHeight));
    run.setGlyphIndexes(operation.glyphs);
    run.setPositions(positions);
    painter_.setPen(operation.font.color);
    painter_.drawGlyphRun(QPointF(0, 0), run);

    const double scale = operation.characterHeight / operation.face->unitsPerEm();
    const double thickness = operation.face->lineThickness() * scale;
    if (operation.font.style & FontStyle::Underline) {
        const double y = operation.ascent + operation.face->underlinePosition() * scale;
        painter_.fillRect(QRectF(0, y - thickness / 2, width, thickness), operation.font.color);
    }
    if (operation.font.style & FontStyle::StrikeOut) {
        const double y = operation.ascent - operation.face->strikeOutPosition() * scale;
        painter_.fillRect(QRectF(0, y - thickness / 2, width, thickness), operation.font.color);
    }
}

void PainterRenderer::draw(const LineOperation &operation)
{
    QTransform transform = base_;
    transform.translate(operation.offset.x(), operation.offset.y());
    painter_.setTransform(transform);
    applyPen(operation.pen);
    painter_.drawLine(operation.from, operation.to);
}

void PainterRenderer::draw(const ShapeOperation &operation)
{
    QTransform transform = base_;
    transform.translate(operation.offset.x(), operation.offset.y());
    painter_.setTransform(transform);
    const QBrush brush = operation.brush.style == BrushStyle::Solid ? QBrush(operation.brush.color) : QBrush();
    switch (operation.kind) {
    case ShapeKind::FilledRectangle:
        if (operation.brush.style == BrushStyle::Solid)
            painter_.fillRect(cornersRect(operation.points), brush);
        return;
    case ShapeKind::Rectangle:
        applyPen(operation.pen);
        painter_.setBrush(brush);
        painter_.drawRect(cornersRect(operation.points));
        return;
    case ShapeKind::Ellipse:
        applyPen(operation.pen);
        painter_.setBrush(brush);
        painter_.drawEllipse(cornersRect(operation.points));
        return;
    case ShapeKind::Polygon:
        applyPen(operation.pen);
        painter_.setBrush(brush);
        painter_.drawPolygon(operation.points);
        return;
    }
}

void PainterRenderer::draw(const ImageOperation &operation)
{
    QTransform transform = base_;
    transform.translate(operation.offset.x(), operation.offset.y());
    painter_.setTransform(transform);
    const QRectF target(QPointF(operation.target.topLeft()), QPointF(operation.target.bottomRight()));
    painter_.drawImage(target, operation.image);
}

} // namespace print
