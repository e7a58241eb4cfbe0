#pragma once

#include <QSize>
#include <QString>

#include "platform/print/PaintOperations.h"

namespace print {

// Where the canvas draws: a printer, a PDF file or a recording. The canvas
// calls beginJob before anything else, newPage between pages and endJob or
// abortJob at the end.
class PrintBackend
{
public:
    virtual ~PrintBackend() = default;

    // The printable area of the device in 0.1 mm, in the given orientation.
    virtual QSize printableArea(Orientation orientation) const = 0;

    virtual void beginJob(const QString &title, const JobOptions &options) = 0;
    virtual void newPage() = 0;
    virtual void endJob() = 0;
    // Drops the job: whatever has not reached the paper yet is not printed.
    virtual void abortJob() = 0;

    virtual void drawText(const TextOperation &operation) = 0;
    virtual void drawLine(const LineOperation &operation) = 0;
    virtual void drawShape(const ShapeOperation &operation) = 0;
    virtual void drawImage(const ImageOperation &operation) = 0;
};

} // namespace print
