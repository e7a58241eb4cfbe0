#include "sad_export/TfrmEinheit.h"

#include "common/Eingabeauswahl.h"
#include "common/Programmzustand.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmRegie.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WaitCursor.h"
#include "sad_export/TfrmEinAnl.h"
#include "sad_export/TfrmEinheit_d.h"
#include "sad_export/TfrmPlausi.h"

#include <QAction>
#include <QCursor>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>

TfrmEinheit *frmEinheit = nullptr;

void EinheitHaken::eingabeformularZeigen(TfrmRegie &regie, const QString &status)
{
    eingabeformularModal<TfrmEinheit>(regie, status);
}

void EinheitHaken::druckformularZeigen(TfrmRegie &regie, int belegNr)
{
    AusfuhranmeldungDrucken(belegNr, &regie);
    // The print stores the form number (AENR) through a cursor of its own.
    regie.kopf().refresh();
}

TfrmEinheit::TfrmEinheit(TfrmRegie &regie, const QString &status, QWidget *parent)
    : Belegformular(QStringLiteral("frmEinheit"), QStringLiteral("Ausfuhranmeldung"), regie, status, EinheitFelder(),
                    EinheitAuswahlen(), parent)
{
    frmEinheit = this;
    gemeinschaftKopfSetzen(*this, {220, 20, 640, 95});
    knoepfeBauen();
    wechselnBauen();

    TSR_dbGrid *liste = positionsliste();
    liste->setColumns({{QStringLiteral("pos"), QStringLiteral("Pos."), liste->widthFor(4)},
                       {QStringLiteral("f33_1"), QStringLiteral("Warennummer")},
                       {QStringLiteral("f31_1"), QStringLiteral("Bezeichnung")},
                       {QStringLiteral("f31_2"), QStringLiteral("Bezeichnung")},
                       {QStringLiteral("f31_3"), QStringLiteral("Bezeichnung")}});

    positionen().neuBerechnen = [this] { ZaehlerAktualisieren(); };
    positionen().positionsformular = [this] {
        TfrmEinAnl formular(this->regie(), this->status(), this);
        formular.showModal();
    };

    connect(&regie.regie().kopf(), &db::Table::recordChanged, this, [this] { vermerkSperreAnwenden(); });
    if (auto *bestimmungsland = qobject_cast<ui::DataEdit *>(steuerelement(QStringLiteral("DBEdit11"))))
        connect(bestimmungsland, &ui::DataEdit::exited, this, ui::guarded([this] { bestimmungslandAufloesen(); }));
    vermerkSperreAnwenden();
    ScrollBox1->setPosition(0);
}

TfrmEinheit::~TfrmEinheit()
{
    if (frmEinheit == this)
        frmEinheit = nullptr;
}

void TfrmEinheit::knoepfeBauen()
{
    const QList<ui::SpeedButton *> knoepfe = positionsKnoepfeBauen({
        {QStringLiteral("sbPosErste"), QStringLiteral("|<"), QStringLiteral("Erste Position")},
        {QStringLiteral("sbPosVorherige"), QStringLiteral("<"), QStringLiteral("Vorherige Position")},
        {QStringLiteral("sbPosNaechste"), QStringLiteral(">"), QStringLiteral("Nächste Position")},
        {QStringLiteral("sbPosLetzte"), QStringLiteral(">|"), QStringLiteral("Letzte Position")},
        {QStringLiteral("sbPosHinzufuegen"), QStringLiteral("+"), QStringLiteral("Position hinzufügen")},
        {QStringLiteral("sbPosLoeschen"), QStringLiteral("-"), QStringLiteral("Aktuelle Position löschen")},
        {QStringLiteral("sbPosBearbeiten"), QStringLiteral("..."), QStringLiteral("aktuelle Position bearbeiten")},
    });
    sbPosErste = knoepfe[0];
    sbPosVorherige = knoepfe[1];
    sbPosNaechste = knoepfe[2];
    sbPosLetzte = knoepfe[3];
    sbPosHinzufuegen = knoepfe[4];
    sbPosLoeschen = knoepfe[5];
    sbPosBearbeiten = knoepfe[6];

    const bool gerahmt = Erscheinungsbild().framedSpeedButtons;
    // Box 14: the kind of representation before line 1, the role after line 2.
    auto popup = [&](const char *knopfName, const char *menueName, const QString &neben) {
        auto *neu = new ui::SpeedButton(QString::fromLatin1(knopfName), QStringLiteral("v"), ScrollBox1->content());
        neu->setFlat(!gerahmt);
        if (QHBoxLayout *zeile = zeileVon(neben))
            zeile->insertWidget(1, neu);
        auto *menue = new QMenu(this);
        menue->setObjectName(QString::fromLatin1(menueName));
        connect(neu, &QAbstractButton::clicked, this, [menue] { menue->popup(QCursor::pos()); });
        return std::pair{neu, menue};
    };
    std::tie(SpeedButton14_1, PopupMenu14_1) = popup("SpeedButton14_1", "PopupMenu14_1", QStringLiteral("DBEdit34"));
    std::tie(SpeedButton14_2, PopupMenu14_2) = popup("SpeedButton14_2", "PopupMenu14_2", QStringLiteral("DBEdit38"));
    const QList<std::pair<QString, QString>> vertretung{
        {QStringLiteral("1 - Anmelder"), QStringLiteral("[1] ")},
        {QStringLiteral("2 - Vertreter (direkte Vertretung im Sinne von Artikel 5 Abs. 2 erster Gedankenstrich "
                        "Zollkodex)"),
         QStringLiteral("[2] ")},
        {QStringLiteral("3- -Vertreter (indirekte Vertretung im Sinne von Artikel 5 Abs. 2 zweiter Gedankenstrich "
                        "Zollkodex)"),
         QStringLiteral("[3] ")},
    };
    for (int i = 0; i < vertretung.size(); ++i) {
        const QString text = vertretung[i].second;
        QAction *eintrag = ui::addMenuItem(PopupMenu14_1, QStringLiteral("Vertretung%1").arg(i + 1), vertretung[i].first);
        connect(eintrag, &QAction::triggered, this,
                ui::guarded([this, text] { feld14Ergaenzen(QStringLiteral("DBEdit34"), text, true); }));
    }
    const QList<std::pair<QString, QString>> rolle{
        {QStringLiteral("Ausführer -00400"), QStringLiteral("Ausführer - 00400")},
        {QStringLiteral("Versender -00300"), QStringLiteral("Versender - 00300")},
    };
    for (int i = 0; i < rolle.size(); ++i) {
        const QString text = rolle[i].second;
        QAction *eintrag = ui::addMenuItem(PopupMenu14_2, QStringLiteral("Rolle%1").arg(i + 1), rolle[i].first);
        connect(eintrag, &QAction::triggered, this,
                ui::guarded([this, text] { feld14Ergaenzen(QStringLiteral("DBEdit38"), text, false); }));
    }
}

void TfrmEinheit::feld14Ergaenzen(const QString &name, const QString &text, bool voran)
{
    auto *edit = qobject_cast<QLineEdit *>(steuerelement(name));
    if (!edit)
        return;
    schreiben(name, voran ? text + edit->text() : edit->text() + text);
}

// With the statement flag (§5d) set the two free box-44 lines are not for
// typing; their text stays stored either way.
void TfrmEinheit::vermerkSperreAnwenden()
{
    db::Table &kopf = regie().regie().kopf();
    if (!kopf.isOpen() || kopf.isEmpty())
        return;
    const bool gesetzt = kopf.fieldByName(QStringLiteral("F44_11")).asString().compare(u"j", Qt::CaseInsensitive) == 0;
    for (const char *name : {"DBEdit23", "DBEdit24"}) {
        if (auto *edit = qobject_cast<ui::DataEdit *>(steuerelement(QString::fromLatin1(name)))) {
            edit->setEnabled(!gesetzt);
            edit->setColor(gesetzt ? sys::colors::buttonFace : sys::colors::window);
        }
    }
}

// Box 17a: a typed prefix of a country code becomes the code when one
// country has it; several offer the chooser, none says so and keeps the text.
void TfrmEinheit::bestimmungslandAufloesen()
{
    auto *edit = qobject_cast<QLineEdit *>(steuerelement(QStringLiteral("DBEdit11")));
    const Auswahlfunktion aufloesen = auswahlNamens(QStringLiteral("LandKennzeichenAufloesen"));
    if (aufloesend_ || !edit || edit->text().isEmpty() || !aufloesen)
        return;
    aufloesend_ = true;
    struct Zurueck
    {
        bool &flag;
        ~Zurueck() { flag = false; }
    } zurueck{aufloesend_};
    Auswahlanfrage anfrage;
    anfrage.formular = objectName();
    anfrage.start = edit->text();
    anfrage.eltern = this;
    const Auswahlergebnis ergebnis = aufloesen(anfrage);
    if (ergebnis && ergebnis->contains(QStringLiteral("Lkz")))
        schreiben(QStringLiteral("DBEdit11"), ergebnis->value(QStringLiteral("Lkz")));
    regie().regie().kopf().checkBrowseMode();
}

void TfrmEinheit::ZaehlerAktualisieren()
{
    db::Table &kopf = regie().regie().kopf();
    const int anzahl = positionen().anzahl();
    if (kopf.state() == db::DatasetState::Browse)
        kopf.edit();
    kopf.fieldByName(QStringLiteral("f3_1")).setAsString(QStringLiteral("1"));
    kopf.fieldByName(QStringLiteral("f3_2")).setAsString(QString::number((anzahl + 4) / 3));
    kopf.fieldByName(QStringLiteral("F5")).setAsString(QString::number(anzahl));
    kopf.post();
}

void TfrmEinheit::PositionHinzufuegen()
{
    positionen().hinzufuegen();
}

void TfrmEinheit::PositionBearbeiten()
{
    positionen().bearbeiten();
}

void TfrmEinheit::PositionLoeschen()
{
    positionen().loeschen();
}

bool TfrmEinheit::PruefeEinheitspapier()
{
    return pruefen(PruefungEinheitspapier(), pruefungAn(),
                   [this](const QStringList &angekreuzt) { return PlausiZeigen(angekreuzt, false, this); });
}
