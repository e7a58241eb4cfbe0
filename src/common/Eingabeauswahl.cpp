#include "common/Eingabeauswahl.h"

namespace {

QHash<QString, Auswahlfunktion> &registrierteAuswahlen()
{
    static QHash<QString, Auswahlfunktion> auswahlen;
    return auswahlen;
}

} // namespace

void auswahlRegistrieren(const QString &name, Auswahlfunktion auswahl)
{
    if (auswahl)
        registrierteAuswahlen().insert(name, std::move(auswahl));
    else
        registrierteAuswahlen().remove(name);
}

Auswahlfunktion auswahlNamens(const QString &name)
{
    return registrierteAuswahlen().value(name);
}
