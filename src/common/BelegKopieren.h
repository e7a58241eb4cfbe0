#pragma once

namespace db {
class Table;
}

// Documents made by copying records of a family's tables. They work on any
// family: field 0 of a header is the document number `BelegNr`, field 1 the
// document date (a date, or text taking "dd.mm.yyyy"), and a line table is
// keyed by `BelegNr` and `Pos` (field 1) and linked as detail to its header
// table's data source. Values are copied field by field in field order.
//
// Each copy is one transaction: when it fails nothing of it stays in the
// store, the clerk is told, the answer is false and the tables stand where
// they stood before. Callers check beforehand that the target number is free
// and below the master record's number and that the source exists.

// A new document from the family's master record: the table's last record,
// which must be the master record 2000000000 (cancel ranges and filters that
// hide it first). The new record gets the number and today's date; the table
// stands on it afterwards.
bool NeuerBelegAusMaster(db::Table &tabelle, int neueNummer);

// Copies a header (every field but the last one, which keeps the value of a
// new record) and all of its lines, keeping their positions, to the target
// number with today's date. The header table stands on the copy afterwards.
bool BelegKopieren(db::Table &kopf, db::Table &positionen, int quelle, int ziel);

// Copies a one-table document to the target number with today's date; the
// table stands on the copy afterwards.
bool DatensatzKopieren(db::Table &tabelle, int quelle, int ziel);

// A packing list from the packing-list master record (`B_PALI`, lines in
// `B_PALI2`): the master header under the new number with today's date, and
// every master line with its values, memos and order number, dated today.
bool PacklisteAusMaster(db::Table &kopf, db::Table &positionen, int neueNummer);

// The same copies for callers that run them inside a write of their own (a
// follow-up document made in one transaction): they throw db::DatabaseError
// or db::Abort instead of telling the clerk, after undoing their own part.
void belegAusMasterAnlegen(db::Table &tabelle, int neueNummer);
void belegMitPositionenKopieren(db::Table &kopf, db::Table &positionen, int quelle, int ziel);
void datensatzUebertragen(db::Table &tabelle, int quelle, int ziel);
void packlisteAnlegen(db::Table &kopf, db::Table &positionen, int neueNummer);
