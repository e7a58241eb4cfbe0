#include "sad_export/TfrmEinAnl.h"

#include "common/TfrmRegie.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollBox.h"
#include "sad_export/TfrmPlausi.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>

TfrmEinAnl *frmEinAnl = nullptr;

void gemeinschaftKopfSetzen(Eingabeformular &form, const Papierplatz &platz)
{
    auto *kopf = new QLabel(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"));
    kopf->setObjectName(QStringLiteral("lblGemeinschaft"));
    kopf->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    kopf->setStyleSheet(QStringLiteral("color: black"));
    form.aufPapierSetzen(kopf, platz);
}

TfrmEinAnl::TfrmEinAnl(TfrmRegie &regie, const QString &status, QWidget *parent)
    : Eingabeformular(QStringLiteral("frmEinAnl"), PositionFelder(), PositionAuswahlen(),
                      {nullptr, regie.regie().positionenQuelle(), nullptr}, parent),
      regie_(regie)
{
    setWindowTitle(QStringLiteral("Packstücke und Warenbezeichnung"));
    frmEinAnl = this;
    Schliessen1 = ui::addMenuItem(menuBar(), QStringLiteral("Schliessen1"), QStringLiteral("&Schließen"));
    connect(Schliessen1, &QAction::triggered, this, [this] { setModalResult(ui::ModalResult::Cancel); });

    db::Table &items = *regie.regie().positionen();
    const int position = items.field(1).asInteger();
    setStatus(status + QStringLiteral(" (") + QString::number(position) + QStringLiteral(". Position)"));
    setKastenSichtbar(Feld44Kasten(), regie.regie().aufMaster() || position != 1);

    // RET-EXP shows where the focus is: navy with white text while in it.
    if (auto *ret = qobject_cast<ui::DataCheckBox *>(steuerelement(QStringLiteral("DBCheckBox2")))) {
        ret->setAutoFillBackground(true);
        const QPalette normal = ret->palette();
        connect(ret, &ui::DataCheckBox::entered, this, [ret] {
            QPalette farben = ret->palette();
            farben.setColor(QPalette::Window, sys::toQColor(sys::colors::navy));
            farben.setColor(QPalette::WindowText, Qt::white);
            ret->setPalette(farben);
        });
        connect(ret, &ui::DataCheckBox::exited, this, [ret, normal] { ret->setPalette(normal); });
    }
    gemeinschaftKopfSetzen(*this, {220, 1030, 2040, 1110});
    // A click on the free area stores the item.
    ScrollBox1->content()->installEventFilter(this);
}

TfrmEinAnl::~TfrmEinAnl()
{
    if (frmEinAnl == this)
        frmEinAnl = nullptr;
}

bool TfrmEinAnl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == ScrollBox1->content()) {
        ui::guard([this] {
            if (ui::commitPendingInput(this))
                regie_.regie().positionen()->checkBrowseMode();
        });
    }
    return Eingabeformular::eventFilter(watched, event);
}

bool TfrmEinAnl::closeQuery()
{
    return pruefen(PruefungPosition(), regie_.regie().pruefungAn(),
                   [this](const QStringList &angekreuzt) { return PlausiZeigen(angekreuzt, true, this); });
}
