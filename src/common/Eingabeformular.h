#pragma once

#include "common/Eingabedeklaration.h"

#include "platform/ui/Form.h"

#include <QHash>
#include <QList>
#include <functional>
#include <memory>

class Kastenraster;
class QFrame;
class QHBoxLayout;
class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class ScrollBox;
class SpeedButton;
}

// The entry-form engine: a scrolling form whose controls it builds and binds
// from a field table, each box framed and titled at its place on the paper
// form (Papierplatz), its controls in the table's order, which is the tab
// order, with
//  - the box's help text in status panel 0 while a control has the focus;
//  - F9 (on release, or on press where the binding says so) clicking the
//    control's lookup button, and the lookup run as its binding says: the
//    record into edit state, the registered lookup asked, its choice written
//    into the controls as if typed, the record posted, the focus moved;
//  - Enter moving on to the next control, the mouse wheel scrolling the form
//    (a grid takes it for its rows), entering a control scrolling it into
//    view, and the fonts and colours of the options;
//  - the fixed fields: in the master record F6 in a data edit adds its name
//    to the family's fixed-field list (or takes it out again), stores the
//    list at once and colours the edit; in every other document the listed controls are coloured and off;
//  - the check of required boxes over the controls' current texts;
//  - "&Drucken": post, check, then print.
// It opens no table: it binds to the register's data sources, and registers
// itself under its name with the open entry forms while it exists.
class Eingabeformular : public ui::Form
{
    Q_OBJECT
public:
    struct Quellen
    {
        db::DataSource *kopf = nullptr;
        db::DataSource *positionen = nullptr;
        db::DataSource *parameter = nullptr;
    };

    Eingabeformular(const QString &name, const QList<Eingabefeld> &felder, const QList<Auswahlbindung> &auswahlen,
                    Quellen quellen, QWidget *parent = nullptr);
    ~Eingabeformular() override;

    ui::ScrollBox *ScrollBox1;

    // A control of the field table, or a lookup button, by its name.
    QWidget *steuerelement(const QString &name) const;
    // The control bound to the field (case ignored), or nullptr.
    QWidget *steuerelementFuer(const QString &feld) const;
    // The current text of the control bound to the field, typed but not yet
    // stored included; a check box: its value written.
    QString feldText(const QString &feld) const;
    const QList<Eingabefeld> &felder() const { return felder_; }
    // The line a control stands on, for a form's own buttons beside it.
    QHBoxLayout *zeileVon(const QString &steuerelement) const;
    // The grid of the lines and the row its buttons go on.
    TSR_dbGrid *positionsliste() const { return positionsliste_; }
    QHBoxLayout *positionsKnoepfe() const { return positionsKnoepfe_; }

    db::Table *tabelle(Datenquelle quelle) const;

    // Writes into the control as if typed (a data edit stores it at once).
    void schreiben(const QString &steuerelement, const QString &text);
    // Runs the lookup of that button.
    void auswahlAusfuehren(const QString &knopf);

    // The fixed-field list (control names, one per line) applied: listed data
    // edits coloured, and off unless the form shows the master record; F6 in
    // the master record toggles the focused edit in the list.
    void festeFelderEinrichten(const QString &listenfeld, bool master);
    bool istFestesFeld(const QString &steuerelement) const;

    // True: the caller may go on. Off: at once. With a gap the dialog is asked
    // (with the captions to tick) and its result noted; the focus goes to
    // the first empty box; only "Korrigieren" (4) answers false.
    bool pruefen(const Pruefung &pruefung, bool an,
                 const std::function<int(const QStringList &angekreuzt)> &dialog);
    // Which of the rules hold now.
    bool regelTrifftZu(const Pruefregel &regel) const;

    // "&Drucken": text in the edits stored, header and lines posted, then the
    // check; only when both pass does the print run.
    void druckenNachPruefung(const std::function<bool()> &pruefung, const std::function<void()> &drucken);

    // Shows or hides a box: its title, its controls and their buttons.
    void setKastenSichtbar(const QString &kasten, bool sichtbar);
    // The frame of a box, by its caption in the field table.
    QFrame *kastenVon(const QString &kasten) const;
    // A widget of the form's own (the head of the paper form) at its place
    // among the boxes.
    void aufPapierSetzen(QWidget *widget, const Papierplatz &platz);

    // Status panel 1.
    void setStatus(const QString &text);

protected:
    // A hook after a lookup's choice is written, before the post.
    virtual void nachAuswahl(const Auswahlbindung &) {}
    void showEvent(QShowEvent *event) override;

private:
    void aufbauen();
    void fensterGroesseSetzen();
    QWidget *steuerelementBauen(const Eingabefeld &feld, QWidget *eltern);
    void knopfBauen(const Auswahlbindung &bindung);
    void steuerelementVerbinden(QWidget *control, const Eingabefeld &feld);
    void festesFeldUmschalten(QWidget *control);
    bool tasteGedrueckt(QKeyEvent *event);
    void fokusNach(const Auswahlbindung &bindung, QWidget *ausgangspunkt);

    QString name_;
    QList<Eingabefeld> felder_;
    QList<Auswahlbindung> auswahlen_;
    Quellen quellen_;
    QHash<QString, QWidget *> steuerelemente_;
    QHash<QString, QHBoxLayout *> zeilen_;
    std::unique_ptr<Kastenraster> raster_;
    QHash<QString, QFrame *> kaesten_;
    QHash<QString, const Eingabefeld *> feldZeilen_;
    TSR_dbGrid *positionsliste_ = nullptr;
    QHBoxLayout *positionsKnoepfe_ = nullptr;
    QString festeFelderFeld_;
    bool master_ = false;
    bool ersteAnzeige_ = true;
};
