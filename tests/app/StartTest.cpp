#include "support/PressKey.h"
#include "StartUmgebung.h"

#include "Version.h"
#include "app/Datenmodul.h"
#include "app/Main.h"
#include "app/Programmstart.h"
#include "common/ExceptionDlg.h"
#include "dbupdate/TfrmUpdateDataBases.h"

#include "platform/db/TextFormat.h"
#include "platform/sys/Files.h"
#include "platform/sys/GermanFormat.h"
#include "platform/sys/TextFile.h"
#include "platform/ui/Application.h"
#include "platform/ui/Guard.h"
#include "platform/ui/StatusBar.h"

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

using Start = StartUmgebung;

QByteArray inhalt(const QString &datei)
{
    QFile file(datei);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void warten(int millisekunden)
{
    QEventLoop loop;
    QTimer::singleShot(millisekunden, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the program gives Qt before its first window: no display name (Qt
// would append it to every caption, cutting the titles of small dialogs),
// and Qt's German texts for the font, colour, file and printer dialogs.
TEST(Anwendung, QtBekommtKeinenAnzeigenamenUndSprichtDeutsch)
{
    AnwendungEinrichten();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("razazu"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(ui::programTitle(), QStringLiteral("Kandrel Razazu / Versand"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QColorDialog", "&Basic colors"), QStringLiteral("Grundfar&ben"));
    EXPECT_EQ(QCoreApplication::translate("QFontDialog", "Font st&yle"), QStringLiteral("Schrifts&til"));
}

TEST_F(Start, WithoutADataDirectoryAndTheChoiceCancelledTheProgramEndsAndWritesNothing)
{
    einrichten();
    ini().writeString(QStringLiteral("DatenBankPfad"), programm.datei(QStringLiteral("Anderswo")));
    ini().writeString(QStringLiteral("Zollamt1"), QStringLiteral("Hamburg"));
    const QByteArray vorher = inhalt(iniDatei());
    dialoge.answerFolder(std::nullopt);
    formulare.failIfShown<TPasswordDlg>();

    TfrmMain main;

    EXPECT_TRUE(ProgrammEndeAngefordert());
    EXPECT_EQ(enden, QList<ProgrammEnde>{ProgrammEnde::Beenden});
    EXPECT_EQ(dialoge.shown().front().text, QStringLiteral("Pfad der Datenbanken auswählen!"));
    EXPECT_EQ(inhalt(iniDatei()), vorher);
}

TEST_F(Start, AChosenDataDirectoryIsWrittenToTheIniFileAndTheStartGoesOn)
{
    einrichten();
    QFile::remove(iniDatei());
    dialoge.answerFolder(daten());
    formulare.whenShown<TPasswordDlg>([](TPasswordDlg &dialog) { anmelden(dialog, QStringLiteral("Systemverwalter"), {}); });

    TfrmMain main;

    EXPECT_FALSE(ProgrammEndeAngefordert());
    EXPECT_EQ(ini().readString(QStringLiteral("DatenBankPfad")), daten());
    EXPECT_EQ(ini().readString(QStringLiteral("ProgrammPfad")), ProgrammVerzeichnis());
    EXPECT_EQ(QDir::current(), QDir(programm.pfad()));
    EXPECT_EQ(main.DatenBankPfad, daten());
    EXPECT_EQ(main.Database1.path(), daten());
    EXPECT_EQ(main.UserName, QStringLiteral("Systemverwalter"));
    EXPECT_EQ(main.UserNr, 1);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kandrel Razazu / Versand %1").arg(version::major));
    // Message boxes without a caption of their own show the title; Qt gets
    // no display name, which it would append to every window's caption.
    EXPECT_EQ(ui::programTitle(), main.windowTitle());
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_TRUE(main.tbParameter->isOpen());
    EXPECT_EQ(AktuelleBelegNr, 1);
}

TEST_F(Start, AValidDataDirectoryLeavesTheIniFileAlone)
{
    einrichten();
    const QByteArray vorher = inhalt(iniDatei());
    formulare.whenShown<TPasswordDlg>([](TPasswordDlg &dialog) { anmelden(dialog, QStringLiteral("Systemverwalter"), {}); });

    TfrmMain main;

    EXPECT_FALSE(ProgrammEndeAngefordert());
    EXPECT_TRUE(dialoge.shown().empty());
    EXPECT_EQ(inhalt(iniDatei()), vorher);
}

TEST_F(Start, AChangeListRunsTheUpdateAndIsDeletedOnlyWhenItEndsWithOk)
{
    einrichten();
    automatischAnmelden(QStringLiteral("Systemverwalter"));
    // The set-up created the goods-number table whose indexes the update
    // rebuilds first.
    const QString aenderung = programm.datei(QStringLiteral("Aenderung.txt"));
    sys::writeTextLines(aenderung, {QStringLiteral("1,\"N\",\"Fax\",30,1,\"S_SPRACH\",0")}, sys::CodePage::Windows1252);

    // Closed before the run: the list stays for the next start.
    formulare.whenShown<dbupdate::TfrmUpdateDataBases>([](dbupdate::TfrmUpdateDataBases &dialog) {
        pressKey(&dialog, Qt::Key_F12, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    });
    {
        TfrmMain main;
        EXPECT_FALSE(ProgrammEndeAngefordert());
    }
    EXPECT_TRUE(QFile::exists(aenderung));
    db::Database::alias(QStringLiteral("Z_Tavero")).close();

    formulare.whenShown<dbupdate::TfrmUpdateDataBases>([](dbupdate::TfrmUpdateDataBases &dialog) {
        dialog.control<QPushButton>(QStringLiteral("bbtStarten"))->click();
    });
    TfrmMain main;
    EXPECT_FALSE(ProgrammEndeAngefordert());
    EXPECT_FALSE(QFile::exists(aenderung));
    EXPECT_GE(main.Database1.tableDef(QStringLiteral("S_SPRACH")).fieldIndex(QStringLiteral("Fax")), 0);
}

TEST(TPasswordDlg, ComparesLettersAToZWithoutRegardToCaseAndEverythingElseExactly)
{
    struct Fall
    {
        const char *gespeichert;
        const char *eingegeben;
        bool passt;
    };
    const Fall faelle[] = {
        {"Geheim", "Geheim", true},
        {"Geheim", "GEHEIM", true},
        {"Geheim", "geheim", true},
        {"Geheim", "Geheim1", false},
        {"bär", "BÄR", false},
        {"BÄR", "bÄr", true},
        {"", "", true},
        {"", " ", false},
    };
    for (const Fall &fall : faelle)
        EXPECT_EQ(TPasswordDlg::PasswortPasst(QString::fromUtf8(fall.gespeichert), QString::fromUtf8(fall.eingegeben)),
                  fall.passt)
            << fall.gespeichert << " / " << fall.eingegeben;
}

TEST_F(Start, ThreeWrongPasswordsEndTheProgramTwoWrongAndTheRightOneLogIn)
{
    einrichten();
    benutzerAnlegen(QStringLiteral("meier"), QStringLiteral("Geheim"), 2);
    struct Fall
    {
        QStringList versuche;
        bool angemeldet;
    };
    const Fall faelle[] = {
        {{QStringLiteral("falsch"), QStringLiteral("auch falsch"), QStringLiteral("GEHEIMNIS")}, false},
        {{QStringLiteral("falsch"), QStringLiteral("auch falsch"), QStringLiteral("gEHEIM")}, true},
        // The field holds ten characters: a longer password never matches.
        {{QStringLiteral("Geheim12345"), QStringLiteral("Geheim"), }, true},
    };
    for (const Fall &fall : faelle) {
        ProgrammEndeZuruecksetzen();
        enden.clear();
        for (int i = 0; i < fall.versuche.size() - (fall.angemeldet ? 1 : 0); ++i)
            dialoge.answerMessage(QStringLiteral("Das Paßwort ist falsch !!!"), ui::ModalResult::Ok);
        if (!fall.angemeldet)
            dialoge.answerMessage(QStringLiteral("Sie haben keine Zugangsberechtigung !!!"), ui::ModalResult::Ok);
        int ergebnis = 0;
        formulare.whenShown<TPasswordDlg>([&](TPasswordDlg &dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zugangsberechtigung"));
            EXPECT_EQ(dialog.cbbxBenutzer->count(), 2);
            EXPECT_EQ(dialog.cbbxBenutzer->currentText(), QStringLiteral("Systemverwalter"));
            for (const QString &versuch : fall.versuche) {
                anmelden(dialog, QStringLiteral("meier"), versuch);
                if (dialog.isVisible()) {
                    EXPECT_EQ(dialog.Password->text(), versuch);
                }
            }
            ergebnis = dialog.result();
        });

        TfrmMain main;

        EXPECT_EQ(ergebnis, fall.angemeldet ? ui::ModalResult::Ok : ui::ModalResult::Abort);
        EXPECT_EQ(ProgrammEndeAngefordert(), !fall.angemeldet);
        if (fall.angemeldet) {
            EXPECT_EQ(main.UserName, QStringLiteral("meier"));
            EXPECT_EQ(main.UserNr, 2);
        }
        EXPECT_TRUE(dialoge.allAnswered());
    }
}

TEST_F(Start, AnEmptyUserTableLetsTheLoginThroughWithAnEmptyPassword)
{
    einrichten();
    {
        db::Database store(QStringLiteral("Z_Tavero"));
        store.setPath(daten());
        db::Table benutzer(store, QStringLiteral("S_BEARB"));
        benutzer.open();
        benutzer.first();
        benutzer.remove();
    }
    int eintraege = -1;
    formulare.whenShown<TPasswordDlg>([&eintraege](TPasswordDlg &dialog) {
        eintraege = dialog.cbbxBenutzer->count();
        dialog.SpeedButton1->click();
    });

    TfrmMain main;

    EXPECT_EQ(eintraege, 0);
    EXPECT_FALSE(ProgrammEndeAngefordert());
    EXPECT_EQ(main.UserName, QString());
    EXPECT_EQ(main.UserNr, 0);
}

TEST_F(Start, EscapeInTheLoginEndsTheProgramWithoutAMessage)
{
    einrichten();
    formulare.whenShown<TPasswordDlg>([](TPasswordDlg &dialog) {
        dialog.Password->setFocus();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog.Password, &esc);
    });

    TfrmMain main;

    EXPECT_EQ(enden, QList<ProgrammEnde>{ProgrammEnde::Beenden});
    EXPECT_TRUE(dialoge.shown().empty());
}

TEST_F(Start, AutomaticLoginTakesAKnownUserAndAsksWhenNobodyHasTheName)
{
    einrichten();
    benutzerAnlegen(QStringLiteral("meier"), QStringLiteral("Geheim"), 2);
    benutzerAnlegen(QStringLiteral("Abel"), QStringLiteral("x"), 3);
    {
        automatischAnmelden(QStringLiteral("meier"));
        ModalForms keineAnmeldung;
        keineAnmeldung.failIfShown<TPasswordDlg>();
        TfrmMain main;
        EXPECT_FALSE(ProgrammEndeAngefordert());
        EXPECT_EQ(main.UserName, QStringLiteral("meier"));
        EXPECT_EQ(main.UserNr, 2);
    }
    // Not "Abel", the first in short-name order: the clerk is asked.
    automatischAnmelden(QStringLiteral("niemand"));
    formulare.whenShown<TPasswordDlg>([](TPasswordDlg &dialog) { anmelden(dialog, QStringLiteral("meier"), QStringLiteral("geheim")); });
    TfrmMain main;
    EXPECT_FALSE(ProgrammEndeAngefordert());
    EXPECT_EQ(main.UserName, QStringLiteral("meier"));
}

TEST_F(Start, OptionsAreReadAndAColourThatIsNoColourGivesTheDefault)
{
    einrichten();
    automatischAnmelden(QStringLiteral("Systemverwalter"));
    ini().writeString(QStringLiteral("HinterGrundFarbeColor"), QStringLiteral("hellblau"));
    ini().writeString(QStringLiteral("EingabeFelderFontColor"), QStringLiteral("clRed"));
    ini().writeString(QStringLiteral("FormularAnzeigeFontColor"), QStringLiteral("-16777208"));
    ini().writeString(QStringLiteral("AusdruckFontBold"), QStringLiteral("1"));
    ini().writeString(QStringLiteral("AusdruckFontItalic"), QStringLiteral("1"));
    ini().writeString(QStringLiteral("AusdruckFontKursiv"), QStringLiteral("0"));
    ini().writeString(QStringLiteral("StatistischerWert"), QStringLiteral("ja"));

    TfrmMain main;

    ASSERT_FALSE(ProgrammEndeAngefordert());
    EXPECT_EQ(main.HinterGrundFarbe, sys::colors::buttonFace);
    EXPECT_EQ(main.EingabeFelderFont.Color, sys::colors::red);
    EXPECT_EQ(main.FormularAnzeigeFont.Color, sys::colors::windowText);
    EXPECT_EQ(main.StammdatenAnzeigeFont.Name, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(main.EingabeFelderFont.Size, 10);
    EXPECT_TRUE(main.AusdruckFont.Bold);
    EXPECT_TRUE(main.AusdruckFont.Italic);
    EXPECT_TRUE(main.StatistischerWert);
    EXPECT_TRUE(main.AEFeld33Focus);
}

TEST_F(Start, ClosingAsksUnlessAutomaticLogoutAndWritesTheOptionsBack)
{
    einrichten();
    automatischAnmelden(QStringLiteral("Systemverwalter"));
    struct Fall
    {
        bool automatischAbmelden;
        int antwort;   // None: no question
        bool schliesst;
    };
    int freigegeben = 0;
    const DatenmodulSchritte vorher = setDatenmodulSchritte({[&freigegeben] { ++freigegeben; }, {}});
    for (const Fall &fall : {Fall{true, ui::ModalResult::None, true}, Fall{false, ui::ModalResult::No, false},
                             Fall{false, ui::ModalResult::Yes, true}}) {
        freigegeben = 0;
        ini().writeBool(QStringLiteral("AutomatischAbmelden"), fall.automatischAbmelden);
        ini().deleteKey(QStringLiteral("ZollamtNr"));
        TfrmMain main;
        main.show();
        main.ZollamtNr = QStringLiteral("4711");
        main.AusdruckFont.Italic = true;
        if (fall.antwort != ui::ModalResult::None)
            dialoge.answerMessage(QStringLiteral("Möchten Sie das Programm wirklich beenden ?"), fall.antwort);

        EXPECT_EQ(main.close(), fall.schliesst);
        EXPECT_EQ(freigegeben, fall.schliesst ? 1 : 0);

        EXPECT_EQ(ini().keyExists(QStringLiteral("ZollamtNr")), fall.schliesst);
        if (fall.schliesst) {
            EXPECT_EQ(ini().readString(QStringLiteral("ZollamtNr")), QStringLiteral("4711"));
            EXPECT_TRUE(ini().readBool(QStringLiteral("AusdruckFontItalic"), false));
            EXPECT_FALSE(ini().keyExists(QStringLiteral("AusdruckFontKursiv")));
            EXPECT_EQ(ini().readString(QStringLiteral("EingabeFelderFontColor")), QStringLiteral("-16777208"));
            EXPECT_EQ(ini().readString(QStringLiteral("HinterGrundFarbeColor")), QStringLiteral("-16777201"));
        }
        EXPECT_TRUE(enden.isEmpty());
        EXPECT_TRUE(dialoge.allAnswered());
    }
    setDatenmodulSchritte(vorher);
}

TEST_F(Start, TheFirstShowingAttachesTheUsersFolderAndStartsTheClock)
{
    einrichten();
    benutzerAnlegen(QStringLiteral("meier"), {}, 7);
    automatischAnmelden(QStringLiteral("meier"));
    TfrmMain main;
    // A user made at another workstation has no folder here yet.
    EXPECT_FALSE(sys::folderExists(programm.datei(QStringLiteral("User7"))));

    main.show();

    EXPECT_EQ(QDir(main.Database2.path()), QDir(programm.datei(QStringLiteral("User7"))));
    EXPECT_TRUE(main.Database2.isOpen());
    db::Table druck(main.Database2, QStringLiteral("S_BENUTZ.DB"));
    druck.open();
    EXPECT_EQ(druck.recordCount(), 66);
    EXPECT_TRUE(druck.findKey({QStringLiteral("AUSFUHRANMELDUNG - ERGÄNZ")}));

    const QRegularExpression uhr(QStringLiteral(
        "^(Montag|Dienstag|Mittwoch|Donnerstag|Freitag|Samstag|Sonntag) den \\d\\d\\. \\S+ \\d{4}, \\d\\d:\\d\\d:\\d\\d$"));
    const QString zuerst = main.StatusBar1->panelText(1);
    EXPECT_TRUE(uhr.match(zuerst).hasMatch()) << zuerst.toStdString();
    QElapsedTimer zeit;
    zeit.start();
    while (main.StatusBar1->panelText(1) == zuerst && zeit.elapsed() < 3000)
        warten(50);
    EXPECT_NE(main.StatusBar1->panelText(1), zuerst);
    EXPECT_EQ(TfrmMain::Uhrzeit(QDateTime(QDate(2026, 3, 5), QTime(9, 4, 7))),
              QStringLiteral("Donnerstag den 05. März 2026, 09:04:07"));
}

TEST_F(Start, TwoDigitYearsFallInTheSpanFromTenYearsBack)
{
    einrichten();
    automatischAnmelden(QStringLiteral("Systemverwalter"));
    sys::german::setTwoDigitYearWindow(50);
    TfrmMain main;
    const int jahr = QDate::currentDate().year();
    const int zweistellig = (jahr - 10) % 100;
    const auto datum = db::parseDate(QStringLiteral("01.01.%1").arg(zweistellig, 2, 10, QLatin1Char('0')));
    ASSERT_TRUE(datum.has_value());
    EXPECT_EQ(datum->year(), jahr - 10);
    const auto davor = db::parseDate(QStringLiteral("01.01.%1").arg((zweistellig + 99) % 100, 2, 10, QLatin1Char('0')));
    ASSERT_TRUE(davor.has_value());
    EXPECT_EQ(davor->year(), jahr + 89);
}

TEST_F(Start, AnExceptionInAnEventHandlerShowsTheErrorDialogAndWorkGoesOn)
{
    einrichten();
    automatischAnmelden(QStringLiteral("Systemverwalter"));
    const sys::ExceptionHandler vorher = sys::setExceptionHandler({});
    FehlerDialogEinrichten();
    TfrmMain main;
    main.show();
    QAction fehler(QStringLiteral("Fehler"), &main);
    QObject::connect(&fehler, &QAction::triggered, ui::guarded([] { throw std::runtime_error("Tabelle gesperrt"); }));
    QString meldung;
    formulare.whenShown<TExceptionDlg>([&](TExceptionDlg &dialog) {
        meldung = dialog.findChild<QLabel *>(QStringLiteral("lblMeldung"))->text();
        dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    });

    fehler.trigger();
    sys::setExceptionHandler(vorher);

    EXPECT_EQ(meldung, QStringLiteral("Tabelle gesperrt"));
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(ProgrammEndeAngefordert());
    const QString uhr = main.StatusBar1->panelText(1);
    QElapsedTimer zeit;
    zeit.start();
    while (main.StatusBar1->panelText(1) == uhr && zeit.elapsed() < 3000)
        warten(50);
    EXPECT_NE(main.StatusBar1->panelText(1), uhr);
}

} // namespace
