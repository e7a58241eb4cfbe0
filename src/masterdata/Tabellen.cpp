#include "Tabellen.h"

#include "Tabelle_S_EINH37.h"
#include "Tabelle_S_GESART.h"
#include "Tabelle_S_HAFEN.h"
#include "Tabelle_S_INLAND.h"
#include "Tabelle_S_KUNDEN.h"
#include "Tabelle_S_ARTIST.h"
#include "Tabelle_S_LANDBZ.h"
#include "Tabelle_S_LIEFER.h"
#include "Tabelle_S_PACKST.h"
#include "Tabelle_S_PRAEFZ.h"
#include "Tabelle_S_REKLAU.h"
#include "Tabelle_S_SPEDIT.h"
#include "Tabelle_S_URZEUG.h"
#include "Tabelle_S_VERFAH.h"
#include "Tabelle_S_VERKZG.h"
#include "Tabelle_S_VERSAN.h"
#include "Tabelle_S_WARENN.h"
#include "Tabelle_S_ZABEDG.h"
#include "Tabelle_S_ZOLLST.h"

#include "platform/db/Schema.h"

namespace masterdata {

void tabellenAnmelden()
{
    const QString datenbank = QStringLiteral("Z_Tavero");
    db::Schema::registerTable(datenbank, Tabelle_S_INLAND());
    db::Schema::registerTable(datenbank, Tabelle_S_ZOLLST());
    db::Schema::registerTable(datenbank, Tabelle_S_HAFEN());
    db::Schema::registerTable(datenbank, Tabelle_S_GESART());
    db::Schema::registerTable(datenbank, Tabelle_S_EINH37());
    db::Schema::registerTable(datenbank, Tabelle_S_VERFAH());
    db::Schema::registerTable(datenbank, Tabelle_S_LIEFER());
    db::Schema::registerTable(datenbank, Tabelle_S_VERKZG());
    db::Schema::registerTable(datenbank, Tabelle_S_URZEUG());
    db::Schema::registerTable(datenbank, Tabelle_S_LANDBZ());
    db::Schema::registerTable(datenbank, Tabelle_S_WARENN());
    db::Schema::registerTable(datenbank, Tabelle_S_PACKST());
    db::Schema::registerTable(datenbank, Tabelle_S_ARTIST());
    db::Schema::registerTable(datenbank, Tabelle_S_PRAEFZ());
    db::Schema::registerTable(datenbank, Tabelle_S_KUNDEN());
    db::Schema::registerTable(datenbank, Tabelle_S_SPEDIT());
    db::Schema::registerTable(datenbank, Tabelle_S_VERSAN());
    db::Schema::registerTable(datenbank, Tabelle_S_REKLAU());
    db::Schema::registerTable(datenbank, Tabelle_S_ZABEDG());
}

} // namespace masterdata
