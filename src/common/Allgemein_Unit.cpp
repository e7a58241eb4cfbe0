#include "common/Allgemein_Unit.h"

#include "platform/print/Canvas.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

std::optional<print::FontStyle> stilVon(QChar zeichen)
{
    switch (zeichen.toUpper().unicode()) {
    case 'B':
        return print::FontStyle::Bold;
    case 'I':
        return print::FontStyle::Italic;
    case 'U':
        return print::FontStyle::Underline;
    case 'S':
        return print::FontStyle::StrikeOut;
    default:
        return std::nullopt;
    }
}

} // namespace

void CanvasVLine(int y1, int y2, int x, print::Canvas &canvas)
{
    canvas.line(x, y1, x, y2);
}

void CanvasHLine(int x1, int x2, int y, print::Canvas &canvas)
{
    canvas.line(x1, y, x2, y);
}

void CanvasSetFontStyle(print::Canvas &canvas, print::FontStyles style)
{
    canvas.setFontStyle(style);
}

void CanvasSetFontName(print::Canvas &canvas, const QString &name)
{
    if (!name.isEmpty())
        canvas.setFontName(name);
}

void CanvasSetFontHeightStyle(print::Canvas &canvas, int height, print::FontStyles style)
{
    if (height < -1)
        canvas.setFontHeight(height);
    canvas.setFontStyle(style);
}

print::FontStyles markupLesen(const QString &markup, print::FontStyles startStil, const MarkupLeser &leser)
{
    print::FontStyles stil = startStil;
    QString lauf;
    auto ausgeben = [&] {
        if (!lauf.isEmpty() && leser.text)
            leser.text(lauf, stil);
        lauf.clear();
    };
    const qsizetype laenge = markup.size();
    qsizetype i = 0;
    while (i < laenge) {
        if (markup[i] == QLatin1Char('<')) {
            if (i + 2 < laenge && markup[i + 2] == QLatin1Char('>')) {
                ausgeben();
                if (const auto an = stilVon(markup[i + 1]))
                    stil |= *an;
                i += 3;
                continue;
            }
            if (i + 3 < laenge && markup[i + 1] == QLatin1Char('/') && markup[i + 3] == QLatin1Char('>')) {
                ausgeben();
                if (const auto aus = stilVon(markup[i + 2]))
                    stil &= ~print::FontStyles(*aus);
                i += 4;
                continue;
            }
            if (i + 3 < laenge && markup.mid(i, 4).compare(QLatin1String("<br>"), Qt::CaseInsensitive) == 0) {
                ausgeben();
                if (leser.zeilenumbruch)
                    leser.zeilenumbruch();
                i += 4;
                continue;
            }
        }
        lauf += markup[i];
        ++i;
    }
    ausgeben();
    return stil;
}

int CanvasMarkupText(print::Canvas &canvas, int x, int y, int zeilenabstand, const QString &text)
{
    int links = x;
    int oben = y;
    MarkupLeser leser;
    leser.text = [&](const QString &lauf, print::FontStyles stil) {
        canvas.setFontStyle(stil);
        canvas.textOut(links, oben, lauf);
        links = canvas.penPos().x();
    };
    // The canvas is in 0.1 mm with y pointing down and negative character
    // heights, so a line moves down by the height's size plus the gap.
    leser.zeilenumbruch = [&] {
        oben += std::abs(canvas.font().height) + zeilenabstand;
        links = x;
    };
    canvas.setFontStyle(markupLesen(text, canvas.font().style, leser));
    return oben + std::abs(canvas.font().height) + zeilenabstand;
}

QStringList blocksatzWoerter(const QString &text)
{
    QStringList teile = text.split(QLatin1Char(' '));
    const QString letztes = teile.takeLast().trimmed();
    QStringList woerter;
    for (const QString &teil : teile)
        woerter << teil.trimmed();
    if (!letztes.isEmpty())
        woerter << letztes;
    return woerter;
}

void CanvasTextOutJustified(print::Canvas &canvas, int x, int y, const QString &text, bool blocksatz, int breite)
{
    if (!blocksatz) {
        canvas.textOut(x, y, text);
        return;
    }
    const QStringList woerter = blocksatzWoerter(text);
    if (woerter.isEmpty())
        return;
    QList<int> breiten;
    int summe = 0;
    for (const QString &wort : woerter) {
        breiten << canvas.textWidth(wort);
        summe += breiten.last();
    }
    const int teiler = woerter.size() > 1 ? int(woerter.size()) - 1 : 1;
    // Halves round to even, as the printer's arithmetic did.
    const int luecke = int(std::nearbyint(double(breite - summe) / double(teiler)));
    int links = x;
    for (qsizetype i = 0; i < woerter.size(); ++i) {
        if (!woerter[i].isEmpty())
            canvas.textOut(links, y, woerter[i]);
        links += breiten[i] + luecke;
    }
}
