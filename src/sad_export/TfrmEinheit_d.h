#pragma once

#include "common/Druckpositionen.h"
#include "common/TfrmBelegdruck.h"

#include <array>
#include <memory>
#include <optional>

class Linierung;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace db {
class Database;
class Table;
}
namespace print {
class Canvas;
}

// "EINHEITSPAPIER - DRUCK": prints one export declaration onto the official
// form set (sheet 1 on form 0733, every further sheet on 0734), onto sets
// pre-stamped from the master record, or on blank paper with the whole form
// drawn. One item on sheet 1, three on each further sheet.
class TfrmEinheit_d : public TfrmBelegdruck
{
    Q_OBJECT
public:
    explicit TfrmEinheit_d(QWidget *parent = nullptr);
    explicit TfrmEinheit_d(db::Database &datenbank, QWidget *parent = nullptr);
    ~TfrmEinheit_d() override;

    // Positions the dialog's own copy of the declaration; false when there
    // is none of that number.
    bool belegSuchen(qint64 belegNr);

    db::Table *tbeinheit;
    db::Table *tbEinfol;
    RadioGroup *RadioGroup1;   // the sheet range
    QLineEdit *Edit1;          // number of the declaration form
    QLabel *Label5;            // "Nummmer - Einheitspapier:"
    QLineEdit *Edit2;          // from sheet
    QLineEdit *Edit3;          // to sheet
    QLineEdit *Edit4;          // single sheet
    QCheckBox *CheckBox1;      // "VorabStempler"
    QPushButton *Button1;      // back page of sheet 1
    QPushButton *Button2;      // instructions back
    QMenu *mnuDienste;
    QAction *VorabstemplerParameter1;
    QAction *TestdruckaufweiemPapier1;
    QMenu *mnuAESaetze;
    QAction *N3fach1;
    QAction *N4fach1;

    static constexpr int VorabTore = 59;   // boxes 0..55 and the lines 44_1..44_3
    enum Medium { Formular = 0, WeissesPapier = 1 };
    enum Bereich { Alles = 0, VonBis = 1, EineSeite = 2 };

    int blaetter() const { return blaetter_; }
    int positionen() const { return positionen_; }

    // The choices of range and medium applied to the controls.
    void auswahlAnwenden();
    void DruckAufFormular();
    void DruckAufWeissemPapier();
    void SeiteDrucken(int blatt);
    void ErsteSeiteDrucken();
    void FormularDrucken(int kopie);
    void ErgaenzungsblattFormularDrucken(int kopie);
    void Button1Click();
    void Button2Click();
    void TestdruckaufweiemPapier1Click();
    void VorabstemplerParameter1Click();

    // The pre-stamper list "Vorab.KD1" of the program folder as flags 0..58
    // ("44_1" to "44_3" are 56 to 58; other lines are skipped). A file that
    // cannot be read raises its error.
    static std::array<bool, VorabTore> vorabLesen(const QString &dateiName);

protected:
    bool drucken() override;
    void showEvent(QShowEvent *event) override;

private:
    void aufbauen();
    bool istMaster() const;
    int aeSet() const;
    void blattBeginnen(print::Canvas &canvas);
    void ersteSeiteZeichnen(print::Canvas &canvas);
    void folgeseiteZeichnen(print::Canvas &canvas, int blatt);
    void notfallStempelZeichnen(print::Canvas &canvas);
    void zollstellenStempelZeichnen(print::Canvas &canvas);
    std::optional<int> rueckseiteAbfragen();
    void rueckseiteEinzeln(const Linierung &seite, int anzahl);
    Druckkontext kontext(int blatt);
    QString kasten44(int zeile) const;
    void aenrSpeichern();

    std::unique_ptr<db::Table> einheit_;
    std::unique_ptr<db::Table> einfolg_;
    std::unique_ptr<Druckauftraege> auftraege_;
    std::array<bool, VorabTore> vorab_{};
    int blaetter_ = 1;
    int aktuellesBlatt_ = 1;
    int positionen_ = 0;
    bool weiss_ = false;
    bool einAuftrag_ = false;
    bool testdruck_ = false;
    bool nummerGefragt_ = false;
};

// Prints the export declaration of that number through its print dialog:
// the register's and the entry form's "&Drucken". A number without a
// declaration shows nothing.
void AusfuhranmeldungDrucken(qint64 belegNr, QWidget *parent = nullptr);
