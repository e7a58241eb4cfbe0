#pragma once

#include <QString>
#include <memory>
#include <variant>
#include <vector>

#include "platform/print/PrintBackend.h"

class QPainter;
class QPdfWriter;
class QSaveFile;

namespace print {

class PainterRenderer;

// Writes the jobs into one PDF file, one A4 page per canvas page, the whole
// sheet printable. A job reaches the file only when it ends (an aborted job
// leaves no trace), and the file appears only when finish() succeeds, so a
// failed run never leaves half a file behind. Copies are not repeated: a PDF
// holds each page once.
class PdfBackend : public PrintBackend
{
public:
    explicit PdfBackend(const QString &fileName, int resolution = 1200);
    // Finishes the file when finish() was not called; failures are only logged here.
    ~PdfBackend() override;

    QString fileName() const { return fileName_; }
    // Pages written so far (ended jobs only).
    int pageCount() const { return pagesWritten_; }
    // Completes the file; a PrintError when it cannot be written. A run
    // without any ended job writes no file.
    void finish();

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
    using Operation = std::variant<TextOperation, LineOperation, ShapeOperation, ImageOperation>;
    void openFile(const QString &title);

    QString fileName_;
    int resolution_;
    JobOptions options_;
    QString title_;
    std::vector<std::vector<Operation>> pages_; // of the job being drawn
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterRenderer> renderer_;
    int pagesWritten_ = 0;
    bool finished_ = false;
};

} // namespace print
