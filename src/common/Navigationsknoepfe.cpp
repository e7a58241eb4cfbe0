#include "common/Navigationsknoepfe.h"

#include "platform/db/Table.h"

#include <QWidget>

void NavigationsknoepfeSetzen(db::Table &tabelle, QWidget *erste, QWidget *vorherige, QWidget *naechste,
                              QWidget *letzte)
{
    if (!tabelle.isOpen())
        return;
    bool amEnde = true;
    bool amAnfang = false;
    try {
        amEnde = tabelle.atLastRecord();
        amAnfang = !amEnde && tabelle.atFirstRecord();
    } catch (const std::exception &) {
        return;
    }
    erste->setEnabled(!amAnfang);
    vorherige->setEnabled(!amAnfang);
    naechste->setEnabled(!amEnde);
    letzte->setEnabled(!amEnde);
}
