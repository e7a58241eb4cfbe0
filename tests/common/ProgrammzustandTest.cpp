#include "common/Parameter.h"
#include "common/Programmzustand.h"

#include "platform/ui/SpeedButton.h"

#include <gtest/gtest.h>

namespace {

// The forms of every folder read the program state without the main window:
// what the options set is what a form created afterwards shows.
TEST(Programmzustand, FormsTakeWhatTheOptionsSetWhenTheyAreCreated)
{
    const Programmzustand vorher = programmzustand();
    programmzustand() = Programmzustand();

    // The options' defaults.
    ui::Appearance aussehen = Erscheinungsbild();
    EXPECT_EQ(aussehen.inputFields.font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(aussehen.inputFields.font.pointSize(), 10);
    EXPECT_EQ(aussehen.documentLabels.color, QColor(Qt::blue));
    EXPECT_EQ(aussehen.background, sys::toQColor(sys::colors::buttonFace));
    EXPECT_EQ(AktuelleBelegNr, 1);

    programmzustand().StammdatenAnzeigeFont.uebernehmen(QFont(QStringLiteral("Liberation Serif"), 12));
    programmzustand().HinterGrundFarbe = sys::colors::yellow;
    aussehen = Erscheinungsbild();
    EXPECT_EQ(aussehen.masterDataLabels.font.family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(aussehen.masterDataLabels.color, QColor(Qt::blue)) << "a new font keeps the colour";
    EXPECT_EQ(aussehen.background, QColor(Qt::yellow));

    // Frames need both the desktop and the option.
    for (const bool desktop : {false, true}) {
        for (const bool option : {false, true}) {
            SpeedButtonsMitRahmen = desktop;
            programmzustand().XP_Themes = option;
            TfrmParameter dialog;
            EXPECT_EQ(dialog.SpeedButton1->isFlat(), !(desktop && option)) << desktop << option;
        }
    }

    AktuelleBelegNr = 17;
    EXPECT_EQ(programmzustand().AktuelleBelegNr, 17) << "the registers' global is the state's";
    programmzustand() = vorher;
}

} // namespace
