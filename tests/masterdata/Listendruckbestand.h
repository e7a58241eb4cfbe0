#pragma once

// The master-data store with the list prints' printer recorded: the prints
// go to a recording instead of a printer, "Laser" being the current one.

#include "Stammdatenbestand.h"

#include "common/Druckeinstellungen.h"
#include "support/RecordingWeitergabe.h"

#include "masterdata/Listendruck.h"

#include "platform/print/Canvas.h"
#include "platform/print/RecordingBackend.h"
#include "platform/ui/SpeedButton.h"

#include <QApplication>

class Listendruckbestand : public Stammdatenbestand
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

    void geschaeftsarten(int anzahl)
    {
        QList<QVariantList> zeilen;
        for (int i = 1; i <= anzahl; ++i)
            zeilen.append({QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Art %1").arg(i)});
        anlegen(QStringLiteral("S_GESART"), {QStringLiteral("Geart"), QStringLiteral("Bez")}, zeilen);
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

    // The parameter record with the names of the five document languages.
    void sprachnamen(const QStringList &namen)
    {
        QStringList felder{QStringLiteral("ID")};
        QVariantList werte{1};
        for (int i = 0; i < namen.size(); ++i) {
            felder << QStringLiteral("Sprache%1").arg(i + 1);
            werte << namen[i];
        }
        anlegen(QStringLiteral("S_PARAME"), felder, {werte});
    }

    // Shown and active, so that focus moves as the clerk's would.
    static void anzeigen(QWidget &form)
    {
        form.show();
        QApplication::setActiveWindow(&form);
        form.activateWindow();
        QApplication::processEvents();
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

