#include "Klausel.h"
#include "Sprachwahl.h"
#include "private/Textstamm.h"

namespace {

const QStringList klauselSprachen = {QStringLiteral("k"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("p"),
                                     QStringLiteral("s")};
constexpr int klauselZeilen = 10;

masterdata::Stammdeklaration klauselDeklaration()
{
    masterdata::textstamm::Textart art;
    art.name = QStringLiteral("frmKlausel");
    art.titel = QStringLiteral("Rechnungsklauseln");
    art.tabelle = QStringLiteral("S_REKLAU");
    art.schluessel = QStringLiteral("reklaus");
    art.praefixe = klauselSprachen;
    art.zeilen = klauselZeilen;
    art.hinweise = {
        QStringLiteral("Erste Rechnungsklausel"),
        QStringLiteral("Vorherige Rechnungsklausel"),
        QStringLiteral("Nächste Rechnungsklausel"),
        QStringLiteral("Letzte Rechnungsklausel"),
        QStringLiteral("Rechnungsklausel hinzufügen"),
        QStringLiteral("Aktuelle Rechnungsklausel löschen"),
        QStringLiteral("Aktuelle Rechnungsklausel bearbeiten"),
    };
    art.nummerText = QStringLiteral("Nummer");
    art.zeilenText = QStringLiteral("Klausel");
    for (int zeile = 1; zeile < klauselZeilen; ++zeile)
        art.spalten << QStringLiteral("Bezeichnung %1").arg(zeile);
    art.spalten << QStringLiteral("Bezechnung 10");
    art.suche = {
        {QStringLiteral("Nummer"), QStringLiteral("ReKlaus"), true, 11},
        {QStringLiteral("Klausel"), QStringLiteral("K1"), true, 0},
    };
    art.ordnungNachSuche = QStringLiteral("iK1");
    art.listendruck = masterdata::listendruck<TfrmKlausel_d>;
    return masterdata::textstamm::deklaration(art);
}

masterdata::Listenlayout klauselListenlayout()
{
    masterdata::textstamm::Blattart art;
    art.name = QStringLiteral("frmKlausel_d");
    art.titel = QStringLiteral("Klauseln");
    art.fortschritt = QStringLiteral("Die Klauseln werden gedruckt...");
    art.auftrag = QStringLiteral("Rechnungsklauseln");
    art.ueberschrift = QStringLiteral("Klauseln");
    art.ueberschriftX = 850;
    art.tabelle = QStringLiteral("S_REKLAU");
    art.rahmenUnten = 2800;
    art.nummerText = QStringLiteral("Nummer. : ");
    art.nummerX = 150;
    art.schluessel = QStringLiteral("reklaus");
    art.praefixe = klauselSprachen;
    art.zeilen = klauselZeilen;
    art.sprachY = {290, 790, 1290, 1790, 2290};
    art.ersteZeile = 72;
    art.linien = {270, 780, 1280, 1780, 2280};
    return masterdata::textstamm::listenlayout(art);
}

} // namespace

TfrmKlausel::TfrmKlausel(QWidget *parent)
    : Textstammformular(klauselDeklaration(), klauselSprachen, klauselZeilen, parent)
{
}

std::optional<QStringList> TfrmKlausel::KlauselUebernehmen(const QString &buchstabe, QWidget *parent)
{
    TfrmKlausel form(parent);
    return masterdata::uebernehmenInSprache(form, *form.sprachwahl(), buchstabe);
}

TfrmKlausel_d::TfrmKlausel_d(QWidget *parent) : Listendruck(klauselListenlayout(), parent)
{
}
