#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <optional>

#include "platform/print/PrintBackend.h"

namespace print {

// Keeps every job, page and drawing operation, so tests can read what a
// print form printed. Pages are numbered from 1 across the whole recording;
// an aborted job keeps its entry (aborted, no pages) but none of its drawing.
class RecordingBackend : public PrintBackend
{
public:
    // The printable area in portrait; a whole A4 sheet unless a test wants
    // a printer with margins.
    explicit RecordingBackend(QSize printableAreaPortrait = sheetSize(Orientation::Portrait));

    struct Job
    {
        QString title;
        JobOptions options;
        int firstPage = 0;
        int pageCount = 0;
        bool ended = false;
        bool aborted = false;
    };

    struct Text
    {
        int job = 0;             // index into jobs()
        int page = 0;
        QString text;
        QPoint position;         // as the form gave it: top-left of the cell
        QPoint device;           // position + page offset
        double characterHeight = 0;
        double cellHeight = 0;
        double angle = 0;        // degrees, 270 runs up the page
        double width = 0;
        int characterExtra = 0;  // letter spacing after each character
        QList<double> characterX; // form x of each character
        CanvasFont font;
        QString family;          // the face the font resolved to
        QColor background;       // invalid: transparent
    };

    struct Line
    {
        int job = 0;
        int page = 0;
        QPoint from;
        QPoint to;
        QPoint offset;
        Pen pen;
    };

    struct Shape
    {
        int job = 0;
        int page = 0;
        ShapeKind kind = ShapeKind::Rectangle;
        QPolygon points;
        QPoint offset;
        Pen pen;
        Brush brush;
    };

    struct Image
    {
        int job = 0;
        int page = 0;
        QRect target;
        QPoint offset;
        QSize size;
        QString source;
    };

    const QList<Job> &jobs() const { return jobs_; }
    const QList<Text> &texts() const { return texts_; }
    const QList<Line> &lines() const { return lines_; }
    const QList<Shape> &shapes() const { return shapes_; }
    const QList<Image> &images() const { return images_; }
    int pageCount() const { return pageCount_; }
    void clear();

    // The first drawing of exactly this text (on the given page, 0 = any).
    std::optional<Text> findText(const QString &text, int page = 0) const;
    QList<Text> findAll(const QString &text) const;
    QList<Text> textsOnPage(int page) const;
    // Was the text drawn with its top-left at (x, y), give or take tolerance?
    bool hasText(const QString &text, int x, int y, int tolerance = 0, int page = 0) const;
    // The same, and with this height in mm as the print forms give it: the
    // character height, or the cell height where the form sets that.
    enum class Height { Character, Cell };
    bool hasText(const QString &text, QPoint at, double heightMm, Height kind = Height::Character,
                 int page = 0, int tolerance = 0) const;

    QSize printableArea(Orientation orientation) const override;
    void beginJob(const QString &title, const JobOptions &options) override;
    void newPage() override;
    void endJob() override;
    void abortJob() override;
    void drawText(const TextOperation &operation) override;
    void drawLine(const LineOperation &operation) override;
    void drawShape(const ShapeOperation &operation) override;
    void drawImage(const ImageOperation &operation) override;

private:
    QSize printableArea_;
    QList<Job> jobs_;
    QList<Text> texts_;
    QList<Line> lines_;
    QList<Shape> shapes_;
    QList<Image> images_;
    int pageCount_ = 0;
};

} // namespace print
