#pragma once

#include "common/Belegart.h"
#include "common/Registeraktionen.h"

#include <functional>
#include <memory>

namespace db {
class DataSource;
class Database;
class Table;
}

// The tables of one document family as its register holds them: the header
// table, the line table linked to it where the family has lines, and the
// parameter record S_PARAME, with their data sources, which the family's
// entry, line and check forms bind to. It owns the tables' event handlers:
// a failed write shows the store's message with "Daten konnten nicht
// gespeichert werden!" and is aborted.
//
// The line count (`AnzPos`, `Positionen`) is kept current where lines
// change (entry form, copy, follow-up document), so opening never walks the
// documents to recount them.
class Belegregister
{
public:
    Belegregister(const Belegart &art, db::Database &datenbank);
    ~Belegregister();
    Belegregister(const Belegregister &) = delete;
    Belegregister &operator=(const Belegregister &) = delete;

    const Belegart &art() const { return art_; }
    db::Database &datenbank() { return datenbank_; }
    db::Table &kopf() { return *kopf_; }
    db::Table *positionen() { return positionen_.get(); }
    db::Table &parameter() { return *parameter_; }
    db::DataSource &kopfQuelle() { return *kopfQuelle_; }
    db::DataSource *positionenQuelle() { return positionenQuelle_.get(); }
    db::DataSource &parameterQuelle() { return *parameterQuelle_; }
    Registertabellen tabellen();

    // Opens the tables, held against other workstations where the family
    // says so (db::LockError when another one holds them), and creates the
    // master record, with its first line where declared, when missing.
    void oeffnen();
    // Posts what is still being edited and closes the tables.
    void schliessen();

    // In the store, whatever the list hides.
    bool vorhanden(qint64 nummer);
    // The current document's number; 0 when the list is empty.
    qint64 aktuelleNummer();
    bool aufMaster();
    // The family's plausibility switch in S_PARAME is on (off for a family
    // without one).
    bool pruefungAn();

    // Hides the master record from the list as the family declares; the
    // list stays on its document where it can.
    void masterAusblenden();
    // Filter and range off: the master record is reachable again.
    void masterZeigen();

    // A new document as a copy of the master record under the number, dated
    // today; the header table stands on it. Throws when it fails, having
    // written nothing.
    void belegAusMaster(int nummer);
    // Stores the current document's line count in the family's count field.
    void positionsanzahlSpeichern();

    // A follow-up document under the source's number: a copy of the master
    // record (replacing a document of that number when there is one), filled
    // by the caller, its line count stored, all in one transaction. On any
    // error nothing of it stays and the error goes on to the caller. The
    // header table stands on the new document afterwards.
    void folgebelegAnlegen(int nummer, const std::function<void(Belegregister &)> &fuellen);

private:
    void ereignisseAnschliessen();
    void masterAnlegen();
    void belegEntfernen(qint64 nummer);
    bool andereBelegeVorhanden();

    const Belegart &art_;
    db::Database &datenbank_;
    std::unique_ptr<db::Table> kopf_;
    std::unique_ptr<db::DataSource> kopfQuelle_;
    std::unique_ptr<db::Table> positionen_;
    std::unique_ptr<db::DataSource> positionenQuelle_;
    std::unique_ptr<db::Table> parameter_;
    std::unique_ptr<db::DataSource> parameterQuelle_;
};
