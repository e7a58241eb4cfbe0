#include "Main.h"

#include "About.h"
#include "Benutzer.h"
#include "Formulare.h"
#include "Optionen.h"
#include "TfrmAuftr_de.h"
#include "Tfrmsprachen.h"
#include "Tfrmuebersetzungen.h"

#include "common/Parameter.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/StatusBar.h"

#include <QLabel>

void TfrmMain::mnuBenutzerClick()
{
    // The hints come back however the form ends.
    HinweiseAus hinweise(StatusBar1);
    BenutzerVerwalten(UserName, this);
}

void TfrmMain::mnuParameterClick()
{
    if (!tbParameter->isOpen())
        tbParameter->open();
    TfrmParameter dialog(this);
    dialog.DBEdit1->setDataSource(dsParameter);
    dialog.DBEdit1->setDataField(QStringLiteral("Mwst"));
    dialog.Label1->setText(QStringLiteral("MWST"));
    dialog.Label2->show();
    dialog.DBEdit2->setDataSource(dsParameter);
    dialog.DBEdit2->setDataField(QStringLiteral("Ustnr"));
    dialog.DBEdit2->show();
    dialog.DBCheckBox1->hide();
    const int ergebnis = dialog.showModal();
    const db::DatasetState zustand = tbParameter->state();
    if (zustand != db::DatasetState::Edit && zustand != db::DatasetState::Insert)
        return;
    if (ergebnis == ui::ModalResult::Ok)
        tbParameter->post();
    // After a refused post the record must not stay locked for the other
    // workstations: the message has told the clerk.
    if (tbParameter->state() != db::DatasetState::Browse)
        tbParameter->cancel();
}

void TfrmMain::mnuFirmendatenClick()
{
    TfrmAuftr_de firmendaten(dsParameter, this);
    firmendaten.showModal();
}

void TfrmMain::mnuSprachenClick()
{
    if (!Table1->isOpen()) {
        Table1->setDatabase(Database1);
        Table1->open();
    }
    Tfrmsprachen::SprachenBearbeiten(*tbParameter, *dsParameter, *Table1, this);
}

void TfrmMain::mnuUebersetzungenClick()
{
    Tfrmuebersetzungen uebersetzungen(Database1, this);
    uebersetzungen.showModal();
}

void TfrmMain::mnuOptionenClick()
{
    TfrmOptionen optionen(*this, this);
    optionen.showModal();
}

void TfrmMain::mnuEndeClick()
{
    close();
}

void TfrmMain::mnuInfoClick()
{
    TAboutBox info(windowTitle(), this);
    info.showModal();
}
