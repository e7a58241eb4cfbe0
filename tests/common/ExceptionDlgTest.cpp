#include "Programmordner.h"

#include "common/ExceptionDlg.h"
#include "common/Hersteller.h"
#include "common/Util.h"

#include "platform/db/DatabaseError.h"
#include "platform/sys/Process.h"
#include "platform/sys/TextFile.h"
#include "platform/ui/Guard.h"
#include "support/ModalForms.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

FehlerInfo infoFuer(std::exception_ptr exception)
{
    return FehlerInfo::aus(sys::describeException(exception, QStringLiteral("btnTest")));
}

QPushButton *knopf(TExceptionDlg &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

void taste(QWidget *ziel, int key)
{
    ziel->setFocus();
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(ziel, &druck);
}

// Records how the program was told to end.
struct EndeBeobachter
{
    QList<ProgrammEnde> enden;
    ProgrammEndeHandler vorher = setProgrammEndeHandler([this](ProgrammEnde art) { enden << art; });
    ~EndeBeobachter()
    {
        setProgrammEndeHandler(vorher);
        ProgrammEndeZuruecksetzen();
    }
};

TEST(TExceptionDlg, DetailsNameTheClassTheMessageAndTheStatementOfAFailedQuery)
{
    const FehlerInfo einfach = infoFuer(std::make_exception_ptr(std::range_error("Division durch Null")));
    TExceptionDlg dialog(einfach);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Fehler"));
    const QStringList zeilen = dialog.DetailsText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 7);
    EXPECT_EQ(zeilen[0], QStringLiteral("In der Anwendung ist ein Fehler des Typs std::range_error aufgetreten."));
    EXPECT_EQ(zeilen[1], QStringLiteral("Fehlermeldung: Division durch Null"));
    EXPECT_EQ(zeilen[2], QString(77, QLatin1Char('-')));
    EXPECT_EQ(zeilen[3], QStringLiteral("Bitte beschreiben Sie in welcher Situation dieser Fehler auftratt:"));
    EXPECT_EQ(zeilen[4], QString());
    EXPECT_EQ(zeilen[5], QString(50, QLatin1Char('-')));
    EXPECT_EQ(zeilen[6], QStringLiteral("Ihren Komentar können Sie hier eingeben:"));
    EXPECT_TRUE(einfach.BerichtText.contains(QStringLiteral("Aufgetreten in: btnTest")));

    const FehlerInfo abfrage = infoFuer(std::make_exception_ptr(
        db::DatabaseError(QStringLiteral("no such column: Bez"), QStringLiteral("SELECT \"Bez\" FROM \"S_LAND\""))));
    TExceptionDlg mitBefehl(abfrage);
    const QStringList befehlZeilen = mitBefehl.DetailsText().split(QLatin1Char('\n'));
    ASSERT_EQ(befehlZeilen.size(), 8);
    EXPECT_EQ(befehlZeilen[2], QStringLiteral("Sql-Befehl: SELECT \"Bez\" FROM \"S_LAND\""));

    // A German store message keeps the store's own words in the details.
    const FehlerInfo voll = infoFuer(std::make_exception_ptr(
        db::DatabaseError(QStringLiteral("Der Datenträger der Datenbank ist voll."), QString(),
                          QStringLiteral("database or disk is full"))));
    TExceptionDlg mitMeldung(voll);
    const QStringList meldungZeilen = mitMeldung.DetailsText().split(QLatin1Char('\n'));
    ASSERT_EQ(meldungZeilen.size(), 8);
    EXPECT_EQ(meldungZeilen[1], QStringLiteral("Fehlermeldung: Der Datenträger der Datenbank ist voll."));
    EXPECT_EQ(meldungZeilen[2], QStringLiteral("Meldung der Datenbank: database or disk is full"));
    EXPECT_TRUE(voll.BerichtText.contains(QStringLiteral("Meldung der Datenbank: database or disk is full")));
}

TEST(TExceptionDlg, DetailsOpenAndCloseAndEnterInTheDescriptionIsANewLine)
{
    TExceptionDlg dialog(infoFuer(std::make_exception_ptr(std::runtime_error("kaputt"))));
    dialog.show();
    QPushButton *details = knopf(dialog, "btnDetails");
    auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("memDetails"));
    EXPECT_EQ(dialog.height(), TExceptionDlg::HoeheKlein);
    EXPECT_FALSE(text->isVisible());

    details->click();
    EXPECT_EQ(details->text(), QStringLiteral("< Details"));
    EXPECT_EQ(dialog.height(), TExceptionDlg::HoeheGross);
    EXPECT_TRUE(text->isVisible());
    EXPECT_TRUE(knopf(dialog, "btnProgrammNeustarten")->isVisible());

    // The clerk's description may run over several lines.
    text->moveCursor(QTextCursor::End);
    taste(text, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(text->toPlainText().endsWith(QLatin1Char('\n')));

    details->click();
    EXPECT_EQ(details->text(), QStringLiteral("Details >"));
    EXPECT_EQ(dialog.height(), TExceptionDlg::HoeheKlein);
    EXPECT_FALSE(text->isVisible());
}

TEST(TExceptionDlg, EscapeMeansOkEvenInTheDescriptionAndEnterMeansOk)
{
    struct Fall
    {
        int key;
        bool inDerBeschreibung;
    };
    for (const Fall &fall : {Fall{Qt::Key_Escape, true}, Fall{Qt::Key_Return, false}}) {
        ModalForms formulare;
        formulare.whenShown<TExceptionDlg>([&](TExceptionDlg &dialog) {
            QWidget *ziel = knopf(dialog, "btnOK");
            if (fall.inDerBeschreibung) {
                knopf(dialog, "btnDetails")->click();
                ziel = dialog.findChild<QPlainTextEdit *>(QStringLiteral("memDetails"));
            }
            taste(ziel, fall.key);
        });
        TExceptionDlg dialog(infoFuer(std::make_exception_ptr(std::runtime_error("kaputt"))));
        EXPECT_EQ(dialog.showModal(), ui::ModalResult::Ok) << fall.key;
    }
}

TEST(TExceptionDlg, SendingWritesTheReportAndOpensAMailWithTheDescription)
{
    Programmordner ordner;
    QList<QUrl> geoeffnet;
    const sys::ShellOpenHandler vorher = sys::setShellOpenHandler([&](const QUrl &url) {
        geoeffnet << url;
        return true;
    });
    TExceptionDlg dialog(infoFuer(std::make_exception_ptr(std::runtime_error("Speicher voll & mehr"))));
    dialog.show();
    knopf(dialog, "btnDetails")->click();
    auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("memDetails"));
    text->appendPlainText(QStringLiteral("Beim Drucken der Ausfuhranmeldung"));
    knopf(dialog, "btnBerichtSenden")->click();
    sys::setShellOpenHandler(vorher);

    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(geoeffnet.size(), 1);
    const QUrl mail = geoeffnet.first();
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(mail.path(), hersteller::EMail);
    const QString inhalt = QUrlQuery(mail).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    EXPECT_TRUE(inhalt.contains(QStringLiteral("Beim Drucken der Ausfuhranmeldung"))) << inhalt.toStdString();
    EXPECT_TRUE(inhalt.contains(QStringLiteral("Fehlermeldung: Speicher voll & mehr"))) << inhalt.toStdString();
    EXPECT_TRUE(inhalt.contains(dialog.BerichtDatei()));

    ASSERT_TRUE(QFileInfo::exists(dialog.BerichtDatei()));
    EXPECT_TRUE(dialog.BerichtDatei().startsWith(ordner.datei(QStringLiteral("Fehlerberichte"))));
    const QString bericht = sys::readTextFile(dialog.BerichtDatei(), sys::CodePage::Utf8);
    EXPECT_TRUE(bericht.contains(QStringLiteral("Beim Drucken der Ausfuhranmeldung")));
    EXPECT_TRUE(bericht.contains(QStringLiteral("Fehlertyp: std::runtime_error")));
}

TEST(TExceptionDlg, EndAndRestartLeaveTheDialogAndTellTheProgram)
{
    struct Fall
    {
        const char *knopf;
        ProgrammEnde art;
    };
    for (const Fall &fall : {Fall{"btnProgrammBeenden", ProgrammEnde::Beenden},
                             Fall{"btnProgrammNeustarten", ProgrammEnde::Neustarten}}) {
        EndeBeobachter beobachter;
        ModalForms formulare;
        formulare.whenShown<TExceptionDlg>([&](TExceptionDlg &dialog) {
            knopf(dialog, "btnDetails")->click();
            knopf(dialog, fall.knopf)->click();
        });
        TExceptionDlg dialog(infoFuer(std::make_exception_ptr(std::runtime_error("kaputt"))));
        EXPECT_EQ(dialog.showModal(), ui::ModalResult::Cancel) << fall.knopf;
        EXPECT_EQ(beobachter.enden, QList<ProgrammEnde>{fall.art}) << fall.knopf;
        EXPECT_TRUE(ProgrammEndeAngefordert());
    }
}

TEST(TExceptionDlg, AnExceptionInAnEventHandlerReachesTheDialogAndWorkGoesOn)
{
    const sys::ExceptionHandler vorher = sys::setExceptionHandler({});
    FehlerDialogEinrichten();
    ModalForms formulare;
    QString gezeigt;
    formulare.whenShown<TExceptionDlg>([&](TExceptionDlg &dialog) {
        gezeigt = dialog.findChild<QLabel *>(QStringLiteral("lblMeldung"))->text();
        knopf(dialog, "btnOK")->click();
    });

    QPushButton knopfMitFehler(QStringLiteral("Rechnen"));
    int danach = 0;
    QObject::connect(&knopfMitFehler, &QPushButton::clicked, ui::guarded([] {
        throw std::overflow_error("Zahl zu groß");
    }));
    QObject::connect(&knopfMitFehler, &QPushButton::clicked, [&] { ++danach; });
    knopfMitFehler.click();
    sys::setExceptionHandler(vorher);

    EXPECT_EQ(gezeigt, QStringLiteral("Zahl zu groß"));
    EXPECT_EQ(danach, 1);
    EXPECT_TRUE(formulare.allShown());
}

TEST(TfrmBugReport, ShowsTheReportReadOnlyAndClosesWithOk)
{
    TfrmBugReport bericht(QStringLiteral("Zeile 1\nZeile 2"));
    EXPECT_EQ(bericht.windowTitle(), QStringLiteral("Fehlerbericht"));
    EXPECT_TRUE(bericht.Memo()->isReadOnly());
    EXPECT_EQ(bericht.Memo()->toPlainText(), QStringLiteral("Zeile 1\nZeile 2"));
}

} // namespace
