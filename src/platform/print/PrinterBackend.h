#pragma once

#include <QString>
#include <memory>

#include "platform/print/PrintBackend.h"

class QPainter;
class QPrinter;

namespace print {

class PainterRenderer;

// A real printer through Qt's print support (CUPS on Linux), drawing from
// the origin of its printable area like the printer canvas did. Copies and
// duplex go to the printer per job; duplex only where the printer offers it.
class PrinterBackend : public PrintBackend
{
public:
    // An installed printer by name; a PrintError when it is not installed
    // (never silently another printer).
    explicit PrinterBackend(const QString &printerName);
    // A printer the caller has set up (print to file); it must outlive this.
    explicit PrinterBackend(QPrinter &printer);
    ~PrinterBackend() override;

    QString printerName() const;

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
    std::unique_ptr<QPrinter> owned_;
    QPrinter *printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterRenderer> renderer_;
};

} // namespace print
