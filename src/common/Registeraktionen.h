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

// How "&Neu" and "&Kopieren" read the proposal: "&Neu" counts a proposal
// below 1 as 1, "&Kopieren" probes from the stored value as it is.
enum class Vorschlagsbeginn { AbEins, WieGespeichert };

// The first free document number at or above the family's proposal in the
// parameter record. The proposal becomes that number plus one at once, so a
// proposal the clerk then cancels is used up.
int NaechsteFreieBelegNr(const Registertabellen &tabellen, Vorschlagsbeginn beginn = Vorschlagsbeginn::AbEins);

// Deletes the document with its lines (the lines first); false when there
// is no such document in the list. The caller holds the transaction.
bool BelegEntfernen(const Registertabellen &tabellen, qint64 nummer);

// "&Kopieren": the copy dialog from the current document to the next free
// number at or above the stored proposal (where the family says so, the
// proposal goes back to that number once the copy is made). A missing source gets "Quelle - Belegnummer existiert nicht !", an
// existing target "Ziel - Belegnummer existiert bereits !"; otherwise the
// document is copied (with its lines where the family has them) and the
// header table stands on the copy. Answers the copy's number, 0 when nothing
// was copied.
int BelegKopierenMitDialog(const Registertabellen &tabellen, QWidget *parent = nullptr);

// "&Löschen": the delete dialog on the current document. Deletes every
// document of the range (or only the first one found, `nurErsten`), each with
// its lines first, skipping documents that are locked, all in one write.
// When the deletion fails nothing is deleted and the clerk gets "Belegnummern
// bitte richtig eingeben !". Answers the number of documents deleted.
int BelegeLoeschenMitDialog(const Registertabellen &tabellen, bool nurErsten = false, QWidget *parent = nullptr);
