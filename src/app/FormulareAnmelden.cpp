#include "Formulare.h"

// One line per form as soon as it exists, e.g.
//     FormularAnmelden(Formular::CMR, erzeugen<TfrmRegieCMR>);
// Its menu items, speed button and context-menu item are then enabled and
// open it; until then they stand disabled.
void FormulareAnmelden()
{
}
