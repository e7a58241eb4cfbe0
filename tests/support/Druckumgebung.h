#pragma once

#include "support/RecordingWeitergabe.h"
#include "support/TempFolder.h"

#include "common/Druckeinstellungen.h"
#include "common/Tabelle_S_BENUTZ.h"
#include "platform/db/Database.h"
#include "platform/print/PdfBackend.h"
#include "platform/print/RecordingBackend.h"

#include <QByteArray>
#include <QStringList>

// Forwards every print to the recording and, while a test sets one, to a PDF
// file as well.
class PdfWeitergabe : public RecordingWeitergabe
{
public:
    PdfWeitergabe(print::RecordingBackend &aufnahme, print::PdfBackend &pdf) : RecordingWeitergabe(aufnahme), pdf_(pdf) {}
    void beginJob(const QString &t, const print::JobOptions &o) override { RecordingWeitergabe::beginJob(t, o), pdf_.beginJob(t, o); }
    void newPage() override { RecordingWeitergabe::newPage(), pdf_.newPage(); }
    void endJob() override { RecordingWeitergabe::endJob(), pdf_.endJob(); }
    void abortJob() override { RecordingWeitergabe::abortJob(), pdf_.abortJob(); }
    void drawText(const print::TextOperation &o) override { RecordingWeitergabe::drawText(o), pdf_.drawText(o); }
    void drawLine(const print::LineOperation &o) override { RecordingWeitergabe::drawLine(o), pdf_.drawLine(o); }
    void drawShape(const print::ShapeOperation &o) override { RecordingWeitergabe::drawShape(o), pdf_.drawShape(o); }
    void drawImage(const print::ImageOperation &o) override { RecordingWeitergabe::drawImage(o), pdf_.drawImage(o); }

private:
    print::PdfBackend &pdf_;
};

// What a document print needs around it: a program folder (INI file, lists
// beside the program), the user's print settings with the given page kinds
// on the printer "Laser", one copy each, and every print recorded.
struct Druckumgebung
{
    explicit Druckumgebung(const QStringList &seitenarten)
    {
        hatteHome = qEnvironmentVariableIsSet("RAZAZU_HOME");
        alteHome = qgetenv("RAZAZU_HOME");
        qputenv("RAZAZU_HOME", programm.path().toUtf8());
        vorherigeListe = setDruckerListeQuelle(
            [] { return print::PrinterList{{QStringLiteral("Laser"), QStringLiteral("Nadel")}, QStringLiteral("Laser")}; });
        vorherigerAnschluss = setDruckerAnschluss([this](const QString &) -> std::unique_ptr<print::PrintBackend> {
            if (pdf)
                return std::make_unique<PdfWeitergabe>(aufnahme, *pdf);
            return std::make_unique<RecordingWeitergabe>(aufnahme);
        });
        benutzer.setPath(benutzerOrdner.path());
        benutzer.open();
        benutzer.createTable(Tabelle_S_BENUTZ());
        for (const QString &name : seitenarten)
            seitenart(name, 1);
    }
    ~Druckumgebung()
    {
        setDruckerListeQuelle(vorherigeListe);
        setDruckerAnschluss(vorherigerAnschluss);
        benutzer.close();
        if (hatteHome)
            qputenv("RAZAZU_HOME", alteHome);
        else
            qunsetenv("RAZAZU_HOME");
    }
    Druckumgebung(const Druckumgebung &) = delete;
    Druckumgebung &operator=(const Druckumgebung &) = delete;

    void seitenart(const QString &name, int kopien, int spalte = 0, int zeile = 0,
                   const QString &drucker = QStringLiteral("Laser"))
    {
        benutzer.execute(QStringLiteral("DELETE FROM \"S_BENUTZ\" WHERE \"name\" = ?"), {name});
        benutzer.execute(QStringLiteral("INSERT INTO \"S_BENUTZ\" VALUES (?, ?, ?, ?, ?)"),
                         {name, drucker, spalte, zeile, kopien});
    }

    TempFolder programm;
    TempFolder benutzerOrdner;
    db::Database &benutzer = db::Database::alias(QStringLiteral("Razazu"));
    print::RecordingBackend aufnahme;
    print::PdfBackend *pdf = nullptr;
    DruckerListeQuelle vorherigeListe;
    DruckerAnschluss vorherigerAnschluss;
    bool hatteHome = false;
    QByteArray alteHome;
};
