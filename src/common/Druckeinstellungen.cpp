#include "common/Druckeinstellungen.h"

#include "common/TfrmDrucker.h"
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/print/Canvas.h"
#include "platform/print/PrintJob.h"
#include "platform/print/PrinterBackend.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PostErrors.h"

#include <QAction>
#include <QMenu>
#include <utility>

namespace {

DruckerListeQuelle &listeQuelle()
{
    static DruckerListeQuelle quelle;
    return quelle;
}

DruckerAnschluss &anschluss()
{
    static DruckerAnschluss anschluss;
    return anschluss;
}

QString &gewaehlterDrucker()
{
    static QString drucker;
    return drucker;
}

} // namespace

std::unique_ptr<print::PrintBackend> druckerGeraet(const QString &drucker)
{
    if (anschluss())
        return anschluss()(drucker);
    return std::make_unique<print::PrinterBackend>(drucker);
}

QString aktuellerDrucker()
{
    const print::PrinterList drucker = installierteDrucker();
    const QString gewaehlt = drucker.resolve(gewaehlterDrucker());
    return gewaehlt.isEmpty() ? drucker.defaultName : gewaehlt;
}

void setAktuellerDrucker(const QString &druckerName)
{
    gewaehlterDrucker() = druckerName;
}

print::PrinterList installierteDrucker()
{
    return listeQuelle() ? listeQuelle()() : print::PrinterList::installed();
}

DruckerListeQuelle setDruckerListeQuelle(DruckerListeQuelle quelle)
{
    return std::exchange(listeQuelle(), std::move(quelle));
}

DruckerAnschluss setDruckerAnschluss(DruckerAnschluss neuerAnschluss)
{
    return std::exchange(anschluss(), std::move(neuerAnschluss));
}

Druckeinstellungen::Druckeinstellungen(const Belegart::Druck &druck, db::DataSource *parameter)
    : Druckeinstellungen(druck, db::Database::alias(QStringLiteral("Razazu")), parameter)
{
}

Druckeinstellungen::Druckeinstellungen(const Belegart::Druck &druck, db::Database &benutzer,
                                       db::DataSource *parameter)
    : zeilenAnlegen_(druck.zeilenAnlegen)
    , positionsabstand_(druck.positionsabstand)
    , parameter_(parameter)
    , benutzer_(benutzer)
{
    for (const Seitenart &seitenart : druck.seitenarten)
        seitenarten_ << seitenart.name;
}

Druckeinstellungen::~Druckeinstellungen() = default;

QString Druckeinstellungen::keinDrucker()
{
    return QStringLiteral("-1");
}

bool Druckeinstellungen::keinerGewaehlt(const QString &gespeichert)
{
    const QString text = gespeichert.trimmed();
    return text.isEmpty() || text == keinDrucker() || text.compare(QLatin1String("LPT1"), Qt::CaseInsensitive) == 0;
}

db::Table &Druckeinstellungen::tabelle()
{
    if (!tabelle_) {
        auto tabelle = std::make_unique<db::Table>(benutzer_, QStringLiteral("S_BENUTZ"));
        ui::showPostErrors(*tabelle);
        tabelle->open();
        tabelle_ = std::move(tabelle);
    }
    return *tabelle_;
}

QString Druckeinstellungen::seiteOderErste(const QString &seitenart) const
{
    if (!seitenart.isEmpty() || seitenarten_.isEmpty())
        return seitenart;
    return seitenarten_.first();
}

bool Druckeinstellungen::zeileSuchen(const QString &seitenart)
{
    return tabelle().findKey({seitenart});
}

// A page kind without its row would otherwise take another kind's printer.
void Druckeinstellungen::zeilenAnlegen()
{
    if (!zeilenAnlegen_)
        return;
    db::Table &t = tabelle();
    for (const QString &seitenart : std::as_const(seitenarten_)) {
        if (zeileSuchen(seitenart))
            continue;
        t.append();
        t.fieldByName(QStringLiteral("name")).setAsString(seitenart);
        t.fieldByName(QStringLiteral("schnittst")).setAsString(keinDrucker());
        t.fieldByName(QStringLiteral("spalte")).setAsInteger(0);
        t.fieldByName(QStringLiteral("zeile")).setAsInteger(0);
        t.fieldByName(QStringLiteral("Anzahl_Kopien")).setAsInteger(1);
        t.post();
    }
}

bool Druckeinstellungen::oeffnen(const std::function<void()> &waehlen)
{
    zeilenAnlegen();
    const QString erste = seiteOderErste({});
    if (!einstellung(erste).drucker.isEmpty())
        return true;
    if (!zeileSuchen(erste))
        return false;
    if (!waehlen)
        return nachDruckerFragen(erste);
    ui::showInformation(QStringLiteral("Es wurde kein Drucker ausgewählt!"));
    waehlen();
    return !einstellung(erste).drucker.isEmpty();
}

QString Druckeinstellungen::statusText()
{
    return QStringLiteral("Drucker: ") + drucker();
}

QString Druckeinstellungen::drucker(const QString &seitenart)
{
    QString name = einstellung(seitenart).drucker;
    if (name.isEmpty())
        name = einstellung().drucker;
    if (name.isEmpty())
        name = installierteDrucker().defaultName;
    return name;
}

SeitenEinstellung Druckeinstellungen::einstellung(const QString &seitenart)
{
    SeitenEinstellung einstellung;
    einstellung.seitenart = seiteOderErste(seitenart);
    if (!zeileSuchen(einstellung.seitenart))
        return einstellung;
    db::Table &t = tabelle();
    einstellung.gespeichert = t.fieldByName(QStringLiteral("schnittst")).asString();
    einstellung.drucker = installierteDrucker().resolve(einstellung.gespeichert);
    einstellung.spalte = t.fieldByName(QStringLiteral("spalte")).asInteger();
    einstellung.zeile = t.fieldByName(QStringLiteral("zeile")).asInteger();
    einstellung.kopien = t.fieldByName(QStringLiteral("Anzahl_Kopien")).asInteger();
    return einstellung;
}

bool Druckeinstellungen::druckerSpeichern(const QString &seitenart, const QString &drucker)
{
    if (!zeileSuchen(seitenart))
        zeilenAnlegen();
    if (!zeileSuchen(seitenart))
        return false;
    db::Table &t = tabelle();
    t.edit();
    t.fieldByName(QStringLiteral("schnittst")).setAsString(drucker);
    t.post();
    return true;
}

// The set-up dialog opens on the default printer; cancelling it keeps that
// one, as printing then would.
bool Druckeinstellungen::nachDruckerFragen(const QString &seitenart)
{
    ui::showInformation(QStringLiteral("Es wurde kein Drucker ausgewählt!"));
    const print::PrinterList drucker = installierteDrucker();
    const std::optional<QString> gewaehlt = ui::dialogs().printerSetup(drucker.defaultName);
    const QString name = drucker.resolve(gewaehlt ? *gewaehlt : drucker.defaultName);
    if (name.isEmpty())
        return false;
    return druckerSpeichern(seitenart, name);
}

bool Druckeinstellungen::druckerEinrichten(const QString &seitenart)
{
    const QString seite = seiteOderErste(seitenart);
    const print::PrinterList drucker = installierteDrucker();
    const QString jetzt = einstellung(seite).drucker;
    const std::optional<QString> gewaehlt = ui::dialogs().printerSetup(jetzt.isEmpty() ? drucker.defaultName : jetzt);
    if (!gewaehlt)
        return false;
    const QString name = drucker.resolve(*gewaehlt);
    if (name.isEmpty())
        return false;
    return druckerSpeichern(seite, name);
}

void Druckeinstellungen::druckerFuerAlleEinrichten()
{
    const QString jetzt = drucker();
    const std::optional<QString> gewaehlt = ui::dialogs().printerSetup(jetzt);
    const QString name = installierteDrucker().resolve(gewaehlt ? *gewaehlt : jetzt);
    if (name.isEmpty())
        return;
    for (const QString &seitenart : std::as_const(seitenarten_))
        druckerSpeichern(seitenart, name);
}

void Druckeinstellungen::parameterEinstellen(const QString &praefix, QWidget *parent)
{
    db::Table *parameter = positionsabstand_ && parameter_ ? parameter_->dataSet() : nullptr;
    if (parameter && !parameter->isOpen())
        parameter = nullptr;
    int ergebnis = ui::ModalResult::Cancel;
    {
        TfrmDrucker editor(benutzer_, db::Database::alias(QStringLiteral("Z_Tavero")), parent);
        editor.nurSeitenarten(praefix);
        if (parameter) {
            parameter->checkBrowseMode();
            parameter->edit();
            editor.intrastatAbstandZeigen(parameter_);
        }
        ergebnis = editor.showModal();
    }
    if (parameter && parameter->state() == db::DatasetState::Edit) {
        if (ergebnis == ui::ModalResult::Ok)
            parameter->post();
        else
            parameter->cancel();
    }
    // The editor wrote through a table of its own.
    tabelle().refresh();
}

void Druckeinstellungen::druckerMenueFuellen(QMenu *menue, const QString &praefix, std::function<void()> anzeigen,
                                             QWidget *parent)
{
    QAction *einrichten = ui::addMenuItem(menue, QStringLiteral("mnuDruckerEinrichten"), QStringLiteral("... einrichten"));
    QAction *parameter =
        ui::addMenuItem(menue, QStringLiteral("mnuDruckerParameter"), QStringLiteral("... parameter einstellen"));
    QObject::connect(einrichten, &QAction::triggered, menue, ui::guarded([this, anzeigen] {
        druckerEinrichten();
        if (anzeigen)
            anzeigen();
    }));
    QObject::connect(parameter, &QAction::triggered, menue, ui::guarded([this, praefix, anzeigen, parent] {
        parameterEinstellen(praefix, parent);
        if (anzeigen)
            anzeigen();
    }));
}

int Druckeinstellungen::drucken(const QString &seitenart, const QString &belegName,
                               const std::function<void(print::PrintJob &job)> &zeichnen,
                               print::JobOptions optionen)
{
    SeitenEinstellung seite = einstellung(seitenart);
    if (!zeileSuchen(seite.seitenart))
        zeilenAnlegen();
    if (!zeileSuchen(seite.seitenart))
        return 0;
    if (seite.drucker.isEmpty()) {
        if (!nachDruckerFragen(seite.seitenart))
            return 0;
        seite = einstellung(seite.seitenart);
    }
    // Each copy is printed as a job of its own.
    optionen.copies = 1;
    for (int kopie = 0; kopie < seite.kopien; ++kopie) {
        const std::unique_ptr<print::PrintBackend> backend = druckerGeraet(seite.drucker);
        print::Canvas canvas(*backend);
        print::PrintJob job(canvas, print::jobTitle(belegName), optionen);
        canvas.setPageShift(seite.spalte, seite.zeile);
        zeichnen(job);
        job.end();
    }
    return std::max(seite.kopien, 0);
}
