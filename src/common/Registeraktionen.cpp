#include "common/Registeraktionen.h"

#include "common/BelegKopieren.h"
#include "common/Belegart.h"
#include "common/Datensatzsperre.h"
#include "common/TCopyDlg.h"
#include "common/TDeleteDlg.h"
#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/ui/Dialogs.h"

#include <QList>
#include <algorithm>

namespace {

db::Database &datenbankVon(db::Table &tabelle)
{
    if (!tabelle.database())
        throw db::DatabaseError(QStringLiteral("Der Tabelle %1 ist keine Datenbank zugeordnet.")
                                    .arg(tabelle.tableName()));
    return *tabelle.database();
}

// "FROM ... WHERE <number field>" of the header table, as the store spells it.
QString kopfAuswahl(db::Table &kopf)
{
    db::Database &datenbank = datenbankVon(kopf);
    return QStringLiteral("FROM %1 WHERE %2")
        .arg(datenbank.quote(datenbank.storeTableName(kopf.tableName())), datenbank.quote(kopf.field(0).name()));
}

// Looked up in the store, so a filter or range of the register's list (one
// hiding the master record, say) does not hide a document.
bool belegVorhanden(db::Table &kopf, qint64 nummer)
{
    return db::Query::scalar(datenbankVon(kopf), QStringLiteral("SELECT COUNT(*) %1 = ?").arg(kopfAuswahl(kopf)),
                             {nummer})
               .toInt()
        > 0;
}

QList<qint64> belegeImBereich(db::Table &kopf, qint64 von, qint64 bis)
{
    db::Query abfrage(datenbankVon(kopf),
                      QStringLiteral("SELECT %1 %2 >= ? AND %1 <= ? AND %1 < ? ORDER BY %1")
                          .arg(datenbankVon(kopf).quote(kopf.field(0).name()), kopfAuswahl(kopf)));
    abfrage.bind(0, von);
    abfrage.bind(1, bis);
    abfrage.bind(2, Belegart::MasterFormularNr);
    QList<qint64> nummern;
    for (abfrage.open(); !abfrage.eof(); abfrage.next())
        nummern << abfrage.value(0).toLongLong();
    return nummern;
}

int aktuelleNummer(db::Table &kopf)
{
    return kopf.isOpen() && !kopf.isEmpty() ? kopf.field(0).asInteger() : 0;
}

// The line table where the family declares lines.
db::Table *positionenVon(const Registertabellen &tabellen)
{
    if (!tabellen.art.hatPositionen())
        return nullptr;
    if (!tabellen.positionen)
        throw db::DatabaseError(QStringLiteral("Die Positionstabelle %1 ist nicht geöffnet.")
                                    .arg(tabellen.art.tabellen.positionen));
    return tabellen.positionen;
}

void zuruecksetzen(db::Table *tabelle)
{
    if (!tabelle)
        return;
    try {
        if (tabelle->state() == db::DatasetState::Insert || tabelle->state() == db::DatasetState::Edit)
            tabelle->cancel();
        tabelle->refresh();
    } catch (...) {
        // The clerk is told about the deletion; this is only tidying up.
    }
}

// After a copy to the number proposed or elsewhere: the proposal goes back to
// the number proposed, so the next "&Neu" probes from there again. Only while
// it still stands where the copy left it: a number another workstation drew
// meanwhile may be in its input box and must not be offered twice.
bool vorschlagZurueckgeben(const Registertabellen &tabellen, qint64 vorgeschlagen)
{
    return DatensatzKurzAendern(tabellen.parameter, [&](db::Table &parameter) {
        db::Field &vorschlag = parameter.fieldByName(tabellen.art.parameter.vorschlag);
        if (vorschlag.asLargeInt() == vorgeschlagen + 1)
            vorschlag.setAsInteger(int(vorgeschlagen));
    });
}

} // namespace

int NaechsteFreieBelegNr(const Registertabellen &tabellen)
{
    qint64 frei = 0;
    const bool vergeben = DatensatzKurzAendern(tabellen.parameter, [&](db::Table &parameter) {
        db::Field &vorschlag = parameter.fieldByName(tabellen.art.parameter.vorschlag);
        frei = std::max<qint64>(1, vorschlag.asLargeInt());
        while (belegVorhanden(tabellen.kopf, frei))
            ++frei;
        vorschlag.setAsInteger(int(frei + 1));
    });
    return vergeben ? int(frei) : 0;
}

bool BelegNrErlaubt(qint64 nummer)
{
    if (nummer >= 1)
        return true;
    ui::showInformation(QStringLiteral("Belegnummern kleiner als 1 sind nicht erlaubt !"));
    return false;
}

bool BelegEntfernen(const Registertabellen &tabellen, qint64 nummer)
{
    db::Table &kopf = tabellen.kopf;
    db::Table *positionen = positionenVon(tabellen);
    if (!kopf.locate(kopf.field(0).name(), {nummer}))
        return false;
    // The lines go first, so no line outlives its header.
    while (positionen && positionen->recordCount() > 0) {
        positionen->first();
        positionen->remove();
    }
    kopf.remove();
    return true;
}

int BelegKopierenMitDialog(const Registertabellen &tabellen, QWidget *parent)
{
    db::Table &kopf = tabellen.kopf;
    db::Table *positionen = positionenVon(tabellen);
    int von = 0;
    int nach = 0;
    int vorgeschlagen = 0;
    {
        TCopyDlg dialog(parent);
        dialog.SetVon(aktuelleNummer(kopf));
        vorgeschlagen = NaechsteFreieBelegNr(tabellen);
        if (vorgeschlagen == 0)
            return 0;
        dialog.SetNach(vorgeschlagen);
        if (dialog.showModal() != ui::ModalResult::Ok)
            return 0;
        von = dialog.GetVon();
        nach = dialog.GetNach();
    }
    if (!BelegNrErlaubt(nach))
        return 0;
    if (!belegVorhanden(kopf, von)) {
        ui::showInformation(QStringLiteral("Quelle - Belegnummer existiert nicht !"));
        return 0;
    }
    if (belegVorhanden(kopf, nach)) {
        ui::showInformation(QStringLiteral("Ziel - Belegnummer existiert bereits !"));
        return 0;
    }
    if (IstDatensatzGesperrt(kopf.tableName(), QString::number(von)))
        return 0;
    if (tabellen.art.regie.kopieGibtVorschlagZurueck && !vorschlagZurueckgeben(tabellen, vorgeschlagen))
        return 0;
    const bool kopiert =
        positionen ? BelegKopieren(kopf, *positionen, von, nach) : DatensatzKopieren(kopf, von, nach);
    return kopiert ? nach : 0;
}

int BelegeLoeschenMitDialog(const Registertabellen &tabellen, bool nurErsten, QWidget *parent)
{
    db::Table &kopf = tabellen.kopf;
    db::Table *positionen = positionenVon(tabellen);
    int von = 0;
    int bis = 0;
    {
        TDeleteDlg dialog(parent);
        dialog.SetVon(aktuelleNummer(kopf));
        dialog.SetBis(aktuelleNummer(kopf));
        if (dialog.showModal() != ui::ModalResult::Ok)
            return 0;
        von = dialog.GetVon();
        bis = dialog.GetBis();
    }
    int geloescht = 0;
    try {
        kopf.checkBrowseMode();
        if (positionen)
            positionen->checkBrowseMode();
        const QList<qint64> nummern = belegeImBereich(kopf, von, bis);
        db::Transaction schreiben(datenbankVon(kopf));
        for (const qint64 nummer : nummern) {
            if (IstDatensatzGesperrt(kopf.tableName(), QString::number(nummer)))
                continue;
            if (!BelegEntfernen(tabellen, nummer))
                continue;
            ++geloescht;
            if (nurErsten)
                break;
        }
        schreiben.commit();
    } catch (const db::DatabaseError &) {
        zuruecksetzen(positionen);
        zuruecksetzen(&kopf);
        ui::showWarning(QStringLiteral("Belegnummern bitte richtig eingeben !"));
        return 0;
    } catch (const db::Abort &) {
        zuruecksetzen(positionen);
        zuruecksetzen(&kopf);
        ui::showWarning(QStringLiteral("Belegnummern bitte richtig eingeben !"));
        return 0;
    }
    return geloescht;
}
