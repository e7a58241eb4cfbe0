#pragma once

#include "platform/ui/Form.h"

#include <QList>
#include <QStringList>

struct Belegart;

class QCheckBox;
class QGroupBox;

// The dialog of a check of required boxes: groups of box captions, each
// ticked when the box is empty, which the clerk reads but cannot change;
// "Schließen" (result 2) accepts the gaps, "Korrigieren" (result 4) goes
// back to the form. Closing it otherwise is "Schließen".
class Pruefdialog : public ui::Form
{
    Q_OBJECT
public:
    struct Gruppe
    {
        QString titel;
        QStringList beschriftungen;
    };

    Pruefdialog(const QString &titel, const QList<Gruppe> &gruppen, QWidget *parent = nullptr);

    // Ticks exactly these captions.
    void ankreuzen(const QStringList &beschriftungen);
    void setGruppeSichtbar(int gruppe, bool sichtbar);
    QStringList angekreuzt() const;
    QGroupBox *gruppe(int index) const { return gruppen_.value(index); }

    QAbstractButton *Schliessen;
    QAbstractButton *Korrigieren;

private:
    QList<QGroupBox *> gruppen_;
    QList<QCheckBox *> kaestchen_;
};

// The family's check dialog with these captions ticked: the entry form's
// group alone, or (for the line form) the lines' group beside it, the entry
// form's unticked. Its result: 2 "Schließen", 4 "Korrigieren".
int PruefdialogZeigen(const Belegart &art, const QStringList &angekreuzt, bool position, QWidget *parent);
