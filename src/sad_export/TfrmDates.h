#pragma once

#include "platform/ui/Form.h"

#include <QDate>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace ui {
class SpeedButton;
}

// "Von - Bis": the date range and the target kind of the register's list
// export. OK needs two valid dates and a ticked target.
class TfrmDates : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmDates(QWidget *parent = nullptr);

    QLabel *Label3;              // "Liste Drucken"
    QLineEdit *MaskEdit1;        // "Von"
    QLineEdit *MaskEdit2;        // "Bis"
    QCheckBox *CheckBox1;        // "Razazu in Excel Datei"
    QCheckBox *CheckBox2;        // "Razazu in ASCII-Datei"
    ui::SpeedButton *BitBtn1;    // "&OK"
    ui::SpeedButton *BitBtn2;    // "&Abbrechen"

    QDate von() const;
    QDate bis() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pruefend_ = false;
    bool datumPruefen(QLineEdit *edit);
    bool eingabenPruefen();
};
