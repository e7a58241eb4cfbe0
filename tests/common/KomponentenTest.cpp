#include "RegisterTestbasis.h"

#include "common/Datensatzsperre.h"
#include "common/Formhelfer.h"
#include "common/Programmzustand.h"
#include "common/TExDBEdit.h"
#include "common/TSR_dbGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/SpeedButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

TEST(Formhelfer, ScrollDelta)
{
    struct Fall
    {
        int oben, hoehe, ergebnis;
    };
    for (const Fall &fall : {Fall{300, 400, 0}, Fall{301, 400, 300}, Fall{10, 3, 3}, Fall{0, 0, 0}, Fall{76, 101, 0}, Fall{77, 101, 76}}) {
        SCOPED_TRACE(testing::Message() << fall.oben << ", " << fall.hoehe);
        EXPECT_EQ(ScrollDelta(fall.oben, fall.hoehe), fall.ergebnis);
    }
}

TEST(Formhelfer, DialogTopNearButton)
{
    struct Fall
    {
        int knopf, dialog, ergebnis;
    };
    for (const Fall &fall : {Fall{300, 200, 144}, Fall{100, 200, 175}, Fall{205, 200, 49}, Fall{204, 200, 279}}) {
        SCOPED_TRACE(testing::Message() << fall.knopf << ", " << fall.dialog);
        EXPECT_EQ(DialogTopNearButton(fall.knopf, fall.dialog), fall.ergebnis);
    }
}

// The registers' speed buttons cast a black shadow 3 pixels right and
// down; other controls and hidden buttons cast none.
TEST(Formhelfer, KnopfSchattenBehindSpeedButtonsOnly)
{
    QWidget flaeche;
    flaeche.resize(200, 100);
    QPalette hell = flaeche.palette();
    hell.setColor(QPalette::Window, Qt::white);
    flaeche.setPalette(hell);
    flaeche.setAutoFillBackground(true);
    auto *knopf = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("&Neu"), &flaeche);
    knopf->setGeometry(10, 10, 40, 20);
    auto *versteckt = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("&Löschen"), &flaeche);
    versteckt->setGeometry(60, 10, 40, 20);
    versteckt->hide();
    auto *text = new QLabel(QStringLiteral("Beleg"), &flaeche);
    text->setGeometry(110, 10, 40, 20);
    KnopfSchattenZeigen(&flaeche);
    KnopfSchattenZeigen(&flaeche);
    flaeche.show();

    const QImage bild = flaeche.grab().toImage();
    const auto farbe = [&](int x, int y) { return bild.pixelColor(x, y); };
    EXPECT_EQ(farbe(51, 31), QColor(Qt::black)) << "below and right of the button";
    EXPECT_EQ(farbe(52, 32), QColor(Qt::black));
    EXPECT_NE(farbe(53, 33), QColor(Qt::black)) << "three pixels, no more";
    EXPECT_NE(farbe(101, 31), QColor(Qt::black)) << "a hidden button";
    EXPECT_NE(farbe(151, 31), QColor(Qt::black)) << "a label";

    QImage leer(20, 20, QImage::Format_RGB32);
    leer.fill(Qt::white);
    QPainter canvas(&leer);
    ButtonSchatten(canvas, text, Qt::black, 3);
    canvas.end();
    EXPECT_EQ(leer.pixelColor(10, 10), QColor(Qt::white));
}

TEST(Formhelfer, FeldgruppeMarkierenSkipsMissingEdits)
{
    const Programmzustand vorher = programmzustand();
    programmzustand().EingabeFelderFont.Color = sys::fromQColor(Qt::darkBlue);
    programmzustand().EingabeFelderFont.Italic = true;

    QLineEdit dritte;
    FeldgruppeMarkieren(nullptr, nullptr, &dritte, 1);
    EXPECT_EQ(dritte.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(dritte.font().bold());
    FeldgruppeMarkieren(nullptr, nullptr, &dritte, 2);
    EXPECT_TRUE(dritte.font().bold()) << "another mark changes nothing";
    FeldgruppeMarkieren(nullptr, nullptr, &dritte, 0);
    EXPECT_EQ(dritte.palette().color(QPalette::Text), QColor(Qt::darkBlue));
    EXPECT_FALSE(dritte.font().bold());
    EXPECT_TRUE(dritte.font().italic());
    programmzustand() = vorher;
}

TEST(Datensatzsperre, NoDocumentIsEverLocked)
{
    DatensatzSperren(QStringLiteral("EINHEIT"), QStringLiteral("5"));
    DatensatzSperren(QStringLiteral("EINHEIT"), QStringLiteral("5"));
    EXPECT_FALSE(IstDatensatzGesperrt(QStringLiteral("EINHEIT"), QStringLiteral("5")));
    DatensatzFreigeben(QStringLiteral("EINHEIT"), QStringLiteral("5"));
    DatensatzFreigeben(QStringLiteral("EINHEIT"), QStringLiteral("6"));
    EXPECT_FALSE(IstDatensatzGesperrt(QStringLiteral("EINHEIT"), QStringLiteral("6")));
}

// One wheel message moves the grid's dataset one record, however far the
// wheel went; towards the user (negative) to the next one.
class GridTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 1; i <= 5; ++i)
            familie.kopfAnlegen(i, QStringLiteral("Kunde %1").arg(i));
        familie.oeffnen();
        gitter.resize(400, 300);
        gitter.show();
    }

    void rad(int weite)
    {
        const QPointF mitte(gitter.width() / 2.0, gitter.height() / 2.0);
        QWheelEvent ereignis(mitte, gitter.mapToGlobal(mitte), QPoint(), QPoint(0, weite), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(gitter.viewport(), &ereignis);
    }
    int beleg() { return familie.kopf->field(0).asInteger(); }

    Testfamilie familie;
    TSR_dbGrid gitter;
};

TEST_F(GridTest, WheelMovesOneRecordPerMessage)
{
    rad(120);
    EXPECT_EQ(beleg(), 1) << "without a data source nothing moves";
    gitter.setDataSource(familie.kopfQuelle.get());
    rad(-120);
    EXPECT_EQ(beleg(), 2);
    rad(-360);
    EXPECT_EQ(beleg(), 3) << "three notches in one message move one record";
    rad(120);
    EXPECT_EQ(beleg(), 2);
    familie.kopf->last();
    rad(-120);
    EXPECT_EQ(beleg(), 5) << "the last record stays";
}

// The hot key clicks the linked button on release.
TEST(TExDBEdit, HotKeyClicksTheLinkedButtonOnRelease)
{
    ui::Form form;
    auto *edit = new TExDBEdit(form.body());
    auto *knopf = new ui::SpeedButton(QStringLiteral("sbLand"), QStringLiteral("..."), form.body());
    auto *beschriftung = new QLabel(QStringLiteral("Land"), form.body());
    beschriftung->setObjectName(QStringLiteral("lblLand"));
    auto *layout = new QVBoxLayout(form.body());
    layout->addWidget(edit);
    layout->addWidget(knopf);
    layout->addWidget(beschriftung);
    int klicks = 0;
    QObject::connect(knopf, &QAbstractButton::clicked, [&] { ++klicks; });
    QList<int> losgelassen;
    edit->OnKeyUp = [&](TExDBEdit &, int taste, Qt::KeyboardModifiers) { losgelassen << taste; };

    form.show();
    QApplication::setActiveWindow(&form);
    edit->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    auto taste = [&](QEvent::Type art, bool wiederholt = false) {
        QKeyEvent ereignis(art, Qt::Key_F9, Qt::NoModifier, QString(), wiederholt);
        QApplication::sendEvent(edit, &ereignis);
    };

    taste(QEvent::KeyPress);
    taste(QEvent::KeyRelease);
    EXPECT_EQ(klicks, 0) << "no hot key set";
    EXPECT_EQ(losgelassen, QList<int>({Qt::Key_F9}));

    edit->setHotKey(120);
    edit->setLinkedComponent(QStringLiteral("sbLand"));
    EXPECT_EQ(edit->HotKey(), 120);
    taste(QEvent::KeyPress);
    EXPECT_EQ(klicks, 0) << "pressing does nothing";
    taste(QEvent::KeyRelease, true);
    EXPECT_EQ(klicks, 0) << "holding the key clicks once, on release";
    taste(QEvent::KeyRelease);
    EXPECT_EQ(klicks, 1);

    edit->setLinkedComponent(QStringLiteral("lblLand"));
    taste(QEvent::KeyRelease);
    EXPECT_EQ(klicks, 1) << "a label is no button";
    EXPECT_EQ(losgelassen.size(), 4);
}

} // namespace
