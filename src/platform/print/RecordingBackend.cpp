#include "platform/print/RecordingBackend.h"

#include <algorithm>

#include "platform/print/FontFace.h"

namespace print {

RecordingBackend::RecordingBackend(QSize printableAreaPortrait)
    : printableArea_(printableAreaPortrait)
{
}

void RecordingBackend::clear()
{
    jobs_.clear();
    texts_.clear();
    lines_.clear();
    shapes_.clear();
    images_.clear();
    pageCount_ = 0;
}

QSize RecordingBackend::printableArea(Orientation orientation) const
{
    return orientation == Orientation::Portrait ? printableArea_ : printableArea_.transposed();
}

void RecordingBackend::beginJob(const QString &title, const JobOptions &options)
{
    ++pageCount_;
    jobs_.append(Job{title, options, pageCount_, 1, false, false});
}

void RecordingBackend::newPage()
{
    ++pageCount_;
    ++jobs_.last().pageCount;
}

void RecordingBackend::endJob()
{
    jobs_.last().ended = true;
}

void RecordingBackend::abortJob()
{
    Job &job = jobs_.last();
    const int index = int(jobs_.size()) - 1;
    const auto ofJob = [index](const auto &item) { return item.job == index; };
    texts_.removeIf(ofJob);
    lines_.removeIf(ofJob);
    shapes_.removeIf(ofJob);
    images_.removeIf(ofJob);
    pageCount_ = job.firstPage - 1;
    job.pageCount = 0;
    job.aborted = true;
}

void RecordingBackend::drawText(const TextOperation &operation)
{
    Text text;
    text.job = int(jobs_.size()) - 1;
    text.page = pageCount_;
    text.text = operation.text;
    text.position = operation.position;
    text.device = operation.device();
    text.characterHeight = operation.characterHeight;
    text.cellHeight = operation.cellHeight;
    text.angle = operation.angle;
    text.width = operation.width;
    text.characterExtra = operation.characterExtra;
    text.characterX.reserve(operation.glyphX.size());
    for (const double x : operation.glyphX)
        text.characterX.append(operation.position.x() + x);
    text.font = operation.font;
    text.family = operation.face ? operation.face->family() : QString();
    text.background = operation.background;
    texts_.append(text);
}

void RecordingBackend::drawLine(const LineOperation &operation)
{
    lines_.append(Line{int(jobs_.size()) - 1, pageCount_, operation.from, operation.to, operation.offset, operation.pen});
}

void RecordingBackend::drawShape(const ShapeOperation &operation)
{
    shapes_.append(Shape{int(jobs_.size()) - 1, pageCount_, operation.kind, operation.points, operation.offset,
                         operation.pen, operation.brush});
}

void RecordingBackend::drawImage(const ImageOperation &operation)
{
    images_.append(Image{int(jobs_.size()) - 1, pageCount_, operation.target, operation.offset,
                         operation.image.size(), operation.source});
}

std::optional<RecordingBackend::Text> RecordingBackend::findText(const QString &text, int page) const
{
    const auto found = std::find_if(texts_.cbegin(), texts_.cend(), [&](const Text &candidate) {
        return candidate.text == text && (page == 0 || candidate.page == page);
    });
    if (found == texts_.cend())
        return std::nullopt;
    return *found;
}

QList<RecordingBackend::Text> RecordingBackend::findAll(const QString &text) const
{
    QList<Text> found;
    for (const Text &candidate : texts_)
        if (candidate.text == text)
            found.append(candidate);
    return found;
}

QList<RecordingBackend::Text> RecordingBackend::textsOnPage(int page) const
{
    QList<Text> found;
    for (const Text &candidate : texts_)
        if (candidate.page == page)
            found.append(candidate);
    return found;
}

bool RecordingBackend::hasText(const QString &text, int x, int y, int tolerance, int page) const
{
    return std::any_of(texts_.cbegin(), texts_.cend(), [&](const Text &candidate) {
        return candidate.text == text && (page == 0 || candidate.page == page)
               && std::abs(candidate.position.x() - x) <= tolerance
               && std::abs(candidate.position.y() - y) <= tolerance;
    });
}

bool RecordingBackend::hasText(const QString &text, QPoint at, double heightMm, Height kind, int page,
                               int tolerance) const
{
    // Heights come from whole 0.1 mm font heights; half a unit absorbs the
    // rounding of a height the form gave in mm.
    const double wanted = heightMm * 10;
    return std::any_of(texts_.cbegin(), texts_.cend(), [&](const Text &candidate) {
        const double drawn = kind == Height::Character ? candidate.characterHeight : candidate.cellHeight;
        return candidate.text == text && (page == 0 || candidate.page == page)
               && std::abs(candidate.position.x() - at.x()) <= tolerance
               && std::abs(candidate.position.y() - at.y()) <= tolerance && std::abs(drawn - wanted) <= 0.5;
    });
}

} // namespace print
