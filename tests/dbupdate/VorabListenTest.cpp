#include "support/TempFolder.h"

#include "dbupdate/VorabListen.h"

#include "platform/sys/Files.h"
#include "platform/sys/TextFile.h"

#include <gtest/gtest.h>

using dbupdate::Felder44Einfuegen;
using dbupdate::VorabFelder44Einfuegen;

namespace {

TEST(VorabListen, FreeTextLinesGoAfterBox44OnlyWhereMissing)
{
    struct Case
    {
        const char *what;
        QStringList before;
        QStringList after;
        bool has44;
    };
    const Case cases[] = {
        {"after 44", {"8", "44", "55"}, {"8", "44", "44_1", "44_2", "44_3", "55"}, true},
        {"no 44", {"8", "55"}, {"8", "55"}, false},
        {"all there", {"44", "44_1", "44_2", "44_3", "8"}, {"44", "44_1", "44_2", "44_3", "8"}, true},
        {"one there", {"44", "44_2", "8"}, {"44", "44_1", "44_2", "44_3", "8"}, true},
        {"one elsewhere", {"44_1", "8", "44"}, {"44_1", "8", "44", "44_2", "44_3"}, true},
        {"empty", {}, {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QStringList lines = c.before;
        EXPECT_EQ(Felder44Einfuegen(lines), c.has44);
        EXPECT_EQ(lines, c.after);
    }
}

class VorabDateien : public testing::Test
{
protected:
    QString path(const QString &name) const { return sys::joinPath(program.path(), name); }
    void write(const QString &name, const QStringList &lines)
    {
        sys::writeTextLines(path(name), lines, sys::CodePage::Windows1252);
    }
    QStringList read(const QString &name) const { return sys::readTextLines(path(name), sys::CodePage::Windows1252); }

    TempFolder program;
};

TEST_F(VorabDateien, BothListsReceiveTheLinesOnceWhenThePrintedListHas44)
{
    write(QStringLiteral("Vorab.KD1"), {"2", "44"});
    write(QStringLiteral("Vorab.KD0"), {"1", "44", "50"});
    VorabFelder44Einfuegen(program.path());
    VorabFelder44Einfuegen(program.path());
    EXPECT_EQ(read(QStringLiteral("Vorab.KD1")), (QStringList{"2", "44", "44_1", "44_2", "44_3"}));
    EXPECT_EQ(read(QStringLiteral("Vorab.KD0")), (QStringList{"1", "44", "44_1", "44_2", "44_3", "50"}));
    EXPECT_EQ(sys::readFileBytes(path(QStringLiteral("Vorab.KD1"))), QByteArray("2\r\n44\r\n44_1\r\n44_2\r\n44_3\r\n"));
}

TEST_F(VorabDateien, WithoutBox44InThePrintedListNothingChanges)
{
    write(QStringLiteral("Vorab.KD1"), {"2", "8"});
    write(QStringLiteral("Vorab.KD0"), {"44"});
    VorabFelder44Einfuegen(program.path());
    EXPECT_EQ(read(QStringLiteral("Vorab.KD1")), (QStringList{"2", "8"}));
    EXPECT_EQ(read(QStringLiteral("Vorab.KD0")), (QStringList{"44"}));
}

TEST_F(VorabDateien, MissingListsStayMissing)
{
    VorabFelder44Einfuegen(program.path());
    EXPECT_FALSE(sys::fileExists(path(QStringLiteral("Vorab.KD1"))));
    EXPECT_FALSE(sys::fileExists(path(QStringLiteral("Vorab.KD0"))));
}

TEST_F(VorabDateien, ListsBroughtOverFromWindowsAreFoundWhateverTheirCase)
{
    write(QStringLiteral("VORAB.KD1"), {"44"});
    VorabFelder44Einfuegen(program.path());
    EXPECT_EQ(read(QStringLiteral("VORAB.KD1")), (QStringList{"44", "44_1", "44_2", "44_3"}));
}

} // namespace
