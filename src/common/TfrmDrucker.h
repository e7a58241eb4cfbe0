#pragma once

#include "platform/ui/Form.h"

#include <QStringList>

class QLabel;
class QPainter;
class QStyleOptionViewItem;
class QPushButton;
class TSR_dbGrid;

namespace db {
class Database;
class DataSource;
class Table;
}
namespace print {
struct PrinterList;
}
namespace ui {
class DataEdit;
class StatusBar;
}

// "Drucker-Verwaltung": the user's print settings (S_BENUTZ), one row per
// page kind with offsets, copies and the printer, which a double click
// chooses. Print forms open it on their own page kinds, the main menu on
// all of them. The status bar counts the rows with a printer, without one,
// and with a printer no longer installed.
class TfrmDrucker : public ui::Form
{
    Q_OBJECT
public:
    // On the user's database (alias "Razazu") and the data directory's
    // (alias "Z_Tavero", for S_FelderJust).
    explicit TfrmDrucker(QWidget *parent = nullptr);
    TfrmDrucker(db::Database &benutzer, db::Database &daten, QWidget *parent = nullptr);
    ~TfrmDrucker() override;

    ui::StatusBar *StatusBar1;
    TSR_dbGrid *DBGrid1;
    QLabel *Label1;                 // "Abstand der Intrastat-Positionen: ", hidden
    ui::DataEdit *DBEdit1;          // Inta of S_PARAME, hidden
    QPushButton *BitBtn1;           // "OK"
    QPushButton *btnFelderJustieren;
    db::Table *Table1;              // S_BENUTZ
    db::DataSource *DataSource1;
    db::Table *Table2;              // S_FelderJust
    db::DataSource *DataSource2;

    // Only the page kinds whose name begins with the prefix, in any case.
    void nurSeitenarten(const QString &praefix);
    // The Intrastat print's variant: the row with the line distance `Inta`
    // of the parameter record shown too.
    void intrastatAbstandZeigen(db::DataSource *parameter);

    // The "Drucker" column of a row.
    static QString druckerText(const QString &gespeichert, const print::PrinterList &drucker);

    struct Zaehlung
    {
        int zugeordnet = 0;
        int nichtZugeordnet = 0;
        int falsch = 0;
    };
    // Counts the rows the filter lets through; the table stays where it was.
    Zaehlung zaehlen();

    void hilfeZeigen();
    void druckerZuordnen();
    void felderJustieren();

    static QStringList hilfeZeilen();

protected:
    void showEvent(QShowEvent *event) override;
    void formClose(int modalResult) override;
    bool event(QEvent *event) override;

private:
    void aufbauen();
    void statusZeigen();
    void felderJustierenPruefen();
    bool zellenZeichnen(QPainter &painter, const QStyleOptionViewItem &option, int row, int column,
                        const QString &text);

    db::Database &benutzer_;
    db::Database &daten_;
};
