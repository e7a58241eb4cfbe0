#include "common/Linierung.h"

#include "common/Allgemein_Unit.h"
#include "platform/print/Canvas.h"

#include <cmath>

Linierung &Linierung::stift(int breite)
{
    schritte_.push_back([breite](print::Canvas &canvas) { canvas.setPen(breite); });
    return *this;
}

Linierung &Linierung::rechtecke(std::initializer_list<Rechteck> rechtecke)
{
    schritte_.push_back([liste = std::vector<Rechteck>(rechtecke)](print::Canvas &canvas) {
        for (const Rechteck &r : liste)
            canvas.rectangle(r.x1, r.y1, r.x2, r.y2);
    });
    return *this;
}

Linierung &Linierung::waagrechte(std::initializer_list<Waagrechte> linien)
{
    schritte_.push_back([liste = std::vector<Waagrechte>(linien)](print::Canvas &canvas) {
        for (const Waagrechte &l : liste)
            canvas.line(l.von, l.y, l.bis, l.y);
    });
    return *this;
}

Linierung &Linierung::senkrechte(std::initializer_list<Senkrechte> linien)
{
    schritte_.push_back([liste = std::vector<Senkrechte>(linien)](print::Canvas &canvas) {
        for (const Senkrechte &l : liste)
            canvas.line(l.x, l.von, l.x, l.bis);
    });
    return *this;
}

Linierung &Linierung::striche(int x, int y, int anzahl, Richtung richtung, int laenge, int abstand)
{
    schritte_.push_back([=](print::Canvas &canvas) {
        for (int i = 0; i < anzahl; ++i) {
            const int start = i * abstand;
            if (richtung == Richtung::Waagrecht)
                canvas.line(x + start, y, x + start + laenge, y);
            else
                canvas.line(x, y + start, x, y + start + laenge);
        }
    });
    return *this;
}

Linierung &Linierung::schrift(double hoehe, bool fett)
{
    const print::FontStyles stil = fett ? print::FontStyles(print::FontStyle::Bold) : print::FontStyles();
    schritte_.push_back(
        [hoehe, stil](print::Canvas &canvas) { canvas.setFont(QStringLiteral("Arial"), hoehe, stil); });
    return *this;
}

Linierung &Linierung::farbe(const QColor &farbe)
{
    schritte_.push_back([farbe](print::Canvas &canvas) { canvas.setFontColor(farbe); });
    return *this;
}

Linierung &Linierung::texte(std::initializer_list<Text> texte)
{
    schritte_.push_back([liste = std::vector<Text>(texte)](print::Canvas &canvas) {
        for (const Text &t : liste)
            canvas.textOut(t.x, t.y, t.text);
    });
    return *this;
}

Linierung &Linierung::gesperrt(int x, int y, const QString &text, int schritt)
{
    schritte_.push_back([=](print::Canvas &canvas) { canvas.textOutPitched(x, y, text, schritt); });
    return *this;
}

Linierung &Linierung::gedreht(int x, int y, const QString &text, double zellhoehe, double winkel)
{
    schritte_.push_back([=](print::Canvas &canvas) {
        const print::CanvasFont vorher = canvas.font();
        print::CanvasFont schrift = vorher;
        schrift.name = QStringLiteral("Arial");
        schrift.height = int(std::lround(zellhoehe * 10));
        schrift.style = {};
        schrift.weight = 0;
        schrift.width = 0;
        canvas.setFont(schrift);
        canvas.textOutRotated(x, y, winkel, text);
        canvas.setFont(vorher);
    });
    return *this;
}

Linierung &Linierung::kreuze(std::initializer_list<Kreuze> kreuze)
{
    schritte_.push_back([liste = std::vector<Kreuze>(kreuze)](print::Canvas &canvas) {
        for (const Kreuze &k : liste)
            canvas.textOut(k.x, k.y, QString(k.anzahl, u'X'));
    });
    return *this;
}

Linierung &Linierung::vieleck(const QList<QPoint> &punkte, const QColor &fuellung)
{
    schritte_.push_back([=](print::Canvas &canvas) {
        const print::Brush vorher = canvas.brush();
        const print::Pen stiftVorher = canvas.pen();
        canvas.setPen(1);
        canvas.setBrush(fuellung);
        canvas.polygon(punkte);
        canvas.setBrush(vorher);
        canvas.setPen(stiftVorher);
    });
    return *this;
}

Linierung &Linierung::auszeichnung(int x, int y, const QString &text)
{
    schritte_.push_back([=](print::Canvas &canvas) { CanvasMarkupText(canvas, x, y, 0, text); });
    return *this;
}

Linierung &Linierung::zeichnung(std::function<void(print::Canvas &)> zeichnen)
{
    schritte_.push_back(std::move(zeichnen));
    return *this;
}

Linierung &Linierung::dazu(const Linierung &andere)
{
    schritte_.insert(schritte_.end(), andere.schritte_.begin(), andere.schritte_.end());
    return *this;
}

void Linierung::zeichnen(print::Canvas &canvas) const
{
    canvas.setBrushStyle(print::BrushStyle::Clear);
    canvas.setPen(1);
    canvas.setFontColor(Qt::black);
    for (const auto &schritt : schritte_)
        schritt(canvas);
    canvas.setPen(1);
    canvas.setFontColor(Qt::black);
}
