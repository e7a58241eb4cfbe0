#include "Ausfuhrdaten.h"
#include "support/Druckumgebung.h"
#include "support/ModalForms.h"
#include "support/PdfWords.h"
#include "support/RecordingWeitergabe.h"
#include "support/ScriptedDialogs.h"

#include "common/Belegdruck.h"
#include "common/Druckeinstellungen.h"
#include "common/Ini.h"
#include "common/RadioGroup.h"
#include "common/Tabelle_S_BENUTZ.h"
#include "common/Tabelle_S_FelderJust.h"
#include "common/TfrmDrucker.h"
#include "platform/db/Table.h"
#include "platform/print/PdfBackend.h"
#include "platform/print/RecordingBackend.h"
#include "platform/sys/UnhandledException.h"
#include "platform/ui/StatusBar.h"
#include "sad_export/TfrmEinheit_d.h"
#include "sad_export/TfrmRegieAE.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QAction>
#include <algorithm>

namespace {

const QString &erste = ausfuhrErste;
const QString &folge = ausfuhrFolge;

class EinheitDruckTest : public AusfuhrTest, public Druckumgebung
{
protected:
    EinheitDruckTest() : Druckumgebung({erste, folge}) {}
    void SetUp() override
    {
        AusfuhrTest::SetUp();
        if (IsSkipped())
            return;
        vorab({});
    }
    QString druckerVon(const QString &name)
    {
        return db::Query::scalar(benutzer, QStringLiteral("SELECT \"schnittst\" FROM \"S_BENUTZ\" WHERE \"name\" = ?"),
                                 {name})
            .toString();
    }
    void vorab(const QStringList &zeilen)
    {
        QFile datei(programm.file(QStringLiteral("Vorab.KD1")));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(zeilen.join(QStringLiteral("\r\n")).toUtf8());
    }
    // A declaration with its header boxes and `posten` items "Posten 1" ...
    void erklaerung(qint64 nummer, int posten)
    {
        db::Database &d = daten->datenbank;
        d.execute(QStringLiteral("INSERT INTO \"EINHEIT\" (\"belegnr\", \"datum\", \"AnzPos\", \"f1_1\", \"f2_1\", "
                                 "\"f8_1\", \"f3_2\", \"f44_5\", \"F44_7\", \"FD_1\", \"AENR\") "
                                 "VALUES (?, ?, ?, 'EX', 'Versender', 'Empfaenger', 'GZ', 'Zeile445', 'Zeile447', "
                                 "'Ort', 'AE-1')"),
                  {nummer, QDate(2024, 5, 2), posten});
        for (int pos = 1; pos <= posten; ++pos)
            d.execute(QStringLiteral("INSERT INTO \"EINFOLG\" (\"belegnr\", \"pos\", \"f31_1\", \"f33_1\") "
                                     "VALUES (?, ?, ?, ?)"),
                      {nummer, pos, QStringLiteral("Posten %1").arg(pos), QStringLiteral("8471%1").arg(pos)});
    }
    std::unique_ptr<TfrmEinheit_d> dialog(qint64 nummer)
    {
        auto d = std::make_unique<TfrmEinheit_d>(daten->datenbank);
        EXPECT_TRUE(d->belegSuchen(nummer));
        d->show();
        return d;
    }
    // Texts of a job (from 0) in print order.
    QStringList texteVon(int job) const
    {
        QStringList texte;
        for (const auto &t : aufnahme.texts())
            if (t.job == job)
                texte << t.text;
        return texte;
    }
    bool gedruckt(const QString &text, int job) const { return texteVon(job).contains(text); }
    QString gespeichert(qint64 nummer, const QString &feld)
    {
        return db::Query::scalar(daten->datenbank, QStringLiteral("SELECT \"%1\" FROM \"EINHEIT\" WHERE \"belegnr\" = ?").arg(feld),
                                 {nummer})
            .toString();
    }

};

TEST(Blattaufteilung, OneItemOnTheFirstSheetAndThreeOnEachFurther)
{
    const Blattaufteilung einheit{1, 3};
    const Blattaufteilung cmr{11, 11};
    struct Fall
    {
        Blattaufteilung aufteilung;
        int positionen;
        int blaetter;
    };
    for (const Fall &fall : {Fall{einheit, 0, 1}, {einheit, 1, 1}, {einheit, 2, 2}, {einheit, 4, 2}, {einheit, 5, 3},
                             {einheit, 7, 3}, {einheit, 99, 34}, {cmr, 11, 1}, {cmr, 12, 2}, {cmr, 22, 2}}) {
        EXPECT_EQ(fall.aufteilung.blaetter(fall.positionen), fall.blaetter) << fall.positionen;
        // The formula the paper form was designed around.
        if (fall.aufteilung.ersteSeite == 1) {
            EXPECT_EQ(fall.blaetter, (fall.positionen + 4) / 3);
        }
    }
    EXPECT_EQ(einheit.erstePosition(2), 2);
    EXPECT_EQ(einheit.erstePosition(3), 5);
    EXPECT_EQ(einheit.positionenAuf(3, 5), 1);
    EXPECT_EQ(cmr.erstePosition(2), 12);
}

TEST(Blattbereich, RefusesWhatCannotBePrinted)
{
    struct Fall
    {
        const char *von;
        const char *bis;
        const char *meldung;   // nullptr: accepted
    };
    for (const Fall &fall : {Fall{"1", "3", nullptr}, {"2", "2", nullptr}, {"3", "2", "liegt hinter der letzten"},
                             {"0", "2", "nur die Seiten 1 bis 3"}, {"-1", "-1", "nur die Seiten 1 bis 3"},
                             {"2", "4", nullptr}, {"4", "5", "nur die Seiten 1 bis 3"},
                             {"x", "2", "keine gültige Zahl"}}) {
        QString meldung;
        const auto bereich = blattbereichLesen(QString::fromLatin1(fall.von), QString::fromLatin1(fall.bis), 3, &meldung);
        EXPECT_EQ(bereich.has_value(), fall.meldung == nullptr) << fall.von << "-" << fall.bis;
        if (fall.meldung) {
            EXPECT_TRUE(meldung.contains(QString::fromUtf8(fall.meldung))) << meldung.toStdString();
        }
    }
    // A range past the last sheet ends with the document.
    EXPECT_EQ(blattbereichLesen(QStringLiteral("2"), QStringLiteral("4"), 3, nullptr)->bis, 3);
}

// On the form set: sheet count, which items each sheet carries and where,
// the typed form number on every continuation sheet.
TEST_P(EinheitDruckTest, FormSetPlacesOneItemOnSheetOneAndThreeOnEachFurther)
{
    struct Fall
    {
        int posten;
        QList<QStringList> blaetter;   // the items' first lines per sheet
    };
    const QList<Fall> faelle{
        {1, {{"Posten 1"}}},
        {4, {{"Posten 1"}, {"Posten 2", "Posten 3", "Posten 4"}}},
        {5, {{"Posten 1"}, {"Posten 2", "Posten 3", "Posten 4"}, {"Posten 5"}}},
    };
    qint64 nummer = 10;
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.posten);
        aufnahme.clear();
        erklaerung(++nummer, fall.posten);
        auto d = dialog(nummer);
        EXPECT_EQ(d->blaetter(), fall.blaetter.size());
        EXPECT_EQ(d->Edit1->isVisible(), fall.posten >= 2);
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Bitte Formular Ausfuhranmeldung in den Drucker einlegen!"), ui::ModalResult::Ok);
        dialoge.answerPrinterSetup(std::nullopt);
        if (fall.posten >= 2)
            dialoge.answerInput(QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), QStringLiteral("AE-77"));
        d->BtnOK->click();
        ASSERT_EQ(aufnahme.jobs().size(), fall.blaetter.size());
        for (int blatt = 0; blatt < fall.blaetter.size(); ++blatt) {
            EXPECT_EQ(aufnahme.jobs()[blatt].title, "Razazu / Versand: Ausfuhrmeldung");
            EXPECT_TRUE(aufnahme.jobs()[blatt].ended);
            const int seite = aufnahme.jobs()[blatt].firstPage;
            const QStringList &posten = fall.blaetter[blatt];
            if (blatt == 0) {
                EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Posten 1"), 805, 1120, 0, seite));
                EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Versender"), 230, 140, 0, seite));
                // Box 3's total and box 32's item number only with two items or more.
                EXPECT_EQ(aufnahme.hasText(QStringLiteral("GZ"), 1225, 220, 0, seite), fall.posten >= 2);
                EXPECT_EQ(aufnahme.hasText(QStringLiteral("1"), 1255, 1150, 0, seite), fall.posten >= 2);
                continue;
            }
            EXPECT_TRUE(aufnahme.hasText(QString::number(blatt + 1), 1160, 220, 0, seite));
            EXPECT_TRUE(aufnahme.hasText(QStringLiteral("AE-77"), 830, 50, 0, seite));
            int gefunden = 0;
            for (const auto &text : aufnahme.textsOnPage(seite))
                if (text.text.startsWith(QLatin1String("Posten ")))
                    ++gefunden;
            EXPECT_EQ(gefunden, posten.size());
            for (int k = 0; k < posten.size(); ++k)
                EXPECT_TRUE(aufnahme.hasText(posten[k], 800, 280 + 590 * k, 0, seite)) << posten[k].toStdString();
        }
        EXPECT_EQ(d->result(), ui::ModalResult::Ok);
    }
}

TEST_P(EinheitDruckTest, SheetRangesPrintTheirSheetsAndRefuseTheImpossible)
{
    erklaerung(20, 5);
    struct Fall
    {
        int auswahl;
        const char *von;
        const char *bis;
        QList<int> blaetter;        // sheets printed (their number in the head)
        const char *meldung;        // refused with this message
    };
    const QList<Fall> faelle{
        {TfrmEinheit_d::VonBis, "2", "3", {2, 3}, nullptr},
        {TfrmEinheit_d::EineSeite, "3", "", {3}, nullptr},
        {TfrmEinheit_d::VonBis, "3", "9", {3}, nullptr},
        {TfrmEinheit_d::VonBis, "3", "2", {}, "Die erste Seite liegt hinter der letzten!"},
        {TfrmEinheit_d::VonBis, "0", "2", {}, "Es gibt nur die Seiten 1 bis 3!"},
        {TfrmEinheit_d::EineSeite, "4", "", {}, "Es gibt nur die Seiten 1 bis 3!"},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(std::string(fall.von) + "-" + fall.bis);
        aufnahme.clear();
        auto d = dialog(20);
        d->RadioGroup1->setItemIndex(fall.auswahl);
        d->auswahlAnwenden();
        (fall.auswahl == TfrmEinheit_d::EineSeite ? d->Edit4 : d->Edit2)->setText(QString::fromLatin1(fall.von));
        d->Edit3->setText(QString::fromLatin1(fall.bis));
        ScriptedDialogs dialoge;
        if (fall.meldung)
            dialoge.answerMessage(QString::fromUtf8(fall.meldung), ui::ModalResult::Ok);
        else
            dialoge.answerInput(QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), QStringLiteral("N"));
        d->BtnOK->click();
        ASSERT_EQ(aufnahme.jobs().size(), fall.blaetter.size());
        for (int i = 0; i < fall.blaetter.size(); ++i)
            EXPECT_TRUE(aufnahme.hasText(QString::number(fall.blaetter[i]), 1160, 220, 0, aufnahme.jobs()[i].firstPage));
        // A refused range keeps the dialog open for the correction.
        EXPECT_EQ(d->isVisible(), fall.meldung != nullptr);
    }
}

// The master record fills a pre-stamped set with exactly the boxes listed as
// printed in advance; a declaration printed onto such a set fills in the
// rest. Elements without a gate (box D) go on both.
TEST_P(EinheitDruckTest, PreStamperGatesSplitSheetOneBetweenMasterAndDeclaration)
{
    vorab({QStringLiteral("2"), QStringLiteral("8"), QStringLiteral("44_1"), QStringLiteral("70"), QStringLiteral("abc")});
    erklaerung(Belegart::MasterFormularNr, 1);
    erklaerung(30, 1);
    struct Fall
    {
        qint64 nummer;
        bool vorabStempler;
        QStringList gedruckt;
        QStringList nicht;
    };
    const QList<Fall> faelle{
        {Belegart::MasterFormularNr, false, {"Versender", "Empfaenger", "Zeile445", "Ort"}, {"EX", "Posten 1", "Zeile447"}},
        {30, true, {"EX", "Posten 1", "Zeile447", "Ort"}, {"Versender", "Empfaenger", "Zeile445"}},
        {30, false, {"Versender", "Empfaenger", "Zeile445", "EX", "Posten 1", "Zeile447", "Ort"}, {}},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.nummer);
        aufnahme.clear();
        auto d = dialog(fall.nummer);
        EXPECT_EQ(d->CheckBox1->isVisible(), fall.nummer != Belegart::MasterFormularNr);
        d->CheckBox1->setChecked(fall.vorabStempler);
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Bitte Formular Ausfuhranmeldung"), ui::ModalResult::Ok);
        dialoge.answerPrinterSetup(std::nullopt);
        if (fall.nummer == Belegart::MasterFormularNr)
            dialoge.answerMessage(QStringLiteral("Die 1. Seite zum VorabStempler drucken !"), ui::ModalResult::Ok);
        d->BtnOK->click();
        ASSERT_EQ(aufnahme.jobs().size(), 1);
        for (const QString &text : fall.gedruckt)
            EXPECT_TRUE(gedruckt(text, 0)) << text.toStdString();
        for (const QString &text : fall.nicht)
            EXPECT_FALSE(gedruckt(text, 0)) << text.toStdString();
    }
}

TEST(Vorabliste, ReadsBoxNumbersAndTheBox44LinesAndSkipsTheRest)
{
    TempFolder ordner;
    QFile datei(ordner.file(QStringLiteral("Vorab.KD1")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("0\r\n55\r\n56\r\n44_3\r\n70\r\nabc\r\n-1\r\n");
    datei.close();
    const auto tore = TfrmEinheit_d::vorabLesen(datei.fileName());
    QList<int> gesetzt;
    for (int i = 0; i < TfrmEinheit_d::VorabTore; ++i)
        if (tore[size_t(i)])
            gesetzt << i;
    EXPECT_EQ(gesetzt, (QList<int>{0, 55, 56, 58}));
    EXPECT_THROW(TfrmEinheit_d::vorabLesen(ordner.file(QStringLiteral("fehlt"))), std::exception);
}

// Each page kind prints its own number of copies; none prints nothing.
TEST_P(EinheitDruckTest, CopiesPerPageKind)
{
    erklaerung(40, 4);
    struct Fall
    {
        int ersteKopien;
        int folgeKopien;
        QStringList blattFolge;   // "1" sheet 1, "2" sheet 2
    };
    for (const Fall &fall : {Fall{2, 1, {"1", "1", "2"}}, Fall{1, 3, {"1", "2", "2", "2"}}, Fall{0, 1, {"2"}},
                             Fall{1, 0, {"1"}}}) {
        SCOPED_TRACE(fall.ersteKopien * 10 + fall.folgeKopien);
        aufnahme.clear();
        seitenart(erste, fall.ersteKopien);
        seitenart(folge, fall.folgeKopien);
        auto d = dialog(40);
        EXPECT_EQ(d->lblKopien->text(), QString::number(fall.ersteKopien));
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Bitte Formular Ausfuhranmeldung"), ui::ModalResult::Ok);
        dialoge.answerPrinterSetup(std::nullopt);
        if (fall.folgeKopien > 0)
            dialoge.answerInput(QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), QStringLiteral("N"));
        d->BtnOK->click();
        QStringList folgeGedruckt;
        for (int job = 0; job < aufnahme.jobs().size(); ++job)
            folgeGedruckt << (gedruckt(QStringLiteral("Posten 1"), job) ? QStringLiteral("1") : QStringLiteral("2"));
        EXPECT_EQ(folgeGedruckt, fall.blattFolge);
    }
}

// Blank paper: every sheet of every copy of the set is a job; with duplex
// the backs join the jobs of sheet 1 in copies 1 and 4. The typed form
// number is stored with the declaration.
TEST_P(EinheitDruckTest, BlankPaperJobsAndPages)
{
    erklaerung(50, 4);
    struct Fall
    {
        int satz;
        bool duplex;
        int kopien;
        int auftraege;
        int seiten;
    };
    for (const Fall &fall : {Fall{3, false, 1, 6, 6}, Fall{3, true, 1, 6, 7}, Fall{4, true, 1, 8, 10},
                             Fall{4, false, 2, 16, 16}, Fall{3, false, 0, 0, 0}}) {
        SCOPED_TRACE(fall.satz * 100 + fall.duplex * 10 + fall.kopien);
        aufnahme.clear();
        seitenart(erste, fall.kopien);
        IniWertSchreiben(IniDateiName(), IniAbschnitt(), QStringLiteral("AeSet"), fall.satz);
        auto d = dialog(50);
        d->RadioGroup2->setItemIndex(TfrmEinheit_d::WeissesPapier);
        d->auswahlAnwenden();
        EXPECT_TRUE(d->Edit1->isVisible());
        EXPECT_TRUE(d->Button1->isEnabled());
        d->Edit1->setText(QStringLiteral("AE-99"));
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Dupplex-Funktion"), fall.duplex ? ui::ModalResult::Yes : ui::ModalResult::No);
        if (fall.kopien > 0)
            dialoge.answerInput(QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), QStringLiteral("AE-99"));
        d->BtnOK->click();
        EXPECT_EQ(aufnahme.jobs().size(), fall.auftraege);
        EXPECT_EQ(aufnahme.pageCount(), fall.seiten);
        if (fall.auftraege > 0) {
            for (int j = 1; j <= fall.satz; ++j)
                EXPECT_EQ(aufnahme.jobs()[j - 1].title, QStringLiteral("Razazu / Versand: Ausfuhrmeldung Seite:%1").arg(j));
            EXPECT_EQ(aufnahme.jobs()[fall.satz].title, "Razazu / Versand: Ausfuhrmeldung");
            EXPECT_EQ(aufnahme.jobs()[0].pageCount, fall.duplex ? 2 : 1);
            EXPECT_EQ(aufnahme.jobs()[0].options.duplex, fall.duplex);
            // Copy captions: the digit in the margin band of each copy.
            EXPECT_TRUE(aufnahme.hasText(QStringLiteral("2"), 170, 120, 0, aufnahme.jobs()[1].firstPage));
        }
        if (fall.duplex) {
            EXPECT_TRUE(aufnahme.findText(QStringLiteral("PRÜFUNG DURCH DIE VERSENDUNGS-/AUSFUHRZOLLSTELLE")).has_value());
            EXPECT_EQ(aufnahme.findText(QStringLiteral("I. Verwendung des Vordrucks")).has_value(), fall.satz == 4);
        }
        EXPECT_EQ(gespeichert(50, QStringLiteral("AENR")), "AE-99");
    }
}

// The master record prints sets of sheet 1 only; the count is asked again
// until it is a whole number.
TEST_P(EinheitDruckTest, MasterRecordPrintsTheAskedNumberOfSets)
{
    erklaerung(Belegart::MasterFormularNr, 1);
    IniWertSchreiben(IniDateiName(), IniAbschnitt(), QStringLiteral("AeSet"), 3);
    auto d = dialog(Belegart::MasterFormularNr);
    d->RadioGroup2->setItemIndex(TfrmEinheit_d::WeissesPapier);
    d->auswahlAnwenden();
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("Dupplex-Funktion"), ui::ModalResult::No);
    dialoge.answerInput(QStringLiteral("Bitte Anzahl Formularsätze eingeben!"), QStringLiteral("zwei"));
    dialoge.answerMessage(QStringLiteral("Sie haben keine gültige Zahl eingegeben!"), ui::ModalResult::Ok);
    dialoge.answerInput(QStringLiteral("Bitte Anzahl Formularsätze eingeben!"), QStringLiteral("2"));
    d->BtnOK->click();
    EXPECT_EQ(aufnahme.jobs().size(), 6);
    EXPECT_EQ(aufnahme.jobs()[3].title, "Razazu / Versand: Ausfuhrmeldung Seite:1");
}

// The separate back pages: one job with the entered copies, placed by the
// offsets of sheet 1's page kind, whatever printed before; 0 prints nothing.
TEST_P(EinheitDruckTest, BackPagesTakeTheirOwnPageKindsOffsets)
{
    erklaerung(60, 1);
    seitenart(erste, 1, 10, 20);
    seitenart(folge, 1, 50, 70);
    for (int anzahl : {2, 0}) {
        aufnahme.clear();
        auto d = dialog(60);
        d->RadioGroup2->setItemIndex(TfrmEinheit_d::WeissesPapier);
        d->auswahlAnwenden();
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Dennoch fortsetzen?"), ui::ModalResult::Yes);
        dialoge.answerInput(QStringLiteral("Bitte geben Sie die Anzahl ein!"), QString::number(anzahl));
        dialoge.answerPrinterSetup(std::nullopt);
        d->Button1->click();
        ASSERT_EQ(aufnahme.jobs().size(), anzahl > 0 ? 1 : 0);
        if (anzahl == 0)
            continue;
        EXPECT_EQ(aufnahme.jobs()[0].options.copies, 2);
        const auto text = aufnahme.findText(QStringLiteral("E"));
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(text->device, QPoint(110 - 10, 100 + 20));
        EXPECT_TRUE(d->isVisible()) << "the back buttons leave the dialog open";
    }
}

// Blank paper to PDF: the words land where the form puts them, within
// 0.3 mm, read back by poppler.
TEST_P(EinheitDruckTest, BlankPaperPdfPutsTheTextsWhereTheFormSays)
{
    if (GetParam() != Speicher::SQLite)
        GTEST_SKIP() << "the store plays no part here";
    erklaerung(70, 2);
    IniWertSchreiben(IniDateiName(), IniAbschnitt(), QStringLiteral("AeSet"), 3);
    const QString datei = programm.file(QStringLiteral("einheit.pdf"));
    {
        print::PdfBackend ausgabe(datei);
        pdf = &ausgabe;
        auto d = dialog(70);
        d->RadioGroup2->setItemIndex(TfrmEinheit_d::WeissesPapier);
        d->auswahlAnwenden();
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Dupplex-Funktion"), ui::ModalResult::Yes);
        dialoge.answerInput(QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), QStringLiteral("AE-70"));
        d->BtnOK->click();
        ausgabe.finish();
        pdf = nullptr;
        EXPECT_EQ(ausgabe.pageCount(), 7);
    }
    if (const QString ziel = qEnvironmentVariable("RAZAZU_EINHEIT_PDF"); !ziel.isEmpty())
        QFile::copy(datei, ziel);
    const PdfWords woerter = PdfWords::read(datei);
    if (!woerter.error.isEmpty())
        GTEST_SKIP() << woerter.error.toStdString();
    ASSERT_EQ(woerter.pages.size(), 7);
    constexpr double toleranz = 3;   // 0.3 mm
    // Every text drawn upright: its first word stands where it was drawn.
    int geprueft = 0;
    for (const auto &text : aufnahme.texts()) {
        const QString wort = text.text.section(u' ', 0, 0, QString::SectionSkipEmpty);
        if (text.angle != 0 || wort.size() < 2)
            continue;
        const bool gefunden = std::any_of(woerter.words.begin(), woerter.words.end(), [&](const PdfWord &w) {
            return w.page == text.page && w.text.startsWith(wort) && std::abs(w.xMin - text.device.x()) <= toleranz
                && std::abs(w.yMin - text.device.y()) <= toleranz;
        });
        EXPECT_TRUE(gefunden) << text.text.toStdString() << " at " << text.device.x() << "," << text.device.y()
                              << " page " << text.page;
        ++geprueft;
    }
    EXPECT_GT(geprueft, 1000);
    // The constants themselves, on sheet 1 of copy 1 (no offsets here).
    const PdfWord *zeichen = woerter.find(QStringLiteral("VERSENDUNGS-/AUSFUHRZOLLSTELLE"));
    ASSERT_NE(zeichen, nullptr);
    EXPECT_NEAR(zeichen->xMin, 1485, toleranz);
    EXPECT_NEAR(zeichen->yMin, 20, toleranz);
}

// The register's "&Drucken" opens the print dialog on its current
// declaration, captioned with its number.
TEST_P(EinheitDruckTest, TheRegistersPrintOpensTheDialogOnItsDeclaration)
{
    erklaerung(80, 2);
    TfrmRegieAE regie;
    ASSERT_TRUE(regie.kopf().findKey({80}));
    ModalForms formulare;
    QString titel;
    QString nummer;
    formulare.whenShown<TfrmEinheit_d>([&](TfrmEinheit_d &druck) {
        titel = druck.windowTitle();
        nummer = druck.lblBelegNr->text();
        druck.BtnAbbruch->click();
    });
    regie.Drucken();
    EXPECT_EQ(titel, "Druck Einheitspapier - Belegnummer: 80");
    EXPECT_EQ(nummer, "80");
    EXPECT_TRUE(aufnahme.jobs().isEmpty());
}

// With no printer for sheet 1 the dialog says so and opens the
// print-settings editor on its own page kinds; what the clerk assigns there
// is the printer, and without one the default printer prints.
TEST_P(EinheitDruckTest, WithoutAPrinterTheDialogOpensThePrintSettingsEditor)
{
    erklaerung(90, 1);
    daten->datenbank.createTable(Tabelle_S_FelderJust());
    seitenart(QStringLiteral("CMR"), 1, 0, 0, QStringLiteral("-1"));
    struct Fall
    {
        const char *gespeichert;
        bool zuordnen;
        const char *status;
    };
    for (const Fall &fall : {Fall{"-1", true, "Drucker: Nadel"}, Fall{"LPT1", false, "Drucker: Laser"},
                             Fall{"", false, "Drucker: Laser"}}) {
        SCOPED_TRACE(fall.gespeichert);
        seitenart(erste, 1, 0, 0, QString::fromLatin1(fall.gespeichert));
        seitenart(folge, 1, 0, 0, QStringLiteral("-1"));
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Es wurde kein Drucker ausgewählt!"), ui::ModalResult::Ok);
        ModalForms formulare;
        int zeilen = 0;
        formulare.whenShown<TfrmDrucker>([&](TfrmDrucker &editor) {
            zeilen = editor.Table1->recordCount();
            if (fall.zuordnen) {
                editor.Table1->findKey({erste});
                dialoge.answerPrinterSetup(QStringLiteral("Nadel"));
                editor.druckerZuordnen();
            }
            editor.BitBtn1->click();
        });
        auto d = dialog(90);
        EXPECT_EQ(zeilen, 2) << "only the export declaration's page kinds";
        EXPECT_EQ(d->StatusBar1->panelText(0), fall.status);
    }
}

// "... einrichten" gives both page kinds the printer the set-up leaves
// current, also when the clerk cancels it.
TEST_P(EinheitDruckTest, SettingUpThePrinterStoresItForBothPageKinds)
{
    erklaerung(91, 1);
    struct Fall
    {
        std::optional<QString> antwort;
        const char *erwartet;
    };
    for (const Fall &fall : {Fall{std::nullopt, "Laser"}, Fall{QStringLiteral("Nadel"), "Nadel"}}) {
        SCOPED_TRACE(fall.erwartet);
        seitenart(erste, 1);
        seitenart(folge, 1, 0, 0, QStringLiteral("Nadel"));
        auto d = dialog(91);
        ScriptedDialogs dialoge;
        dialoge.answerPrinterSetup(fall.antwort);
        d->mnuDruckerEinrichten->trigger();
        EXPECT_EQ(druckerVon(erste), fall.erwartet);
        EXPECT_EQ(druckerVon(folge), fall.erwartet);
        EXPECT_EQ(d->StatusBar1->panelText(0), QStringLiteral("Drucker: ") + QString::fromLatin1(fall.erwartet));
    }
}

// The progress bar runs from 0 up to 100 in steps on every sheet printed,
// and is hidden again after the run.
TEST_P(EinheitDruckTest, TheProgressBarRunsUpInStepsOnEverySheet)
{
    erklaerung(92, 4);
    IniWertSchreiben(IniDateiName(), IniAbschnitt(), QStringLiteral("AeSet"), 3);
    struct Fall
    {
        int medium;
        int blaetter;   // sheets printed: 2 on the form set, 2 x 3 copies on blank paper
    };
    for (const Fall &fall : {Fall{TfrmEinheit_d::Formular, 2}, Fall{TfrmEinheit_d::WeissesPapier, 6}}) {
        SCOPED_TRACE(fall.medium);
        auto d = dialog(92);
        d->RadioGroup2->setItemIndex(fall.medium);
        d->auswahlAnwenden();
        QList<int> werte;
        bool sichtbar = true;
        QObject::connect(d->ProgressBar1, &QProgressBar::valueChanged, d.get(), [&](int wert) {
            werte << wert;
            sichtbar = sichtbar && d->ProgressBar1->isVisible();
        });
        ScriptedDialogs dialoge;
        if (fall.medium == TfrmEinheit_d::Formular) {
            dialoge.answerMessage(QStringLiteral("Bitte Formular Ausfuhranmeldung"), ui::ModalResult::Ok);
            dialoge.answerPrinterSetup(std::nullopt);
        } else {
            dialoge.answerMessage(QStringLiteral("Dupplex-Funktion"), ui::ModalResult::No);
        }
        dialoge.answerInput(QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), QStringLiteral("N"));
        d->BtnOK->click();
        QList<QList<int>> blaetter{{}};
        for (int wert : std::as_const(werte)) {
            blaetter.last() << wert;
            if (wert == 100)
                blaetter << QList<int>{};
        }
        EXPECT_TRUE(blaetter.takeLast().isEmpty()) << "the last sheet ends at 100";
        ASSERT_EQ(blaetter.size(), fall.blaetter);
        for (const QList<int> &blatt : std::as_const(blaetter)) {
            EXPECT_EQ(blatt.first(), 0);
            EXPECT_GE(blatt.size(), 3) << "steps between 0 and 100";
            EXPECT_TRUE(std::adjacent_find(blatt.begin(), blatt.end(), std::greater_equal<>()) == blatt.end());
        }
        EXPECT_TRUE(sichtbar);
        EXPECT_FALSE(d->ProgressBar1->isVisible());
    }
}

// Without "Vorab.KD1" OK reports the file error before anything is printed
// and the dialog stays open.
TEST_P(EinheitDruckTest, AMissingPreStamperListStopsTheRunBeforeItPrints)
{
    erklaerung(93, 1);
    QFile::remove(programm.file(QStringLiteral("Vorab.KD1")));
    std::vector<sys::ExceptionReport> berichte;
    const auto vorher = sys::setExceptionHandler([&](const sys::ExceptionReport &r) { berichte.push_back(r); });
    auto d = dialog(93);
    ScriptedDialogs dialoge;
    d->BtnOK->click();
    sys::setExceptionHandler(vorher);
    EXPECT_EQ(berichte.size(), 1u);
    EXPECT_TRUE(dialoge.shown().empty());
    EXPECT_TRUE(aufnahme.jobs().isEmpty());
    EXPECT_TRUE(d->isVisible());
}

// The emergency-procedure stamp needs both the start and the ticket number.
TEST_P(EinheitDruckTest, TheEmergencyStampNeedsStartAndTicket)
{
    struct Fall
    {
        qint64 nummer;
        const char *ticket;
    };
    for (const Fall &fall : {Fall{94, "T-4711"}, Fall{95, ""}}) {
        SCOPED_TRACE(fall.nummer);
        aufnahme.clear();
        erklaerung(fall.nummer, 1);
        daten->datenbank.execute(
            QStringLiteral("UPDATE \"EINHEIT\" SET \"NV_AM\" = '02.05.2024 10:15', \"NV_TicketNr\" = ? WHERE \"belegnr\" = ?"),
            {QString::fromLatin1(fall.ticket), fall.nummer});
        auto d = dialog(fall.nummer);
        ScriptedDialogs dialoge;
        dialoge.answerMessage(QStringLiteral("Bitte Formular Ausfuhranmeldung"), ui::ModalResult::Ok);
        dialoge.answerPrinterSetup(std::nullopt);
        d->BtnOK->click();
        const bool stempel = *fall.ticket != 0;
        EXPECT_EQ(aufnahme.hasText(QStringLiteral("ECS/AES NOTFALLVERFAHREN"), 1540, 2140), stempel);
        EXPECT_EQ(aufnahme.hasText(QStringLiteral("KEINE DATEN IM SYSTEM VERFÜGBAR"), 1460, 2210), stempel);
        if (!stempel)
            continue;
        const auto begonnen = aufnahme.findText(QStringLiteral("02.05.2024 10:15"));
        ASSERT_TRUE(begonnen.has_value());
        EXPECT_GT(begonnen->position.x(), 1460);
        EXPECT_EQ(begonnen->position.y(), 2250);
        const auto ticket = aufnahme.findText(QStringLiteral("T-4711"));
        ASSERT_TRUE(ticket.has_value());
        EXPECT_EQ(ticket->position.y(), 2340);
        bool punkte = false;
        for (const auto &text : aufnahme.texts())
            punkte = punkte || (text.text.startsWith(QLatin1String("Begonnen am ..")) && text.position == QPoint(1460, 2270));
        EXPECT_TRUE(punkte);
    }
}

// The test print: one job per copy of the set on the chosen printer, "AE"
// and "TEST123" after "Nr", no question and no back page; the dialog stays
// open on "Formular" and the declaration is left as it was.
TEST_P(EinheitDruckTest, TheTestPrintDrawsOneSetWithoutBackPages)
{
    erklaerung(96, 4);
    IniWertSchreiben(IniDateiName(), IniAbschnitt(), QStringLiteral("AeSet"), 4);
    auto d = dialog(96);
    d->Edit1->setText(QStringLiteral("geändert"));
    ScriptedDialogs dialoge;
    dialoge.answerPrinterSetup(QStringLiteral("Nadel"));
    d->TestdruckaufweiemPapier1->trigger();
    ASSERT_EQ(aufnahme.jobs().size(), 4);
    EXPECT_EQ(aufnahme.pageCount(), 4);
    for (int j = 0; j < 4; ++j) {
        const int seite = aufnahme.jobs()[j].firstPage;
        EXPECT_EQ(aufnahme.jobs()[j].title, QStringLiteral("Razazu / Versand: Ausfuhrmeldung Seite:%1").arg(j + 1));
        EXPECT_TRUE(aufnahme.hasText(QStringLiteral("TEST123"), 889, 50, 0, seite));
        EXPECT_TRUE(aufnahme.hasText(QStringLiteral("AE"), 762, 50, 0, seite));
    }
    // Copy 4 is the exporter's copy: digit 3 and "Kopie für" / "Aussteller" in box B.
    const int vierte = aufnahme.jobs()[3].firstPage;
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("3"), 170, 120, 0, vierte));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Kopie für"), 1170, 1850, 0, vierte));
    EXPECT_TRUE(aufnahme.hasText(QStringLiteral("Aussteller"), 1170, 1980, 0, vierte));
    EXPECT_FALSE(aufnahme.findText(QStringLiteral("I. Verwendung des Vordrucks")).has_value());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->RadioGroup2->itemIndex(), TfrmEinheit_d::Formular);
    EXPECT_EQ(gespeichert(96, QStringLiteral("AENR")), "AE-1");

    // Cancelling the set-up prints nothing.
    aufnahme.clear();
    dialoge.answerPrinterSetup(std::nullopt);
    d->TestdruckaufweiemPapier1->trigger();
    EXPECT_TRUE(aufnahme.jobs().isEmpty());
}

// "VorabStempler" clears the form number only on blank paper, where the
// pre-stamped set gets a number of its own; on the form set it keeps what
// the clerk typed.
TEST_P(EinheitDruckTest, ThePreStamperTickClearsTheNumberOnlyOnBlankPaper)
{
    erklaerung(97, 4);
    auto d = dialog(97);
    EXPECT_EQ(d->Edit1->text(), "AE-1");
    d->Edit1->setText(QStringLiteral("getippt"));
    d->CheckBox1->click();
    EXPECT_EQ(d->Edit1->text(), "getippt");
    d->CheckBox1->click();
    d->RadioGroup2->setItemIndex(TfrmEinheit_d::WeissesPapier);
    d->auswahlAnwenden();
    EXPECT_EQ(d->Edit1->text(), "getippt");
    d->CheckBox1->click();
    EXPECT_TRUE(d->Edit1->isVisible());
    EXPECT_TRUE(d->Edit1->text().isEmpty());
}

AUSFUHR_TESTS(EinheitDruckTest);

} // namespace
