#pragma once

#include "common/TfrmRegie.h"
#include "platform/db/DatabaseError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/WaitCursor.h"

#include <functional>
#include <memory>

// Follow-up documents: a source (a declaration, an order, a logistics
// record) becomes a document of another family under the source's own
// number, through that family's register created without being shown.

// What the number check found and the clerk chose.
enum class Belegnummernwahl {
    Ueberschreiben = 1,   // the number exists; it is made anew
    Oeffnen = 10,         // the number exists; it opens as it is
    Anlegen = 100,        // the number is free
};

// Whether the target family holds the number (whatever its list hides);
// when it does, the clerk chooses: "Sie haben diese Belegnummer bereits
// vergeben!" / "Überschreiben?", Yes to make it anew, No to open it.
Belegnummernwahl BelegnummerPruefen(Belegregister &ziel, int nummer);

// Fills the new document: the target's header, a copy of its master record
// under the number, stands posted; lines are appended to the line table.
using Folgebelegfuellung = std::function<void(Belegregister &ziel)>;

// On a target register that exists unshown: the number check; "open" runs
// "&Bearbeiten" on the document as it is. Otherwise the document is made in
// one write (on overwrite the old one and its lines removed first, the copy
// of the master record, the filling, the line count) and "&Bearbeiten"
// opens it in the target's entry form. When making it fails nothing of it
// stays: the clerk reads the store's message and that the document was not
// made, and no entry form opens. Answers whether the entry form opened.
bool FolgebelegErstellen(TfrmRegie &ziel, int nummer, const Folgebelegfuellung &fuellen);

// The same on a register of the family `Register`, made for it and freed
// afterwards. When another workstation holds that family's tables the clerk
// is told so and nothing happens.
template<typename Register>
bool FolgebelegErstellen(int nummer, const Folgebelegfuellung &fuellen)
{
    std::unique_ptr<Register> ziel;
    try {
        ui::WaitCursor warten;
        ziel = std::make_unique<Register>();
    } catch (const db::LockError &fehler) {
        ui::showError(fehler.message());
        return false;
    }
    return FolgebelegErstellen(*ziel, nummer, fuellen);
}
