#pragma once

#include "platform/ui/Form.h"

class QPushButton;
class TSR_dbGrid;

namespace db {
class Database;
class DataSource;
class Table;
}

// "Übersetzungen": the fixed captions of the order print in the five print
// languages (S_SP). Only existing rows are edited; no row can be added.
// "OK" stores a pending change, "Abbruch" and closing the window drop it.
class Tfrmuebersetzungen : public ui::Form
{
    Q_OBJECT
public:
    // On the data directory's database (alias "Z_Tavero").
    explicit Tfrmuebersetzungen(QWidget *parent = nullptr);
    explicit Tfrmuebersetzungen(db::Database &daten, QWidget *parent = nullptr);
    ~Tfrmuebersetzungen() override;

    TSR_dbGrid *DBGrid1;
    QPushButton *btnOK;
    QPushButton *btnAbbruch;
    db::Table *Table1;
    db::DataSource *DataSource1;

    // The column titles, by the rule the order print reads the columns with.
    static QString spaltenTitel(const QString &feld);

protected:
    void formClose(int modalResult) override;

private:
    void okClick();
};
