#include "Formulare.h"

#include "sad_export/TfrmRegieAE.h"

namespace {

// A form registered before (a test's stand-in) stays.
void anmelden(Formular formular, FormularFabrik fabrik)
{
    if (!FormularAngemeldet(formular))
        FormularAnmelden(formular, std::move(fabrik));
}

} // namespace

// One line per form as soon as it exists, e.g.
//     anmelden(Formular::CMR, RegisterErzeugen<TfrmRegieCMR>);
// Its menu items, speed button and context-menu item are then enabled and
// open it; until then they stand disabled.
void FormulareAnmelden()
{
    anmelden(Formular::Ausfuhranmeldung, RegisterErzeugen<TfrmRegieAE>);
}
