#pragma once

#include "common/Eingabedeklaration.h"
#include "common/Pruefdialog.h"

// "Genehmigungsprüfung Einheitspapier": the empty required boxes of an export
// declaration (group 0) or of one of its items (group 1, "Positionen").
class TfrmPlausi : public Pruefdialog
{
    Q_OBJECT
public:
    explicit TfrmPlausi(QWidget *parent = nullptr);
};

// The checks of the entry form and of the item form.
const Pruefung &PruefungEinheitspapier();
const Pruefung &PruefungPosition();

// Shows TfrmPlausi with these captions ticked, the group of the other form
// hidden (the header's) or shown unticked (the items' form); its result.
int PlausiZeigen(const QStringList &angekreuzt, bool position, QWidget *parent);
