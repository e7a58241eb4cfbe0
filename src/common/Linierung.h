#pragma once

#include "platform/print/PaintOperations.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

namespace print {
class Canvas;
}

// A form drawn on blank paper, as tables: the ruling (lines and boxes with
// their pen widths), dashed and dotted runs, captions (bold numbers, regular
// titles, rotated and letter-spaced texts), grey fills made of the letter X,
// filled shapes and long fixed texts with bold words inside. It is built
// once, in the order the paper form is drawn, and replayed on every sheet;
// positions are x, y in 0.1 mm from the sheet's top-left, like the data
// written into it. Nothing is filled but what says so.
//
//   Linierung blatt;
//   blatt.stift(1).rechtecke({{220, 95, 1145, 350}})
//        .waagrechte({{1110, 1145, 2040}})
//        .schrift(2.2, true).texte({{250, 110, "2"}});
//   blatt.zeichnen(canvas);
class Linierung
{
public:
    struct Rechteck
    {
        int x1, y1, x2, y2;
    };
    struct Waagrechte
    {
        int y, von, bis;
    };
    struct Senkrechte
    {
        int x, von, bis;
    };
    struct Text
    {
        int x, y;
        QString text;
    };
    struct Kreuze
    {
        int anzahl, x, y;
    };
    enum class Richtung { Waagrecht, Senkrecht };

    // Pen width in 0.1 mm for the lines and boxes that follow (1: thin).
    Linierung &stift(int breite);
    Linierung &rechtecke(std::initializer_list<Rechteck> rechtecke);
    Linierung &waagrechte(std::initializer_list<Waagrechte> linien);
    Linierung &senkrechte(std::initializer_list<Senkrechte> linien);
    // `anzahl` strokes of `laenge` every `abstand` from (x, y) along the
    // direction, in the pen in force: dashed (10 every 20) and dotted
    // (4 every 8) runs of the paper forms.
    Linierung &striche(int x, int y, int anzahl, Richtung richtung, int laenge, int abstand);
    // The font of the texts that follow: Arial at a character height in mm.
    Linierung &schrift(double hoehe, bool fett = false);
    Linierung &farbe(const QColor &farbe);
    Linierung &texte(std::initializer_list<Text> texte);
    Linierung &text(int x, int y, const QString &text) { return texte({{x, y, text}}); }
    // One character every `schritt` from x, whatever its width.
    Linierung &gesperrt(int x, int y, const QString &text, int schritt = 26);
    // Rotated by `winkel` degrees (270 runs up the page) in Arial of this
    // cell height (mm), regular; the font in force is kept.
    Linierung &gedreht(int x, int y, const QString &text, double zellhoehe, double winkel);
    // Runs of the letter X in the font in force: boxes the form leaves empty.
    Linierung &kreuze(std::initializer_list<Kreuze> kreuze);
    // A polygon filled with the colour, outlined thin.
    Linierung &vieleck(const QList<QPoint> &punkte, const QColor &fuellung = Qt::black);
    // Text with inline "<b>...</b>" in the font in force, each piece starting
    // where the previous one ended.
    Linierung &auszeichnung(int x, int y, const QString &text);
    // Whatever the form needs beyond the tables (a centred stamp).
    Linierung &zeichnung(std::function<void(print::Canvas &)> zeichnen);
    // Another drawing, appended in its order.
    Linierung &dazu(const Linierung &andere);

    void zeichnen(print::Canvas &canvas) const;
    bool leer() const { return schritte_.empty(); }

private:
    std::vector<std::function<void(print::Canvas &)>> schritte_;
};
