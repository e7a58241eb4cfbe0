#include "common/Belegart.h"

namespace {

// The forms whose fields the clerk moves one by one; the titles as the
// field-adjustment editor heads its columns.
const Seitenart imo{QStringLiteral("IMO"), {
    QStringLiteral("Versender"),         QStringLiteral("Buchungsnummer"), QStringLiteral("Empfänger"),
    QStringLiteral("Beförderer"),        QStringLiteral("Container-Nr"),   QStringLiteral("Name/Funktion"),
    QStringLiteral("Ort und Datum"),     QStringLiteral("Schiffsname"),    QStringLiteral("Ladehafen"),
    QStringLiteral("Löschhafen"),        QStringLiteral("Frei für Text"),  QStringLiteral("Markierung"),
    QStringLiteral("Anzahl"),            QStringLiteral("Inhalt"),         QStringLiteral("Klasse"),
    QStringLiteral("UN-Nr."),            QStringLiteral("Verpackungsgruppe"), QStringLiteral("Bruttomasse"),
    QStringLiteral("Kennzeichen"),       QStringLiteral("sek. Label"),     QStringLiteral("Merkblatt-Nr."),
    QStringLiteral("Eigenschaften"),     QStringLiteral("Güter ang."),     QStringLiteral("Name/Funktion"),
    QStringLiteral("Ort u. Datum"),
}};

const Seitenart shippersDeclaration{QStringLiteral("SHIPPERS DECLARATION"), {
    QStringLiteral("Shipper"),            QStringLiteral("Air Waybill No"),        QStringLiteral("Page of Pages"),
    QStringLiteral("Reference No."),      QStringLiteral("Consignee"),             QString(),
    QStringLiteral("Passenger"),          QStringLiteral("Cargo"),                 QStringLiteral("Airport of Departure"),
    QStringLiteral("Airport of Destination"), QStringLiteral("Non-Radioactive"),  QStringLiteral("Radioactive"),
    QStringLiteral("Shipping Name"),      QStringLiteral("Class"),                 QStringLiteral("UN No."),
    QStringLiteral("Packing Group"),      QStringLiteral("Sub. Risk"),             QStringLiteral("Packing Type"),
    QStringLiteral("Packing Inst."),      QStringLiteral("Authorization"),         QStringLiteral("Information"),
    QStringLiteral("Name"),               QStringLiteral("Place and Date"),        QStringLiteral("Signature"),
}};

} // namespace

Seitenart seitenartNamens(const QString &name)
{
    for (const Seitenart *seitenart : {&imo, &shippersDeclaration}) {
        if (seitenart->name == name)
            return *seitenart;
    }
    return {name, {}};
}
