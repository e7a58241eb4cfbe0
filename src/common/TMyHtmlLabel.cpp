#include "common/TMyHtmlLabel.h"

#include "common/Allgemein_Unit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

QFont schriftMitStil(QFont font, print::FontStyles stil)
{
    font.setBold(stil.testFlag(print::FontStyle::Bold));
    font.setItalic(stil.testFlag(print::FontStyle::Italic));
    font.setUnderline(stil.testFlag(print::FontStyle::Underline));
    font.setStrikeOut(stil.testFlag(print::FontStyle::StrikeOut));
    return font;
}

int schriftgroesse(const QFont &font)
{
    return font.pointSize() > 0 ? font.pointSize() : font.pixelSize();
}

} // namespace

TMyHtmlLabel::TMyHtmlLabel(QWidget *parent)
    : QLabel(parent)
{
    setAutoFillBackground(false);
}

void TMyHtmlLabel::setText(const QString &text)
{
    QLabel::setText(text);
    anpassen();
    update();
}

void TMyHtmlLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    anpassen();
}

void TMyHtmlLabel::setTransparent(bool on)
{
    transparent_ = on;
    update();
}

int TMyHtmlLabel::zeilenschritt() const
{
    return schriftgroesse(font()) + 5;
}

int TMyHtmlLabel::breitesteZeile() const
{
    int breiteste = 0;
    int zeile = 0;
    MarkupLeser leser;
    leser.text = [&](const QString &lauf, print::FontStyles stil) {
        zeile += QFontMetrics(schriftMitStil(font(), stil)).horizontalAdvance(lauf);
        breiteste = std::max(breiteste, zeile);
    };
    leser.zeilenumbruch = [&] { zeile = 0; };
    markupLesen(text(), {}, leser);
    return breiteste;
}

// The label grows so that the line below the last one would still fit.
void TMyHtmlLabel::anpassen()
{
    const int groesse = schriftgroesse(font());
    int oben = 0;
    int benoetigt = 0;
    auto pruefen = [&] {
        if (height() < oben + 2 * groesse + 5)
            benoetigt = std::max(benoetigt, oben + 2 * groesse + 10);
    };
    MarkupLeser leser;
    leser.text = [&](const QString &, print::FontStyles) { pruefen(); };
    leser.zeilenumbruch = [&] {
        oben += zeilenschritt();
        pruefen();
    };
    markupLesen(text(), {}, leser);
    const int breite = autoSize_ ? breitesteZeile() : width();
    if (benoetigt > height() || breite != width())
        resize(breite, std::max(height(), benoetigt));
}

void TMyHtmlLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setPen(palette().color(foregroundRole()));
    const QFont grundschrift = schriftMitStil(font(), {});
    int links = 0;
    int oben = 0;
    MarkupLeser leser;
    leser.text = [&](const QString &lauf, print::FontStyles stil) {
        const QFont schrift = schriftMitStil(grundschrift, stil);
        const QFontMetrics metrik(schrift);
        painter.setFont(schrift);
        painter.drawText(QPoint(links, oben + metrik.ascent()), lauf);
        links += metrik.horizontalAdvance(lauf);
    };
    leser.zeilenumbruch = [&] {
        links = 0;
        oben += zeilenschritt();
    };
    markupLesen(text(), {}, leser);
}

void TMyHtmlLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        anpassen();
}
