#include "TfrmData1.h"
#include "Stammdatenbank.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/PostErrors.h"

#include <memory>

namespace {

struct Modultabelle
{
    db::Table *TfrmData1::*tabelle;
    db::DataSource *TfrmData1::*quelle;
    const char *komponente;
    const char *quellname;
    const char *name;
    QStringList sichtbar;
};

// The chooser's columns are the module's visible fields, in this order.
const QList<Modultabelle> &modultabellen()
{
    static const QList<Modultabelle> tabellen = {
        {&TfrmData1::tbKunden, &TfrmData1::dsKunden, "tbKunden", "dsKunden", "S_KUNDEN",
         {"nummer", "name1", "name2", "name3", "strasse", "ort", "land"}},
        {&TfrmData1::tbPackst, &TfrmData1::dsPackst, "tbPackst", "dsPackst", "S_PACKST",
         {"packart", "bez", "Besch", "laenge", "breite", "hoehe"}},
        {&TfrmData1::tbWare, &TfrmData1::dsWare, "tbWare", "dsWare", "S_WARENN", {"waren", "bez1", "bez2"}},
        {&TfrmData1::tbSpedit, &TfrmData1::dsSpedit, "tbSpedit", "dsSpedit", "S_SPEDIT",
         {"nummer", "name1", "name2", "name3", "name4", "name5"}},
        {&TfrmData1::tbVersand, &TfrmData1::dsVersand, "tbVersand", "dsVersand", "S_VERSAN",
         {"nummer", "name1", "name2", "name3", "name4", "name5"}},
        {&TfrmData1::tbLand, &TfrmData1::dsLand, "tbLand", "dsLand", "S_LANDBZ", {"Land", "Bez", "Lkz"}},
    };
    return tabellen;
}

std::unique_ptr<TfrmData1> &datenmodul()
{
    static std::unique_ptr<TfrmData1> modul;
    return modul;
}

} // namespace

TfrmData1::TfrmData1(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("frmData1"));
    for (const Modultabelle &eintrag : modultabellen()) {
        auto *tabelle = new db::Table(masterdata::datenbank(), QString::fromLatin1(eintrag.name), this);
        tabelle->setObjectName(QString::fromLatin1(eintrag.komponente));
        tabelle->setFilterCaseInsensitive(true);
        ui::showPostErrors(*tabelle);
        auto *quelle = new db::DataSource(tabelle, this);
        quelle->setObjectName(QString::fromLatin1(eintrag.quellname));
        this->*eintrag.tabelle = tabelle;
        this->*eintrag.quelle = quelle;
    }
    for (const Modultabelle &eintrag : modultabellen())
        (this->*eintrag.tabelle)->open();
}

TfrmData1::~TfrmData1()
{
    for (const Modultabelle &eintrag : modultabellen()) {
        db::Table *tabelle = this->*eintrag.tabelle;
        tabelle->cancel();
        tabelle->close();
    }
}

QList<ui::GridColumn> TfrmData1::sichtbareFelder(const db::Table &tabelle)
{
    QList<ui::GridColumn> spalten;
    for (const Modultabelle &eintrag : modultabellen()) {
        if (tabelle.objectName() != QLatin1String(eintrag.komponente))
            continue;
        for (const QString &feld : eintrag.sichtbar)
            spalten.append({feld});
    }
    return spalten;
}

namespace masterdata {

TfrmData1 *frmData1()
{
    return datenmodul().get();
}

void datenmodulErzeugen()
{
    datenmodul().reset();
    datenmodul() = std::make_unique<TfrmData1>();
}

void datenmodulFreigeben()
{
    datenmodul().reset();
}

} // namespace masterdata
