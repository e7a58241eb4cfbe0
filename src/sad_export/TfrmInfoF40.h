#pragma once

#include "sad_export/TfrmInfoFeld.h"

class QLineEdit;
class QPushButton;

// "Information für Feld 40 (mit Übenahme)": the categories and document
// codes of box 40. "Code Übernehmen" closes with modal result 1; the caller
// then writes feld40() into its box.
class TfrmInfoF40 : public TfrmInfoFeld
{
    Q_OBJECT
public:
    explicit TfrmInfoF40(QWidget *parent = nullptr);

    QPushButton *Button1;   // "Ausgewähltes Element verwenden"
    QLineEdit *Edit1;       // category
    QLineEdit *Edit2;       // document code
    QPushButton *Button2;   // "Code Übernehmen"

    // The chosen row's code into the edit of its tree entry.
    void ElementVerwenden();
    // "<category>-<document code>-", as the box takes it.
    QString feld40() const;

protected:
    void showEvent(QShowEvent *event) override;
};
