#pragma once

#include "platform/ui/Form.h"

#include <memory>

class QAbstractButton;
class QLabel;
class QWidget;
class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class DataEdit;
class DataMemo;
class SpeedButton;
}

// The code table of one sub-field of box 37 (kept by the users): a list of
// codes with their descriptions, a navigator, an edit for the code and a
// memo for the description. In upkeep the take-over panel is hidden; to pick
// a code the caller shows Panel1, positions Table1, shows the form modally
// and on modal result 1 reads Code of the current row. Closing the form
// posts a pending insert or edit.
class TfrmEinh_Verfahren : public ui::Form
{
    Q_OBJECT
public:
    TfrmEinh_Verfahren(int unterfeld, QWidget *parent = nullptr);
    ~TfrmEinh_Verfahren() override;

    db::Table *Table1;
    db::DataSource *DataSource1;
    TSR_dbGrid *DBGrid1;
    ui::DataEdit *DBEdit1;        // Code
    ui::DataMemo *DBMemo1;        // Bezeichnung
    QWidget *DBNavigator1;
    QWidget *Panel1;              // take-over panel, hidden in upkeep
    QAbstractButton *btnAbbrechen;
    QAbstractButton *btnUebernehmen;

    void Erster();
    void Vorheriger();
    void Naechster();
    void Letzter();
    void Einfuegen();
    void Loeschen();
    void Bearbeiten();

    // The table on the first code equal to the text (compared exactly), or
    // on its last code when there is none.
    void aufCodeStellen(const QString &code);
    // Pick mode: the code of the chosen row, or empty.
    QString codeWaehlen();

protected:
    // Pick mode: locate the start code in any case, show the panel, show
    // the form; the chosen code or empty.
    static void waehleCode(std::unique_ptr<TfrmEinh_Verfahren> form, const QString &startCode, QString &code);
};

class TfrmEinh_Verfahren1 : public TfrmEinh_Verfahren
{
    Q_OBJECT
public:
    explicit TfrmEinh_Verfahren1(QWidget *parent = nullptr) : TfrmEinh_Verfahren(1, parent) {}
    static void WaehleCode(const QString &startCode, QString &code);
};

class TfrmEinh_Verfahren2 : public TfrmEinh_Verfahren
{
    Q_OBJECT
public:
    explicit TfrmEinh_Verfahren2(QWidget *parent = nullptr) : TfrmEinh_Verfahren(2, parent) {}
    static void WaehleCode(const QString &startCode, QString &code);
};

// The country master's pick of a default code (sub-field 1 or 2): on the
// first code equal to start, else on the last; true and the code on
// "Übernehmen".
bool VerfahrenscodeAusTabelle(int unterfeld, const QString &start, QString &code);
