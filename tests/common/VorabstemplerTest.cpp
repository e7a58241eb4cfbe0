#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include "common/TfrmVorabstempler.h"
#include "platform/sys/UnhandledException.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QStringList vorabAnzeige(const QListWidget *liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

// The two lists of a pair in a folder of their own; the dialog is driven
// while it is shown modally, as the print's menu item shows it.
class VorabstemplerTest : public testing::Test
{
protected:
    QString links() const { return ordner.file(QStringLiteral("Vorab.KD0")); }
    QString rechts() const { return ordner.file(QStringLiteral("Vorab.KD1")); }
    void schreiben(const QString &datei, const QByteArray &inhalt)
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    // The file's bytes; "fehlt" when there is none.
    static QByteArray inhalt(const QString &datei)
    {
        QFile f(datei);
        if (!f.open(QIODevice::ReadOnly))
            return "fehlt";
        return f.readAll();
    }
    void ausfuehren(const QString &vorgabe, std::function<void(TfrmVorabstempler &dialog)> aktion,
                    const QString &linkeDatei = {}, const QString &rechteDatei = {})
    {
        ModalForms formulare;
        formulare.whenShown<TfrmVorabstempler>(std::move(aktion));
        TfrmVorabstempler dialog;
        dialog.Ausfuehren(linkeDatei.isEmpty() ? links() : linkeDatei, rechteDatei.isEmpty() ? rechts() : rechteDatei,
                          vorgabe);
    }

    TempFolder ordner;
};

// What the lists show on opening and what "OK" writes back: the default
// list stands in for a missing left file, a missing right file is an empty
// list, "Feld " is shown but never stored, and the entries keep the order of
// their text.
TEST_F(VorabstemplerTest, OpensBothListsAndOkWritesThemBackWithoutThePrefix)
{
    struct Fall
    {
        const char *name;
        QByteArray linkeDatei;    // "": no file
        QByteArray rechteDatei;
        QString vorgabe;
        QStringList linksAngezeigt;
        QStringList rechtsAngezeigt;
        QByteArray linksGeschrieben;
        QByteArray rechtsGeschrieben;
    };
    const QList<Fall> faelle{
        {"nichts", "", "", {}, {}, {}, "", ""},
        {"Vorgabe", "", "", QStringLiteral("8\r\n2\r\n44_1\r\n10"),
         {"Feld 10", "Feld 2", "Feld 44_1", "Feld 8"}, {}, "10\r\n2\r\n44_1\r\n8\r\n", ""},
        {"Dateien", "2\r\n10\r\n", "44\r\n2\r\n44_3\r\n", QStringLiteral("99"),
         {"Feld 10", "Feld 2"}, {"Feld 2", "Feld 44", "Feld 44_3"}, "10\r\n2\r\n", "2\r\n44\r\n44_3\r\n"},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.name);
        QFile::remove(links());
        QFile::remove(rechts());
        if (!fall.linkeDatei.isEmpty())
            schreiben(links(), fall.linkeDatei);
        if (!fall.rechteDatei.isEmpty())
            schreiben(rechts(), fall.rechteDatei);
        ausfuehren(fall.vorgabe, [&](TfrmVorabstempler &d) {
            EXPECT_EQ(d.windowTitle(), "Parameter - Vorabstempler");
            EXPECT_EQ(vorabAnzeige(d.ListBox1), fall.linksAngezeigt);
            EXPECT_EQ(vorabAnzeige(d.ListBox2), fall.rechtsAngezeigt);
            d.BtnOK->click();
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(inhalt(links()), fall.linksGeschrieben);
        EXPECT_EQ(inhalt(rechts()), fall.rechtsGeschrieben);
    }
}

// An arrow (or a double click) moves the selected entry into the other
// list in its place by text; the entry that followed becomes selected.
// With nothing selected nothing moves and the first entry is selected.
TEST_F(VorabstemplerTest, MovingEntriesBetweenTheLists)
{
    schreiben(links(), "1\r\n2\r\n3\r\n");
    schreiben(rechts(), "5\r\n");
    ausfuehren({}, [&](TfrmVorabstempler &d) {
        d.ListBox1->setCurrentRow(1);
        d.SpeedButton1->click();
        EXPECT_EQ(vorabAnzeige(d.ListBox1), QStringList({"Feld 1", "Feld 3"}));
        EXPECT_EQ(vorabAnzeige(d.ListBox2), QStringList({"Feld 2", "Feld 5"}));
        ASSERT_NE(d.ListBox1->currentItem(), nullptr);
        EXPECT_EQ(d.ListBox1->currentItem()->text(), "Feld 3");

        // The last entry moved: no selection left, the next click only selects.
        d.SpeedButton1->click();
        EXPECT_EQ(vorabAnzeige(d.ListBox1), QStringList({"Feld 1"}));
        EXPECT_TRUE(d.ListBox1->selectedItems().isEmpty());
        d.SpeedButton1->click();
        EXPECT_EQ(vorabAnzeige(d.ListBox1), QStringList({"Feld 1"}));
        EXPECT_EQ(d.ListBox1->selectedItems().size(), 1);
        EXPECT_EQ(d.ListBox1->currentRow(), 0);

        // A double click on the right list moves back to the left.
        QListWidgetItem *fuenf = d.ListBox2->findItems(QStringLiteral("Feld 5"), Qt::MatchExactly).value(0);
        ASSERT_NE(fuenf, nullptr);
        d.ListBox2->setCurrentItem(fuenf);
        emit d.ListBox2->itemDoubleClicked(fuenf);
        EXPECT_EQ(vorabAnzeige(d.ListBox1), QStringList({"Feld 1", "Feld 5"}));
        EXPECT_EQ(vorabAnzeige(d.ListBox2), QStringList({"Feld 2", "Feld 3"}));
        d.BtnOK->click();
    });
    EXPECT_EQ(inhalt(links()), "1\r\n5\r\n");
    EXPECT_EQ(inhalt(rechts()), "2\r\n3\r\n");
}

// "Abbruch" writes nothing; the close box asks first: No keeps the dialog
// with its changes (a later "OK" writes them), Yes drops them.
TEST_F(VorabstemplerTest, LeavingWithoutOkWritesNothing)
{
    schreiben(links(), "1\r\n2\r\n");
    schreiben(rechts(), "");
    for (const int antwort : {int(ui::ModalResult::No), int(ui::ModalResult::Yes)}) {
        SCOPED_TRACE(antwort);
        ScriptedDialogs dialoge;
        ausfuehren({}, [&](TfrmVorabstempler &d) {
            d.ListBox1->setCurrentRow(0);
            d.SpeedButton1->click();
            dialoge.answerMessage(QStringLiteral("Möchten Sie eventuelle Änderungen verwerfen?"), antwort);
            d.close();
            EXPECT_EQ(d.isVisible(), antwort == ui::ModalResult::No);
            if (d.isVisible()) {
                EXPECT_EQ(vorabAnzeige(d.ListBox2), QStringList({"Feld 1"}));
                d.BtnOK->click();
            }
        });
        if (antwort == ui::ModalResult::No) {
            EXPECT_EQ(inhalt(links()), "2\r\n");
            EXPECT_EQ(inhalt(rechts()), "1\r\n");
            schreiben(links(), "1\r\n2\r\n");
            schreiben(rechts(), "");
        } else {
            EXPECT_EQ(inhalt(links()), "1\r\n2\r\n");
            EXPECT_EQ(inhalt(rechts()), "");
        }
    }
    ScriptedDialogs dialoge;
    ausfuehren({}, [&](TfrmVorabstempler &d) {
        d.ListBox1->setCurrentRow(0);
        d.SpeedButton1->click();
        d.BtnAbbruch->click();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(inhalt(links()), "1\r\n2\r\n");
    EXPECT_TRUE(dialoge.shown().empty()) << "Abbruch asks nothing";
}

// A list that cannot be written is reported and the dialog stays open;
// the other list is whole on disk.
TEST_F(VorabstemplerTest, AListThatCannotBeWrittenIsReportedAndTheDialogStays)
{
    std::vector<sys::ExceptionReport> berichte;
    const auto vorher = sys::setExceptionHandler([&](const sys::ExceptionReport &r) { berichte.push_back(r); });
    const QString unerreichbar = ordner.file(QStringLiteral("fehlt/Vorab.KD1"));
    ausfuehren(QStringLiteral("3"), [&](TfrmVorabstempler &d) {
        d.BtnOK->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(berichte.size(), 1u);
        d.BtnAbbruch->click();
    }, links(), unerreichbar);
    sys::setExceptionHandler(vorher);
    EXPECT_EQ(inhalt(links()), "3\r\n");
    EXPECT_FALSE(QFile::exists(unerreichbar));
}

} // namespace
