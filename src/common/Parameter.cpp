#include "Parameter.h"

#include "Programmzustand.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TfrmParameter::TfrmParameter(QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmParameter"));
    setWindowTitle(QStringLiteral("Parameter"));

    auto *panel = new QWidget(body());
    panel->setObjectName(QStringLiteral("Panel1"));
    Label1 = new QLabel(QStringLiteral("Nächste Nummer"), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    DBEdit1 = new ui::DataEdit(panel);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setFont(QFont(QStringLiteral("Courier New"), 10));
    Label1->setBuddy(DBEdit1);
    DBCheckBox1 = new ui::DataCheckBox(panel);
    DBCheckBox1->setObjectName(QStringLiteral("DBCheckBox1"));
    DBCheckBox1->setText(QStringLiteral("Plausibilität"));
    Label2 = new QLabel(QStringLiteral("UmsatzsteuerNummer"), panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    DBEdit2 = new ui::DataEdit(panel);
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    DBEdit2->setFont(QFont(QStringLiteral("Courier New"), 10));
    Label2->setBuddy(DBEdit2);
    Label2->hide();
    DBEdit2->hide();

    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("OK"), body());
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Abbrechen"), body());
    const bool mitRahmen = Erscheinungsbild().framedSpeedButtons;
    for (ui::SpeedButton *knopf : {SpeedButton1, SpeedButton2}) {
        knopf->setFlat(!mitRahmen);
        knopf->setMinimumWidth(90);
    }
    setButtonResult(SpeedButton1, ui::ModalResult::Ok);
    setButtonResult(SpeedButton2, ui::ModalResult::Cancel);

    auto *felder = new QVBoxLayout(panel);
    felder->addWidget(Label1);
    felder->addWidget(DBEdit1);
    felder->addWidget(DBCheckBox1);
    felder->addWidget(Label2);
    felder->addWidget(DBEdit2);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(SpeedButton1);
    knoepfe->addWidget(SpeedButton2);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(panel);
    layout->addLayout(knoepfe);
    resize(330, 112);
}

bool ParameterBearbeiten(db::Table &parameter, db::DataSource &quelle, const QString &vorschlagFeld,
                         const QString &plausiFeld)
{
    TfrmParameter dialog;
    dialog.DBEdit1->setDataSource(&quelle);
    dialog.DBEdit1->setDataField(vorschlagFeld);
    if (plausiFeld.isEmpty()) {
        dialog.DBCheckBox1->hide();
    } else {
        dialog.DBCheckBox1->setDataSource(&quelle);
        dialog.DBCheckBox1->setDataField(plausiFeld);
    }
    const bool ok = dialog.showModal() == ui::ModalResult::Ok;
    const db::DatasetState zustand = parameter.state();
    const bool bearbeitet = zustand == db::DatasetState::Edit || zustand == db::DatasetState::Insert;
    if (ok && bearbeitet)
        parameter.post();
    else if (!ok && bearbeitet)
        parameter.cancel();
    return ok;
}
