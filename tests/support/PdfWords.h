#pragma once

#include <QFile>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

// The words of a PDF with their boxes, as poppler's pdftotext -bbox reads
// them back, converted from points to 0.1 mm. yMin is the baseline minus the
// ascent written into the PDF's font descriptor; for the Liberation faces
// that equals the Windows ascent, so yMin is the top of the character cell.
struct PdfWord
{
    int page = 0;
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

struct PdfWords
{
    QList<QSizeF> pages; // in 0.1 mm
    QList<PdfWord> words;
    QString error;

    const PdfWord *find(const QString &text) const
    {
        for (const PdfWord &word : words)
            if (word.text == text)
                return &word;
        return nullptr;
    }

    static PdfWords read(const QString &pdf)
    {
        PdfWords result;
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (program.isEmpty()) {
            result.error = QStringLiteral("pdftotext (poppler-utils) is not installed");
            return result;
        }
        QProcess process;
        process.start(program, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            result.error = QStringLiteral("pdftotext failed: ") + QString::fromUtf8(process.readAllStandardError());
            return result;
        }
        const QString html = QString::fromUtf8(process.readAllStandardOutput());
        constexpr double tenthMmPerPoint = 254.0 / 72.0;
        static const QRegularExpression element(
            QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
                                R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        for (auto match = element.globalMatch(html); match.hasNext();) {
            const auto m = match.next();
            if (!m.captured(1).isEmpty()) {
                result.pages.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) * tenthMmPerPoint);
                continue;
            }
            result.words.append(PdfWord{int(result.pages.size()), m.captured(7),
                                        m.captured(3).toDouble() * tenthMmPerPoint,
                                        m.captured(4).toDouble() * tenthMmPerPoint,
                                        m.captured(5).toDouble() * tenthMmPerPoint,
                                        m.captured(6).toDouble() * tenthMmPerPoint});
        }
        return result;
    }
};
