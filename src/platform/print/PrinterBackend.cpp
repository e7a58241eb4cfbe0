#include "platform/print/PrinterBackend.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "private/PainterRenderer.h"
#include "platform/print/PrintError.h"
#include "platform/print/Printers.h"

namespace print {

namespace {

QPageLayout::Orientation qtOrientation(Orientation orientation)
{
    return orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

} // namespace

PrinterBackend::PrinterBackend(const QString &printerName)
{
    const QString installed = PrinterList::installed().resolve(printerName);
    if (installed.isEmpty())
        throw PrintError(QStringLiteral("Der Drucker \"%1\" ist nicht installiert.").arg(printerName));
    owned_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(installed), QPrinter::HighResolution);
    printer_ = owned_.get();
    printer_->setPageSize(QPageSize(QPageSize::A4));
}

PrinterBackend::PrinterBackend(QPrinter &printer)
    : printer_(&printer)
{
}

PrinterBackend::~PrinterBackend()
{
    if (painter_ && painter_->isActive()) {
        printer_->abort();
        painter_->end();
    }
}

QString PrinterBackend::printerName() const
{
    return printer_->printerName();
}

QSize PrinterBackend::printableArea(Orientation orientation) const
{
    QPageLayout layout = printer_->pageLayout();
    layout.setOrientation(qtOrientation(orientation));
    const QRectF area = layout.paintRect(QPageLayout::Millimeter);
    return QSize(qRound(area.width() * 10), qRound(area.height() * 10));
}

void PrinterBackend::beginJob(const QString &title, const JobOptions &options)
{
    printer_->setDocName(title);
    printer_->setCopyCount(options.copies);
    printer_->setPageOrientation(qtOrientation(options.orientation));
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    if (options.duplex && printer_->outputFormat() == QPrinter::NativeFormat
        && QPrinterInfo(*printer_).supportedDuplexModes().contains(QPrinter::DuplexAuto))
        duplex = QPrinter::DuplexAuto;
    printer_->setDuplex(duplex);

    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_)) {
        painter_.reset();
        throw PrintError(QStringLiteral("Der Druckauftrag \"%1\" konnte auf dem Drucker \"%2\" nicht begonnen werden.")
                             .arg(title, printer_->printerName()));
    }
    renderer_ = std::make_unique<PainterRenderer>(*painter_);
}

void PrinterBackend::newPage()
{
    if (!printer_->newPage())
        throw PrintError(QStringLiteral("Der Drucker \"%1\" konnte keine neue Seite beginnen.")
                             .arg(printer_->printerName()));
}

void PrinterBackend::endJob()
{
    renderer_.reset();
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended)
        throw PrintError(QStringLiteral("Der Druckauftrag auf dem Drucker \"%1\" konnte nicht abgeschlossen werden.")
                             .arg(printer_->printerName()));
}

void PrinterBackend::abortJob()
{
    renderer_.reset();
    printer_->abort();
    painter_->end();
    painter_.reset();
}

void PrinterBackend::drawText(const TextOperation &operation)
{
    renderer_->draw(operation);
}

void PrinterBackend::drawLine(const LineOperation &operation)
{
    renderer_->draw(operation);
}

void PrinterBackend::drawShape(const ShapeOperation &operation)
{
    renderer_->draw(operation);
}

void PrinterBackend::drawImage(const ImageOperation &operation)
{
    renderer_->draw(operation);
}

} // namespace print
