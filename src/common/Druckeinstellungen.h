#pragma once

#include "common/Belegart.h"
#include "platform/print/PageGeometry.h"
#include "platform/print/PaintOperations.h"
#include "platform/print/Printers.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QMenu;
class QWidget;

namespace db {
class Database;
class DataSource;
class Table;
}
namespace print {
class PrintBackend;
class PrintJob;
}

// The printers the program sees. Tests put a list of their own in place.
using DruckerListeQuelle = std::function<print::PrinterList()>;
print::PrinterList installierteDrucker();
// Returns the previous source; an empty one brings back the installed printers.
DruckerListeQuelle setDruckerListeQuelle(DruckerListeQuelle quelle);

// The device a print goes to, by printer name. Tests put a recording in place.
using DruckerAnschluss = std::function<std::unique_ptr<print::PrintBackend>(const QString &druckerName)>;
DruckerAnschluss setDruckerAnschluss(DruckerAnschluss anschluss);

// The device of a printer by name: the printer itself, or what a test put
// in place with setDruckerAnschluss.
std::unique_ptr<print::PrintBackend> druckerGeraet(const QString &druckerName);

// The program's current printer, on which the master-data lists print with
// no page kind: the default printer until the clerk chooses another in a
// list's printer set-up; the choice holds for the rest of the run.
QString aktuellerDrucker();
void setAktuellerDrucker(const QString &druckerName);

// What the user's print settings (S_BENUTZ) say about one page kind.
struct SeitenEinstellung
{
    QString seitenart;
    QString gespeichert;   // schnittst as stored
    QString drucker;       // the installed printer it names; empty: none chosen
    int spalte = 0;        // 0.1 mm; a larger value moves the print left
    int zeile = 0;         // 0.1 mm; a larger value moves the print down
    int kopien = 1;
};

// The protocol every print form follows with its page kinds' rows in the
// logged-in user's S_BENUTZ: printer, offsets and copies per page kind, as
// the family declares its print. Printers are remembered by name; a name no
// longer installed counts as no printer chosen.
//
//   Druckeinstellungen einstellungen(cmr.druck);
//   einstellungen.oeffnen();                       // when the print form is made
//   statusBar->setPanelText(0, einstellungen.statusText());
//   einstellungen.drucken("CMR", "CMR 4711", [&](print::PrintJob &job) { ... });
class Druckeinstellungen
{
public:
    // benutzer: the user's database (alias "Razazu"). parameter: the
    // family's parameter record, for what the declaration lets the
    // print-settings editor edit there.
    explicit Druckeinstellungen(const Belegart::Druck &druck, db::DataSource *parameter = nullptr);
    Druckeinstellungen(const Belegart::Druck &druck, db::Database &benutzer, db::DataSource *parameter = nullptr);
    ~Druckeinstellungen();
    Druckeinstellungen(const Druckeinstellungen &) = delete;
    Druckeinstellungen &operator=(const Druckeinstellungen &) = delete;

    // Opens the rows (where the family says so, a page kind without one gets
    // it: no printer, no offsets, one copy). When the first page kind has no
    // printer, says "Es wurde kein Drucker ausgewählt!", then lets the clerk
    // choose: through waehlen where given (the print-settings editor), else
    // through the printer set-up, whose choice is stored. Answers whether a
    // printer is chosen now; a page kind without its row has none and asks
    // for none.
    bool oeffnen(const std::function<void()> &waehlen = {});

    // "Drucker: " and the printer the first page kind prints on.
    QString statusText();
    // The printer a page kind prints on: its own, else the first page
    // kind's, else the workstation's default printer.
    QString drucker(const QString &seitenart = {});
    // The row of a page kind as it stands in the table now (empty: the first).
    SeitenEinstellung einstellung(const QString &seitenart = {});

    // The printer menu's "... einrichten": the printer set-up dialog; the
    // chosen printer is stored for the page kind. Answers whether one was.
    bool druckerEinrichten(const QString &seitenart = {});
    // The same for every page kind of the family at once (forms whose sheets
    // go to one printer): whatever the dialog answers, every page kind then
    // has the printer it leaves current.
    void druckerFuerAlleEinrichten();
    // The printer menu's "... parameter einstellen": the print-settings
    // editor on the page kinds beginning with the prefix. Where the family
    // declares it, the editor also shows the line distance `Inta` of the
    // parameter record, which is stored when the editor ends with OK and
    // dropped otherwise (the caller refreshes its own copy).
    void parameterEinstellen(const QString &praefix, QWidget *parent = nullptr);

    // Fills the print form's printer menu with "... einrichten" and "...
    // parameter einstellen" (on the page kinds beginning with the prefix);
    // after either, anzeigen shows the printer anew (the status bar).
    void druckerMenueFuellen(QMenu *menue, const QString &praefix, std::function<void()> anzeigen,
                             QWidget *parent = nullptr);

    // Prints a document on the page kind's printer, shifted by its offsets,
    // once per copy (0 copies print nothing), each copy its own job titled
    // "Razazu / Versand: " + belegName. With no printer chosen the clerk is
    // asked for one first; without one, or without the page kind's row,
    // nothing is printed. Answers the
    // number of copies printed. Print errors pass on; a job that fails is
    // dropped whole.
    int drucken(const QString &seitenart, const QString &belegName,
                const std::function<void(print::PrintJob &job)> &zeichnen, print::JobOptions optionen = {});

    db::Table &tabelle();

    // The text S_BENUTZ's schnittst holds for "no printer chosen".
    static QString keinDrucker();
    // empty, "-1" or "LPT1" (any case)
    static bool keinerGewaehlt(const QString &gespeichert);

private:
    QString seiteOderErste(const QString &seitenart) const;
    bool zeileSuchen(const QString &seitenart);
    void zeilenAnlegen();
    bool nachDruckerFragen(const QString &seitenart);
    bool druckerSpeichern(const QString &seitenart, const QString &drucker);

    QStringList seitenarten_;
    bool zeilenAnlegen_;
    bool positionsabstand_;
    db::DataSource *parameter_;
    db::Database &benutzer_;
    std::unique_ptr<db::Table> tabelle_;
};
