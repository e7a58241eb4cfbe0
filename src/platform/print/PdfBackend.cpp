#include "platform/print/PdfBackend.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QtDebug>

#include "private/PainterRenderer.h"
#include "platform/print/PrintError.h"

namespace print {

namespace {

QPageLayout a4Layout(Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

PdfBackend::PdfBackend(const QString &fileName, int resolution)
    : fileName_(fileName), resolution_(resolution)
{
}

PdfBackend::~PdfBackend()
{
    try {
        finish();
    } catch (const PrintError &error) {
        qWarning().noquote() << error.message();
    }
}

QSize PdfBackend::printableArea(Orientation orientation) const
{
    return sheetSize(orientation);
}

void PdfBackend::beginJob(const QString &title, const JobOptions &options)
{
    if (finished_)
        throw PrintError(QStringLiteral("Die PDF-Datei \"%1\" ist bereits abgeschlossen.").arg(fileName_));
    title_ = title;
    options_ = options;
    pages_.clear();
    pages_.emplace_back();
}

void PdfBackend::newPage()
{
    pages_.emplace_back();
}

void PdfBackend::abortJob()
{
    pages_.clear();
}

void PdfBackend::openFile(const QString &title)
{
    file_ = std::make_unique<QSaveFile>(fileName_);
    if (!file_->open(QIODevice::WriteOnly))
        throw PrintError(QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden: %2")
                             .arg(fileName_, file_->errorString()));
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    writer_->setResolution(resolution_);
    writer_->setTitle(title);
    writer_->setCreator(QCoreApplication::applicationName());
    writer_->setPageLayout(a4Layout(options_.orientation));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get()))
        throw PrintError(QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden.").arg(fileName_));
    renderer_ = std::make_unique<PainterRenderer>(*painter_);
}

void PdfBackend::endJob()
{
    if (!painter_)
        openFile(title_);
    for (const std::vector<Operation> &page : pages_) {
        if (pagesWritten_ > 0) {
            writer_->setPageLayout(a4Layout(options_.orientation));
            writer_->newPage();
        }
        for (const Operation &operation : page)
            std::visit([this](const auto &item) { renderer_->draw(item); }, operation);
        ++pagesWritten_;
    }
    pages_.clear();
}

void PdfBackend::finish()
{
    if (finished_)
        return;
    finished_ = true;
    if (!painter_)
        return;
    renderer_.reset();
    const bool painted = painter_->end();
    painter_.reset();
    writer_.reset();
    if (!painted || !file_->commit())
        throw PrintError(QStringLiteral("Die PDF-Datei \"%1\" konnte nicht geschrieben werden: %2")
                             .arg(fileName_, file_->errorString()));
    file_.reset();
}

void PdfBackend::drawText(const TextOperation &operation)
{
    pages_.back().emplace_back(operation);
}

void PdfBackend::drawLine(const LineOperation &operation)
{
    pages_.back().emplace_back(operation);
}

void PdfBackend::drawShape(const ShapeOperation &operation)
{
    pages_.back().emplace_back(operation);
}

void PdfBackend::drawImage(const ImageOperation &operation)
{
    pages_.back().emplace_back(operation);
}

} // namespace print
