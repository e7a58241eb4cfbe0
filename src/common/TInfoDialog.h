#pragma once

#include "platform/ui/Form.h"

#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// A message over a box of longer text. Mode 0 ("Zu Ihrer Information")
// asks: "Ja" gives 1, "Nein" 2. Mode 1 ("Hinweise zu den Druck-Parametern")
// only informs and has "Schließen".
class TInfoDialog : public ui::Form
{
    Q_OBJECT
public:
    TInfoDialog(int modus, const QString &meldung, const QStringList &zeilen, QWidget *parent = nullptr);

    QLabel *Label1;
    QPlainTextEdit *Memo1;
    QPushButton *btnNein;
    QPushButton *btnJa;
};

// Shows the dialog modally; true when it ended with 1 ("Ja").
bool ZeigeInfoDialog(int modus, const QString &meldung, const QStringList &zeilen, QWidget *parent = nullptr);
