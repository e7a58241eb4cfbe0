#pragma once

#include "platform/print/PaintOperations.h"

#include <QString>
#include <memory>
#include <optional>

class Druckeinstellungen;

namespace print {
class Canvas;
class PrintBackend;
}

// The shared pieces of the document prints: how lines are spread over
// sheets, the sheet range the clerk asks for, counts typed into an input
// box, and the sequence of print jobs with the printer, offsets and copies
// of each page kind.

// Lines per sheet: `ersteSeite` on the first sheet, `folgeSeite` on each
// further one (1 and 3 on the single administrative document, 11 and 11 on
// the CMR). A document without lines still has its first sheet.
struct Blattaufteilung
{
    int ersteSeite = 1;
    int folgeSeite = 3;

    int blaetter(int positionen) const;
    // The first line (from 1) of the sheet.
    int erstePosition(int blatt) const;
    // How many of the document's lines the sheet carries.
    int positionenAuf(int blatt, int positionen) const;
};

// The sheets from `von` to `bis` of a document with `blaetter` sheets, as
// typed into the print dialog.
struct Blattbereich
{
    int von = 1;
    int bis = 1;
};
// The range, or the German message why it cannot be printed: not a whole
// number, a first sheet below 1 or beyond the last, or the first above the
// last. Nothing of a refused range is printed; a last sheet beyond the
// document's is cut to its last.
std::optional<Blattbereich> blattbereichLesen(const QString &von, const QString &bis, int blaetter,
                                              QString *meldung);

// An input box for a count, asked again after "Sie haben keine gültige Zahl
// eingegeben!" until the clerk types a whole number or cancels (nullopt).
std::optional<int> anzahlAbfragen(const QString &titel, const QString &aufforderung,
                                  const QString &vorgabe = QStringLiteral("1"));

// The jobs of one print run. Each job goes to the printer of the page kind
// it begins with (the run's printer where the clerk chose one for the run)
// and is shifted by that page kind's offsets; a further page of the same job
// (the back page of a duplex print) takes the offsets of its own page kind.
// A job still open when the run ends is ended; one open when an error
// passes is dropped whole.
class Druckauftraege
{
public:
    explicit Druckauftraege(Druckeinstellungen &einstellungen);
    ~Druckauftraege();
    Druckauftraege(const Druckauftraege &) = delete;
    Druckauftraege &operator=(const Druckauftraege &) = delete;

    // The printer of the whole run (the set-up dialog before the first
    // sheet); empty: each page kind's own.
    void setLaufDrucker(const QString &drucker) { laufDrucker_ = drucker; }

    // Ends any open job and begins one titled "Razazu / Versand: " + name.
    print::Canvas &auftragBeginnen(const QString &seitenart, const QString &belegName,
                                   const print::JobOptions &optionen = {});
    // A new page of the open job (a job of its own when none is open).
    print::Canvas &neueSeite(const QString &seitenart, const QString &belegName);
    void auftragBeenden();
    void abbrechen();
    bool offen() const;
    // The canvas of the open job.
    print::Canvas &canvas();
    int auftraege() const { return auftraege_; }

    // The printer a page kind prints on in this run: the run's, else the
    // one its print settings give.
    QString drucker(const QString &seitenart);
    int kopien(const QString &seitenart);

private:
    void verschieben(const QString &seitenart);

    Druckeinstellungen &einstellungen_;
    QString laufDrucker_;
    std::unique_ptr<print::PrintBackend> geraet_;
    std::unique_ptr<print::Canvas> canvas_;
    int auftraege_ = 0;
};
