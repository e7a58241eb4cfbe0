#include "Zahlung.h"
#include "Sprachwahl.h"
#include "private/Textstamm.h"

namespace {

const QStringList zahlungSprachen = {QStringLiteral("t"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("p"),
                                     QStringLiteral("s")};
constexpr int zahlungZeilen = 5;

masterdata::Stammdeklaration zahlungDeklaration()
{
    masterdata::textstamm::Textart art;
    art.name = QStringLiteral("frmZahlung");
    art.titel = QStringLiteral("Zahlungsbedingung");
    art.tabelle = QStringLiteral("S_ZABEDG");
    art.schluessel = QStringLiteral("zabedg");
    art.praefixe = zahlungSprachen;
    art.zeilen = zahlungZeilen;
    art.hinweise = {
        QStringLiteral("Erste Zahlungsbedingung"),
        QStringLiteral("Vorherige Zahlungsbedingung"),
        QStringLiteral("Nächste Zahlungsbedingung"),
        QStringLiteral("Letzte Zahlungsbedingung"),
        QStringLiteral("Zahlungsbedingung hinzufügen"),
        QStringLiteral("Aktuelle Zahlungsbedingung löschen"),
        QStringLiteral("Aktuelle Zahlungsbedingung bearbeiten"),
    };
    art.nummerText = QStringLiteral("Zahlungsbedingung");
    art.zeilenText = QStringLiteral("Bedingung");
    for (int zeile = 1; zeile <= zahlungZeilen; ++zeile)
        art.spalten << QStringLiteral("Bedingung %1").arg(zeile);
    art.suche = {
        {QStringLiteral("Zahlungsbed."), QStringLiteral("ZaBedg"), true, 11},
        {QStringLiteral("Beschreibung"), QStringLiteral("t1"), true, 0},
    };
    art.ordnungNachSuche = QStringLiteral("iT1");
    art.listendruck = masterdata::listendruck<TfrmZahlung_d>;
    return masterdata::textstamm::deklaration(art);
}

masterdata::Listenlayout zahlungListenlayout()
{
    masterdata::textstamm::Blattart art;
    art.name = QStringLiteral("frmZahlung_d");
    art.titel = QStringLiteral("Zahlungsbedingungen");
    art.fortschritt = QStringLiteral("Zahlungsbedingungen werden geduckt...");
    art.auftrag = QStringLiteral("Zahlungsbedingungen");
    art.ueberschrift = QStringLiteral("Zahlungsbedingungen");
    art.ueberschriftX = 800;
    art.tabelle = QStringLiteral("S_ZABEDG");
    art.rahmenUnten = 2620;
    art.nummerText = QStringLiteral("Zahlungsbedingung : ");
    art.nummerX = 850;
    art.schluessel = QStringLiteral("zabedg");
    art.praefixe = zahlungSprachen;
    art.zeilen = zahlungZeilen;
    art.sprachY = {280, 760, 1230, 1700, 2170};
    art.ersteZeile = 142;
    art.linien = {270, 750, 1220, 1690, 2160};
    return masterdata::textstamm::listenlayout(art);
}

} // namespace

TfrmZahlung::TfrmZahlung(QWidget *parent)
    : Textstammformular(zahlungDeklaration(), zahlungSprachen, zahlungZeilen, parent)
{
}

std::optional<QStringList> TfrmZahlung::ZahlungUebernehmen(const QString &buchstabe, QWidget *parent)
{
    TfrmZahlung form(parent);
    return masterdata::uebernehmenInSprache(form, *form.sprachwahl(), buchstabe);
}

TfrmZahlung_d::TfrmZahlung_d(QWidget *parent) : Listendruck(zahlungListenlayout(), parent)
{
}
