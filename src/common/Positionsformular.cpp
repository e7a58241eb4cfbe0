#include "common/Positionsformular.h"

#include "common/Pruefdialog.h"
#include "common/TfrmRegie.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/Menus.h"

#include <QAction>
#include <QMenuBar>

Positionsformular::Positionsformular(TfrmRegie &regie, const QString &status, QWidget *parent)
    : Eingabeformular(regie.art().position.name, regie.art().position.felder, regie.art().position.auswahlen,
                      {nullptr, regie.regie().positionenQuelle(), nullptr}, parent),
      regie_(regie)
{
    setWindowTitle(regie.art().position.titel);
    Schliessen1 = ui::addMenuItem(menuBar(), QStringLiteral("Schliessen1"), QStringLiteral("&Schließen"));
    connect(Schliessen1, &QAction::triggered, this, [this] { setModalResult(ui::ModalResult::Cancel); });
    if (db::Table *zeilen = regie.regie().positionen())
        position_ = zeilen->field(1).asInteger();
    setStatus(status + QStringLiteral(" (") + QString::number(position_) + QStringLiteral(". Position)"));
    regie.haken().positionsformularGebaut(*this);
}

bool Positionsformular::closeQuery()
{
    const Belegart &art = regie_.art();
    return pruefen(art.positionsPruefung, !art.positionsPruefung.leer() && regie_.regie().pruefungAn(),
                   [this, &art](const QStringList &angekreuzt) { return PruefdialogZeigen(art, angekreuzt, true, this); });
}
