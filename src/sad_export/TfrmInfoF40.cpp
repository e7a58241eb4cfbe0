#include "sad_export/TfrmInfoF40.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QList<Infogruppe> feld40Gruppen()
{
    return {
        {QStringLiteral("1. Element"),
         {{QStringLiteral("X"), QStringLiteral("Summarische Anmeldung")},
          {QStringLiteral("Y"), QStringLiteral("Vereinfachte Anmeldung")},
          {QStringLiteral("Z"), QStringLiteral("Vorpapier")}}},
        {QStringLiteral("2. Element"),
         {{QStringLiteral("235"), QStringLiteral("Containerliste")},
          {QStringLiteral("270"), QStringLiteral("Ladeliste")},
          {QStringLiteral("271"), QStringLiteral("Packliste")},
          {QStringLiteral("325"), QStringLiteral("Proformarechnung")},
          {QStringLiteral("380"), QStringLiteral("Handelsrechnung")},
          {QStringLiteral("703"), QStringLiteral("Frachtbrief")},
          {QStringLiteral("704"), QStringLiteral("Sammelkonnossement")},
          {QStringLiteral("705"), QStringLiteral("Konnossement")},
          {QStringLiteral("720"), QStringLiteral("Frachtbrief CIM")},
          {QStringLiteral("722"), QStringLiteral("SMGS-Begleitliste")},
          {QStringLiteral("730"), QStringLiteral("LKW-Frachtbrief")},
          {QStringLiteral("740"), QStringLiteral("Luftfrachtbrief")},
          {QStringLiteral("741"),
           QStringLiteral("Luftfrachtbrief, ausgestellt von der Fluggesellschaft (Master air waybill)")},
          {QStringLiteral("750"), QStringLiteral("Paketkarte (Postpakete)")},
          {QStringLiteral("760"), QStringLiteral("Multimodales/kombiniertes Transportdokument")},
          {QStringLiteral("785"), QStringLiteral("Frachtmanifest")},
          {QStringLiteral("787"), QStringLiteral("Ladungsverzeichnis")},
          {QStringLiteral("820"),
           QStringLiteral("Anmeldung zum gemeinschaftlichen Versandverfahren – gemischte Sendungen (T)")},
          {QStringLiteral("821"), QStringLiteral("Anmeldung zum externen gemeinschaftlichen Versandverfahren (T1)")},
          {QStringLiteral("822"), QStringLiteral("Anmeldung zum internen gemeinschaftlichen Versandverfahren (T2)")},
          {QStringLiteral("823"), QStringLiteral("Kontrollexemplar T5")},
          {QStringLiteral("952"), QStringLiteral("Carnet TIR")},
          {QStringLiteral("955"), QStringLiteral("Carnet ATA")},
          {QStringLiteral("CLE"), QStringLiteral("Referenznummer/Datum der Anschreibung in der Buchführung")},
          {QStringLiteral("IF3"), QStringLiteral("Auskunftsblatt INF3")},
          {QStringLiteral("IF8"), QStringLiteral("Auskunftsblatt INF8")},
          {QStringLiteral("MNS"), QStringLiteral("Manifest – vereinfachtes Verfahren")},
          {QStringLiteral("T2F"),
           QStringLiteral("Anmeldung zum internen gemeinschaftlichen Versandverfahren – Artikel 340c Absatz 1")},
          {QStringLiteral("T2M"), QStringLiteral("T2M")},
          {QStringLiteral("ZZZ"), QStringLiteral("Sonstige")}}},
    };
}

} // namespace

TfrmInfoF40::TfrmInfoF40(QWidget *parent)
    : TfrmInfoFeld(QStringLiteral("frmInfoF40"), QStringLiteral("Information für Feld 40 (mit Übenahme)"),
                   {{QStringLiteral("Code"), 70, QStringLiteral("Code:")},
                    {QStringLiteral("Bezeichnung"), 550, QStringLiteral("Bezeichnung:")}},
                   feld40Gruppen(), parent)
{
    Button1 = new QPushButton(QStringLiteral("Ausgewähltes Element verwenden"), body());
    Button1->setObjectName(QStringLiteral("Button1"));
    Edit1 = new QLineEdit(body());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(body());
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Button2 = new QPushButton(QStringLiteral("Code Übernehmen"), body());
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *knopf : {Button1, Button2})
        knopf->setAutoDefault(false);
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(Button1);
    zeile->addWidget(Edit1);
    zeile->addWidget(new QLabel(QStringLiteral("-"), body()));
    zeile->addWidget(Edit2);
    zeile->addWidget(Button2);
    static_cast<QBoxLayout *>(inhalt())->addLayout(zeile);

    connect(Button1, &QPushButton::clicked, this, [this] { ElementVerwenden(); });
    setButtonResult(Button2, ui::ModalResult::Ok);
}

void TfrmInfoF40::showEvent(QShowEvent *event)
{
    TfrmInfoFeld::showEvent(event);
    TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
    gruppeZeigen(0);
}

void TfrmInfoF40::ElementVerwenden()
{
    const int gruppe = gewaehlteGruppe();
    const QStringList zeile = gewaehlteZeile();
    if (gruppe < 0 || zeile.isEmpty())
        return;
    (gruppe == 0 ? Edit1 : Edit2)->setText(zeile.front());
}

QString TfrmInfoF40::feld40() const
{
    return Edit1->text() + QLatin1Char('-') + Edit2->text() + QLatin1Char('-');
}
