#include "common/EingabePositionen.h"

#include "common/Belegregister.h"
#include "platform/db/Database.h"
#include "platform/db/Field.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/ui/Dialogs.h"

EingabePositionen::EingabePositionen(Belegregister &regie) : regie_(regie) {}

namespace {

QString positionenSql(Belegregister &regie, const QString &rest)
{
    db::Database &datenbank = regie.datenbank();
    db::Table &positionen = *regie.positionen();
    return rest.arg(datenbank.quote(datenbank.storeTableName(positionen.tableName())),
                    datenbank.quote(positionen.field(0).name()), datenbank.quote(positionen.field(1).name()));
}

} // namespace

void EingabePositionen::masterwerteLesen()
{
    masterwerte_.clear();
    if (!regie_.positionen())
        return;
    db::Query abfrage(regie_.datenbank(),
                      positionenSql(regie_, QStringLiteral("SELECT * FROM %1 WHERE %2 = ? ORDER BY %3")));
    abfrage.bind(0, Belegart::MasterFormularNr);
    abfrage.open();
    if (abfrage.eof())
        return;
    db::Table &positionen = *regie_.positionen();
    for (int i = 2; i < positionen.fieldCount(); ++i)
        masterwerte_ << abfrage.value(positionen.field(i).name());
}

int EingabePositionen::anzahl()
{
    db::Table *positionen = regie_.positionen();
    if (!positionen || regie_.kopf().isEmpty())
        return 0;
    return db::Query::scalar(regie_.datenbank(),
                             positionenSql(regie_, QStringLiteral("SELECT COUNT(%3) FROM %1 WHERE %2 = ?")),
                             {regie_.aktuelleNummer()})
        .toInt();
}

void EingabePositionen::hinzufuegen()
{
    db::Table *positionen = regie_.positionen();
    if (!positionen)
        return;
    regie_.kopf().checkBrowseMode();
    positionen->checkBrowseMode();
    const int neu = anzahl() + 1;
    positionen->append();
    positionen->field(0).setValue(regie_.aktuelleNummer());
    positionen->field(1).setAsInteger(neu);
    if (!regie_.aufMaster()) {
        for (int i = 0; i < masterwerte_.size() && i + 2 < positionen->fieldCount(); ++i)
            positionen->field(i + 2).setValue(masterwerte_[i]);
        positionen->post();
    }
    if (positionsformular)
        positionsformular();
    positionen->checkBrowseMode();
    if (neuBerechnen)
        neuBerechnen();
}

void EingabePositionen::bearbeiten()
{
    db::Table *positionen = regie_.positionen();
    if (!positionen)
        return;
    if (anzahl() > 0) {
        if (positionen->state() == db::DatasetState::Browse)
            positionen->edit();
        if (positionsformular)
            positionsformular();
        positionen->checkBrowseMode();
    }
    if (neuBerechnen)
        neuBerechnen();
}

void EingabePositionen::loeschen()
{
    db::Table *positionen = regie_.positionen();
    if (!positionen || positionen->isEmpty())
        return;
    if (ui::messageDlg(QStringLiteral("Datensatz löschen?"), ui::MessageType::Confirmation,
                       ui::Buttons::OkCancel)
        != ui::ModalResult::Ok)
        return;
    positionen->checkBrowseMode();
    regie_.kopf().checkBrowseMode();
    const qint64 beleg = regie_.aktuelleNummer();
    db::Database &datenbank = regie_.datenbank();
    try {
        db::Transaction schreiben(datenbank);
        positionen->remove();
        // Ascending, each line moves down onto a number no other line holds.
        QList<int> nummern;
        {
            db::Query abfrage(datenbank, positionenSql(regie_, QStringLiteral("SELECT %3 FROM %1 WHERE %2 = ? ORDER BY %3")));
            abfrage.bind(0, beleg);
            abfrage.open();
            for (; !abfrage.eof(); abfrage.next())
                nummern << abfrage.value(0).toInt();
        }
        const QString umnummern = positionenSql(regie_, QStringLiteral("UPDATE %1 SET %3 = ? WHERE %2 = ? AND %3 = ?"));
        for (int i = 0; i < nummern.size(); ++i) {
            if (nummern[i] != i + 1)
                datenbank.execute(umnummern, {i + 1, beleg, nummern[i]});
        }
        positionen->refresh();
        if (neuBerechnen)
            neuBerechnen();
        schreiben.commit();
    } catch (...) {
        try {
            if (regie_.kopf().state() != db::DatasetState::Browse)
                regie_.kopf().cancel();
            regie_.kopf().refresh();
            positionen->refresh();
        } catch (...) {
            // The first failure is the one the clerk hears of.
        }
        throw;
    }
    positionen->first();
}
