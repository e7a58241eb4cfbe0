#pragma once

#include "common/Belegdruck.h"
#include "common/Druckpositionen.h"
#include "common/TfrmBelegdruck.h"

#include <memory>

class Linierung;

namespace db {
class Database;
class Table;
}
namespace print {
class Canvas;
}

// "CMR - DRUCK": prints one CMR consignment note onto the pre-printed form or
// onto blank paper with the whole form drawn first. Each sheet is a job of
// its own with every header box and up to 11 lines of goods; the copies of
// the page kind "CMR" repeat the sheets in order.
class TfrmCmr_d : public TfrmBelegdruck
{
    Q_OBJECT
public:
    explicit TfrmCmr_d(QWidget *parent = nullptr);
    explicit TfrmCmr_d(db::Database &datenbank, QWidget *parent = nullptr);
    ~TfrmCmr_d() override;

    // Positions the dialog's own copy of the note; false when there is none
    // of that number.
    bool belegSuchen(qint64 belegNr);

    enum Medium { WeissesPapier = 0, Formular = 1 };
    static constexpr Blattaufteilung aufteilung{11, 11};

    db::Table *tbCmr;
    db::Table *tbCmrFolg;

    int blaetter() const { return aufteilung.blaetter(positionen_); }
    void SeiteDrucken(int blatt);

protected:
    bool drucken() override;

private:
    std::unique_ptr<db::Table> cmr_;
    std::unique_ptr<db::Table> folg_;
    std::unique_ptr<Druckauftraege> auftraege_;
    int positionen_ = 0;
};

// The header boxes, one line of goods (at the first line's height) and the
// permit marks as the print writes them, and the form drawn on blank paper.
const QList<Druckposition> &CmrKopfPositionen();
const QList<Druckposition> &CmrZeilenPositionen();
const QList<Druckposition> &CmrGenehmigungPositionen();
const Linierung &CmrFormular();
