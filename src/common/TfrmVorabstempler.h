#pragma once

#include "platform/ui/Form.h"

class QListWidget;
class QPushButton;
class QToolButton;

// "Parameter - Vorabstempler": which boxes of a declaration form are printed
// in advance onto blank form sets (right, "Bedruckte Felder") and which are
// left for the declaration (left, "Unbedruckte Felder"). Each list is a
// plain text file in the program folder, one entry per line; the family's
// default list stands in for an unreadable left file. "OK" writes both
// files, "Abbruch" nothing; any other way out asks first.
class TfrmVorabstempler : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmVorabstempler(QWidget *parent = nullptr);
    ~TfrmVorabstempler() override;

    // Shows the dialog modally on the two files; vorgabe: the default list
    // (the family's parameter memo), one entry per line.
    void Ausfuehren(const QString &unbedruckt, const QString &bedruckt, const QString &vorgabe);

    QListWidget *ListBox1;   // "Unbedruckte Felder"
    QListWidget *ListBox2;   // "Bedruckte Felder"
    QToolButton *SpeedButton1;   // left to right
    QToolButton *SpeedButton2;   // right to left
    QPushButton *BtnOK;
    QPushButton *BtnAbbruch;

    void verschieben(QListWidget *von, QListWidget *nach);
    void OKClick();

protected:
    bool closeQuery() override;

private:
    void laden();
    QString unbedruckt_;
    QString bedruckt_;
    QString vorgabe_;
    bool schliessen_ = false;
};

// Creates each of the two lists that is missing, empty, as "OK" on two empty
// lists writes it: the print reads the right one and cannot do without it.
// Existing files stay as they are.
void VorablistenAnlegen(const QString &unbedruckt, const QString &bedruckt);
