#include "common/TfrmBelegdruck.h"

#include "common/RadioGroup.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StatusBar.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmBelegdruck::TfrmBelegdruck(const Belegart &art, QString praefix, const QStringList &medien, QWidget *parent)
    : ui::Form(parent)
    , einstellungen_(art.druck)
    , praefix_(std::move(praefix))
    , ohneDruckerEditor_(art.druck.ohneDruckerEditor)
{
    mnuDrucker = ui::addSubMenu(menuBar(), QStringLiteral("mnuDrucker"), QStringLiteral("&Drucker ..."));
    mnuDruckerEinrichten =
        ui::addMenuItem(mnuDrucker, QStringLiteral("mnuDruckerEinrichten"), QStringLiteral("... &einrichten"));
    mnuDruckerParameter = ui::addMenuItem(mnuDrucker, QStringLiteral("mnuDruckerParameter"),
                                          QStringLiteral("... &parameter einstellen"));
    connect(mnuDruckerEinrichten, &QAction::triggered, this, ui::guarded([this] {
        einstellungen_.druckerFuerAlleEinrichten();
        druckerAnzeigen();
    }));
    connect(mnuDruckerParameter, &QAction::triggered, this, ui::guarded([this] {
        einstellungen_.parameterEinstellen(praefix_, this);
        druckerAnzeigen();
    }));

    auto *kopf = new QGridLayout;
    kopf->addWidget(new QLabel(QStringLiteral("BelegNr. :"), body()), 0, 0);
    lblBelegNr = new QLabel(body());
    lblBelegNr->setObjectName(QStringLiteral("lblBelegNr"));
    kopf->addWidget(lblBelegNr, 0, 1);
    kopf->addWidget(new QLabel(QStringLiteral("Anzahl Kopien : "), body()), 1, 0);
    lblKopien = new QLabel(body());
    lblKopien->setObjectName(QStringLiteral("lblKopien"));
    kopf->addWidget(lblKopien, 1, 1);

    RadioGroup2 = new RadioGroup(QStringLiteral("Ausdruck auf"), body());
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    for (const QString &medium : medien)
        RadioGroup2->addItem(medium);
    RadioGroup2->setVisible(!medien.isEmpty());

    inhalt_ = new QGridLayout;
    ProgressBar1 = new QProgressBar(body());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setVisible(false);

    BtnOK = new QPushButton(QStringLiteral("OK"), body());
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnAbbruch = new QPushButton(QStringLiteral("Abbrechen"), body());
    BtnAbbruch->setObjectName(QStringLiteral("BtnAbbruch"));
    connect(BtnOK, &QPushButton::clicked, this, ui::guarded([this] { BtnOKClick(); }));
    connect(BtnAbbruch, &QPushButton::clicked, this, ui::guarded([this] { BtnAbbruchClick(); }));

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOK);
    knoepfe->addWidget(BtnAbbruch);
    auto *spalte = new QVBoxLayout(body());
    spalte->addLayout(kopf);
    spalte->addWidget(RadioGroup2);
    spalte->addLayout(inhalt_);
    spalte->addWidget(ProgressBar1);
    spalte->addLayout(knoepfe);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
}

void TfrmBelegdruck::druckerPruefen()
{
    if (ohneDruckerEditor_)
        einstellungen_.oeffnen([this] { einstellungen_.parameterEinstellen(praefix_, this); });
    else
        einstellungen_.oeffnen();
    druckerAnzeigen();
}

TfrmBelegdruck::~TfrmBelegdruck() = default;

void TfrmBelegdruck::setBelegNr(qint64 belegNr)
{
    belegNr_ = belegNr;
    lblBelegNr->setText(QString::number(belegNr));
}

void TfrmBelegdruck::druckerAnzeigen()
{
    StatusBar1->setPanelText(0, einstellungen_.statusText());
    lblKopien->setText(QString::number(einstellungen_.einstellung().kopien));
}

namespace {

QList<int> belegdruckGleicheSchritte(int schritte)
{
    schritte = std::max(schritte, 1);
    QList<int> marken;
    for (int i = 1; i <= schritte; ++i)
        marken << 100 * i / schritte;
    return marken;
}

} // namespace

TfrmBelegdruck::Blattfortschritt::Blattfortschritt(TfrmBelegdruck &dialog, int schritte)
    : Blattfortschritt(dialog, belegdruckGleicheSchritte(schritte))
{
}

TfrmBelegdruck::Blattfortschritt::Blattfortschritt(TfrmBelegdruck &dialog, QList<int> marken)
    : dialog_(dialog)
    , aussen_(!dialog.blattLaeuft_)
{
    if (!aussen_)
        return;
    dialog_.blattLaeuft_ = true;
    dialog_.marken_ = marken.isEmpty() ? QList<int>{100} : std::move(marken);
    dialog_.getan_ = 0;
    dialog_.ProgressBar1->setValue(0);
}

TfrmBelegdruck::Blattfortschritt::~Blattfortschritt()
{
    if (!aussen_)
        return;
    dialog_.blattLaeuft_ = false;
    dialog_.ProgressBar1->setValue(100);
}

void TfrmBelegdruck::fortschrittSchritt()
{
    getan_ = std::min<int>(getan_ + 1, marken_.size());
    ProgressBar1->setValue(marken_[getan_ - 1]);
}

void TfrmBelegdruck::BtnOKClick()
{
    ProgressBar1->setVisible(true);
    ProgressBar1->setValue(0);
    struct Verbergen
    {
        QProgressBar *balken;
        ~Verbergen() { balken->setVisible(false); }
    } verbergen{ProgressBar1};
    if (!drucken())
        return;
    setModalResult(ui::ModalResult::Ok);
}

void TfrmBelegdruck::BtnAbbruchClick()
{
    if (laufendeAuftraege_)
        laufendeAuftraege_->abbrechen();
    setModalResult(ui::ModalResult::Cancel);
}

void TfrmBelegdruck::keyPressEvent(QKeyEvent *event)
{
    if (!ui::clickOnEnterOrEscape(event, BtnOK, BtnAbbruch))
        ui::Form::keyPressEvent(event);
}
