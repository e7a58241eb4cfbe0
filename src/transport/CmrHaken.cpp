#include "transport/CmrHaken.h"

#include "common/Belegformular.h"
#include "common/Programmzustand.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/db/TextFormat.h"
#include "platform/ui/ScrollBox.h"
#include "transport/Cmr.h"
#include "transport/TfrmCmr_d.h"

#include <QDate>
#include <QGridLayout>
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

// The head of the paper form, top right above the boxes.
void CmrHaken::eingabeformularGebaut(Belegformular &formular)
{
    auto *raster = qobject_cast<QGridLayout *>(formular.ScrollBox1->content()->layout());
    if (!raster)
        return;
    auto *kopf = new QWidget(formular.ScrollBox1->content());
    auto *spalte = new QVBoxLayout(kopf);
    for (const QString &zeile : {QStringLiteral("INTERNATIONALER"), QStringLiteral("FRACHTBRIEF"),
                                 QStringLiteral("LETTRE DE VOITURE"), QStringLiteral("INTERNATIONAL")}) {
        auto *label = new QLabel(zeile, kopf);
        label->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        label->setStyleSheet(QStringLiteral("color: black"));
        spalte->addWidget(label);
    }
    spalte->addWidget(new CmrEllipse(Erscheinungsbild().background, kopf));
    spalte->addStretch();
    raster->addWidget(kopf, 0, 2, 4, 1, Qt::AlignTop | Qt::AlignLeft);
}

void CmrHaken::druckformularZeigen(TfrmRegie &regie, int belegNr)
{
    belegdruckZeigen<TfrmCmr_d>(CmrFrachtbrief(), belegNr, &regie);
}
