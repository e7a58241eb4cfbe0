#include "common/Belegdruck.h"

#include "common/Druckeinstellungen.h"
#include "platform/print/Canvas.h"
#include "platform/print/PrintJob.h"
#include "platform/ui/Dialogs.h"

#include <algorithm>

int Blattaufteilung::blaetter(int positionen) const
{
    if (positionen <= ersteSeite)
        return 1;
    return 1 + (positionen - ersteSeite + folgeSeite - 1) / folgeSeite;
}

int Blattaufteilung::erstePosition(int blatt) const
{
    return blatt <= 1 ? 1 : ersteSeite + (blatt - 2) * folgeSeite + 1;
}

int Blattaufteilung::positionenAuf(int blatt, int positionen) const
{
    const int erste = erstePosition(blatt);
    const int proBlatt = blatt <= 1 ? ersteSeite : folgeSeite;
    return std::clamp(positionen - erste + 1, 0, proBlatt);
}

std::optional<Blattbereich> blattbereichLesen(const QString &von, const QString &bis, int blaetter, QString *meldung)
{
    bool vonOk = false;
    bool bisOk = false;
    const Blattbereich bereich{von.trimmed().toInt(&vonOk), bis.trimmed().toInt(&bisOk)};
    QString text;
    if (!vonOk || !bisOk)
        text = QStringLiteral("Sie haben keine gültige Zahl eingegeben!");
    else if (bereich.von < 1 || bereich.von > blaetter)
        text = QStringLiteral("Es gibt nur die Seiten 1 bis %1!").arg(blaetter);
    else if (bereich.von > bereich.bis)
        text = QStringLiteral("Die erste Seite liegt hinter der letzten!");
    // A range running past the last sheet ends where the lines end.
    if (text.isEmpty())
        return Blattbereich{bereich.von, std::min(bereich.bis, blaetter)};
    if (meldung)
        *meldung = text;
    return std::nullopt;
}

std::optional<int> anzahlAbfragen(const QString &titel, const QString &aufforderung, const QString &vorgabe)
{
    for (;;) {
        const std::optional<QString> antwort = ui::inputBox(titel, aufforderung, vorgabe);
        if (!antwort)
            return std::nullopt;
        bool ok = false;
        const int anzahl = antwort->trimmed().toInt(&ok);
        if (ok)
            return anzahl;
        ui::showError(QStringLiteral("Sie haben keine gültige Zahl eingegeben!"));
    }
}

Druckauftraege::Druckauftraege(Druckeinstellungen &einstellungen)
    : einstellungen_(einstellungen)
{
}

Druckauftraege::~Druckauftraege()
{
    try {
        abbrechen();
    } catch (...) {
        // Nothing more to undo; destructors must not throw.
    }
}

QString Druckauftraege::drucker(const QString &seitenart)
{
    if (!laufDrucker_.isEmpty())
        return laufDrucker_;
    return einstellungen_.drucker(seitenart);
}

int Druckauftraege::kopien(const QString &seitenart)
{
    return einstellungen_.einstellung(seitenart).kopien;
}

void Druckauftraege::verschieben(const QString &seitenart)
{
    const SeitenEinstellung seite = einstellungen_.einstellung(seitenart);
    canvas_->setPageShift(seite.spalte, seite.zeile);
}

print::Canvas &Druckauftraege::auftragBeginnen(const QString &seitenart, const QString &belegName,
                                               const print::JobOptions &optionen)
{
    auftragBeenden();
    auto geraet = druckerGeraet(drucker(seitenart));
    auto canvas = std::make_unique<print::Canvas>(*geraet);
    canvas->beginJob(print::jobTitle(belegName), optionen);
    geraet_ = std::move(geraet);
    canvas_ = std::move(canvas);
    ++auftraege_;
    verschieben(seitenart);
    return *canvas_;
}

print::Canvas &Druckauftraege::neueSeite(const QString &seitenart, const QString &belegName)
{
    if (!offen())
        return auftragBeginnen(seitenart, belegName);
    canvas_->newPage();
    verschieben(seitenart);
    return *canvas_;
}

void Druckauftraege::auftragBeenden()
{
    if (canvas_)
        canvas_->endJob();
    canvas_.reset();
    geraet_.reset();
}

void Druckauftraege::abbrechen()
{
    if (canvas_)
        canvas_->abortJob();
    canvas_.reset();
    geraet_.reset();
}

bool Druckauftraege::offen() const
{
    return canvas_ && canvas_->isJobOpen();
}

print::Canvas &Druckauftraege::canvas()
{
    return *canvas_;
}
