#include "common/Belegformular.h"

#include "common/Navigationsknoepfe.h"
#include "common/Programmzustand.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmRegie.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"
#include "platform/ui/SpeedButton.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenuBar>

Belegformular::Belegformular(const QString &name, const QString &titel, TfrmRegie &regie, const QString &status,
                             const QList<Eingabefeld> &felder, const QList<Auswahlbindung> &auswahlen,
                             QWidget *parent)
    : Eingabeformular(name, felder, auswahlen,
                      {&regie.regie().kopfQuelle(), regie.regie().positionenQuelle(),
                       &regie.regie().parameterQuelle()},
                      parent),
      regie_(regie),
      positionen_(regie.regie()),
      status_(status)
{
    setWindowTitle(titel);
    setStatus(status);
    Drucken1 = ui::addMenuItem(menuBar(), QStringLiteral("Drucken1"), QStringLiteral("&Drucken"));
    Schliessen1 = ui::addMenuItem(menuBar(), QStringLiteral("Schliessen1"), QStringLiteral("&Schließen"));
    connect(Drucken1, &QAction::triggered, this, ui::guarded([this] { Drucken(); }));
    connect(Schliessen1, &QAction::triggered, this, [this] { setModalResult(ui::ModalResult::Cancel); });

    Belegregister &daten = regie.regie();
    festeFelderEinrichten(daten.art().parameter.festeFelder, daten.aufMaster());
    // New lines take the master's first line only where the family keeps one;
    // without it they simply start empty.
    if (daten.art().regie.masterPosition)
        ui::guard([this] { positionen_.masterwerteLesen(); });
}

bool Belegformular::pruefungAn()
{
    return regie_.regie().pruefungAn();
}

void Belegformular::Drucken()
{
    druckenNachPruefung([this] { return belegPruefen(); },
                        [this] { regie_.haken().druckformularZeigen(regie_, int(regie_.regie().aktuelleNummer())); });
}

QList<ui::SpeedButton *> Belegformular::positionsKnoepfeBauen(const QList<Knopf> &knoepfe)
{
    const bool gerahmt = Erscheinungsbild().framedSpeedButtons;
    QList<ui::SpeedButton *> gebaut;
    for (const Knopf &knopf : knoepfe) {
        auto *neu = new ui::SpeedButton(knopf.name, knopf.titel, positionsliste()->parentWidget());
        neu->setFlat(!gerahmt);
        ui::setHint(neu, knopf.hinweis);
        positionsKnoepfe()->addWidget(neu);
        gebaut << neu;
    }
    positionsKnoepfe()->addStretch();
    if (gebaut.size() != 7)
        return gebaut;

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
    return gebaut;
}

void Belegformular::positionsNavigation()
{
    db::Table *zeilen = regie_.regie().positionen();
    if (!zeilen || navigation_.size() != 4)
        return;
    NavigationsknoepfeSetzen(*zeilen, navigation_[0], navigation_[1], navigation_[2], navigation_[3]);
}
