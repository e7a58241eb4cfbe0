#include <gtest/gtest.h>

#include "platform/print/PrintError.h"
#include "platform/print/PrinterBackend.h"
#include "platform/print/Printers.h"

using namespace print;

TEST(Printers, StoredNameCountsOnlyWhileThatPrinterIsInstalled)
{
    const PrinterList printers{{QStringLiteral("Kyocera-FS-1370DN"), QStringLiteral("HP_LaserJet_4050"),
                                QStringLiteral("Nadeldrucker")},
                               QStringLiteral("HP_LaserJet_4050")};
    struct Case
    {
        const char *stored;
        const char *resolved;
    };
    const Case cases[] = {
        {"HP_LaserJet_4050", "HP_LaserJet_4050"},
        {"hp_laserjet_4050", "HP_LaserJet_4050"}, // CUPS names ignore case
        {" Nadeldrucker ", "Nadeldrucker"},
        {"Canon-Abteilung2", ""}, // removed since: not silently another printer
        {"", ""},
        {"-1", ""},
        {"LPT1", ""},
        {"2", ""}, // an old list position names no printer
    };
    for (const Case &c : cases) {
        EXPECT_EQ(printers.resolve(QString::fromUtf8(c.stored)), QString::fromUtf8(c.resolved)) << c.stored;
        EXPECT_EQ(printers.isChosen(QString::fromUtf8(c.stored)), *c.resolved != 0) << c.stored;
    }
}

TEST(Printers, NoPrinterInstalledMeansNoneChosen)
{
    const PrinterList none;
    EXPECT_FALSE(none.isChosen(QStringLiteral("HP_LaserJet_4050")));
}

TEST(Printers, BackendRefusesAPrinterThatIsNotInstalled)
{
    const QString name = QStringLiteral("Gibt-es-nicht-4711");
    ASSERT_FALSE(PrinterList::installed().isChosen(name));
    try {
        PrinterBackend backend(name);
        FAIL() << "a missing printer must not fall back to another one";
    } catch (const PrintError &error) {
        EXPECT_TRUE(error.message().contains(name)) << error.message().toStdString();
    }
}
