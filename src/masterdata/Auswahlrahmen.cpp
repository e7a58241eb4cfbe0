#include "private/Auswahlrahmen.h"

#include "common/Programmzustand.h"
#include "common/TSR_dbGrid.h"

#include "platform/ui/Form.h"
#include "platform/ui/SpeedButton.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace masterdata {

Auswahlknoepfe auswahlRahmen(ui::Form &form, TSR_dbGrid *liste)
{
    QWidget *body = form.body();
    const Auswahlknoepfe knoepfe{
        new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Abbrechen"), body),
        new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Übernehmen"), body),
    };
    for (ui::SpeedButton *knopf : {knoepfe.abbrechen, knoepfe.uebernehmen})
        knopf->setFlat(!Erscheinungsbild().framedSpeedButtons);

    auto *leiste = new QHBoxLayout;
    leiste->addWidget(knoepfe.abbrechen);
    leiste->addStretch();
    leiste->addWidget(knoepfe.uebernehmen);
    auto *layout = new QVBoxLayout(body);
    layout->addWidget(liste, 1);
    layout->addLayout(leiste);

    QObject::connect(liste, &ui::DataGrid::recordDoubleClicked, knoepfe.uebernehmen, &QAbstractButton::click);
    return knoepfe;
}

} // namespace masterdata
