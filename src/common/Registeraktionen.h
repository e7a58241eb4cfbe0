#pragma once

#include <QString>

class QWidget;
struct Belegart;

namespace db {
class Table;
}

// The steps a register's "&Kopieren" and "&Löschen" take around the shared
// copy and delete dialogs, on a family's tables as its register holds them
// open: the header table (field 0 the document number `BelegNr`), the line
// table linked to it as detail where the family declares lines, and the
// parameter record S_PARAME.
struct Registertabellen
{
    const Belegart &art;
    db::Table &kopf;
    db::Table *positionen;
    db::Table &parameter;
};

// The first free document number at or above the family's proposal in the
// parameter record, a proposal below 1 counting as 1. The proposal is read
// and raised in one short transaction on the store: it becomes that number
// plus one at once, so a proposal the clerk then cancels is used up and no
// other workstation is offered the same number. Nothing of the parameter
// record stays in edit state. While another workstation edits the record
// this waits as a write waits for the store's locks; should it stay busy,
// the clerk gets the store's lock message and the answer is 0.
int NaechsteFreieBelegNr(const Registertabellen &tabellen);

// Document numbers start at 1: a smaller one gets "Belegnummern kleiner als
// 1 sind nicht erlaubt !" and the answer false.
bool BelegNrErlaubt(qint64 nummer);

// Deletes the document with its lines (the lines first); false when there
// is no such document in the list. The caller holds the transaction.
bool BelegEntfernen(const Registertabellen &tabellen, qint64 nummer);

// "&Kopieren": the copy dialog from the current document to the next free
// number (NaechsteFreieBelegNr). A target below 1 is refused (BelegNrErlaubt),
// a missing source gets "Quelle - Belegnummer existiert nicht !", an existing
// target "Ziel - Belegnummer existiert bereits !"; otherwise the document is
// copied (with its lines where the family has them) and the header table
// stands on the copy. Where the family says so, the proposal goes back to the
// number proposed before the copy is made, unless another workstation has
// drawn a number since. Answers the copy's number, 0 when nothing was copied.
int BelegKopierenMitDialog(const Registertabellen &tabellen, QWidget *parent = nullptr);

// "&Löschen": the delete dialog on the current document. Deletes every
// document of the range (or only the first one found, `nurErsten`), each with
// its lines first, skipping documents that are locked, all in one write.
// When the deletion fails nothing is deleted and the clerk gets "Belegnummern
// bitte richtig eingeben !". Answers the number of documents deleted.
int BelegeLoeschenMitDialog(const Registertabellen &tabellen, bool nurErsten = false, QWidget *parent = nullptr);
