#include "RegisterTestbasis.h"
#include "support/ScriptedDialogs.h"

#include "common/Belegart.h"
#include "common/Registeraktionen.h"
#include "common/NummernDialog.h"
#include "platform/db/DatabaseError.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Documents 5 and 6 with lines, the master record, and a parameter record
// whose proposal stands on 5.
class RegisteraktionenTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (int nummer : {5, 6}) {
            familie.kopfAnlegen(nummer, QStringLiteral("Kunde %1").arg(nummer));
            familie.positionAnlegen(nummer, 1, QStringLiteral("eins"), 1);
            familie.positionAnlegen(nummer, 2, QStringLiteral("zwei"), 2);
        }
        familie.kopfAnlegen(2000000000, QStringLiteral("Master"));
        familie.positionAnlegen(2000000000, 1, QStringLiteral("Vorgabe"), 1);
        db::TableDef def;
        def.name = QStringLiteral("PARAM");
        def.fields = {{QStringLiteral("ID"), db::FieldType::Long}, {QStringLiteral("VorschlagNr_9"), db::FieldType::Long}};
        def.primaryKey = {QStringLiteral("ID")};
        familie.datenbank.createTable(def);
        familie.datenbank.execute(QStringLiteral("INSERT INTO \"PARAM\" VALUES (1, 5)"));
        familie.oeffnen();
        parameter.open();
        familie.kopf->findKey({5});
    }

    int vorschlag() { return familie.anzahl(QStringLiteral("SELECT \"VorschlagNr_9\" FROM \"PARAM\"")); }
    int koepfe(int nummer)
    {
        return familie.anzahl(QStringLiteral("SELECT COUNT(*) FROM \"TESTKOPF\" WHERE \"BelegNr\" = ?"), {nummer});
    }
    int zeilen(int nummer)
    {
        return familie.anzahl(QStringLiteral("SELECT COUNT(*) FROM \"TESTPOS\" WHERE \"BelegNr\" = ?"), {nummer});
    }

    // Answers the next copy or delete dialog: numbers typed (empty: as
    // proposed), then OK or "Abbrechen".
    void antworten(const QString &von, const QString &bis, bool ok, QString *vorgeschlagen = nullptr)
    {
        wennModal([=](QWidget *fenster) {
            auto *dialog = qobject_cast<NummernDialog *>(fenster);
            if (!dialog) {
                ADD_FAILURE() << "no number dialog";
                fenster->close();
                return;
            }
            if (vorgeschlagen)
                *vorgeschlagen = dialog->Edit1->text() + QLatin1Char('/') + dialog->Edit2->text();
            if (!von.isEmpty())
                dialog->Edit1->setText(von);
            if (!bis.isEmpty())
                dialog->Edit2->setText(bis);
            (ok ? dialog->OKBtn : dialog->CancelBtn)->click();
        });
    }

    Registertabellen register_() { return {art, *familie.kopf, familie.positionen.get(), parameter}; }

    Testfamilie familie;
    db::Table parameter{familie.datenbank, QStringLiteral("PARAM")};
    const Belegart art{.tabellen = {.kopf = QStringLiteral("TESTKOPF"), .positionen = QStringLiteral("TESTPOS")},
                       .parameter = {.vorschlag = QStringLiteral("VorschlagNr_9")}};
};

TEST_F(RegisteraktionenTest, CopyGoesFromTheCurrentDocumentToTheNextFreeNumber)
{
    QString vorgeschlagen;
    antworten({}, {}, true, &vorgeschlagen);
    EXPECT_EQ(BelegKopierenMitDialog(register_()),
              7);
    EXPECT_EQ(vorgeschlagen, "5/7");
    EXPECT_EQ(vorschlag(), 8);
    EXPECT_EQ(familie.kopf->field(0).asInteger(), 7);
    EXPECT_EQ(zeilen(7), 2);
}

// The proposal is stored before the dialog shows: a cancelled copy uses it up.
TEST_F(RegisteraktionenTest, CancelledCopyStillUsesUpTheProposal)
{
    ScriptedDialogs dialoge;
    antworten({}, {}, false);
    EXPECT_EQ(BelegKopierenMitDialog(register_()),
              0);
    EXPECT_EQ(vorschlag(), 8);
    EXPECT_EQ(koepfe(7), 0);
    EXPECT_TRUE(dialoge.shown().empty());
}

TEST_F(RegisteraktionenTest, CopyRefusesAMissingSourceAndAnExistingTarget)
{
    struct Fall
    {
        const char *von;
        const char *nach;
        const char *meldung;
    };
    for (const Fall &fall : {Fall{"99", "", "Quelle - Belegnummer existiert nicht !"},
                             Fall{"5", "6", "Ziel - Belegnummer existiert bereits !"}}) {
        SCOPED_TRACE(fall.meldung);
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QString::fromUtf8(fall.meldung), ui::ModalResult::Ok);
        antworten(QString::fromUtf8(fall.von), QString::fromUtf8(fall.nach), true);
        EXPECT_EQ(BelegKopierenMitDialog(register_()),
                  0);
        ASSERT_EQ(dialoge.shown().size(), 1u);
        EXPECT_EQ(dialoge.shown().front().type, ui::MessageType::Information);
        EXPECT_EQ(zeilen(6), 2) << "the existing target is untouched";
    }
}

TEST_F(RegisteraktionenTest, DeleteRemovesTheRangeWithItsLinesButNeverTheMaster)
{
    familie.kopfAnlegen(8, QStringLiteral("Ohne Zeilen"));
    familie.kopf->refresh();
    antworten(QStringLiteral("5"), QStringLiteral("1999999999"), true);
    EXPECT_EQ(BelegeLoeschenMitDialog(register_(), true), 1)
        << "a register that deletes the first document found";
    EXPECT_EQ(koepfe(5) + zeilen(5), 0);
    EXPECT_EQ(koepfe(6), 1);

    antworten(QStringLiteral("1"), QStringLiteral("1999999999"), true);
    EXPECT_EQ(BelegeLoeschenMitDialog(register_()), 2);
    EXPECT_EQ(koepfe(6) + zeilen(6) + koepfe(8), 0);
    EXPECT_EQ(koepfe(2000000000), 1);
    EXPECT_EQ(zeilen(2000000000), 1);
}

TEST_F(RegisteraktionenTest, FailedDeletionLeavesEverythingAndSaysSo)
{
    int geloescht = 0;
    familie.kopf->beforeDelete.add([&](db::Table &) {
        if (++geloescht == 2)
            throw db::DatabaseError(QStringLiteral("gesperrt"));
    });
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Belegnummern bitte richtig eingeben !"), ui::ModalResult::Ok);
    antworten(QStringLiteral("5"), QStringLiteral("6"), true);
    EXPECT_EQ(BelegeLoeschenMitDialog(register_()), 0);
    ASSERT_EQ(dialoge.shown().size(), 1u);
    EXPECT_EQ(dialoge.shown().front().type, ui::MessageType::Warning);
    EXPECT_EQ(koepfe(5) + koepfe(6), 2);
    EXPECT_EQ(zeilen(5) + zeilen(6), 4);
    EXPECT_EQ(familie.kopf->state(), db::DatasetState::Browse);
}

} // namespace
