#include "Interaction.h"

#include "platform/ui/Appearance.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/WaitCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace interaction;

namespace {

TEST(ScrollBox, ScrollDeltaKeepsWorkInTheUpperThreeQuarters)
{
    struct Case { int top; int height; int expected; };
    for (const Case &c : {Case{300, 400, 0}, {301, 400, 300}, {10, 3, 3}, {0, 0, 0}, {-5, 400, 0}})
        EXPECT_EQ(ui::ScrollBox::scrollDelta(c.top, c.height), c.expected) << c.top << "/" << c.height;
}

TEST(ScrollBox, TheWheelScrollsByItsDistanceAndAFieldLowDownScrollsUp)
{
    ui::ScrollBox box;
    box.resize(300, 400);
    box.content()->setMinimumSize(280, 3000);
    auto *low = new QLineEdit(box.content());
    low->move(10, 700);
    showActive(box);

    box.setPosition(500);
    wheel(box.viewport(), 120);    // one notch away from the user: up
    EXPECT_EQ(box.position(), 380);
    wheel(box.viewport(), -360);
    EXPECT_EQ(box.position(), 740);

    box.setPosition(0);
    box.keepInUpperThreeQuarters(low);
    EXPECT_EQ(box.position(), ui::ScrollBox::scrollDelta(700, box.viewport()->height()));
    EXPECT_GT(box.position(), 0);
}

TEST(WaitCursor, ComesBackAlsoAfterAnException)
{
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    try {
        ui::WaitCursor outer;
        ui::WaitCursor inner;
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw std::runtime_error("Register kann nicht geöffnet werden");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(StatusBar, PanelsKeepTheirTexts)
{
    ui::StatusBar bar;
    bar.setPanels({450, 150});
    bar.setPanelText(1, QStringLiteral("Mittwoch den 10. Dezember 2025, 09:05:03"));
    bar.setPanelText(3, QStringLiteral("Drucker: PDF"));
    EXPECT_EQ(bar.panelCount(), 4);
    EXPECT_EQ(bar.panel(0)->width(), 450);
    bar.setPanels({450, 150});
    EXPECT_EQ(bar.panelCount(), 2);
    EXPECT_EQ(bar.panelText(1), QStringLiteral("Mittwoch den 10. Dezember 2025, 09:05:03"));
    EXPECT_FALSE(bar.autoHint());
    EXPECT_FALSE(bar.showHint(QStringLiteral("x")));
    EXPECT_EQ(bar.panelText(0), QString());
}

TEST(Appearance, UserFontsGoToLabelsAndTheBackgroundToTheForm)
{
    ui::Form form;
    auto *label = new QLabel(QStringLiteral("Empfänger"), form.body());
    auto *plainEdit = new QLineEdit(form.body());
    auto *button = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Erste"), form.body());
    form.statusBar()->setPanelText(0, QStringLiteral("Hinweis"));

    ui::Appearance appearance;
    appearance.masterDataLabels.font = QFont(QStringLiteral("Liberation Serif"), 12);
    appearance.masterDataLabels.color = QColor(Qt::darkGreen);
    appearance.background = QColor(QStringLiteral("#FFEECC"));
    appearance.framedSpeedButtons = true;
    const QFont editFont = plainEdit->font();
    ui::applyAppearance(&form, appearance, ui::LabelFont::MasterData);

    EXPECT_EQ(label->font().pointSize(), 12);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(QStringLiteral("#FFEECC")));
    EXPECT_EQ(plainEdit->font(), editFont);
    EXPECT_FALSE(button->isFlat());
    EXPECT_NE(form.statusBar()->panel(0)->font().pointSize(), 12);
}

TEST(SpeedButton, TakesNoFocusAndGroupedButtonsStayDownOneAtATime)
{
    QWidget panel;
    ui::SpeedButton german(QStringLiteral("sbDeutsch"), QStringLiteral("&Deutsch"), &panel);
    ui::SpeedButton english(QStringLiteral("sbEnglisch"), QStringLiteral("&Englisch"), &panel);
    ui::SpeedButton loose(QStringLiteral("sbAndere"), QStringLiteral("Andere"), &panel);
    german.setGroupIndex(1);
    english.setGroupIndex(1);
    EXPECT_EQ(german.focusPolicy(), Qt::NoFocus);

    german.click();
    EXPECT_TRUE(german.isChecked());
    german.click();
    EXPECT_TRUE(german.isChecked());   // the group keeps one down
    english.click();
    EXPECT_TRUE(english.isChecked());
    EXPECT_FALSE(german.isChecked());
    loose.click();
    EXPECT_FALSE(loose.isChecked());
}

TEST(Menus, ItemsCarryNamesAndHintsAndPopUpAtTheMouse)
{
    ui::Form form;
    form.statusBar()->setAutoHint(true);
    QMenu *services = ui::addSubMenu(form.menuBar(), QStringLiteral("Dienste1"), QStringLiteral("&Dienste   "),
                                     QStringLiteral("Dienste "));
    QAction *options = ui::addMenuItem(services, QStringLiteral("Optionen1"), QStringLiteral("&Optionen"),
                                       QStringLiteral("Optionen bearbeiten"));
    EXPECT_EQ(form.findChild<QAction *>(QStringLiteral("Optionen1")), options);
    EXPECT_EQ(services->title(), QStringLiteral("&Dienste   "));
    options->showStatusText(&form);
    EXPECT_EQ(form.statusBar()->panelText(0), QStringLiteral("Optionen bearbeiten"));

    auto *popup = new QMenu(&form);
    QAction *domestic = ui::addMenuItem(popup, QStringLiteral("Inland1"), QStringLiteral("Inland"),
                                        QStringLiteral("Paketkarte Inland"));
    QCursor::setPos(QPoint(120, 80));
    ui::popupAtCursor(popup);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->geometry().topLeft(), QCursor::pos());
    Q_EMIT popup->hovered(domestic);
    EXPECT_EQ(form.statusBar()->panelText(0), QStringLiteral("Paketkarte Inland"));
    popup->close();
    EXPECT_EQ(form.statusBar()->panelText(0), QString());
}

} // namespace
