#include "Hauptfenster.h"

#include "app/Datenmodul.h"
#include "app/ExterneProgramme.h"

#include "common/Hersteller.h"

#include "platform/db/Table.h"
#include "platform/sys/Process.h"
#include "platform/sys/WindowsSubstitutes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

namespace {

// A program folder with scripts in place of the external programs. Each
// script writes its working folder and arguments into "lauf.txt" of the
// program folder, then waits a moment so the test can see what the main
// window looks like while it runs, and last creates "fertig.txt": found
// right after the menu item returns, it shows the item waited for the end.
class Programme : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        vorherigeSchritte_ = setDatenmodulSchritte({[this] { datenmodul << QStringLiteral("freigeben"); },
                                                    [this] { datenmodul << QStringLiteral("erzeugen"); }});
        vorherigeShell_ = sys::setShellOpenHandler([this](const QUrl &url) {
            geoeffnet << url;
            return true;
        });
    }

    void TearDown() override
    {
        sys::setShellOpenHandler(vorherigeShell_);
        setDatenmodulSchritte(vorherigeSchritte_);
        PelmoraPfad.clear();
        Hauptfenster::TearDown();
    }

    QString lauf() const { return programm.datei(QStringLiteral("lauf.txt")); }
    QString fertig() const { return programm.datei(QStringLiteral("fertig.txt")); }

    // Forgets the last run.
    void vergessen() const
    {
        QFile::remove(lauf());
        QFile::remove(fertig());
    }

    // A script named name in folder (created when missing).
    QString skript(const QString &ordner, const QString &name, bool ausfuehrbar = true)
    {
        QDir().mkpath(ordner);
        const QString pfad = QDir(ordner).filePath(name);
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(QStringLiteral("#!/bin/sh\n{ pwd; echo \"$@\"; } > '%1'\nsleep 0.3\n: > '%2'\n")
                        .arg(lauf(), fertig())
                        .toUtf8());
        datei.close();
        if (ausfuehrbar)
            datei.setPermissions(datei.permissions() | QFileDevice::ExeOwner);
        return pfad;
    }

    // Working folder and arguments of the last run; empty when none ran.
    QStringList gelaufen() const
    {
        QFile datei(lauf());
        if (!datei.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QStringList datenmodul;
    QList<QUrl> geoeffnet;

private:
    DatenmodulSchritte vorherigeSchritte_;
    sys::ShellOpenHandler vorherigeShell_;
};

QString ohneTrenner(const QString &ordner)
{
    return QDir::cleanPath(ordner);
}

// The reorganisation runs with none of the program's tables open and the
// data module freed; both are back when it returns.
TEST_F(Programme, TheReorganisationRunsWithTheTablesClosedAndReopensThem)
{
    for (const QString &name : {QStringLiteral("Reorganisation.exe"), QStringLiteral("Reorganisation"),
                                QStringLiteral("REORGANISATION.EXE")}) {
        SCOPED_TRACE(name.toStdString());
        vergessen();
        const QString datei = skript(programm.pfad(), name);
        datenmodul.clear();
        const auto main = starten();
        main->Table1->setDatabase(main->Database1);
        main->Table1->open();

        bool offenWaehrendDesLaufs = false;
        int proben = 0;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            ++proben;
            offenWaehrendDesLaufs |= main->tbParameter->isOpen() || main->Table1->isOpen();
        });
        probe.start(20);
        punkt(*main, QStringLiteral("mnuReorganisation"))->trigger();
        probe.stop();

        EXPECT_GT(proben, 0);
        EXPECT_FALSE(offenWaehrendDesLaufs);
        EXPECT_TRUE(QFile::exists(fertig()));
        EXPECT_EQ(gelaufen(), QStringList{ohneTrenner(programm.pfad())});
        EXPECT_EQ(datenmodul, (QStringList{QStringLiteral("freigeben"), QStringLiteral("erzeugen")}));
        EXPECT_TRUE(main->tbParameter->isOpen());
        EXPECT_TRUE(main->Table1->isOpen());
        // Found in the program folder: the INI file is not asked.
        EXPECT_TRUE(ini().readString(QStringLiteral("ReorgPfad")).isEmpty());
        QFile::remove(datei);
    }
}

TEST_F(Programme, TheReorganisationIsStartedFromTheFolderStoredInTheIniFile)
{
    const QString ordner = programm.datei(QStringLiteral("Werkzeuge"));
    skript(ordner, QStringLiteral("Reorganisation.exe"));
    ini().writeString(QStringLiteral("ReorgPfad"), ordner + QLatin1Char('/'));
    const auto main = starten();

    punkt(*main, QStringLiteral("mnuReorganisation"))->trigger();

    EXPECT_EQ(gelaufen(), QStringList{ordner});
    EXPECT_TRUE(main->tbParameter->isOpen());
}

TEST_F(Programme, AFolderChosenForTheReorganisationIsStoredAndUsedAtOnce)
{
    const QString ordner = programm.datei(QStringLiteral("Reorg"));
    skript(ordner, QStringLiteral("Reorganisation.exe"));
    dialoge.answerFolder(ordner);
    const auto main = starten();

    punkt(*main, QStringLiteral("mnuReorganisation"))->trigger();

    EXPECT_EQ(ini().readString(QStringLiteral("ReorgPfad")), ordner + QLatin1Char('/'));
    EXPECT_EQ(gelaufen(), QStringList{ordner});
    EXPECT_EQ(QDir::current(), QDir(programm.pfad()));
    EXPECT_TRUE(main->tbParameter->isOpen());
    EXPECT_FALSE(ProgrammEndeAngefordert());
}

TEST_F(Programme, CancellingTheFolderChoiceOfTheReorganisationEndsTheProgram)
{
    dialoge.answerFolder(std::nullopt);
    const auto main = starten();

    punkt(*main, QStringLiteral("mnuReorganisation"))->trigger();

    EXPECT_EQ(enden, QList<ProgrammEnde>{ProgrammEnde::Beenden});
    EXPECT_TRUE(gelaufen().isEmpty());
    EXPECT_EQ(datenmodul, QStringList{QStringLiteral("freigeben")});
    EXPECT_TRUE(ini().readString(QStringLiteral("ReorgPfad")).isEmpty());
}

TEST_F(Programme, AReorganisationThatCannotStartIsReportedAndTheTablesComeBack)
{
    skript(programm.pfad(), QStringLiteral("Reorganisation.exe"), false);
    dialoge.answerMessage(QStringLiteral("Das Programm kann nicht gestartet werden!"), ui::ModalResult::Ok);
    const auto main = starten();

    punkt(*main, QStringLiteral("mnuReorganisation"))->trigger();

    EXPECT_TRUE(gelaufen().isEmpty());
    EXPECT_TRUE(main->tbParameter->isOpen());
    EXPECT_EQ(datenmodul, (QStringList{QStringLiteral("freigeben"), QStringLiteral("erzeugen")}));
    EXPECT_FALSE(ProgrammEndeAngefordert());
}

// The payment-order program is found through its "App Paths" entry, with or
// without a trailing separator, and started with "-AVE" in its folder.
TEST_F(Programme, ThePaymentOrderProgramIsFoundThroughItsAppPathsEntry)
{
    const QString ordner = programm.datei(QStringLiteral("Zahlung"));
    skript(ordner, QStringLiteral("Pelmora.exe"));
    for (const QString &eintrag : {ordner, ordner + QLatin1Char('/')}) {
        SCOPED_TRACE(eintrag.toStdString());
        vergessen();
        ASSERT_TRUE(sys::registerProgramFolder(QStringLiteral("Pelmora.exe"), eintrag));
        const auto main = starten();

        EXPECT_EQ(PelmoraPfad, ordner + QStringLiteral("/Pelmora.exe"));
        EXPECT_TRUE(main->mnuZahlungsauftrag->isVisible());
        main->mnuZahlungsauftrag->trigger();
        EXPECT_TRUE(QFile::exists(fertig()));
        EXPECT_EQ(gelaufen(), (QStringList{ordner, QStringLiteral("-AVE")}));
    }
}

TEST_F(Programme, WithoutThePaymentOrderProgramItsMenuItemStaysHidden)
{
    struct Fall
    {
        const char *name;
        std::optional<QString> eintrag;
    };
    const QString leer = programm.datei(QStringLiteral("Leer"));
    QDir().mkpath(leer);
    for (const Fall &fall : {Fall{"no entry", std::nullopt}, Fall{"empty entry", QString()},
                             Fall{"folder without the program", leer}}) {
        SCOPED_TRACE(fall.name);
        if (fall.eintrag)
            sys::registerProgramFolder(QStringLiteral("Pelmora.exe"), *fall.eintrag);
        const auto main = starten();
        EXPECT_FALSE(main->Zahlungsauftrag());
        EXPECT_FALSE(main->mnuZahlungsauftrag->isVisible());
        if (!fall.eintrag || fall.eintrag->isEmpty()) {
            EXPECT_TRUE(PelmoraPfad.isEmpty());
        }
    }
}

bool warteAufDatei(const QString &datei)
{
    QElapsedTimer zeit;
    zeit.start();
    while (!QFile::exists(datei) && zeit.elapsed() < 5000) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return QFile::exists(datei);
}

TEST_F(Programme, TheOnlineUpdateStartsTheUpdateProgramAndEndsWithoutWritingTheOptions)
{
    skript(programm.pfad(), QStringLiteral("KandrelUpdate.exe"));
    dialoge.answerMessage(QStringLiteral("Bitte warten Sie mit der Aktualisierung"), ui::ModalResult::Ok);
    const auto main = starten();
    main->Zollamt1 = QStringLiteral("geändert");

    punkt(*main, QStringLiteral("mnuOnlineUpdate"))->trigger();

    EXPECT_EQ(enden, QList<ProgrammEnde>{ProgrammEnde::Beenden});
    EXPECT_NE(ini().readString(QStringLiteral("Zollamt1")), QStringLiteral("geändert"));
    ASSERT_TRUE(warteAufDatei(lauf()));
}

TEST_F(Programme, AnOnlineUpdateThatCannotStartKeepsTheProgramRunning)
{
    dialoge.answerMessage(QStringLiteral("Bitte warten Sie mit der Aktualisierung"), ui::ModalResult::Ok)
        .answerMessage(QStringLiteral("Das Programm kann nicht gestartet werden!"), ui::ModalResult::Ok);
    const auto main = starten();

    punkt(*main, QStringLiteral("mnuOnlineUpdate"))->trigger();

    EXPECT_TRUE(enden.isEmpty());
}

TEST_F(Programme, TheManualAndTheHelpOpenTheHandbookOrSayWhyNot)
{
    const auto main = starten();
    dialoge.answerMessage(QStringLiteral("Datei wurde nicht gefunden !"), ui::ModalResult::Ok)
        .answerMessage(QStringLiteral("Datei wurde nicht gefunden !"), ui::ModalResult::Ok);
    QDir().mkpath(programm.datei(QStringLiteral("Handbuch")));
    punkt(*main, QStringLiteral("mnuHandbuch"))->trigger();
    punkt(*main, QStringLiteral("mnuInhalt"))->trigger();
    EXPECT_TRUE(geoeffnet.isEmpty());

    QFile handbuch(programm.datei(QStringLiteral("Handbuch/Handbuch.html")));
    ASSERT_TRUE(handbuch.open(QIODevice::WriteOnly));
    handbuch.close();
    punkt(*main, QStringLiteral("mnuHandbuch"))->trigger();
    punkt(*main, QStringLiteral("mnuInhalt"))->trigger();
    const QUrl erwartet = QUrl::fromLocalFile(QFileInfo(handbuch.fileName()).absoluteFilePath());
    EXPECT_EQ(geoeffnet, (QList<QUrl>{erwartet, erwartet}));
}

void klicken(QWidget *widget)
{
    const QPointF punkt(2, 2);
    QMouseEvent druck(QEvent::MouseButtonPress, punkt, widget->mapToGlobal(punkt), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent los(QEvent::MouseButtonRelease, punkt, widget->mapToGlobal(punkt), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(widget, &druck);
    QApplication::sendEvent(widget, &los);
}

TEST_F(Programme, TheLinksOnThePictureOpenMailAndWebSites)
{
    const auto main = starten();
    main->show();

    for (QLabel *label : {main->Label1, main->Label5, main->Label6})
        klicken(label);

    ASSERT_EQ(geoeffnet.size(), 3);
    EXPECT_EQ(geoeffnet.at(0).scheme().toLower(), QStringLiteral("mailto"));
    EXPECT_EQ(geoeffnet.at(0).path(), hersteller::EMail);
    EXPECT_EQ(geoeffnet.at(1).host(), main->Label5->text());
    EXPECT_EQ(geoeffnet.at(2).host(), main->Label6->text());
}

} // namespace
