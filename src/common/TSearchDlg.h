#pragma once

#include "platform/ui/Form.h"

#include <functional>

class QLineEdit;
class QRadioButton;
class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class SpeedButton;
}

// The incremental search of the registers: while the clerk types a number
// or a name, the caller's list moves to the nearest document. The dialog
// knows no table; the caller points the grid at its data source and sets
// onTextChanged.
class TSearchDlg : public ui::Form
{
    Q_OBJECT
public:
    explicit TSearchDlg(QWidget *parent = nullptr);

    QLineEdit *Edit1;
    QRadioButton *RadioButton1;     // "nach Beleg-Nr.", chosen at start
    QRadioButton *RadioButton2;     // "nach Name"
    TSR_dbGrid *DBGrid1;
    ui::SpeedButton *SpeedButton1;  // "Abbruch"
    ui::SpeedButton *SpeedButton2;  // "OK"

    bool nachNummer() const;

    std::function<void(TSearchDlg &dialog)> onTextChanged;

protected:
    void showEvent(QShowEvent *event) override;
};

// The search as the registers run it: "nach Beleg-Nr." goes to the first
// document at or above the typed number, "nach Name" to the nearest name in
// the table's index `nameIndex`. The table keeps the order it had before.
// OK on the master record says "Masterformular wird nicht angezeigt !".
// Returns whether the dialog ended with OK.
bool BelegSuchen(db::Table &tabelle, db::DataSource &quelle, const QString &nameIndex, QWidget *parent = nullptr);
