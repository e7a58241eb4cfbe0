#include "Praef.h"

#include "common/TSR_dbGrid.h"

namespace {

constexpr int praefZeilen = 6;

masterdata::Stammdeklaration praefDeklaration()
{
    masterdata::Stammdeklaration d;
    d.name = QStringLiteral("frmPraef");
    d.titel = QStringLiteral("Präferenzklausel");
    d.tabelle = QStringLiteral("S_PRAEFZ");
    d.suche = {
        {QStringLiteral("Präferenz"), QStringLiteral("Praefz"), true, 11},
        {QStringLiteral("Bezeichnung"), QStringLiteral("Text1"), true, 0},
    };
    d.ordnungNachSuche = QStringLiteral("iText1");
    d.hinweise = {
        QStringLiteral("Erste Präferenzklausel"),
        QStringLiteral("Vorherige Präferenzklausel"),
        QStringLiteral("Nächste Präferenzklausel"),
        QStringLiteral("Letzte Präferenzklausel"),
        QStringLiteral("Präferenzklausel hinzufügen"),
        QStringLiteral("Aktuelle Präferenzklausel löschen"),
        QStringLiteral("Aktuelle Präferenzklausel bearbeiten"),
    };
    d.karte = {{.feld = QStringLiteral("praefz"), .beschriftung = QStringLiteral("Präferenz")}};
    for (int zeile = 1; zeile <= praefZeilen; ++zeile)
        d.karte.append({.feld = QStringLiteral("text%1").arg(zeile),
                        .beschriftung = zeile == 1 ? QStringLiteral("Bezeichnung") : QString(),
                        .spalte = QStringLiteral("Bezeichnung %1").arg(zeile)});
    d.uebernahme = {QStringLiteral("bbtUebernehmen"), QStringLiteral("bbtAbbruch"), QStringLiteral("Abbrechen"), true};
    d.listendruck = masterdata::listendruck<TfrmPraef_d>;
    return d;
}

masterdata::Listenlayout praefListenlayout()
{
    masterdata::Listenlayout l;
    l.name = QStringLiteral("frmPraef_d");
    l.titel = QStringLiteral("Präferenzklauseln");
    l.fortschritt = QStringLiteral("Die Präferenzklauseln werden gedruckt...");
    l.auftrag = QStringLiteral("Präferenzkluaseln");
    l.ueberschrift = QStringLiteral("Präferenzkluaseln");
    l.ueberschriftX = 850;
    l.tabelle = QStringLiteral("S_PRAEFZ");
    l.proBlatt = 6;
    l.rahmenRechts = 2020;
    l.rahmenUnten = 2560;
    l.abstand = 400;
    l.trennlinie = 200 + 360;
    const QString wertSpalte = QStringLiteral("Präferenz : ");
    l.felder = {
        {QStringLiteral("Präferenz :"), 150, 200, wertSpalte, {QStringLiteral("praefz")}},
        {QStringLiteral("Text      :"), 150, 300, wertSpalte, {QStringLiteral("text1")}},
    };
    for (int zeile = 2; zeile <= praefZeilen; ++zeile)
        l.felder.append({{}, 150, 300 + 42 * (zeile - 1), wertSpalte, {QStringLiteral("text%1").arg(zeile)}});
    return l;
}

} // namespace

TfrmPraef::TfrmPraef(QWidget *parent) : Stammformular(praefDeklaration(), parent)
{
    // Enter in the list goes to the code; only a double click takes the row.
    disconnect(dbgrBenutzer, &ui::DataGrid::enterPressed, this, nullptr);
    connect(dbgrBenutzer, &ui::DataGrid::enterPressed, this, [this] {
        if (!eingaben().isEmpty())
            eingaben().first()->setFocus();
    });
}

TfrmPraef_d::TfrmPraef_d(QWidget *parent) : Listendruck(praefListenlayout(), parent)
{
}
