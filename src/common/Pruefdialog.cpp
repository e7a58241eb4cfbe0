#include "common/Pruefdialog.h"

#include "common/Belegart.h"

#include "common/Programmzustand.h"
#include "platform/ui/SpeedButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

Pruefdialog::Pruefdialog(const QString &titel, const QList<Gruppe> &gruppen, QWidget *parent) : ui::Form(parent)
{
    setWindowTitle(titel);
    auto *layout = new QVBoxLayout(body());
    auto *reihe = new QHBoxLayout;
    layout->addLayout(reihe);
    for (const Gruppe &g : gruppen) {
        auto *rahmen = new QGroupBox(g.titel, body());
        auto *spalte = new QVBoxLayout(rahmen);
        for (const QString &beschriftung : g.beschriftungen) {
            auto *kaestchen = new QCheckBox(beschriftung, rahmen);
            kaestchen->setFocusPolicy(Qt::NoFocus);
            spalte->addWidget(kaestchen);
            kaestchen_ << kaestchen;
        }
        // Off, so the ticks only show what the check found.
        rahmen->setEnabled(false);
        reihe->addWidget(rahmen);
        gruppen_ << rahmen;
    }
    const bool gerahmt = Erscheinungsbild().framedSpeedButtons;
    auto *schliessen = new ui::SpeedButton(QStringLiteral("Schliessen"), QStringLiteral("Schließen"), body());
    auto *korrigieren = new ui::SpeedButton(QStringLiteral("Korrigieren"), QStringLiteral("Korrigieren"), body());
    schliessen->setFlat(!gerahmt);
    korrigieren->setFlat(!gerahmt);
    Schliessen = schliessen;
    Korrigieren = korrigieren;
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    knoepfe->addWidget(korrigieren);
    layout->addLayout(knoepfe);
    setButtonResult(Schliessen, ui::ModalResult::Cancel);
    setButtonResult(Korrigieren, ui::ModalResult::Correct);
    setEscapeCloses(true);
}

void Pruefdialog::ankreuzen(const QStringList &beschriftungen)
{
    for (QCheckBox *kaestchen : std::as_const(kaestchen_))
        kaestchen->setChecked(beschriftungen.contains(kaestchen->text()));
}

void Pruefdialog::setGruppeSichtbar(int gruppe, bool sichtbar)
{
    if (QGroupBox *rahmen = gruppen_.value(gruppe))
        rahmen->setVisible(sichtbar);
}

QStringList Pruefdialog::angekreuzt() const
{
    QStringList ergebnis;
    for (QCheckBox *kaestchen : kaestchen_) {
        if (kaestchen->isChecked())
            ergebnis << kaestchen->text();
    }
    return ergebnis;
}

namespace {

QStringList beschriftungen(const Pruefung &pruefung)
{
    QStringList liste;
    for (const Pruefpunkt &punkt : pruefung.punkte) {
        if (!punkt.beschriftung.isEmpty())
            liste << punkt.beschriftung;
    }
    return liste;
}

} // namespace

int PruefdialogZeigen(const Belegart &art, const QStringList &angekreuzt, bool position, QWidget *parent)
{
    QList<Pruefdialog::Gruppe> gruppen{{art.pruefung.gruppe, beschriftungen(art.pruefung)}};
    if (!art.positionsPruefung.leer())
        gruppen << Pruefdialog::Gruppe{art.positionsPruefung.gruppe, beschriftungen(art.positionsPruefung)};
    Pruefdialog dialog(art.pruefdialog.titel, gruppen, parent);
    dialog.setObjectName(art.pruefdialog.name);
    dialog.ankreuzen(angekreuzt);
    dialog.setGruppeSichtbar(1, position);
    return dialog.showModal();
}
