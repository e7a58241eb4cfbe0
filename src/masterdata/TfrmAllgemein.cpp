#include "TfrmAllgemein.h"
#include "private/Auswahlrahmen.h"

#include "common/TSR_dbGrid.h"

#include "platform/ui/Keys.h"
#include "platform/ui/SpeedButton.h"

#include <QHeaderView>

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

    const masterdata::Auswahlknoepfe knoepfe = masterdata::auswahlRahmen(*this, DBGrid1);
    SpeedButton1 = knoepfe.abbrechen;
    SpeedButton2 = knoepfe.uebernehmen;
    setButtonResult(SpeedButton1, ui::ModalResult::Cancel);
    setButtonResult(SpeedButton2, ui::ModalResult::Ok);
    onKeyPress = [this](QKeyEvent *event) { return ui::clickOnEnterOrEscape(event, SpeedButton2, SpeedButton1); };
}
