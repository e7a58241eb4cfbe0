#include "common/BelegKopieren.h"

#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"
#include "platform/db/TextFormat.h"
#include "platform/ui/Dialogs.h"

#include <QDate>
#include <functional>
#include <optional>

namespace {

constexpr qint64 masterNummer = 2000000000;

// Calculated fields follow the stored ones and are not copied.
int gespeicherteFelder(db::Table &tabelle)
{
    return int(tabelle.definition().fields.size());
}

QVariantList werteLesen(db::Table &tabelle, int anzahl)
{
    QVariantList werte;
    for (int i = 0; i < anzahl; ++i)
        werte << tabelle.field(i).value();
    return werte;
}

void werteSetzen(db::Table &tabelle, const QVariantList &werte)
{
    for (int i = 0; i < werte.size(); ++i) {
        db::Field &feld = tabelle.field(i);
        // The store numbers such fields itself.
        if (feld.type() == db::FieldType::AutoInc)
            continue;
        feld.setValue(werte[i]);
    }
}

void heuteSetzen(db::Field &feld)
{
    const QDate heute = QDate::currentDate();
    switch (feld.type()) {
    case db::FieldType::Date:
        feld.setAsDate(heute);
        break;
    case db::FieldType::Timestamp:
        feld.setAsDateTime(QDateTime(heute, QTime(0, 0)));
        break;
    default:
        feld.setAsString(db::formatDate(heute));
        break;
    }
}

bool sucheBeleg(db::Table &tabelle, qint64 nummer)
{
    return tabelle.locate(tabelle.field(0).name(), {nummer});
}

db::Database &datenbankVon(db::Table &tabelle)
{
    if (!tabelle.database())
        throw db::DatabaseError(QStringLiteral("Der Tabelle %1 ist keine Datenbank zugeordnet.")
                                    .arg(tabelle.tableName()));
    return *tabelle.database();
}

// One transaction over the stores of the tables involved (normally one).
class Schreibvorgang
{
public:
    Schreibvorgang(db::Table &erste, db::Table *zweite = nullptr)
        : erste_(datenbankVon(erste))
    {
        if (zweite && &datenbankVon(*zweite) != &datenbankVon(erste))
            zweite_.emplace(datenbankVon(*zweite));
    }
    void commit()
    {
        if (zweite_)
            zweite_->commit();
        erste_.commit();
    }

private:
    db::Transaction erste_;
    std::optional<db::Transaction> zweite_;
};

// After a rolled-back copy: no pending record, and the cursor no longer on
// a row the rollback took away.
void zuruecksetzen(db::Table &tabelle)
{
    try {
        if (tabelle.state() == db::DatasetState::Insert || tabelle.state() == db::DatasetState::Edit)
            tabelle.cancel();
        tabelle.refresh();
    } catch (...) {
        // The original error is the one worth reporting.
    }
}

void zurueckAufBeleg(db::Table &tabelle, qint64 nummer)
{
    try {
        sucheBeleg(tabelle, nummer);
    } catch (...) {
    }
}

QList<QVariantList> positionenLesen(db::Table &positionen)
{
    if (!positionen.masterSource())
        throw db::DatabaseError(QStringLiteral("Die Positionstabelle %1 ist nicht mit ihrem Kopf verknüpft.")
                                    .arg(positionen.tableName()));
    const int anzahl = gespeicherteFelder(positionen);
    QList<QVariantList> zeilen;
    positionen.first();
    while (!positionen.eof()) {
        zeilen << werteLesen(positionen, anzahl);
        positionen.next();
    }
    return zeilen;
}

// Runs a copy and tells the clerk when it failed. A quiet abort means the
// post-error handler has shown the store's message already.
bool meldend(const std::function<void()> &kopie, const QString &meldung)
{
    try {
        kopie();
        return true;
    } catch (const db::DatabaseError &error) {
        ui::showError(meldung + QLatin1Char('\n') + error.message());
    } catch (const db::Abort &) {
        ui::showError(meldung);
    }
    return false;
}

} // namespace

void belegAusMasterAnlegen(db::Table &tabelle, int neueNummer)
{
    tabelle.checkBrowseMode();
    tabelle.last();
    if (tabelle.isEmpty() || tabelle.field(0).asLargeInt() != masterNummer)
        throw db::DatabaseError(QStringLiteral("Das Masterformular (Belegnummer %1) ist nicht der letzte "
                                               "Datensatz der Tabelle %2.")
                                    .arg(masterNummer)
                                    .arg(tabelle.tableName()));
    const QVariantList master = werteLesen(tabelle, gespeicherteFelder(tabelle));
    try {
        Schreibvorgang schreiben(tabelle);
        tabelle.append();
        werteSetzen(tabelle, master);
        tabelle.field(0).setAsInteger(neueNummer);
        heuteSetzen(tabelle.field(1));
        tabelle.post();
        schreiben.commit();
    } catch (...) {
        zuruecksetzen(tabelle);
        zurueckAufBeleg(tabelle, masterNummer);
        throw;
    }
}

void belegMitPositionenKopieren(db::Table &kopf, db::Table &positionen, int quelle, int ziel)
{
    kopf.checkBrowseMode();
    positionen.checkBrowseMode();
    try {
        Schreibvorgang schreiben(kopf, &positionen);
        if (!sucheBeleg(kopf, quelle))
            throw db::DatabaseError(QStringLiteral("Quelle - Belegnummer existiert nicht !"));
        // The last header field keeps the value a new record gets.
        const QVariantList kopfWerte = werteLesen(kopf, gespeicherteFelder(kopf) - 1);
        const QList<QVariantList> zeilen = positionenLesen(positionen);

        kopf.append();
        werteSetzen(kopf, kopfWerte);
        kopf.field(0).setAsInteger(ziel);
        heuteSetzen(kopf.field(1));
        kopf.post();
        if (!sucheBeleg(kopf, ziel))
            throw db::DatabaseError(QStringLiteral("Die Kopie %1 ist nach dem Speichern nicht lesbar.").arg(ziel));

        for (const QVariantList &zeile : zeilen) {
            positionen.append();
            werteSetzen(positionen, zeile);
            positionen.field(0).setAsInteger(ziel);
            positionen.post();
        }
        schreiben.commit();
    } catch (...) {
        zuruecksetzen(positionen);
        zuruecksetzen(kopf);
        zurueckAufBeleg(kopf, quelle);
        throw;
    }
}

void datensatzUebertragen(db::Table &tabelle, int quelle, int ziel)
{
    tabelle.checkBrowseMode();
    try {
        Schreibvorgang schreiben(tabelle);
        if (!sucheBeleg(tabelle, quelle))
            throw db::DatabaseError(QStringLiteral("Quelle - Belegnummer existiert nicht !"));
        const QVariantList werte = werteLesen(tabelle, gespeicherteFelder(tabelle));
        tabelle.append();
        werteSetzen(tabelle, werte);
        tabelle.field(0).setAsInteger(ziel);
        heuteSetzen(tabelle.field(1));
        tabelle.post();
        schreiben.commit();
    } catch (...) {
        zuruecksetzen(tabelle);
        zurueckAufBeleg(tabelle, quelle);
        throw;
    }
}

void packlisteAnlegen(db::Table &kopf, db::Table &positionen, int neueNummer)
{
    kopf.checkBrowseMode();
    positionen.checkBrowseMode();
    try {
        Schreibvorgang schreiben(kopf, &positionen);
        if (!sucheBeleg(kopf, masterNummer))
            throw db::DatabaseError(QStringLiteral("Das Masterformular der Packliste fehlt."));
        const QVariantList kopfWerte = werteLesen(kopf, gespeicherteFelder(kopf));
        const QList<QVariantList> zeilen = positionenLesen(positionen);

        kopf.append();
        werteSetzen(kopf, kopfWerte);
        kopf.field(0).setAsInteger(neueNummer);
        heuteSetzen(kopf.field(1));
        kopf.post();
        if (!sucheBeleg(kopf, neueNummer))
            throw db::DatabaseError(QStringLiteral("Die Packliste %1 ist nach dem Speichern nicht lesbar.")
                                        .arg(neueNummer));

        // Each line keeps the values, memos and order number of its master
        // line and, like the header, is dated today.
        for (const QVariantList &zeile : zeilen) {
            positionen.append();
            werteSetzen(positionen, zeile);
            positionen.field(0).setAsInteger(neueNummer);
            heuteSetzen(positionen.fieldByName(QStringLiteral("datu")));
            positionen.post();
        }
        schreiben.commit();
    } catch (...) {
        zuruecksetzen(positionen);
        zuruecksetzen(kopf);
        zurueckAufBeleg(kopf, masterNummer);
        throw;
    }
}

bool NeuerBelegAusMaster(db::Table &tabelle, int neueNummer)
{
    // The store's own message, as the clerk knows it from every failed write.
    try {
        belegAusMasterAnlegen(tabelle, neueNummer);
        return true;
    } catch (const db::DatabaseError &error) {
        ui::showError(error.message());
    } catch (const db::Abort &) {
    }
    return false;
}

bool BelegKopieren(db::Table &kopf, db::Table &positionen, int quelle, int ziel)
{
    return meldend([&] { belegMitPositionenKopieren(kopf, positionen, quelle, ziel); },
                   QStringLiteral("Der Beleg %1 konnte nicht nach %2 kopiert werden. Es wurde nichts gespeichert.")
                       .arg(quelle)
                       .arg(ziel));
}

bool DatensatzKopieren(db::Table &tabelle, int quelle, int ziel)
{
    return meldend([&] { datensatzUebertragen(tabelle, quelle, ziel); },
                   QStringLiteral("Der Beleg %1 konnte nicht nach %2 kopiert werden. Es wurde nichts gespeichert.")
                       .arg(quelle)
                       .arg(ziel));
}

bool PacklisteAusMaster(db::Table &kopf, db::Table &positionen, int neueNummer)
{
    return meldend([&] { packlisteAnlegen(kopf, positionen, neueNummer); },
                   QStringLiteral("Die Packliste %1 konnte nicht angelegt werden. Es wurde nichts gespeichert.")
                       .arg(neueNummer));
}
