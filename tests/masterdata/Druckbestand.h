#pragma once

// A master-data store with a recording printer: the list prints' jobs,
// texts and lines land in `aufnahme`.

#include "Stammdatenbestand.h"

#include "masterdata/Listendruck.h"

#include "common/Druckeinstellungen.h"
#include "support/RecordingWeitergabe.h"

#include "platform/print/RecordingBackend.h"
#include "platform/ui/SpeedButton.h"

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
