#include "common/TfrmVorabstempler.h"

#include "platform/sys/Files.h"
#include "platform/sys/TextFile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

namespace {

const QString vorabPraefix = QStringLiteral("Feld ");

void vorabListeFuellen(QListWidget *liste, const QStringList &eintraege)
{
    liste->clear();
    for (const QString &eintrag : eintraege)
        if (!eintrag.isEmpty())
            liste->addItem(vorabPraefix + eintrag);
}

QStringList vorabEintraege(const QListWidget *liste)
{
    QStringList eintraege;
    for (int i = 0; i < liste->count(); ++i) {
        QString text = liste->item(i)->text();
        if (text.startsWith(vorabPraefix))
            text = text.mid(vorabPraefix.size());
        eintraege << text;
    }
    return eintraege;
}

} // namespace

TfrmVorabstempler::TfrmVorabstempler(QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmVorabstempler"));
    setWindowTitle(QStringLiteral("Parameter - Vorabstempler"));
    ListBox1 = new QListWidget(body());
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2 = new QListWidget(body());
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    for (QListWidget *liste : {ListBox1, ListBox2})
        liste->setSortingEnabled(true);
    SpeedButton1 = new QToolButton(body());
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setArrowType(Qt::RightArrow);
    SpeedButton2 = new QToolButton(body());
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setArrowType(Qt::LeftArrow);
    BtnOK = new QPushButton(QStringLiteral("OK"), body());
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), body());
    BtnAbbruch->setObjectName(QStringLiteral("BtnAbbruch"));

    auto *raster = new QGridLayout(body());
    raster->addWidget(new QLabel(QStringLiteral("Unbedruckte Felder"), body()), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Bedruckte Felder"), body()), 0, 2);
    raster->addWidget(ListBox1, 1, 0, 2, 1);
    raster->addWidget(SpeedButton1, 1, 1);
    raster->addWidget(SpeedButton2, 2, 1);
    raster->addWidget(ListBox2, 1, 2, 2, 1);
    raster->addWidget(new QLabel(QStringLiteral("* Feld 42 = Den Ausdruck von RET-EXP und EUR"), body()), 3, 0, 1, 3);
    raster->addWidget(BtnOK, 4, 0);
    raster->addWidget(BtnAbbruch, 4, 2);

    connect(SpeedButton1, &QToolButton::clicked, this, [this] { verschieben(ListBox1, ListBox2); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { verschieben(ListBox2, ListBox1); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, SpeedButton1, &QToolButton::click);
    connect(ListBox2, &QListWidget::itemDoubleClicked, SpeedButton2, &QToolButton::click);
    connect(BtnOK, &QPushButton::clicked, this, ui::guarded([this] { OKClick(); }));
    connect(BtnAbbruch, &QPushButton::clicked, this, [this] {
        schliessen_ = true;
        setModalResult(ui::ModalResult::Cancel);
    });
}

TfrmVorabstempler::~TfrmVorabstempler() = default;

void TfrmVorabstempler::Ausfuehren(const QString &unbedruckt, const QString &bedruckt, const QString &vorgabe)
{
    unbedruckt_ = unbedruckt;
    bedruckt_ = bedruckt;
    vorgabe_ = vorgabe;
    schliessen_ = false;
    laden();
    showModal();
}

// An unreadable list is no error here: the left one falls back to the
// default list, the right one starts empty.
void TfrmVorabstempler::laden()
{
    QStringList links;
    try {
        links = sys::readTextLines(unbedruckt_, sys::CodePage::Windows1252);
    } catch (const std::exception &) {
        links = vorgabe_.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    }
    QStringList rechts;
    try {
        rechts = sys::readTextLines(bedruckt_, sys::CodePage::Windows1252);
    } catch (const std::exception &) {
    }
    vorabListeFuellen(ListBox1, links);
    vorabListeFuellen(ListBox2, rechts);
}

void TfrmVorabstempler::verschieben(QListWidget *von, QListWidget *nach)
{
    const int zeile = von->currentRow();
    if (zeile < 0 || !von->currentItem() || !von->currentItem()->isSelected()) {
        if (von->count() > 0)
            von->setCurrentRow(0);
        return;
    }
    nach->addItem(von->item(zeile)->text());
    delete von->takeItem(zeile);
    von->setCurrentRow(zeile < von->count() ? zeile : -1);
    if (zeile >= von->count())
        von->clearSelection();
}

void TfrmVorabstempler::OKClick()
{
    sys::writeTextLines(unbedruckt_, vorabEintraege(ListBox1), sys::CodePage::Windows1252);
    sys::writeTextLines(bedruckt_, vorabEintraege(ListBox2), sys::CodePage::Windows1252);
    schliessen_ = true;
    setModalResult(ui::ModalResult::Ok);
}

bool TfrmVorabstempler::closeQuery()
{
    if (schliessen_)
        return true;
    return ui::confirm(QStringLiteral("Möchten Sie eventuelle Änderungen verwerfen?"));
}

void VorablistenAnlegen(const QString &unbedruckt, const QString &bedruckt)
{
    for (const QString &datei : {unbedruckt, bedruckt}) {
        if (!sys::fileExists(datei))
            sys::writeTextLines(datei, {}, sys::CodePage::Windows1252);
    }
}
