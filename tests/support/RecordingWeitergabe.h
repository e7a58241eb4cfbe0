#pragma once

// A print device that hands everything on to a recording the test keeps, so
// the recording outlives the device a print form makes and drops per print.

#include "platform/print/RecordingBackend.h"

class RecordingWeitergabe : public print::PrintBackend
{
public:
    explicit RecordingWeitergabe(print::RecordingBackend &ziel) : ziel_(ziel) {}
    QSize printableArea(print::Orientation o) const override { return ziel_.printableArea(o); }
    void beginJob(const QString &t, const print::JobOptions &o) override { ziel_.beginJob(t, o); }
    void newPage() override { ziel_.newPage(); }
    void endJob() override { ziel_.endJob(); }
    void abortJob() override { ziel_.abortJob(); }
    void drawText(const print::TextOperation &o) override { ziel_.drawText(o); }
    void drawLine(const print::LineOperation &o) override { ziel_.drawLine(o); }
    void drawShape(const print::ShapeOperation &o) override { ziel_.drawShape(o); }
    void drawImage(const print::ImageOperation &o) override { ziel_.drawImage(o); }

private:
    print::RecordingBackend &ziel_;
};
