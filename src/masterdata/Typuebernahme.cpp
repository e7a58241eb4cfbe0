#include "Typuebernahme.h"
#include "TfrmAllgemein.h"
#include "TfrmData1.h"

#include "common/TSR_dbGrid.h"
#include "common/TfrmSuche.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"


namespace masterdata {

Typuebernahme::Typuebernahme(db::Table &tabelle, QString feld, Schluesselart art, QString keinTreffer)
    : tabelle_(tabelle), feld_(std::move(feld)), art_(art), keinTreffer_(std::move(keinTreffer))
{
}

void Typuebernahme::filtern(const QString &text)
{
    QString bedingung;
    keinGueltigerSchluessel_ = false;
    if (art_ == Schluesselart::Praefix) {
        bedingung = QStringLiteral("%1 = %2").arg(feld_, filterLiteral(text + QLatin1Char('*')));
    } else {
        bool zahl = false;
        const qlonglong nummer = text.trimmed().toLongLong(&zahl);
        // A number field typed with letters matches no record; the filter
        // stays as it was.
        if (!zahl) {
            keinGueltigerSchluessel_ = true;
            return;
        }
        bedingung = QStringLiteral("%1 = %2").arg(feld_).arg(nummer);
    }
    tabelle_.setFilter(bedingung);
    tabelle_.setFiltered(true);
}

void Typuebernahme::textGeaendert(const QString &text)
{
    if (!text.isEmpty())
        filtern(text);
}

bool Typuebernahme::aufloesen(const QString &text, QWidget *parent)
{
    if (text.isEmpty())
        return false;
    // Another form may have filtered the shared table since: this field's
    // own filter counts.
    filtern(text);
    const int treffer = keinGueltigerSchluessel_ ? 0 : tabelle_.recordCount();
    if (treffer == 0) {
        ui::messageDlg(keinTreffer_, ui::MessageType::Error, ui::Buttons::Ok);
        return false;
    }
    tabelle_.first();
    if (treffer == 1)
        return true;
    db::DataSource quelle(&tabelle_);
    TfrmAllgemein frmAllgemein(parent);
    frmAllgemein.DBGrid1->setColumns(TfrmData1::sichtbareFelder(tabelle_));
    frmAllgemein.DBGrid1->setDataSource(&quelle);
    const bool gewaehlt = frmAllgemein.showModal() == ui::ModalResult::Ok;
    frmAllgemein.DBGrid1->setDataSource(nullptr);
    return gewaehlt;
}

void Typuebernahme::anbinden(ui::DataEdit *edit, std::function<void(db::Table &)> uebernehmen)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     ui::guarded([this](const QString &text) { textGeaendert(text); }));
    QObject::connect(edit, &ui::DataEdit::exited, edit, ui::guarded([this, edit, uebernehmen = std::move(uebernehmen)] {
        if (aufloesen(edit->text(), edit->window()) && uebernehmen)
            uebernehmen(tabelle_);
    }));
}

} // namespace masterdata
