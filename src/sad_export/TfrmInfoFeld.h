#pragma once

#include "platform/ui/Form.h"

#include <QList>
#include <QStringList>

class QLabel;
class QTreeWidget;

// A fixed code list shown as a tree of groups beside a list of the chosen
// group's rows; the labels below show the chosen row's columns.
struct Infogruppe
{
    QString name;                  // the tree entry
    QList<QStringList> zeilen;     // one text per column
};

struct Infospalte
{
    QString titel;
    int breite;
    QString beschriftung;          // the label before the chosen row's text
};

class TfrmInfoFeld : public ui::Form
{
    Q_OBJECT
public:
    TfrmInfoFeld(const QString &name, const QString &titel, QList<Infospalte> spalten, QList<Infogruppe> gruppen,
                 QWidget *parent = nullptr);

    QTreeWidget *TreeView1;
    QTreeWidget *ListView1;
    QList<QLabel *> anzeigen;      // the chosen row's texts, one per column

    // Shows the group's rows (-1: none).
    void gruppeZeigen(int gruppe);
    int gewaehlteGruppe() const;
    // The chosen row's texts, or empty.
    QStringList gewaehlteZeile() const;

protected:
    QLayout *inhalt() const { return inhalt_; }

private:
    void zeileZeigen();

    QList<Infospalte> spalten_;
    QList<Infogruppe> gruppen_;
    QLayout *inhalt_;
};
