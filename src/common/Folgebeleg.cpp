#include "common/Folgebeleg.h"

#include "platform/db/Table.h"

namespace {

QString nichtAngelegt(int nummer)
{
    return QStringLiteral("Der Beleg %1 wurde nicht angelegt. Es wurde nichts gespeichert.").arg(nummer);
}

} // namespace

Belegnummernwahl BelegnummerPruefen(Belegregister &ziel, int nummer)
{
    if (!ziel.vorhanden(nummer))
        return Belegnummernwahl::Anlegen;
    const int antwort = ui::messageDlg(QStringLiteral("Sie haben diese Belegnummer bereits vergeben!\nÜberschreiben?"),
                                       ui::MessageType::Warning, ui::Buttons::YesNo);
    return antwort == ui::ModalResult::Yes ? Belegnummernwahl::Ueberschreiben : Belegnummernwahl::Oeffnen;
}

bool FolgebelegErstellen(TfrmRegie &ziel, int nummer, const Folgebelegfuellung &fuellen)
{
    // Under the master record's number the target's own master would be
    // replaced.
    if (nummer < 1 || nummer >= Belegart::MasterFormularNr) {
        ui::showInformation(QStringLiteral("Aus dem Master-Formular wird kein Beleg angelegt."));
        return false;
    }
    Belegregister &regie = ziel.regie();
    if (BelegnummerPruefen(regie, nummer) == Belegnummernwahl::Oeffnen) {
        if (!regie.kopf().findKey({nummer}))
            return false;
        ziel.Bearbeiten();
        return true;
    }
    try {
        ui::WaitCursor warten;
        regie.folgebelegAnlegen(nummer, fuellen);
    } catch (const db::DatabaseError &fehler) {
        ui::showError(fehler.message() + QLatin1Char('\n') + nichtAngelegt(nummer));
        return false;
    } catch (const db::Abort &) {
        // The register's post-error message has named the cause already.
        ui::showError(nichtAngelegt(nummer));
        return false;
    }
    ziel.Bearbeiten();
    return true;
}
