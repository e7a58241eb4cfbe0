#include "TfrmKundenImport.h"

#include "Stammdatenbank.h"

#include "common/TSR_dbGrid.h"
#include "common/TfrmDatenbank.h"
#include "common/Programmzustand.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/files/ForeignTable.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/SpeedButton.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <limits>
#include <optional>

namespace {

const QString keinFormat = QStringLiteral("Es wurde kein Datenbank-Format gewählt");

struct Dateifilter
{
    QString filter;
    QString endung;
};

// The file dialog's filter and default extension of a format; none for
// "CSV-Dateien", where the dialog keeps the one it had.
std::optional<Dateifilter> dateifilter(int format)
{
    switch (format) {
    case Datenbankformat::DBase:
        return Dateifilter{QStringLiteral("DBase (*.DBF *.dbf)"), QStringLiteral("DBF")};
    case Datenbankformat::Paradox:
        return Dateifilter{QStringLiteral("Paradox (*.DB *.db)"), QStringLiteral("DB")};
    case Datenbankformat::TextFixed:
    case Datenbankformat::TextDelimited:
        return Dateifilter{QStringLiteral("Text-Datei (*.TXT *.txt)"), QStringLiteral("TXT")};
    default:
        return std::nullopt;
    }
}

} // namespace

TfrmKundenImport::TfrmKundenImport(TfrmDatenbank &frmDatenbank, QWidget *parent)
    : ui::Form(parent), frmDatenbank_(frmDatenbank)
{
    setObjectName(QStringLiteral("frmKundenImport"));
    resize(760, 600);

    Table1 = new db::Table(this);
    Table1->setDatabase(masterdata::datenbank());
    DataSource1 = new db::DataSource(Table1, this);
    DataSource2 = new db::DataSource(this);

    Label1 = new QLabel(QStringLiteral("Programm-Interne Kunden-Datenbank"), body());
    Label1->setObjectName(QStringLiteral("Label1"));
    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setReadOnly(true);
    DBGrid1->setDataSource(DataSource1);
    const bool gerahmt = Erscheinungsbild().framedSpeedButtons;
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Importieren"), body());
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Exportieren"), body());
    SpeedButton1->setFlat(!gerahmt);
    SpeedButton2->setFlat(!gerahmt);
    Edit1 = new QLineEdit(body());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->hide();
    DBGrid2 = new TSR_dbGrid(QStringLiteral("DBGrid2"), body());
    DBGrid2->setReadOnly(true);
    DBGrid2->setDataSource(DataSource2);
    DBGrid2->hide();
    ProgressBar1 = new QProgressBar(body());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->hide();

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(SpeedButton1);
    knoepfe->addWidget(SpeedButton2);
    knoepfe->addStretch();
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(Label1);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(knoepfe);
    layout->addWidget(Edit1);
    layout->addWidget(DBGrid2, 1);
    layout->addWidget(ProgressBar1);

    QMenuBar *menue = menuBar();
    mnuDatenbankOeffnen = ui::addMenuItem(menue, QStringLiteral("mnuDatenbankOeffnen"), QStringLiteral("Datenbank &öffnen"));
    mnuDatenbankformat = ui::addMenuItem(menue, QStringLiteral("mnuDatenbankformat"), QStringLiteral("&Datenbankformat "));
    mnuSchliessen = ui::addMenuItem(menue, QStringLiteral("mnuSchliessen"), QStringLiteral("&Schließen"));

    connect(mnuDatenbankOeffnen, &QAction::triggered, this, ui::guarded([this] { DatenbankOeffnen(); }));
    connect(mnuDatenbankformat, &QAction::triggered, this, ui::guarded([this] { DatenbankformatWaehlen(); }));
    connect(mnuSchliessen, &QAction::triggered, this, [this] { setModalResult(ui::ModalResult::Cancel); });
    connect(SpeedButton1, &QAbstractButton::clicked, this, ui::guarded([this] { Importieren(); }));
    connect(SpeedButton2, &QAbstractButton::clicked, this, ui::guarded([this] { Exportieren(); }));
}

TfrmKundenImport::~TfrmKundenImport()
{
    DataSource2->setDataSet(nullptr);
}

ui::FileRequest TfrmKundenImport::dateiFrage(int format)
{
    ui::FileRequest frage;
    if (const std::optional<Dateifilter> filter = dateifilter(format)) {
        filter_ = filter->filter;
        frage.defaultSuffix = filter->endung;
    }
    frage.filter = filter_;
    return frage;
}

masterdata::Stammdatei TfrmKundenImport::stammdatei(const QString &name) const
{
    return {name, frmDatenbank_.formatIndex(), frmDatenbank_.textformat()};
}

void TfrmKundenImport::DatenbankOeffnen()
{
    const int format = frmDatenbank_.formatIndex();
    if (format == Datenbankformat::Keines)
        ui::messageDlg(keinFormat, ui::MessageType::Error, ui::Buttons::Ok);
    const std::optional<QString> name = ui::dialogs().openFile(dateiFrage(format));
    if (!name)
        return;
    datei_ = *name;
    if (format == Datenbankformat::TextDelimited)
        return;
    try {
        quelleZeigen(*name);
    } catch (const db::DatabaseError &fehler) {
        ui::messageDlg(fehler.message(), ui::MessageType::Error, ui::Buttons::Ok);
    }
}

void TfrmKundenImport::quelleZeigen(const QString &name)
{
    DataSource2->setDataSet(nullptr);
    quelle_.reset();
    quelle_ = files::openForeignTable(name, masterdata::stammdateiOptionen(stammdatei(name)));
    DataSource2->setDataSet(&quelle_->table());
    Edit1->setText(QFileInfo(name).absoluteFilePath());
    Edit1->show();
    DBGrid2->show();
}

void TfrmKundenImport::Importieren()
{
    if (datei_.isEmpty()) {
        ui::messageDlg(QStringLiteral("Es wurde keine Datei gewählt."), ui::MessageType::Error, ui::Buttons::Ok);
        return;
    }
    const masterdata::Stammdatei datei = stammdatei(datei_);
    masterdata::Importfortschritt fortschritt;
    if (datei.format != Datenbankformat::TextDelimited) {
        fortschritt.beginnen = [this](qint64 schritte) {
            // The bar counts in int: large imports go in coarser steps.
            massstab_ = std::max<qint64>(1, schritte / std::numeric_limits<int>::max() + 1);
            ProgressBar1->setRange(0, int(schritte / massstab_));
            ProgressBar1->setValue(0);
            ProgressBar1->show();
        };
        fortschritt.melden = [this](qint64 erledigt) {
            ProgressBar1->setValue(int(erledigt / massstab_));
            ProgressBar1->repaint();
        };
    }
    const auto verbergen = qScopeGuard([this] { ProgressBar1->hide(); });
    try {
        masterdata::stammdatenImportieren(*Table1, Tag >= 3 ? 5 : 1, datei, fortschritt);
    } catch (const masterdata::Strukturfehler &fehler) {
        ui::messageDlg(fehler.message(), ui::MessageType::Error, ui::Buttons::Ok);
    } catch (const db::DatabaseError &fehler) {
        ui::messageDlg(fehler.message() + QStringLiteral("\nDaten konnten nicht gespeichert werden!"),
                       ui::MessageType::Error, ui::Buttons::Ok);
    }
}

void TfrmKundenImport::Exportieren()
{
    int format = frmDatenbank_.formatIndex();
    if (format == Datenbankformat::CsvDateien) {
        ui::messageDlg(QStringLiteral("Diese Option ist leider noch nicht verfügbar!"), ui::MessageType::Information,
                       ui::Buttons::Ok);
        return;
    }
    if (format == Datenbankformat::Keines)
        ui::messageDlg(keinFormat, ui::MessageType::Error, ui::Buttons::Ok);
    const std::optional<QString> name = ui::dialogs().saveFile(dateiFrage(format));
    if (!name)
        return;
    if (format == Datenbankformat::Keines) {
        // Without a chosen format the extension names one.
        format = masterdata::formatZurEndung(*name);
        if (format == Datenbankformat::Keines) {
            ui::messageDlg(keinFormat, ui::MessageType::Error, ui::Buttons::Ok);
            return;
        }
    }
    masterdata::Stammdatei datei = stammdatei(*name);
    datei.format = format;
    masterdata::stammdatenExportieren(*Table1, datei);
    if (format != Datenbankformat::TextDelimited)
        quelleZeigen(*name);
}

void TfrmKundenImport::DatenbankformatWaehlen()
{
    frmDatenbank_.showModal();
}
