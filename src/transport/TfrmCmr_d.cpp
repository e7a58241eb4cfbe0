#include "transport/TfrmCmr_d.h"

#include "common/Linierung.h"
#include "common/RadioGroup.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/print/Canvas.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/PostErrors.h"
#include "transport/Cmr.h"

namespace {

const QString cmrSeite = QStringLiteral("CMR");
constexpr int cmrZeilenabstand = 42;

} // namespace

TfrmCmr_d::TfrmCmr_d(QWidget *parent)
    : TfrmCmr_d(db::Database::alias(QStringLiteral("Z_Tavero")), parent)
{
}

TfrmCmr_d::TfrmCmr_d(db::Database &datenbank, QWidget *parent)
    : TfrmBelegdruck(CmrFrachtbrief(), cmrSeite, {QStringLiteral("Weißem Papier"), QStringLiteral("Formular")},
                     parent)
{
    setObjectName(QStringLiteral("frmCmr_d"));
    setWindowTitle(QStringLiteral("CMR - DRUCK"));
    cmr_ = std::make_unique<db::Table>(datenbank, QStringLiteral("CMR"));
    folg_ = std::make_unique<db::Table>(datenbank, QStringLiteral("Cmrfolg"));
    tbCmr = cmr_.get();
    tbCmrFolg = folg_.get();
    for (db::Table *tabelle : {tbCmr, tbCmrFolg}) {
        ui::showPostErrors(*tabelle);
        tabelle->open();
    }
    ui::showPostErrors(einstellungen().tabelle());
    RadioGroup2->setItemIndex(Formular);
    druckerPruefen();
}

TfrmCmr_d::~TfrmCmr_d()
{
    laufendeAuftraege_ = nullptr;
    auftraege_.reset();
}

bool TfrmCmr_d::belegSuchen(qint64 belegNr)
{
    if (!tbCmr->findKey({belegNr}))
        return false;
    setBelegNr(belegNr);
    tbCmrFolg->setRange({belegNr}, {belegNr});
    positionen_ = tbCmrFolg->recordCount();
    return true;
}

bool TfrmCmr_d::drucken()
{
    // Without the row "CMR" in the print settings there is nothing to print on.
    if (!einstellungen().tabelle().locate(QStringLiteral("name"), {cmrSeite}))
        return true;
    const bool weiss = RadioGroup2->itemIndex() == WeissesPapier;
    const QString aufforderung = weiss ? QStringLiteral("Bitte Weißes Papier in den Drucker einlegen !")
                                       : QStringLiteral("Bitte Formular Cmr in den Drucker einlegen !");
    if (ui::messageDlg(aufforderung, ui::MessageType::Information, ui::Buttons::OkCancel) != ui::ModalResult::Ok)
        return true;
    if (positionen_ == 0) {
        ui::showInformation(
            QStringLiteral("Bitte geben Sie eine Position ein, \r\ndamit ein gültiger Beleg gedruckt werden kann !"));
        return true;
    }
    auftraege_ = std::make_unique<Druckauftraege>(einstellungen());
    laufendeAuftraege_ = auftraege_.get();
    struct Aufraeumen
    {
        TfrmCmr_d *dialog;
        ~Aufraeumen()
        {
            dialog->laufendeAuftraege_ = nullptr;
            dialog->auftraege_.reset();
        }
    } aufraeumen{this};
    const int kopien = auftraege_->kopien(cmrSeite);
    for (int kopie = 0; kopie < kopien; ++kopie) {
        for (int blatt = 1; blatt <= blaetter(); ++blatt)
            SeiteDrucken(blatt);
    }
    return true;
}

void TfrmCmr_d::SeiteDrucken(int blatt)
{
    // Begun, form, header, lines, permit marks.
    const Blattfortschritt fortschritt(*this, QList<int>{10, 30, 50, 80, 100});
    const bool weiss = RadioGroup2->itemIndex() == WeissesPapier;
    print::Canvas &canvas = auftraege_->auftragBeginnen(cmrSeite, QStringLiteral("CMR - Frachtbrief"));
    canvas.setBrushStyle(print::BrushStyle::Clear);
    canvas.setFontColor(Qt::black);
    fortschrittSchritt();
    if (weiss)
        CmrFormular().zeichnen(canvas);
    fortschrittSchritt();

    Druckkontext k = druckkontextInAusdruckschrift();
    k.kopf = tbCmr;
    k.position = tbCmrFolg;
    k.blatt = blatt;
    k.blaetter = blaetter();
    k.positionen = positionen_;
    k.weissesPapier = weiss;
    if (weiss) {
        canvas.setFont(QStringLiteral("Arial"), 2.5);
        canvas.textOut(1550, 160, QStringLiteral("Nr.:"));
    }
    positionenDrucken(canvas, CmrKopfPositionen(), k);
    fortschrittSchritt();

    tbCmrFolg->findNearest({belegNr(), aufteilung.erstePosition(blatt)});
    for (int zeile = 0; zeile < aufteilung.positionenAuf(blatt, positionen_) && !tbCmrFolg->eof(); ++zeile) {
        k.dy = cmrZeilenabstand * zeile;
        positionenDrucken(canvas, CmrZeilenPositionen(), k);
        tbCmrFolg->next();
    }
    fortschrittSchritt();
    k.dy = 0;
    positionenDrucken(canvas, CmrGenehmigungPositionen(), k);
    fortschrittSchritt();
    auftraege_->auftragBeenden();
}
