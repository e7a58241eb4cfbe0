#include "common/TfrmDrucker.h"

#include "common/Belegart.h"
#include "common/Druckeinstellungen.h"
#include "common/TInfoDialog.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmFelderJustieren.h"
#include "common/TfrmSuche.h"
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/PostErrors.h"
#include "platform/ui/QuietCursor.h"
#include "platform/ui/StatusBar.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString keinDruckerText = QStringLiteral("Kein Drucker zugeordnet");
const QString falscherDruckerText = QStringLiteral("Druckerzuordnung fehlerhaft!");

// A dark yellow: a light one cannot be read on the button face.
const QColor warnfarbe(176, 140, 0);

QColor zeilenfarbe(const QString &drucker)
{
    if (drucker == keinDruckerText)
        return warnfarbe;
    if (drucker == falscherDruckerText)
        return Qt::red;
    return Qt::darkGreen;
}

} // namespace

TfrmDrucker::TfrmDrucker(QWidget *parent)
    : TfrmDrucker(db::Database::alias(QStringLiteral("Razazu")), db::Database::alias(QStringLiteral("Z_Tavero")),
                  parent)
{
}

TfrmDrucker::TfrmDrucker(db::Database &benutzer, db::Database &daten, QWidget *parent)
    : ui::Form(parent)
    , benutzer_(benutzer)
    , daten_(daten)
{
    aufbauen();
}

// The tables close after the controls are gone; nothing may answer them then.
TfrmDrucker::~TfrmDrucker()
{
    disconnect(DataSource1, nullptr, this, nullptr);
    DBGrid1->setDataSource(nullptr);
}

QString TfrmDrucker::druckerText(const QString &gespeichert, const print::PrinterList &drucker)
{
    if (Druckeinstellungen::keinerGewaehlt(gespeichert))
        return keinDruckerText;
    const QString name = drucker.resolve(gespeichert);
    return name.isEmpty() ? falscherDruckerText : name;
}

QStringList TfrmDrucker::hilfeZeilen()
{
    return {
        QStringLiteral("Die X-Koordinate verschiebt den kompletten Ausdruck nach links bzw. nach rechts:"),
        QStringLiteral("  Wird der eingetragene Wert erhöht, verschiebt sich der Ausdruck nach links."),
        QStringLiteral("  Wird der eingetragene Wert verringert, verschiebt sich der Ausdruck nach rechts."),
        QString(),
        QStringLiteral("Die Y-Koordinate verschiebt den kompletten Ausdruck nach oben bzw. nach unten"),
        QStringLiteral("  Wird der eingetragene Wert erhöht, verschiebt sich der Ausdruk nach unten."),
        QStringLiteral("  Wird der eingetragene Wert verringert, verschiebt sich der Ausdruck nach oben."),
        QString(),
        QStringLiteral("Bei einigen Druckern (speziell Nadeldrucker) kann es vorkommen, dass sich die Werte vertauschen."),
    };
}

void TfrmDrucker::aufbauen()
{
    setObjectName(QStringLiteral("frmDrucker"));
    setWindowTitle(QStringLiteral("Drucker-Verwaltung"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    setFixedSize(718, 184);
    QFont schrift = font();
    schrift.setBold(true);
    setFont(schrift);

    Table1 = new db::Table(benutzer_, QStringLiteral("S_BENUTZ"), this);
    Table1->addCalculatedField(db::FieldDef{QStringLiteral("Drucker"), db::FieldType::Alpha, 40});
    ui::showPostErrors(*Table1);
    Table1->open();
    // Old entries for "no printer" become one.
    {
        db::Transaction schreiben(benutzer_);
        for (Table1->first(); !Table1->eof(); Table1->next()) {
            const QString gespeichert = Table1->fieldByName(QStringLiteral("schnittst")).asString();
            if (Druckeinstellungen::keinerGewaehlt(gespeichert) && gespeichert != Druckeinstellungen::keinDrucker()) {
                Table1->edit();
                Table1->fieldByName(QStringLiteral("schnittst")).setAsString(Druckeinstellungen::keinDrucker());
                Table1->post();
            }
        }
        schreiben.commit();
    }
    Table1->first();
    const print::PrinterList drucker = installierteDrucker();
    Table1->onCalcFields.add([drucker](db::Table &tabelle) {
        tabelle.fieldByName(QStringLiteral("Drucker"))
            .setAsString(druckerText(tabelle.fieldByName(QStringLiteral("schnittst")).asString(), drucker));
    });
    DataSource1 = new db::DataSource(Table1, this);

    Table2 = new db::Table(daten_, QStringLiteral("S_FelderJust"), this);
    ui::showPostErrors(*Table2);
    Table2->open();
    DataSource2 = new db::DataSource(Table2, this);

    StatusBar1 = new ui::StatusBar(body());
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setPanels({227, 227, 227});
    const QColor farben[3] = {Qt::darkGreen, warnfarbe, Qt::red};
    for (int i = 0; i < 3; ++i) {
        QLabel *panel = StatusBar1->panel(i);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Button));
        palette.setColor(QPalette::WindowText, farben[i]);
        panel->setPalette(palette);
        panel->setAutoFillBackground(true);
        panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setReadOnly(false);
    DBGrid1->setRowSelect(false);
    DBGrid1->setColumns({
        {QStringLiteral("name"), QStringLiteral("Formular"), 200, true},
        {QStringLiteral("spalte"), QStringLiteral("x-Koordinate"), 90},
        {QStringLiteral("zeile"), QStringLiteral("y-Koordinate"), 90},
        {QStringLiteral("Anzahl_Kopien"), QStringLiteral("Anzahl Kopien"), 90},
        {QStringLiteral("Drucker"), QStringLiteral("Drucker"), 220, true},
    });
    DBGrid1->setDataSource(DataSource1);
    QPalette gitter = DBGrid1->palette();
    gitter.setColor(QPalette::Text, Qt::blue);
    DBGrid1->setPalette(gitter);
    QFont titel(QStringLiteral("Arial"));
    titel.setBold(true);
    DBGrid1->horizontalHeader()->setFont(titel);
    DBGrid1->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { color: red; }"));
    DBGrid1->onDrawCell = [this](QPainter &painter, const QStyleOptionViewItem &option, const ui::GridCell &cell) {
        return zellenZeichnen(painter, option, cell.row, cell.column, cell.text);
    };

    Label1 = new QLabel(QStringLiteral("Abstand der Intrastat-Positionen: "), body());
    Label1->setObjectName(QStringLiteral("Label1"));
    DBEdit1 = new ui::DataEdit(body());
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setDataField(QStringLiteral("Inta"));
    Label1->hide();
    DBEdit1->hide();

    BitBtn1 = new QPushButton(QStringLiteral("OK"), body());
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    btnFelderJustieren = new QPushButton(QStringLiteral("Felder Justieren"), body());
    btnFelderJustieren->setObjectName(QStringLiteral("btnFelderJustieren"));
    btnFelderJustieren->hide();

    auto *intrastat = new QHBoxLayout;
    intrastat->addWidget(Label1);
    intrastat->addWidget(DBEdit1);
    intrastat->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnFelderJustieren);
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(StatusBar1);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(intrastat);
    layout->addLayout(knoepfe);

    postOnClose(Table1);
    postOnClose(Table2);
    setButtonResult(BitBtn1, ui::ModalResult::Ok);
    connect(DBGrid1, &ui::DataGrid::enterPressed, BitBtn1, &QAbstractButton::click);
    connect(DBGrid1, &ui::DataGrid::recordDoubleClicked, this, ui::guarded([this] { druckerZuordnen(); }));
    connect(btnFelderJustieren, &QPushButton::clicked, this, ui::guarded([this] { felderJustieren(); }));
    connect(DataSource1, &db::DataSource::currentChanged, this, ui::guarded([this] { felderJustierenPruefen(); }));
    onKeyPress = [this](QKeyEvent *event) {
        if (event->key() != Qt::Key_F1)
            return false;
        hilfeZeigen();
        return true;
    };
    felderJustierenPruefen();
}

void TfrmDrucker::nurSeitenarten(const QString &praefix)
{
    QString anfang = praefix;
    while (anfang.endsWith(QLatin1Char('*')))
        anfang.chop(1);
    Table1->setFilterCaseInsensitive(true);
    Table1->setFiltered(false);
    Table1->setFilter(QStringLiteral("name = %1").arg(filterLiteral(anfang + QLatin1Char('*'))));
    Table1->setFiltered(true);
    Table1->first();
}

void TfrmDrucker::intrastatAbstandZeigen(db::DataSource *parameter)
{
    DBEdit1->setDataSource(parameter);
    Label1->show();
    DBEdit1->show();
    setFixedSize(718, 260);
}

TfrmDrucker::Zaehlung TfrmDrucker::zaehlen()
{
    Zaehlung zaehlung;
    if (!ui::QuietCursor::possible(*Table1))
        return zaehlung;
    ui::QuietCursor leise(*Table1);
    for (Table1->first(); !Table1->eof(); Table1->next()) {
        const QString drucker = Table1->fieldByName(QStringLiteral("Drucker")).asString();
        if (drucker == falscherDruckerText)
            ++zaehlung.falsch;
        else if (drucker == keinDruckerText)
            ++zaehlung.nichtZugeordnet;
        else
            ++zaehlung.zugeordnet;
    }
    return zaehlung;
}

void TfrmDrucker::statusZeigen()
{
    const Zaehlung zaehlung = zaehlen();
    StatusBar1->setPanelText(0, QStringLiteral(" %1 Drucker zugeordnet").arg(zaehlung.zugeordnet));
    StatusBar1->setPanelText(1, QStringLiteral(" %1 Drucker nicht zugeordnet").arg(zaehlung.nichtZugeordnet));
    StatusBar1->setPanelText(2, zaehlung.falsch == 1
                                    ? QStringLiteral(" %1 Druckerzuordnung Falsch!").arg(zaehlung.falsch)
                                    : QStringLiteral(" %1 Druckerzuordnungen Falsch!").arg(zaehlung.falsch));
}

void TfrmDrucker::showEvent(QShowEvent *event)
{
    ui::Form::showEvent(event);
    ui::guard([this] { statusZeigen(); }, objectName());
}

void TfrmDrucker::formClose(int modalResult)
{
    ui::Form::formClose(modalResult);
    Table1->setFiltered(false);
    Table1->setFilter(QString());
}

bool TfrmDrucker::event(QEvent *event)
{
    // The title bar's help button asks for help on the print settings.
    if (event->type() == QEvent::EnterWhatsThisMode) {
        ui::guard([this] { hilfeZeigen(); }, objectName());
        return true;
    }
    return ui::Form::event(event);
}

void TfrmDrucker::hilfeZeigen()
{
    ZeigeInfoDialog(1, QStringLiteral("Hier finden Sie ausführliche informationen zu den Druck-Parametern"),
                    hilfeZeilen(), this);
}

void TfrmDrucker::druckerZuordnen()
{
    if (Table1->isEmpty())
        return;
    const print::PrinterList drucker = installierteDrucker();
    const QString jetzt = drucker.resolve(Table1->fieldByName(QStringLiteral("schnittst")).asString());
    const std::optional<QString> gewaehlt = ui::dialogs().printerSetup(jetzt.isEmpty() ? drucker.defaultName : jetzt);
    if (!gewaehlt)
        return;
    const QString name = drucker.resolve(*gewaehlt);
    if (name.isEmpty())
        return;
    Table1->edit();
    Table1->fieldByName(QStringLiteral("schnittst")).setAsString(name);
    Table1->post();
    statusZeigen();
}

void TfrmDrucker::felderJustierenPruefen()
{
    bool vorhanden = false;
    if (Table1->isOpen() && !Table1->isEmpty() && Table2->isOpen()) {
        const QString seite = Table1->fieldByName(QStringLiteral("name")).asString();
        vorhanden = !seite.isEmpty() && Table2->findKey({seite});
    }
    btnFelderJustieren->setVisible(vorhanden);
}

void TfrmDrucker::felderJustieren()
{
    const QString seite = Table1->fieldByName(QStringLiteral("name")).asString();
    Table2->setFiltered(false);
    Table2->setFilter(QStringLiteral("Name = %1").arg(filterLiteral(seite + QLatin1Char('*'))));
    Table2->setFiltered(true);
    {
        TfrmFelderJustieren dialog(seitenartNamens(seite), DataSource2, this);
        dialog.showModal();
    }
    Table2->setFiltered(false);
}

bool TfrmDrucker::zellenZeichnen(QPainter &painter, const QStyleOptionViewItem &option, int row, int,
                                 const QString &text)
{
    const QString drucker = DBGrid1->cellText(row, 4);
    painter.save();
    painter.fillRect(option.rect, option.palette.color(QPalette::Button));
    QFont schrift = option.font;
    schrift.setBold(true);
    painter.setFont(schrift);
    painter.setPen(zeilenfarbe(drucker));
    painter.drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.restore();
    return true;
}
