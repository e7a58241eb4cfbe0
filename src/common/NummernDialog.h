#pragma once

#include "platform/ui/Form.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The shape the copy and delete dialogs share: two document numbers side by
// side, "OK" and "Abbrechen". The numbers are checked on OK only: a text
// that is no whole number gets a message and the dialog stays open;
// "Abbrechen", Esc and the close button always end it quietly with 2.
class NummernDialog : public ui::Form
{
    Q_OBJECT
public:
    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label2;
    QLineEdit *Edit2;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    // The whole number a text stands for, if it is one.
    static std::optional<qint64> ganzeZahl(const QString &text);

protected:
    NummernDialog(const QString &caption, const QString &label1, const QString &label2, bool okZuerst,
                  QWidget *parent);

    // OK with two whole numbers: the dialog's answer (1, or 2 to refuse).
    virtual int pruefen(qint64 nummer1, qint64 nummer2) = 0;

    int zahl(const QLineEdit *edit) const;
    void setzeZahl(QLineEdit *edit, int zahl);

private:
    void okClick();
};
