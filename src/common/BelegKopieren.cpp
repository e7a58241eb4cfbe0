#include "common/BelegKopieren.h"

#include "common/Belegart.h"
#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"
#include "platform/db/TextFormat.h"
#include "platform/ui/Dialogs.h"

#include <QDate>
#include <functional>
#include <optional>

namespace {

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

QString kopieFehlgeschlagen(int quelle, int ziel)
{
    return QStringLiteral("Der Beleg %1 konnte nicht nach %2 kopiert werden. Es wurde nichts gespeichert.")
        .arg(quelle)
        .arg(ziel);
}

// How each of the copies goes.
struct Kopierart
{
    // The source is the table's last record, which must be the master
    // record; otherwise it is found by its number.
    bool quelleIstLetzter = false;
    // The last header field keeps the value a new record gets.
    bool ohneLetztesKopffeld = false;
    // A line field dated today, like the header (empty: none).
    QString positionsdatum;
};

const Kopierart neuAusMaster{.quelleIstLetzter = true};
const Kopierart einzelsatz{};
const Kopierart mitPositionen{.ohneLetztesKopffeld = true};
const Kopierart packliste{.positionsdatum = QStringLiteral("datu")};

void quelleSuchen(db::Table &kopf, qint64 quelle, const Kopierart &art)
{
    if (art.quelleIstLetzter) {
        kopf.last();
        if (kopf.isEmpty() || kopf.field(0).asLargeInt() != quelle)
            throw db::DatabaseError(QStringLiteral("Das Masterformular (Belegnummer %1) ist nicht der letzte "
                                                   "Datensatz der Tabelle %2.")
                                        .arg(quelle)
                                        .arg(kopf.tableName()));
    } else if (!sucheBeleg(kopf, quelle)) {
        if (quelle == Belegart::MasterFormularNr)
            throw db::DatabaseError(QStringLiteral("Das Masterformular fehlt in der Tabelle %1.").arg(kopf.tableName()));
        throw db::DatabaseError(QStringLiteral("Quelle - Belegnummer existiert nicht !"));
    }
}

// The one copy all four routines make: the source's header (and, given the
// line table, its lines) under the target number, dated today, in one
// transaction. On failure the tables stand on the source again.
void kopieren(db::Table &kopf, db::Table *positionen, qint64 quelle, int ziel, const Kopierart &art)
{
    kopf.checkBrowseMode();
    if (positionen)
        positionen->checkBrowseMode();
    try {
        Schreibvorgang schreiben(kopf, positionen);
        quelleSuchen(kopf, quelle, art);
        const QVariantList kopfWerte = werteLesen(kopf, gespeicherteFelder(kopf) - (art.ohneLetztesKopffeld ? 1 : 0));
        const QList<QVariantList> zeilen = positionen ? positionenLesen(*positionen) : QList<QVariantList>();

        kopf.append();
        werteSetzen(kopf, kopfWerte);
        kopf.field(0).setAsInteger(ziel);
        heuteSetzen(kopf.field(1));
        kopf.post();
        if (!positionen) {
            schreiben.commit();
            return;
        }
        // The line table follows the new header, so new lines link to it.
        if (!sucheBeleg(kopf, ziel))
            throw db::DatabaseError(QStringLiteral("Die Kopie %1 ist nach dem Speichern nicht lesbar.").arg(ziel));
        for (const QVariantList &zeile : zeilen) {
            positionen->append();
            werteSetzen(*positionen, zeile);
            positionen->field(0).setAsInteger(ziel);
            if (!art.positionsdatum.isEmpty())
                heuteSetzen(positionen->fieldByName(art.positionsdatum));
            positionen->post();
        }
        schreiben.commit();
    } catch (...) {
        if (positionen)
            zuruecksetzen(*positionen);
        zuruecksetzen(kopf);
        zurueckAufBeleg(kopf, quelle);
        throw;
    }
}

} // namespace

void belegAusMasterAnlegen(db::Table &tabelle, int neueNummer)
{
    kopieren(tabelle, nullptr, Belegart::MasterFormularNr, neueNummer, neuAusMaster);
}

void belegMitPositionenKopieren(db::Table &kopf, db::Table &positionen, int quelle, int ziel)
{
    kopieren(kopf, &positionen, quelle, ziel, mitPositionen);
}

void datensatzUebertragen(db::Table &tabelle, int quelle, int ziel)
{
    kopieren(tabelle, nullptr, quelle, ziel, einzelsatz);
}

// Each line keeps the values, memos and order number of its master line.
void packlisteAnlegen(db::Table &kopf, db::Table &positionen, int neueNummer)
{
    kopieren(kopf, &positionen, Belegart::MasterFormularNr, neueNummer, packliste);
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
    return meldend([&] { belegMitPositionenKopieren(kopf, positionen, quelle, ziel); }, kopieFehlgeschlagen(quelle, ziel));
}

bool DatensatzKopieren(db::Table &tabelle, int quelle, int ziel)
{
    return meldend([&] { datensatzUebertragen(tabelle, quelle, ziel); }, kopieFehlgeschlagen(quelle, ziel));
}

bool PacklisteAusMaster(db::Table &kopf, db::Table &positionen, int neueNummer)
{
    return meldend([&] { packlisteAnlegen(kopf, positionen, neueNummer); },
                   QStringLiteral("Die Packliste %1 konnte nicht angelegt werden. Es wurde nichts gespeichert.")
                       .arg(neueNummer));
}
