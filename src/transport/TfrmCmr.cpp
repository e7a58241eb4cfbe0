#include "transport/TfrmCmr.h"

#include "common/Programmzustand.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmRegie.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/db/TextFormat.h"
#include "platform/ui/Appearance.h"
#include "transport/Cmr.h"
#include "transport/TfrmCmrFolg.h"
#include "transport/TfrmCmr_Plausi.h"
#include "transport/TfrmCmr_d.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

TfrmCmr *frmCmr = nullptr;

namespace {

// "C M R" in an ellipse filled with the form's background.
class CmrEllipse : public QLabel
{
public:
    CmrEllipse(const QColor &fuellung, QWidget *parent) : QLabel(QStringLiteral("C M R"), parent), fuellung_(fuellung)
    {
        setObjectName(QStringLiteral("lblCmr"));
        setAlignment(Qt::AlignCenter);
        setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
        setMinimumSize(sizeHint() + QSize(40, 20));
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter maler(this);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(Qt::black);
        maler.setBrush(fuellung_);
        maler.drawEllipse(rect().adjusted(1, 1, -1, -1));
        maler.end();
        QLabel::paintEvent(event);
    }

private:
    QColor fuellung_;
};

// The head of the paper form, top right: the four title lines, and the
// "C M R" ellipse above the CMR number.
void cmrKopfBauen(Eingabeformular &form)
{
    auto *titel = new QWidget;
    auto *zeilen = new QVBoxLayout(titel);
    for (const QString &zeile : {QStringLiteral("INTERNATIONALER"), QStringLiteral("FRACHTBRIEF"),
                                 QStringLiteral("LETTRE DE VOITURE"), QStringLiteral("INTERNATIONAL")}) {
        auto *label = new QLabel(zeile, titel);
        label->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        label->setStyleSheet(QStringLiteral("color: black"));
        zeilen->addWidget(label);
    }
    zeilen->addStretch();
    form.aufPapierSetzen(titel, {1090, 120, 1540, 370});

    auto *oval = new QWidget;
    auto *mitte = new QHBoxLayout(oval);
    mitte->addWidget(new CmrEllipse(Erscheinungsbild().background, oval), 0, Qt::AlignCenter);
    form.aufPapierSetzen(oval, {1540, 120, 2020, 245});
}

} // namespace

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
    cmrKopfBauen(*this);
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
    liste->setColumns({{QStringLiteral("Pos"), QStringLiteral("Pos."), liste->widthFor(4)},
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
