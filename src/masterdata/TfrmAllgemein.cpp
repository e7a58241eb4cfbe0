#include "TfrmAllgemein.h"

#include "common/Programmzustand.h"
#include "common/TSR_dbGrid.h"

#include "platform/ui/SpeedButton.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

TfrmAllgemein::TfrmAllgemein(QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmAllgemein"));
    setWindowTitle(QStringLiteral("Übernahme"));
    setFixedSize(297, 254);

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);
    QPalette farben = DBGrid1->palette();
    farben.setColor(QPalette::Text, Qt::blue);
    DBGrid1->setPalette(farben);
    QFont titel(QStringLiteral("Arial"));
    DBGrid1->horizontalHeader()->setFont(titel);
    QPalette titelFarben = DBGrid1->horizontalHeader()->palette();
    titelFarben.setColor(QPalette::ButtonText, Qt::red);
    titelFarben.setColor(QPalette::WindowText, Qt::red);
    DBGrid1->horizontalHeader()->setPalette(titelFarben);

    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Abbrechen"), body());
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Übernehmen"), body());
    for (ui::SpeedButton *knopf : {SpeedButton1, SpeedButton2})
        knopf->setFlat(!Erscheinungsbild().framedSpeedButtons);
    auto *leiste = new QHBoxLayout;
    leiste->addWidget(SpeedButton1);
    leiste->addStretch();
    leiste->addWidget(SpeedButton2);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(leiste);

    setButtonResult(SpeedButton1, ui::ModalResult::Cancel);
    setButtonResult(SpeedButton2, ui::ModalResult::Ok);
    connect(DBGrid1, &ui::DataGrid::recordDoubleClicked, this, [this] { SpeedButton2->click(); });
    onKeyPress = [this](QKeyEvent *event) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            SpeedButton2->click();
            return true;
        }
        if (event->key() == Qt::Key_Escape) {
            SpeedButton1->click();
            return true;
        }
        return false;
    };
}
