#include "sad_export/Tabellen.h"

#include "platform/db/Schema.h"
#include "sad_export/Tabelle_EINFOLG.h"
#include "sad_export/Tabelle_EINHEIT.h"
#include "sad_export/Tabelle_S_Einheit37_1.h"
#include "sad_export/Tabelle_S_Einheit37_2.h"

namespace sad_export {

void tabellenAnmelden()
{
    const QString alias = QStringLiteral("Z_Tavero");
    db::Schema::registerTable(alias, Tabelle_EINHEIT());
    db::Schema::registerTable(alias, Tabelle_EINFOLG());
    db::Schema::registerTable(alias, Tabelle_S_Einheit37_1());
    db::Schema::registerTable(alias, Tabelle_S_Einheit37_2());
}

} // namespace sad_export
