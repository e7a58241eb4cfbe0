#pragma once

// A master-data store with a recording printer: the list prints' jobs,
// texts and lines land in `aufnahme`.

#include "Stammdatenbestand.h"

#include "masterdata/Listendruck.h"

#include "common/Druckeinstellungen.h"
#include "support/RecordingWeitergabe.h"

#include "platform/print/RecordingBackend.h"
#include "platform/ui/SpeedButton.h"

#include <algorithm>

class Druckbestand : public Stammdatenbestand
{
protected:
    void SetUp() override
    {
        Stammdatenbestand::SetUp();
        vorherigeListe = setDruckerListeQuelle(
            [] { return print::PrinterList{{QStringLiteral("Laser"), QStringLiteral("Nadel")}, QStringLiteral("Laser")}; });
        vorherigerAnschluss = setDruckerAnschluss([this](const QString &drucker) {
            benutzteDrucker << drucker;
            return std::make_unique<RecordingWeitergabe>(aufnahme);
        });
        setAktuellerDrucker(QString());
    }
    void TearDown() override
    {
        setDruckerListeQuelle(vorherigeListe);
        setDruckerAnschluss(vorherigerAnschluss);
        Stammdatenbestand::TearDown();
    }

    // Prints with OK to the prompt; answers the prompt's text.
    QString drucken(masterdata::Listendruck &druck, int antwort = ui::ModalResult::Ok)
    {
        druck.show();
        dialoge.answerMessage(QString(), antwort);
        druck.SpeedButton1->click();
        EXPECT_TRUE(dialoge.allAnswered());
        return dialoge.shown().empty() ? QString() : dialoge.shown().back().text;
    }

    // The y of the lines drawn, in order: on one page, or on all (-1).
    QList<int> linienY(int seite = -1) const
    {
        QList<int> ys;
        for (const auto &linie : aufnahme.lines()) {
            if (seite < 0 || linie.page == seite)
                ys << linie.from.y();
        }
        return ys;
    }

    // The lowest line of a page (all pages: -1); 0 without lines.
    int untersteLinie(int seite = -1) const
    {
        const QList<int> ys = linienY(seite);
        return ys.isEmpty() ? 0 : *std::max_element(ys.begin(), ys.end());
    }

    QStringList titel() const
    {
        QStringList alle;
        for (const auto &job : aufnahme.jobs())
            alle << job.title;
        return alle;
    }

    DruckerListeQuelle vorherigeListe;
    DruckerAnschluss vorherigerAnschluss;
    print::RecordingBackend aufnahme;
    QStringList benutzteDrucker;
};
