#include "transport/TfrmCmr.h"

#include "common/TSR_dbGrid.h"
#include "common/TfrmRegie.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/db/TextFormat.h"
#include "transport/Cmr.h"
#include "transport/TfrmCmrFolg.h"
#include "transport/TfrmCmr_Plausi.h"
#include "transport/TfrmCmr_d.h"

#include <QDate>

TfrmCmr *frmCmr = nullptr;

void CmrHaken::eingabeformularZeigen(TfrmRegie &regie, const QString &status)
{
    eingabeformularModal<TfrmCmr>(regie, status);
}

void CmrHaken::druckformularZeigen(TfrmRegie &regie, int belegNr)
{
    belegdruckZeigen<TfrmCmr_d>(CmrFrachtbrief(), belegNr, &regie);
}

// The note is issued today unless the clerk says otherwise.
void CmrHaken::nachNeu(TfrmRegie &regie)
{
    db::Table &kopf = regie.kopf();
    if (kopf.state() == db::DatasetState::Browse)
        kopf.edit();
    kopf.fieldByName(QStringLiteral("C21_2")).setAsString(db::formatDate(QDate::currentDate()));
    kopf.post();
}

TfrmCmr::TfrmCmr(TfrmRegie &regie, const QString &status, QWidget *parent)
    : Belegformular(QStringLiteral("frmCmr"), QStringLiteral("CMR-Frachtbrief"), regie, status, CmrFelder(),
                    CmrAuswahlen(), parent)
{
    frmCmr = this;
    navigator = positionsKnoepfeBauen({
        {QStringLiteral("nbFirst"), QStringLiteral("|<"), QStringLiteral("Erster Datensatz")},
        {QStringLiteral("nbPrior"), QStringLiteral("<"), QStringLiteral("Vorheriger Datensatz")},
        {QStringLiteral("nbNext"), QStringLiteral(">"), QStringLiteral("Nächster Datensatz")},
        {QStringLiteral("nbLast"), QStringLiteral(">|"), QStringLiteral("Letzter Datensatz")},
        {QStringLiteral("nbInsert"), QStringLiteral("+"), QStringLiteral("Datensatz einfügen")},
        {QStringLiteral("nbDelete"), QStringLiteral("-"), QStringLiteral("Datensatz löschen")},
        {QStringLiteral("nbEdit"), QStringLiteral("..."), QStringLiteral("Datensatz bearbeiten")},
    });
    TSR_dbGrid *liste = positionsliste();
    const int zeichen = liste->fontMetrics().averageCharWidth();
    liste->setColumns({{QStringLiteral("Pos"), QStringLiteral("Pos."), 4 * zeichen + 8},
                       {QStringLiteral("C6"), QStringLiteral("Bezeichnung")},
                       {QStringLiteral("C10"), QStringLiteral("Stat.-Nr.")},
                       {QStringLiteral("C11"), QStringLiteral("Brutto(kg)")},
                       {QStringLiteral("C12"), QStringLiteral("Umfang m³")}});
    positionen().positionsformular = [this] {
        TfrmCmrFolg formular(this->regie(), this->status(), this);
        formular.showModal();
    };
    positionen().neuBerechnen = [this] { this->regie().regie().positionsanzahlSpeichern(); };
}

TfrmCmr::~TfrmCmr()
{
    if (frmCmr == this)
        frmCmr = nullptr;
}

bool TfrmCmr::PlausiPruef()
{
    return pruefen(CmrPruefung(), pruefungAn(), [this](const QStringList &angekreuzt) {
        TfrmCmr_Plausi dialog(this);
        dialog.ankreuzen(angekreuzt);
        return dialog.showModal();
    });
}
