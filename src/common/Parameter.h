#pragma once

#include "platform/ui/Form.h"

class QLabel;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class DataCheckBox;
class DataEdit;
class SpeedButton;
}

// The small dialog "Parameter" through which a register edits its family's
// number proposal and plausibility switch, and the main menu the VAT rate and
// number. The caller binds the controls; the dialog checks nothing itself.
class TfrmParameter : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmParameter(QWidget *parent = nullptr);

    QLabel *Label1;                 // "Nächste Nummer"
    ui::DataEdit *DBEdit1;
    ui::DataCheckBox *DBCheckBox1;  // "Plausibilität"
    QLabel *Label2;                 // "UmsatzsteuerNummer", hidden
    ui::DataEdit *DBEdit2;          // hidden
    ui::SpeedButton *SpeedButton1;  // "OK"
    ui::SpeedButton *SpeedButton2;  // "Abbrechen"
};

// A register's "&Parameter": the dialog on the family's proposal field and
// switch (an empty switch name hides the box). OK posts the parameter
// record, any other end cancels what was typed. Returns whether it was OK.
bool ParameterBearbeiten(db::Table &parameter, db::DataSource &quelle, const QString &vorschlagFeld,
                         const QString &plausiFeld);
