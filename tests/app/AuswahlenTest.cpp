#include "app/Formulare.h"

#include "common/Eingabeauswahl.h"
#include "common/Eingabedeklaration.h"
#include "sad_export/Ausfuhranmeldung.h"
#include "transport/Cmr.h"

#include <gtest/gtest.h>

namespace {

// Every lookup an entry form binds to has a dialog behind it once the
// program has registered its forms; none answers "not available".
TEST(Eingabeauswahlen, EveryLookupOfTheEntryFormsIsRegistered)
{
    FormulareAnmelden();
    QStringList namen{QStringLiteral("LandKennzeichenAufloesen")};
    for (const QList<Auswahlbindung> &bindungen :
         {EinheitAuswahlen(), PositionAuswahlen(), CmrAuswahlen(), CmrPositionAuswahlen()}) {
        for (const Auswahlbindung &bindung : bindungen)
            namen << bindung.auswahl;
    }
    namen.removeDuplicates();
    for (const QString &name : std::as_const(namen))
        EXPECT_TRUE(auswahlNamens(name)) << name.toStdString();
}

} // namespace
