#include "common/Belegregister.h"

#include "common/BelegKopieren.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/ui/PostErrors.h"

#include <QDate>

namespace {

constexpr qint64 master = Belegart::MasterFormularNr;

void offeneBearbeitungVerwerfen(db::Table *tabelle)
{
    if (!tabelle || !tabelle->isOpen())
        return;
    try {
        if (tabelle->state() == db::DatasetState::Insert || tabelle->state() == db::DatasetState::Edit)
            tabelle->cancel();
        tabelle->refresh();
    } catch (...) {
        // The error that led here is the one the caller reports.
    }
}

} // namespace

Belegregister::Belegregister(const Belegart &art, db::Database &datenbank)
    : art_(art),
      datenbank_(datenbank),
      kopf_(std::make_unique<db::Table>(datenbank, art.tabellen.kopf)),
      kopfQuelle_(std::make_unique<db::DataSource>(kopf_.get())),
      parameter_(std::make_unique<db::Table>(datenbank, QStringLiteral("S_PARAME"))),
      parameterQuelle_(std::make_unique<db::DataSource>(parameter_.get()))
{
    kopf_->setExclusive(art.regie.exklusiv);
    kopf_->setFilterCaseInsensitive(true);
    if (art.hatPositionen()) {
        positionen_ = std::make_unique<db::Table>(datenbank, art.tabellen.positionen);
        positionen_->setExclusive(art.regie.exklusiv);
        positionenQuelle_ = std::make_unique<db::DataSource>(positionen_.get());
    }
    ereignisseAnschliessen();
}

Belegregister::~Belegregister()
{
    try {
        schliessen();
    } catch (...) {
        // Closing while unwinding: the tables go with the register.
    }
}

// Every handler the engine puts on the family's tables, here and nowhere else.
void Belegregister::ereignisseAnschliessen()
{
    ui::showPostErrors(*kopf_);
    if (positionen_)
        ui::showPostErrors(*positionen_);
    ui::showPostErrors(*parameter_);
}

Registertabellen Belegregister::tabellen()
{
    return {art_, *kopf_, positionen_.get(), *parameter_};
}

void Belegregister::oeffnen()
{
    kopf_->open();
    if (positionen_) {
        positionen_->setMasterSource(kopfQuelle_.get(), kopf_->field(0).name(),
                                     datenbank_.tableDef(art_.tabellen.positionen).fields.value(0).name);
        positionen_->open();
    }
    masterAnlegen();
    parameter_->open();
    kopf_->first();
}

void Belegregister::schliessen()
{
    for (db::Table *tabelle : {kopf_.get(), positionen_.get(), parameter_.get()}) {
        if (tabelle && tabelle->isOpen())
            tabelle->checkBrowseMode();
    }
    if (positionen_)
        positionen_->close();
    kopf_->close();
    parameter_->close();
}

void Belegregister::masterAnlegen()
{
    const bool kopfFehlt = !vorhanden(master);
    const bool positionFehlt =
        positionen_ && art_.regie.masterPosition
        && db::Query::scalar(datenbank_,
                             QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?")
                                 .arg(datenbank_.quote(datenbank_.storeTableName(art_.tabellen.positionen)),
                                      datenbank_.quote(positionen_->field(0).name())),
                             {master})
                   .toInt()
               == 0;
    if (!kopfFehlt && !positionFehlt)
        return;
    db::Transaction schreiben(datenbank_);
    if (kopfFehlt) {
        kopf_->append();
        kopf_->field(0).setValue(master);
        if (art_.regie.masterDatumEins)
            kopf_->field(1).setAsString(QStringLiteral("1"));
        else
            kopf_->field(1).setAsDate(QDate::currentDate());
        kopf_->post();
    }
    kopf_->findKey({master});
    if (positionFehlt) {
        positionen_->append();
        positionen_->field(0).setValue(master);
        positionen_->field(1).setAsInteger(1);
        positionen_->post();
    }
    schreiben.commit();
}

bool Belegregister::vorhanden(qint64 nummer)
{
    return db::Query::scalar(datenbank_,
                             QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?")
                                 .arg(datenbank_.quote(datenbank_.storeTableName(art_.tabellen.kopf)),
                                      datenbank_.quote(kopf_->field(0).name())),
                             {nummer})
               .toInt()
        > 0;
}

bool Belegregister::andereBelegeVorhanden()
{
    const QVariant kleinste = db::Query::scalar(
        datenbank_, QStringLiteral("SELECT MIN(%2) FROM %1")
                        .arg(datenbank_.quote(datenbank_.storeTableName(art_.tabellen.kopf)),
                             datenbank_.quote(kopf_->field(0).name())));
    return !kleinste.isNull() && kleinste.toLongLong() < master;
}

qint64 Belegregister::aktuelleNummer()
{
    return kopf_->isOpen() && !kopf_->isEmpty() ? kopf_->field(0).asLargeInt() : 0;
}

bool Belegregister::aufMaster()
{
    return aktuelleNummer() >= master;
}

bool Belegregister::pruefungAn()
{
    const QString &schalter = art_.parameter.plausi;
    return !schalter.isEmpty() && parameter_->isOpen() && !parameter_->isEmpty()
        && parameter_->fieldByName(schalter).asBoolean();
}

void Belegregister::masterAusblenden()
{
    switch (art_.regie.masterAusblenden) {
    case Belegart::MasterAusblenden::Nie:
        return;
    case Belegart::MasterAusblenden::Filter:
        kopf_->setFilter(QStringLiteral("%1 < %2").arg(kopf_->field(0).name()).arg(master));
        kopf_->setFiltered(andereBelegeVorhanden());
        return;
    case Belegart::MasterAusblenden::Schluesselbereich:
        if (!andereBelegeVorhanden())
            return;
        const qint64 zuvor = aufMaster() ? 0 : aktuelleNummer();
        kopf_->setRange({1}, {master - 1});
        if (zuvor == 0 || !kopf_->findKey({zuvor}))
            kopf_->first();
        return;
    }
}

void Belegregister::masterZeigen()
{
    if (kopf_->filtered())
        kopf_->setFiltered(false);
    if (kopf_->hasRange())
        kopf_->cancelRange();
}

void Belegregister::belegAusMaster(int nummer)
{
    belegAusMasterAnlegen(*kopf_, nummer);
}

void Belegregister::positionsanzahlSpeichern()
{
    if (!positionen_ || art_.tabellen.positionsanzahl.isEmpty() || kopf_->isEmpty())
        return;
    const int anzahl =
        db::Query::scalar(datenbank_,
                          QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?")
                              .arg(datenbank_.quote(datenbank_.storeTableName(art_.tabellen.positionen)),
                                   datenbank_.quote(positionen_->field(0).name())),
                          {aktuelleNummer()})
            .toInt();
    db::Field &feld = kopf_->fieldByName(art_.tabellen.positionsanzahl);
    if (!feld.isNull() && feld.asInteger() == anzahl && kopf_->state() == db::DatasetState::Browse)
        return;
    if (kopf_->state() == db::DatasetState::Browse)
        kopf_->edit();
    feld.setAsInteger(anzahl);
    kopf_->post();
}

void Belegregister::folgebelegAnlegen(int nummer, const std::function<void(Belegregister &)> &fuellen)
{
    kopf_->checkBrowseMode();
    if (positionen_)
        positionen_->checkBrowseMode();
    masterZeigen();
    try {
        db::Transaction schreiben(datenbank_);
        if (vorhanden(nummer))
            BelegEntfernen(tabellen(), nummer);
        belegAusMaster(nummer);
        fuellen(*this);
        kopf_->checkBrowseMode();
        if (positionen_)
            positionen_->checkBrowseMode();
        positionsanzahlSpeichern();
        schreiben.commit();
    } catch (...) {
        offeneBearbeitungVerwerfen(positionen_.get());
        offeneBearbeitungVerwerfen(kopf_.get());
        masterAusblenden();
        throw;
    }
    masterAusblenden();
    kopf_->findKey({nummer});
}
