#include "platform/print/Canvas.h"

#include <QImageReader>
#include <cmath>
#include <stdexcept>

#include "platform/print/PrintError.h"

namespace print {

Canvas::Canvas(PrintBackend &backend)
    : backend_(backend)
{
    installFontSubstitutions();
}

Canvas::~Canvas()
{
    if (jobOpen_) {
        try {
            abortJob();
        } catch (...) {
            // Destructors must not throw; the job is gone either way.
        }
    }
}

void Canvas::beginJob(const QString &title, const JobOptions &options)
{
    if (jobOpen_)
        throw std::logic_error("Canvas::beginJob: a job is already open");
    if (options.copies < 1)
        throw PrintError(QStringLiteral("Die Anzahl der Kopien muss mindestens 1 sein (angegeben: %1).")
                             .arg(options.copies));
    backend_.beginJob(title, options);
    options_ = options;
    jobOpen_ = true;
    page_ = 1;
}

void Canvas::newPage()
{
    requireJob();
    backend_.newPage();
    ++page_;
}

void Canvas::endJob()
{
    if (!jobOpen_)
        return;
    jobOpen_ = false;
    page_ = 0;
    backend_.endJob();
}

void Canvas::abortJob()
{
    if (!jobOpen_)
        return;
    jobOpen_ = false;
    page_ = 0;
    backend_.abortJob();
}

void Canvas::requireJob() const
{
    if (!jobOpen_)
        throw std::logic_error("Canvas: drawing outside a print job");
}

void Canvas::setPageShift(int spalte, int zeile)
{
    offset_ = pageOffset(backend_.printableArea(options_.orientation), spalte, zeile, options_.orientation);
}

void Canvas::setFont(const QString &name, double characterHeightMm, FontStyles style)
{
    CanvasFont font = font_;
    font.name = name;
    font.height = -int(std::lround(characterHeightMm * 10));
    font.style = style;
    font.weight = 0;
    font.width = 0;
    font.escapement = 0;
    setFont(font);
}

void Canvas::setFont(const CanvasFont &font)
{
    if (font == font_)
        return;
    font_ = font;
    resolved_.reset();
}

void Canvas::setFontName(const QString &name)
{
    CanvasFont font = font_;
    font.name = name;
    setFont(font);
}

void Canvas::setFontHeight(int height)
{
    CanvasFont font = font_;
    font.height = height;
    setFont(font);
}

void Canvas::setFontStyle(FontStyles style)
{
    CanvasFont font = font_;
    font.style = style;
    setFont(font);
}

void Canvas::setFontWeight(int weight)
{
    CanvasFont font = font_;
    font.weight = weight;
    setFont(font);
}

void Canvas::setFontWidth(int averageCharWidth)
{
    CanvasFont font = font_;
    font.width = averageCharWidth;
    setFont(font);
}

void Canvas::setFontColor(const QColor &color)
{
    font_.color = color;
}

void Canvas::setFontEscapement(int tenthsOfDegree)
{
    font_.escapement = tenthsOfDegree;
}

const ResolvedFont &Canvas::resolved() const
{
    if (!resolved_)
        resolved_ = ResolvedFont::resolve(font_);
    return *resolved_;
}

double Canvas::widthOf(const QString &text) const
{
    const ResolvedFont &font = resolved();
    QList<quint32> glyphs;
    QList<double> advances;
    font.face->glyphs(text, &glyphs, &advances);
    double width = 0;
    for (const double advance : advances)
        width += advance * font.scale() * font.stretch + characterExtra_;
    return width;
}

int Canvas::textWidth(const QString &text) const
{
    return int(std::lround(widthOf(text)));
}

int Canvas::textHeight() const
{
    return int(std::lround(resolved().cellHeight()));
}

int Canvas::characterHeight() const
{
    return int(std::lround(resolved().em));
}

int Canvas::ascent() const
{
    return int(std::lround(resolved().ascent));
}

TextOperation Canvas::textOperation(int x, int y, const QString &text) const
{
    const ResolvedFont &font = resolved();
    TextOperation operation;
    operation.text = text;
    operation.position = QPoint(x, y);
    operation.offset = offset_;
    operation.font = font_;
    operation.face = font.face;
    operation.characterHeight = font.em;
    operation.ascent = font.ascent;
    operation.cellHeight = font.cellHeight();
    operation.stretch = font.stretch;
    operation.angle = font_.escapement / 10.0;
    operation.characterExtra = characterExtra_;
    if (brush_.style == BrushStyle::Solid)
        operation.background = brush_.color;

    QList<double> advances;
    font.face->glyphs(text, &operation.glyphs, &advances);
    operation.glyphX.reserve(advances.size());
    double position = 0;
    for (const double advance : advances) {
        operation.glyphX.append(position);
        position += advance * font.scale() * font.stretch + characterExtra_;
    }
    operation.width = position;
    return operation;
}

void Canvas::emitText(TextOperation operation)
{
    requireJob();
    penPos_ = QPoint(operation.position.x() + int(std::lround(operation.width)), operation.position.y());
    if (operation.text.isEmpty())
        return;
    backend_.drawText(operation);
}

void Canvas::textOut(int x, int y, const QString &text)
{
    emitText(textOperation(x, y, text));
}

void Canvas::textOutRight(int x, int y, const QString &text)
{
    textOut(x - textWidth(text), y, text);
}

void Canvas::textOutCentred(int x, int y, const QString &text)
{
    textOut(x - textWidth(text) / 2, y, text);
}

void Canvas::textOutRotated(int x, int y, double angle, const QString &text)
{
    const int saved = font_.escapement;
    font_.escapement = int(std::lround(angle * 10));
    try {
        textOut(x, y, text);
    } catch (...) {
        font_.escapement = saved;
        throw;
    }
    font_.escapement = saved;
}

void Canvas::textOutPitched(int x, int y, const QString &text, int pitch)
{
    TextOperation operation = textOperation(x, y, text);
    if (operation.glyphX.isEmpty()) {
        emitText(operation);
        return;
    }
    const double lastWidth = operation.width - operation.glyphX.last();
    for (qsizetype i = 0; i < operation.glyphX.size(); ++i)
        operation.glyphX[i] = double(pitch) * double(i);
    operation.width = operation.glyphX.last() + lastWidth;
    emitText(operation);
}

QStringList Canvas::wrapText(int width, const QString &text) const
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString &paragraph : normalised.split(QLatin1Char('\n'))) {
        const QStringList words = paragraph.split(QLatin1Char(' '));
        QString line = words.first();
        for (qsizetype i = 1; i < words.size(); ++i) {
            const QString candidate = line + QLatin1Char(' ') + words.at(i);
            if (widthOf(candidate) <= width || line.trimmed().isEmpty()) {
                line = candidate;
            } else {
                lines.append(line);
                line = words.at(i);
            }
        }
        lines.append(line);
    }
    return lines;
}

int Canvas::wrappedTextHeight(int left, int right, const QString &text) const
{
    return int(wrapText(right - left, text).size()) * textHeight();
}

int Canvas::textOutWrapped(int left, int top, int right, const QString &text)
{
    requireJob();
    const QStringList lines = wrapText(right - left, text);
    const int lineHeight = textHeight();
    int y = top;
    for (const QString &line : lines) {
        textOut(left, y, line);
        y += lineHeight;
    }
    return y - top;
}

void Canvas::setPen(int width, PenStyle style, const QColor &color)
{
    pen_ = Pen{width, style, color};
}

void Canvas::setBrush(const QColor &color, BrushStyle style)
{
    brush_ = Brush{color, style};
}

void Canvas::moveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void Canvas::lineTo(int x, int y)
{
    requireJob();
    backend_.drawLine(LineOperation{penPos_, QPoint(x, y), offset_, pen_});
    penPos_ = QPoint(x, y);
}

void Canvas::line(int x1, int y1, int x2, int y2)
{
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    requireJob();
    backend_.drawShape(ShapeOperation{ShapeKind::Rectangle, QPolygon({QPoint(x1, y1), QPoint(x2, y2)}), offset_,
                                      pen_, brush_});
}

void Canvas::fillRect(int x1, int y1, int x2, int y2)
{
    requireJob();
    backend_.drawShape(ShapeOperation{ShapeKind::FilledRectangle, QPolygon({QPoint(x1, y1), QPoint(x2, y2)}),
                                      offset_, pen_, brush_});
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    requireJob();
    backend_.drawShape(ShapeOperation{ShapeKind::Ellipse, QPolygon({QPoint(x1, y1), QPoint(x2, y2)}), offset_,
                                      pen_, brush_});
}

void Canvas::polygon(const QList<QPoint> &points)
{
    requireJob();
    backend_.drawShape(ShapeOperation{ShapeKind::Polygon, QPolygon(points), offset_, pen_, brush_});
}

void Canvas::drawImage(int x1, int y1, int x2, int y2, const QImage &image)
{
    requireJob();
    backend_.drawImage(ImageOperation{QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(), offset_, image, {}});
}

void Canvas::drawImage(int x1, int y1, int x2, int y2, const QString &fileName)
{
    requireJob();
    QImageReader reader(fileName);
    const QImage image = reader.read();
    if (image.isNull())
        throw PrintError(QStringLiteral("Das Bild \"%1\" konnte nicht gelesen werden: %2")
                             .arg(fileName, reader.errorString()));
    backend_.drawImage(ImageOperation{QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(), offset_, image, fileName});
}

} // namespace print
