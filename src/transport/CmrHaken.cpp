#include "transport/CmrHaken.h"

#include "common/Belegformular.h"
#include "common/Programmzustand.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/db/TextFormat.h"
#include "transport/Cmr.h"
#include "transport/TfrmCmr_d.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

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

} // namespace

// The note is issued today unless the clerk says otherwise.
void CmrHaken::nachNeu(TfrmRegie &regie)
{
    db::Table &kopf = regie.kopf();
    if (kopf.state() == db::DatasetState::Browse)
        kopf.edit();
    kopf.fieldByName(QStringLiteral("C21_2")).setAsString(db::formatDate(QDate::currentDate()));
    kopf.post();
}

// The head of the paper form, top right: the four title lines, and the
// "C M R" ellipse above the CMR number.
void CmrHaken::eingabeformularGebaut(Belegformular &formular)
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
    formular.aufPapierSetzen(titel, {1090, 120, 1540, 370});

    auto *oval = new QWidget;
    auto *mitte = new QHBoxLayout(oval);
    mitte->addWidget(new CmrEllipse(Erscheinungsbild().background, oval), 0, Qt::AlignCenter);
    formular.aufPapierSetzen(oval, {1540, 120, 2020, 245});
}

void CmrHaken::druckformularZeigen(TfrmRegie &regie, int belegNr)
{
    belegdruckZeigen<TfrmCmr_d>(CmrFrachtbrief(), belegNr, &regie);
}
