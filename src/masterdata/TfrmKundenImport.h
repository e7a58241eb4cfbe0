#pragma once

#include "Stammimport.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QProgressBar;
class TfrmDatenbank;
class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}
namespace files {
class ForeignTable;
}
namespace ui {
class SpeedButton;
}

// Import and export of a master table (customers, articles, goods numbers):
// the target table above, the file chosen or written below. The opener
// points Table1 at the master's table in its key order, sets Tag (1 and 2:
// the key is the first field, 3 and more: the first five) and hands over
// the format chooser, which "&Datenbankformat " shows again.
class TfrmKundenImport : public ui::Form
{
    Q_OBJECT
public:
    TfrmKundenImport(TfrmDatenbank &frmDatenbank, QWidget *parent = nullptr);
    ~TfrmKundenImport() override;

    int Tag = 0;

    db::Table *Table1;             // the target table
    db::DataSource *DataSource1;
    TSR_dbGrid *DBGrid1;
    QLabel *Label1;                // "Programm-Interne Kunden-Datenbank"
    ui::SpeedButton *SpeedButton1; // "Importieren"
    ui::SpeedButton *SpeedButton2; // "Exportieren"
    QLineEdit *Edit1;              // the chosen or written file
    db::DataSource *DataSource2;
    TSR_dbGrid *DBGrid2;           // over the chosen or written file
    QProgressBar *ProgressBar1;
    QAction *mnuDatenbankOeffnen;
    QAction *mnuDatenbankformat;
    QAction *mnuSchliessen;

    void DatenbankOeffnen();
    void Importieren();
    void Exportieren();
    void DatenbankformatWaehlen();

    // The file chosen last (for the delimited format only remembered).
    QString gewaehlteDatei() const { return datei_; }

private:
    masterdata::Stammdatei stammdatei(const QString &name) const;
    // The file dialog's filter and extension by the format.
    ui::FileRequest dateiFrage(int format);
    void quelleZeigen(const QString &name);

    TfrmDatenbank &frmDatenbank_;
    QString datei_;
    QString filter_;
    qint64 massstab_ = 1;
    std::unique_ptr<files::ForeignTable> quelle_;
};
