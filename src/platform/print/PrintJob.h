#pragma once

#include <QString>

#include "platform/print/Canvas.h"

namespace print {

// Every print job of the program is titled with this prefix and the name of
// the document.
inline const QString jobTitlePrefix = QStringLiteral("Razazu / Versand: ");

inline QString jobTitle(const QString &documentName)
{
    return jobTitlePrefix + documentName;
}

// A job on a canvas for the length of a scope: begun on construction,
// aborted on destruction unless end() was called, so an exception between
// the two sends nothing half-drawn to the printer.
class PrintJob
{
public:
    PrintJob(Canvas &canvas, const QString &title, const JobOptions &options = {})
        : canvas_(canvas)
    {
        canvas_.beginJob(title, options);
    }
    ~PrintJob()
    {
        try {
            canvas_.abortJob();
        } catch (...) {
            // Nothing more to undo; destructors must not throw.
        }
    }
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    Canvas &canvas() const { return canvas_; }
    void newPage() { canvas_.newPage(); }
    void end() { canvas_.endJob(); }

private:
    Canvas &canvas_;
};

} // namespace print
