#pragma once

#include "platform/ui/DataGrid.h"

#include <QList>
#include <QObject>

namespace db {
class DataSource;
class Table;
}

// The data module: one shared, always open copy of six master tables,
// through which entry forms complete a typed key into a master record
// (Typuebernahme). Each table filters without regard to case, keeps its
// natural order, and answers a refused write with the store's message and
// "Daten konnten nicht gespeichert werden!".
class TfrmData1 : public QObject
{
    Q_OBJECT
public:
    // Opens the tables in the order tbKunden, tbPackst, tbWare, tbSpedit,
    // tbVersand, tbLand.
    explicit TfrmData1(QObject *parent = nullptr);
    ~TfrmData1() override;

    db::Table *tbKunden;
    db::Table *tbPackst;
    db::Table *tbWare;
    db::Table *tbSpedit;
    db::Table *tbVersand;
    db::Table *tbLand;
    db::DataSource *dsKunden;
    db::DataSource *dsPackst;
    db::DataSource *dsWare;
    db::DataSource *dsSpedit;
    db::DataSource *dsVersand;
    db::DataSource *dsLand;

    // The columns the chooser shows for one of the six tables.
    static QList<ui::GridColumn> sichtbareFelder(const db::Table &tabelle);
};

namespace masterdata {

// The program's data module, or nullptr while there is none (before
// start-up, during a reorganisation run).
TfrmData1 *frmData1();
// Creates it (freshly opened tables, no filter); an existing one is freed
// first.
void datenmodulErzeugen();
void datenmodulFreigeben();

} // namespace masterdata
