#include "platform/sys/Files.h"
#include "platform/sys/ProgramVersion.h"
#include "platform/sys/TextFile.h"
#include "platform/sys/WindowsSubstitutes.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Points the program folder at a temporary folder for one test.
class ProgramFolderOverride
{
public:
    explicit ProgramFolderOverride(const QString &folder) : previous_(qgetenv("RAZAZU_HOME"))
    {
        qputenv("RAZAZU_HOME", folder.toUtf8());
    }
    ~ProgramFolderOverride()
    {
        if (previous_.isEmpty())
            qunsetenv("RAZAZU_HOME");
        else
            qputenv("RAZAZU_HOME", previous_);
    }

private:
    QByteArray previous_;
};

TEST(TextFiles, Windows1252WithCrLfForFilesThatLeaveTheSystem)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("intra.asc"));
    sys::writeTextLines(path, {QStringLiteral("22Müller €"), QStringLiteral("Straße")}, sys::CodePage::Windows1252);

    EXPECT_EQ(sys::readFileBytes(path), QByteArray("22M\xFCller \x80\r\nStra\xDF" "e\r\n"));
    EXPECT_EQ(sys::readTextLines(path, sys::CodePage::Windows1252),
              (QStringList{QStringLiteral("22Müller €"), QStringLiteral("Straße")}));
}

TEST(TextFiles, UnmappableCharactersKeepTheLineWidth)
{
    int replaced = 0;
    const QByteArray bytes = sys::encodeText(QStringLiteral("Łódź 東"), sys::CodePage::Windows1252, &replaced);
    EXPECT_EQ(bytes, QByteArray("?\xF3" "d? ?"));
    EXPECT_EQ(replaced, 3);
    // The bytes Windows-1252 leaves undefined still come back as characters.
    EXPECT_EQ(sys::decodeText(QByteArray("a\x81z"), sys::CodePage::Windows1252), QStringLiteral("a\u0081z"));
}

TEST(TextFiles, ReadsAnyLineEndingAndAUtf8Signature)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Aenderung.txt"));
    sys::writeFileBytes(path, QByteArray("\xEF\xBB\xBF" "eins\r\nzwei\ndrei\rvier"));
    EXPECT_EQ(sys::readTextLines(path, sys::CodePage::Utf8),
              (QStringList{QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei"), QStringLiteral("vier")}));
}

TEST(TextFiles, AFailedWriteLeavesTheOldFileAndSaysSo)
{
    TempFolder folder;
    EXPECT_THROW(sys::writeTextFile(folder.file(QStringLiteral("fehlt/x.txt")), QStringLiteral("x"), sys::CodePage::Utf8),
                 sys::FileSystemError);
    EXPECT_THROW(sys::readTextFile(folder.file(QStringLiteral("nicht-da.txt")), sys::CodePage::Utf8), sys::FileSystemError);

    const QString log = folder.file(QStringLiteral("Log.txt"));
    sys::appendTextLines(log, {QStringLiteral("erste")}, sys::CodePage::Windows1252);
    sys::appendTextLines(log, {QStringLiteral("zweite")}, sys::CodePage::Windows1252);
    EXPECT_EQ(sys::readFileBytes(log), QByteArray("erste\r\nzweite\r\n"));
}

TEST(Files, ProgramFolderEndsWithASeparator)
{
    TempFolder folder;
    {
        ProgramFolderOverride home(folder.path());
        EXPECT_EQ(sys::programFolder(), folder.path() + QLatin1Char('/'));
    }
    EXPECT_TRUE(sys::programFolder().endsWith(QLatin1Char('/')));
    EXPECT_EQ(sys::withoutTrailingSeparator(QStringLiteral("/daten/")), QStringLiteral("/daten"));
    EXPECT_EQ(sys::withoutTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(sys::joinPath(QStringLiteral("/a/"), QStringLiteral("/b.txt")), QStringLiteral("/a/b.txt"));
}

TEST(Files, NamesFromWindowsAreFoundWhateverTheirCase)
{
    TempFolder folder;
    sys::writeFileBytes(folder.file(QStringLiteral("AENDERUNG.TXT")), "x");
    const auto found = sys::findFileIgnoringCase(folder.path(), QStringLiteral("Aenderung.txt"));
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->endsWith(QStringLiteral("AENDERUNG.TXT")));
    EXPECT_FALSE(sys::findFileIgnoringCase(folder.path(), QStringLiteral("Log.txt")));
}

TEST(Files, MoveRefusesAMissingSourceOrAnExistingTarget)
{
    TempFolder folder;
    const QString active = folder.file(QStringLiteral("Z_Tavero.exe.manifest"));
    const QString parked = folder.file(QStringLiteral("_Z_Tavero.exe.manifest"));
    sys::writeFileBytes(parked, "m");
    EXPECT_TRUE(sys::moveFile(parked, active));
    EXPECT_FALSE(sys::moveFile(parked, active));
    sys::writeFileBytes(parked, "n");
    EXPECT_FALSE(sys::moveFile(parked, active));
    EXPECT_EQ(sys::readFileBytes(active), QByteArray("m"));

    EXPECT_THROW(sys::copyFile(parked, active), sys::FileSystemError);
    sys::copyFile(parked, active, true);
    EXPECT_EQ(sys::readFileBytes(active), QByteArray("n"));
    EXPECT_TRUE(sys::removeFile(active));
    EXPECT_TRUE(sys::removeFile(active));
}

TEST(Files, VersionComesFromTheBuild)
{
    const sys::FileVersion version = sys::programVersion();
    EXPECT_EQ(version.text(), QString::fromLatin1(version::text));
    EXPECT_EQ(version.major, version::major);
}

TEST(WindowsSubstitutes, ProgramFoldersComeFromTheIniFile)
{
    TempFolder folder;
    ProgramFolderOverride home(folder.path());
    EXPECT_FALSE(sys::registeredProgramFolder(QStringLiteral("Pelmora.exe")));
    ASSERT_TRUE(sys::registerProgramFolder(QStringLiteral("Pelmora.exe"), QStringLiteral("/opt/zahlung/")));
    EXPECT_EQ(sys::registeredProgramFolder(QStringLiteral("pelmora.exe")), QStringLiteral("/opt/zahlung/"));
    EXPECT_TRUE(sys::readFileBytes(folder.file(QStringLiteral("Razazu.ini"))).contains("[App Paths]"));
    EXPECT_EQ(sys::manualPath(), folder.path() + QStringLiteral("/Handbuch/Handbuch.html"));
}

} // namespace
