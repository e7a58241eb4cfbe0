#include "support/ModalForms.h"
#include "support/ScriptedDialogs.h"
#include "support/Testspeicher.h"

#include "common/NummernDialog.h"
#include "common/Tabelle_S_PARAME.h"
#include "common/TfrmRegie.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/sys/UnhandledException.h"
#include "platform/ui/SpeedButton.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <cstdio>

namespace {

constexpr qint64 master = Belegart::MasterFormularNr;
const char *kindVariable = "RAZAZU_NUMMERN_KIND";

// A family of the test's own: documents in NUMMERN, numbered from
// VorschlagNr_10, the master record hidden by the filter, the proposal given
// back after a copy.
const Belegart &testart()
{
    // No entry form: "&Bearbeiten" shows nothing, the clerk is done at once.
    static const Belegart art{
        .tabellen = {.kopf = QStringLiteral("NUMMERN")},
        .parameter = {.vorschlag = QStringLiteral("VorschlagNr_10")},
        .regie = {.titel = QStringLiteral("Regiezentrum: Nummern"),
                  .masterAusblenden = Belegart::MasterAusblenden::Filter,
                  .kopieGibtVorschlagZurueck = true},
    };
    return art;
}

struct Nummerndaten : Testspeicher
{
    // ordnerPfad: the parent's store, for a child process.
    explicit Nummerndaten(Speicher speicher, const QString &ordnerPfad = {}) : Testspeicher(speicher, ordnerPfad)
    {
        if (!ordnerPfad.isEmpty())
            return;
        db::TableDef kopf;
        kopf.name = QStringLiteral("NUMMERN");
        kopf.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long},
                       {QStringLiteral("Datum"), db::FieldType::Date},
                       {QStringLiteral("Name"), db::FieldType::Alpha, 20}};
        kopf.primaryKey = {QStringLiteral("BelegNr")};
        datenbank.createTable(kopf);
        datenbank.createTable(Tabelle_S_PARAME());
        datenbank.execute(QStringLiteral("INSERT INTO \"S_PARAME\" (\"ID\", \"VorschlagNr_10\") VALUES (1, 1)"));
    }
    QVariant wert(const QString &sql, const QVariantList &werte = {})
    {
        return db::Query::scalar(datenbank, sql, werte);
    }
    int vorschlag() { return wert(QStringLiteral("SELECT \"VorschlagNr_10\" FROM \"S_PARAME\"")).toInt(); }
    void vorschlagSetzen(int wert)
    {
        datenbank.execute(QStringLiteral("UPDATE \"S_PARAME\" SET \"VorschlagNr_10\" = ?"), {wert});
    }
    // The documents below the master record.
    QList<int> belege()
    {
        db::Query abfrage(datenbank, QStringLiteral("SELECT \"BelegNr\" FROM \"NUMMERN\" WHERE \"BelegNr\" < ? "
                                                    "ORDER BY \"BelegNr\""));
        abfrage.bind(0, master);
        QList<int> nummern;
        for (abfrage.open(); !abfrage.eof(); abfrage.next())
            nummern << abfrage.value(0).toInt();
        return nummern;
    }
    void beleg(int nummer)
    {
        datenbank.execute(QStringLiteral("INSERT INTO \"NUMMERN\" VALUES (?, ?, 'Kunde')"),
                          {nummer, QDate(2024, 3, 1)});
    }
    void belegeLoeschen(QList<int> behalten)
    {
        for (int nummer : belege()) {
            if (!behalten.contains(nummer))
                datenbank.execute(QStringLiteral("DELETE FROM \"NUMMERN\" WHERE \"BelegNr\" = ?"), {nummer});
        }
    }
};

class NummernvergabeTest : public SpeicherTest<Nummerndaten>
{
protected:
    std::unique_ptr<TfrmRegie> regieOeffnen()
    {
        return std::make_unique<TfrmRegie>(testart(), daten->datenbank);
    }
    // Another workstation on the same store.
    std::unique_ptr<db::Database> andererArbeitsplatz()
    {
        auto andere = std::make_unique<db::Database>(daten->datenbank.aliasName());
        andere->setPath(daten->datenbank.path());
        andere->open();
        return andere;
    }
};

void sagen(const char *zeile)
{
    std::fputs(zeile, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Runs only as a child of the next test: a workstation whose clerk presses
// "&Neu" 200 times and takes each proposal, from the moment the parent says
// so on.
TEST(NummernKind, NimmtZweihundertVorschlaege)
{
    if (qEnvironmentVariableIsEmpty(kindVariable))
        GTEST_SKIP() << "started by NummernvergabeTest.TwoWorkstationsPressingNewAtOnceNeverGetTheSameNumber only";
    Nummerndaten daten(Speicher::SQLite, qEnvironmentVariable(kindVariable));
    TfrmRegie regie(testart(), daten.datenbank);
    ScriptedDialogs dialoge;
    QStringList fehlerberichte;
    const sys::ExceptionHandler vorher = sys::setExceptionHandler(
        [&](const sys::ExceptionReport &bericht) { fehlerberichte << bericht.message; });
    sagen("bereit");
    char zeile[16];
    ASSERT_NE(std::fgets(zeile, sizeof zeile, stdin), nullptr);
    for (int i = 0; i < 200; ++i) {
        dialoge.acceptInput(QStringLiteral("Übernehmen oder Ändern"));
        regie.bbtNeu->click();
    }
    sys::setExceptionHandler(vorher);
    EXPECT_TRUE(fehlerberichte.isEmpty()) << "the error dialog came: " << fehlerberichte.join(u'|').toStdString();
    EXPECT_EQ(dialoge.shown().size(), 200u) << "the input boxes and nothing else";
    sagen("fertig");
}

// Both workstations number from the one proposal at the same time: every
// number is handed out once, none is refused as existing, and the proposal
// ends behind the last one.
TEST_P(NummernvergabeTest, TwoWorkstationsPressingNewAtOnceNeverGetTheSameNumber)
{
    regieOeffnen();   // the master record exists before the workstations start
    std::vector<std::unique_ptr<QProcess>> kinder;
    std::vector<QByteArray> ausgaben(2);
    for (int i = 0; i < 2; ++i) {
        auto kind = std::make_unique<QProcess>();
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QString::fromLatin1(kindVariable), daten->datenbank.path());
        kind->setProcessEnvironment(umgebung);
        kind->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=NummernKind.*")});
        ASSERT_TRUE(kind->waitForStarted(10000));
        kinder.push_back(std::move(kind));
    }
    auto bericht = [&](int i) {
        return (ausgaben[i] + kinder[i]->readAllStandardError()).toStdString();
    };
    auto warten = [&](int i, const QByteArray &text, int millisekunden) {
        QElapsedTimer uhr;
        uhr.start();
        while (!ausgaben[i].contains(text) && uhr.elapsed() < millisekunden) {
            kinder[i]->waitForReadyRead(100);
            ausgaben[i] += kinder[i]->readAllStandardOutput();
            if (kinder[i]->state() == QProcess::NotRunning)
                break;
        }
        return ausgaben[i].contains(text);
    };
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(warten(i, "bereit", 30000)) << bericht(i);
    for (auto &kind : kinder) {
        kind->write("los\n");
        kind->waitForBytesWritten(10000);
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(warten(i, "fertig", 120000)) << bericht(i);
        ASSERT_TRUE(kinder[i]->waitForFinished(30000)) << bericht(i);
        ausgaben[i] += kinder[i]->readAllStandardOutput();
        EXPECT_EQ(kinder[i]->exitCode(), 0) << bericht(i);
    }
    QList<int> erwartet;
    for (int nummer = 1; nummer <= 400; ++nummer)
        erwartet << nummer;
    EXPECT_EQ(daten->belege(), erwartet);
    EXPECT_EQ(daten->vorschlag(), 401);
}

// "&Neu" and "&Kopieren" refuse a number below 1 and create nothing; 1 is an
// ordinary number. A stored proposal below 1 counts as 1 for both.
TEST_P(NummernvergabeTest, NumbersBelowOneAreRefused)
{
    struct Fall
    {
        const char *nummer;
        bool angelegt;
    };
    daten->beleg(7);
    auto regie = regieOeffnen();
    for (const Fall &fall : {Fall{"0", false}, Fall{"-5", false}, Fall{"1", true}}) {
        SCOPED_TRACE(fall.nummer);
        const QString nummer = QString::fromLatin1(fall.nummer);
        const QList<int> danach = fall.angelegt ? QList<int>{1, 7} : QList<int>{7};
        {
            SCOPED_TRACE("&Neu");
            daten->vorschlagSetzen(0);
            ScriptedDialogs dialoge;
            dialoge.answerInput(QStringLiteral("Übernehmen oder Ändern"), nummer);
            if (!fall.angelegt)
                dialoge.answerMessage(QStringLiteral("Belegnummern kleiner als 1 sind nicht erlaubt !"),
                                      ui::ModalResult::Ok);
            regie->Neu();
            ASSERT_EQ(dialoge.shown().size(), fall.angelegt ? 1u : 2u);
            if (!fall.angelegt) {
                EXPECT_EQ(dialoge.shown()[1].type, ui::MessageType::Information);
            }
            EXPECT_EQ(daten->belege(), danach);
            daten->belegeLoeschen({7});
        }
        {
            SCOPED_TRACE("&Kopieren");
            daten->vorschlagSetzen(0);
            ASSERT_TRUE(regie->kopf().findKey({7}));
            ScriptedDialogs dialoge;
            ModalForms formulare;
            QString vorgeschlagen;
            formulare.whenShown<NummernDialog>([&](NummernDialog &dialog) {
                vorgeschlagen = dialog.Edit1->text() + u'/' + dialog.Edit2->text();
                dialog.Edit2->setText(nummer);
                dialog.OKBtn->click();
            });
            if (!fall.angelegt)
                dialoge.answerMessage(QStringLiteral("Belegnummern kleiner als 1 sind nicht erlaubt !"),
                                      ui::ModalResult::Ok);
            regie->Kopieren();
            EXPECT_EQ(vorgeschlagen, "7/1");
            EXPECT_EQ(daten->belege(), danach);
            daten->belegeLoeschen({7});
        }
    }
}

// The proposal is stored before the input box opens, and nothing of the
// parameter record is held while the clerk types: another workstation may
// edit it meanwhile.
TEST_P(NummernvergabeTest, TheParameterRecordIsFreeWhileTheClerkTypes)
{
    daten->vorschlagSetzen(5);
    auto regie = regieOeffnen();
    auto andere = andererArbeitsplatz();
    ScriptedDialogs dialoge;
    dialoge.answerInput(QStringLiteral("Übernehmen oder Ändern"), std::nullopt, [&] {
        EXPECT_EQ(regie->regie().parameter().state(), db::DatasetState::Browse);
        EXPECT_EQ(daten->vorschlag(), 6);
        db::Table parameter(*andere, QStringLiteral("S_PARAME"));
        parameter.open();
        EXPECT_NO_THROW({
            parameter.edit();
            parameter.fieldByName(QStringLiteral("VorschlagNr_10")).setAsInteger(20);
            parameter.post();
        });
    });
    regie->Neu();
    EXPECT_EQ(daten->vorschlag(), 20);
    EXPECT_EQ(daten->belege(), QList<int>());
}

// After a copy the proposal goes back to the number proposed, but not when
// another workstation has drawn a number meanwhile: that one may still be in
// its input box.
TEST_P(NummernvergabeTest, ACopyGivesTheProposalBackOnlyWhileNobodyDrewSince)
{
    daten->beleg(4);
    auto regie = regieOeffnen();
    for (bool gezogen : {false, true}) {
        SCOPED_TRACE(gezogen ? "a number drawn meanwhile" : "nobody drew");
        daten->vorschlagSetzen(7);
        ASSERT_TRUE(regie->kopf().findKey({4}));
        ModalForms formulare;
        formulare.whenShown<NummernDialog>([&](NummernDialog &dialog) {
            EXPECT_EQ(daten->vorschlag(), 8);
            if (gezogen)
                daten->vorschlagSetzen(9);
            dialog.Edit2->setText(QStringLiteral("20"));
            dialog.OKBtn->click();
        });
        regie->Kopieren();
        EXPECT_EQ(daten->belege(), (QList<int>{4, 20}));
        EXPECT_EQ(daten->vorschlag(), gezogen ? 9 : 7);
        daten->belegeLoeschen({4});
    }
}

// Another workstation edits the parameter record and does not let go: "&Neu"
// waits as a write waits for the store's locks, then says so plainly,
// without the error dialog, and hands out no number.
TEST(Nummernvergabe, ABusyParameterRecordGetsTheLockMessage)
{
    Nummerndaten daten(Speicher::SQLite);
    daten.vorschlagSetzen(5);
    TfrmRegie regie(testart(), daten.datenbank);
    db::Database andere(daten.datenbank.aliasName());
    andere.setPath(daten.datenbank.path());
    andere.open();
    db::Table parameter(andere, QStringLiteral("S_PARAME"));
    parameter.open();
    parameter.edit();

    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Der Datensatz wird gerade von einem anderen Arbeitsplatz bearbeitet."),
                          ui::ModalResult::Ok);
    QStringList fehlerberichte;
    const sys::ExceptionHandler vorher = sys::setExceptionHandler(
        [&](const sys::ExceptionReport &bericht) { fehlerberichte << bericht.message; });
    regie.bbtNeu->click();
    sys::setExceptionHandler(vorher);
    EXPECT_TRUE(fehlerberichte.isEmpty()) << fehlerberichte.join(u'|').toStdString();
    ASSERT_EQ(dialoge.shown().size(), 1u);
    EXPECT_EQ(dialoge.shown().front().type, ui::MessageType::Error);
    EXPECT_EQ(regie.regie().parameter().state(), db::DatasetState::Browse);
    parameter.cancel();
    EXPECT_EQ(daten.vorschlag(), 5);
    EXPECT_EQ(daten.belege(), QList<int>());
}

SPEICHER_TESTS(NummernvergabeTest);

} // namespace
