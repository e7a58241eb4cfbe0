#include "Auswahldialog.h"
#include "Stammdatenbank.h"
#include "Stammformular.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/Guard.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace masterdata {

Auswahldialog::Auswahldialog(Auswahldeklaration deklaration, QWidget *parent)
    : ui::Form(parent), deklaration_(std::move(deklaration))
{
    setObjectName(deklaration_.name);
    setWindowTitle(deklaration_.titel);
    resize(deklaration_.groesse);

    Table1 = new db::Table(datenbank(), deklaration_.tabelle, this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setReadOnly(true);
    DataSource1 = new db::DataSource(Table1, this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setColumns(deklaration_.spalten);
    DBGrid1->setDataSource(DataSource1);
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);

    bbtAbbruch = new QPushButton(QStringLiteral("Abbrechen"), body());
    bbtAbbruch->setObjectName(QStringLiteral("bbtAbbruch"));
    bbtUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), body());
    bbtUebernehmen->setObjectName(QStringLiteral("bbtUebernehmen"));
    for (QPushButton *knopf : {bbtAbbruch, bbtUebernehmen})
        knopf->setAutoDefault(false);
    setButtonResult(bbtAbbruch, ui::ModalResult::Cancel);
    setButtonResult(bbtUebernehmen, ui::ModalResult::Ok);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(bbtAbbruch);
    knoepfe->addWidget(bbtUebernehmen);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(knoepfe);

    connect(DBGrid1, &ui::DataGrid::recordDoubleClicked, bbtUebernehmen, &QAbstractButton::click);
    onKeyPress = [this](QKeyEvent *event) { return tasteGedrueckt(event); };

    ordnungSetzen(*Table1, deklaration_.ordnung);
    Table1->open();
}

Auswahldialog::~Auswahldialog()
{
    Table1->close();
}

bool Auswahldialog::tasteGedrueckt(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        bbtUebernehmen->click();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        bbtAbbruch->click();
        return true;
    }
    const QString text = event->text();
    if (text.size() != 1 || !text.front().isPrint() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    ui::guard([&] {
        ordnungSetzen(*Table1, deklaration_.suchIndex);
        Table1->findNearest({text});
    });
    return true;
}

} // namespace masterdata
