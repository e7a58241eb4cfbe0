#include "Auswahldialog.h"
#include "Stammdatenbank.h"
#include "Stammformular.h"
#include "private/Auswahlrahmen.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Keys.h"
#include "platform/ui/SpeedButton.h"

#include <QKeyEvent>

namespace masterdata {
namespace {

bool istBuchstabeOderZiffer(QChar zeichen)
{
    return (zeichen >= u'0' && zeichen <= u'9') || (zeichen >= u'a' && zeichen <= u'z')
        || (zeichen >= u'A' && zeichen <= u'Z');
}

} // namespace

Auswahldialog::Auswahldialog(Auswahldeklaration deklaration, QWidget *parent)
    : ui::Form(parent), deklaration_(std::move(deklaration))
{
    setObjectName(deklaration_.name);
    setWindowTitle(deklaration_.titel);
    if (deklaration_.festeGroesse)
        setFixedSize(deklaration_.groesse);
    else
        resize(deklaration_.groesse);

    Table1 = new db::Table(datenbank(), deklaration_.tabelle, this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setReadOnly(true);
    Table1->setFilterCaseInsensitive(true);
    DataSource1 = new db::DataSource(Table1, this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setColumns(deklaration_.spalten);
    DBGrid1->setDataSource(DataSource1);
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);
    if (!deklaration_.roteZeilen.isEmpty()) {
        DBGrid1->setRowFields({deklaration_.roteZeilen});
        DBGrid1->onDrawCell = zeileRotOderBlauZeichnen;
    }

    const Auswahlknoepfe knoepfe = auswahlRahmen(*this, DBGrid1);
    SpeedButton1 = knoepfe.abbrechen;
    SpeedButton2 = knoepfe.uebernehmen;
    connect(SpeedButton1, &QAbstractButton::clicked, this, [this] { Abbrechen(); });
    connect(SpeedButton2, &QAbstractButton::clicked, this, ui::guarded([this] { Uebernehmen(); }));
    onKeyPress = [this](QKeyEvent *event) { return tasteGedrueckt(event); };

    ordnungSetzen(*Table1, deklaration_.ordnung);
    Table1->open();
}

Auswahldialog::~Auswahldialog()
{
    Table1->close();
}

void Auswahldialog::Uebernehmen()
{
    if (!Table1->isEmpty())
        tagUebernahme(deklaration_.tagZiele, Tag, *Table1);
    setModalResult(ui::ModalResult::Ok);
}

void Auswahldialog::Abbrechen()
{
    setModalResult(ui::ModalResult::Cancel);
}

void Auswahldialog::Tippsuche(QChar zeichen)
{
    ordnungSetzen(*Table1, deklaration_.suchIndex);
    Table1->findNearest({QString(zeichen)});
}

QString Auswahldialog::waehle(const QString &feld)
{
    if (showModal() != ui::ModalResult::Ok || Table1->isEmpty())
        return {};
    return Table1->fieldByName(feld).asString();
}

bool Auswahldialog::tasteGedrueckt(QKeyEvent *event)
{
    if (ui::clickOnEnterOrEscape(event, SpeedButton2, SpeedButton1))
        return true;
    const QString text = event->text();
    if (text.size() != 1 || !text.front().isPrint() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QChar zeichen = text.front();
    if (deklaration_.tasten == Tippsuche::BuchstabenZiffern && !istBuchstabeOderZiffer(zeichen))
        return true;
    ui::guard([&] { Tippsuche(zeichen); }, objectName());
    return true;
}

QString auswahlErgebnis(std::unique_ptr<Auswahldialog> dialog, const QString &feld,
                        const std::function<void(db::Table &)> &vorbereiten)
{
    if (vorbereiten)
        vorbereiten(*dialog->Table1);
    return dialog->waehle(feld);
}

} // namespace masterdata
