#include "common/Belegformular.h"

#include "common/Navigationsknoepfe.h"
#include "common/Positionsformular.h"
#include "common/Programmzustand.h"
#include "common/Pruefdialog.h"
#include "common/TSR_dbGrid.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"
#include "platform/ui/SpeedButton.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenuBar>

Belegformular::Belegformular(TfrmRegie &regie, const QString &status, QWidget *parent)
    : Eingabeformular(regie.art().eingabe.name, regie.art().eingabe.felder, regie.art().eingabe.auswahlen,
                      {&regie.regie().kopfQuelle(), regie.regie().positionenQuelle(),
                       &regie.regie().parameterQuelle()},
                      parent),
      regie_(regie),
      positionen_(regie.regie()),
      status_(status)
{
    const Belegart &art = regie.art();
    setWindowTitle(art.eingabe.titel);
    setStatus(status);
    Drucken1 = ui::addMenuItem(menuBar(), QStringLiteral("Drucken1"), QStringLiteral("&Drucken"));
    Schliessen1 = ui::addMenuItem(menuBar(), QStringLiteral("Schliessen1"), QStringLiteral("&Schließen"));
    connect(Drucken1, &QAction::triggered, this, ui::guarded([this] { Drucken(); }));
    connect(Schliessen1, &QAction::triggered, this, [this] { setModalResult(ui::ModalResult::Cancel); });

    Belegregister &daten = regie.regie();
    festeFelderEinrichten(art.parameter.festeFelder, daten.aufMaster());
    // New lines take the master's first line only where the family keeps one;
    // without it they simply start empty.
    if (art.regie.masterPosition)
        ui::guard([this] { positionen_.masterwerteLesen(); });

    if (TSR_dbGrid *liste = positionsliste()) {
        QList<ui::GridColumn> spalten;
        for (const Belegart::Spalte &spalte : art.eingabe.positionsspalten)
            spalten << ui::GridColumn{spalte.feld, spalte.titel, spalte.breite > 0 ? liste->widthFor(spalte.breite) : 0};
        if (!spalten.isEmpty())
            liste->setColumns(spalten);
        positionsKnoepfeBauen();
    }
    positionen_.neuBerechnen = [this] { regie_.haken().positionenGeaendert(*this); };
    positionen_.positionsformular = [this] {
        Positionsformular formular(regie_, status_, this);
        formular.showModal();
    };
    regie.haken().eingabeformularGebaut(*this);
}

bool Belegformular::pruefungAn()
{
    return regie_.regie().pruefungAn();
}

bool Belegformular::belegPruefen()
{
    const Belegart &art = regie_.art();
    return pruefen(art.pruefung, !art.pruefung.leer() && pruefungAn(),
                   [this, &art](const QStringList &angekreuzt) { return PruefdialogZeigen(art, angekreuzt, false, this); });
}

void Belegformular::Drucken()
{
    druckenNachPruefung([this] { return belegPruefen(); },
                        [this] { regie_.haken().druckformularZeigen(regie_, int(regie_.regie().aktuelleNummer())); });
}

void Belegformular::positionsKnoepfeBauen()
{
    const bool gerahmt = Erscheinungsbild().framedSpeedButtons;
    QList<ui::SpeedButton *> gebaut;
    for (const Belegart::Knopf &knopf : regie_.art().eingabe.positionsknoepfe) {
        auto *neu = new ui::SpeedButton(knopf.name, knopf.titel, positionsliste()->parentWidget());
        neu->setFlat(!gerahmt);
        ui::setHint(neu, knopf.hinweis);
        positionsKnoepfe()->addWidget(neu);
        gebaut << neu;
    }
    positionsKnoepfe()->addStretch();
    if (gebaut.size() != 7 || !regie_.regie().positionen())
        return;

    db::Table &zeilen = *regie_.regie().positionen();
    connect(gebaut[0], &QAbstractButton::clicked, this, ui::guarded([&zeilen] { zeilen.first(); }));
    connect(gebaut[1], &QAbstractButton::clicked, this, ui::guarded([&zeilen] {
                if (!zeilen.bof())
                    zeilen.prior();
            }));
    connect(gebaut[2], &QAbstractButton::clicked, this, ui::guarded([&zeilen] {
                if (!zeilen.eof())
                    zeilen.next();
            }));
    connect(gebaut[3], &QAbstractButton::clicked, this, ui::guarded([&zeilen] { zeilen.last(); }));
    connect(gebaut[4], &QAbstractButton::clicked, this, ui::guarded([this] { positionen_.hinzufuegen(); }));
    connect(gebaut[5], &QAbstractButton::clicked, this, ui::guarded([this] { positionen_.loeschen(); }));
    connect(gebaut[6], &QAbstractButton::clicked, this, ui::guarded([this] { positionen_.bearbeiten(); }));
    connect(positionsliste(), &ui::DataGrid::enterPressed, gebaut[6], &QAbstractButton::click);
    connect(positionsliste(), &ui::DataGrid::recordDoubleClicked, gebaut[6], &QAbstractButton::click);

    navigation_ = gebaut.mid(0, 4);
    connect(&zeilen, &db::Table::recordChanged, this, [this] { positionsNavigation(); });
    connect(&zeilen, &db::Table::layoutChanged, this, [this] { positionsNavigation(); });
    positionsNavigation();
}

void Belegformular::positionsNavigation()
{
    db::Table *zeilen = regie_.regie().positionen();
    if (!zeilen || navigation_.size() != 4)
        return;
    NavigationsknoepfeSetzen(*zeilen, navigation_[0], navigation_[1], navigation_[2], navigation_[3]);
}
