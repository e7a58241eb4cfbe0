#include "common/TfrmFelderJustieren.h"

#include "common/Belegart.h"
#include "common/TSR_dbGrid.h"
#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/Guard.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmFelderJustieren::TfrmFelderJustieren(const Seitenart &seitenart, db::DataSource *quelle, QWidget *parent)
    : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmFelderJustieren"));
    setWindowTitle(QStringLiteral("Felder Justieren"));
    resize(690, 253);

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setReadOnly(false);
    const QStringList &namen = seitenart.justierbareFelder;
    if (!namen.isEmpty()) {
        QList<ui::GridColumn> spalten;
        spalten << ui::GridColumn{QStringLiteral("Name"), QStringLiteral("Formularbezeichnung"), 0, true};
        for (int feld = 1; feld <= namen.size(); ++feld) {
            const QString &name = namen[feld - 1];
            spalten << ui::GridColumn{QStringLiteral("Feld%1x").arg(feld), name + QStringLiteral(" / Spalte")}
                    << ui::GridColumn{QStringLiteral("Feld%1y").arg(feld), name + QStringLiteral(" / Zeile")};
        }
        DBGrid1->setColumns(spalten);
    }
    DBGrid1->setDataSource(quelle);

    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), body());
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnOK = new QPushButton(QStringLiteral("OK"), body());
    btnOK->setObjectName(QStringLiteral("btnOK"));
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnAbbrechen);
    knoepfe->addWidget(btnOK);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(knoepfe);

    setButtonResult(btnAbbrechen, ui::ModalResult::Cancel);
    connect(btnOK, &QPushButton::clicked, this, ui::guarded([this] { okClick(); }));
}

void TfrmFelderJustieren::okClick()
{
    db::DataSource *quelle = DBGrid1->dataSource();
    db::Table *tabelle = quelle ? quelle->dataSet() : nullptr;
    if (tabelle && tabelle->isOpen()) {
        tabelle->post();
        // A refused write keeps the record and the dialog open.
        if (tabelle->state() == db::DatasetState::Edit || tabelle->state() == db::DatasetState::Insert)
            return;
    }
    setModalResult(ui::ModalResult::Ok);
}

void TfrmFelderJustieren::formClose(int modalResult)
{
    ui::Form::formClose(modalResult);
    if (modalResult == ui::ModalResult::Ok)
        return;
    db::DataSource *quelle = DBGrid1->dataSource();
    if (db::Table *tabelle = quelle ? quelle->dataSet() : nullptr; tabelle && tabelle->isOpen())
        tabelle->cancel();
}
