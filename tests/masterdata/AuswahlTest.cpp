#include "Stammdatenbestand.h"
#include "support/PressKey.h"

#include "masterdata/AuswahlCodes.h"
#include "masterdata/Auswahldialoge.h"
#include "masterdata/Lnder_e.h"
#include "masterdata/Pickdate.h"

#include "common/Eingabeformulare.h"
#include "common/TSR_dbGrid.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace {

// The key goes to the focused control of ziel's window, as the keyboard's.
void tasteIn(QWidget *ziel, int key, const QString &text = {})
{
    pressKey(ziel, key, Qt::NoModifier, text);
}

QString feldWert(masterdata::Auswahldialog &dialog, const QString &feld)
{
    return dialog.Table1->fieldByName(feld).asString();
}

// A stand-in for an entry form: one edit per box, named after it, open
// under its form name while the object lives.
class Testeingabeformular
{
public:
    Testeingabeformular(const QString &name, const QStringList &boxen) : name_(name)
    {
        form.setObjectName(name);
        auto *layout = new QVBoxLayout(&form);
        for (const QString &box : boxen) {
            auto *edit = new QLineEdit(&form);
            edit->setObjectName(box);
            edit->setText(QStringLiteral("alt"));
            layout->addWidget(edit);
        }
        registriereEingabeformular(name, &form);
    }
    ~Testeingabeformular() { abmeldenEingabeformular(name_, &form); }

    QString text(const QString &box) const { return form.findChild<QLineEdit *>(box)->text(); }

    QWidget form;

private:
    QString name_;
};

class Auswahl : public Stammdatenbestand
{
protected:
    void laender()
    {
        anlegen(QStringLiteral("S_LANDBZ"),
                {QStringLiteral("Land"), QStringLiteral("Bez"), QStringLiteral("Landkbz"), QStringLiteral("Lkz"),
                 QStringLiteral("Zug"), QStringLiteral("Kurs"), QStringLiteral("Waehrung"), QStringLiteral("EinzelMit")},
                {{QStringLiteral("004"), QStringLiteral("Deutschland"), QStringLiteral("D"), QStringLiteral("DE"),
                  QStringLiteral("EU"), 1.0, QStringLiteral("EUR"), false},
                 {QStringLiteral("039"), QStringLiteral("Schweiz"), QStringLiteral("CH"), QStringLiteral("CH"),
                  QStringLiteral("EFT"), 1.5, QStringLiteral("CHF"), true},
                 {QStringLiteral("001"), QStringLiteral("Frankreich"), QStringLiteral("F"), QStringLiteral("FR"),
                  QStringLiteral("EU"), 1.0, QStringLiteral("EUR"), false},
                 {QStringLiteral("030"), QStringLiteral("Schweden"), QStringLiteral("S"), QStringLiteral("SE"),
                  QStringLiteral("EU"), 0.09, QStringLiteral("SEK"), false}});
    }
};

// Typing moves the list to the first row at or after the character on the
// dialog's type-ahead index, and the list keeps that order; digits and
// letters do it in every dialog, other keys only where every key types.
TEST_P(Auswahl, TypeAheadGoesToTheFirstRowAtOrAfterTheCharacterOnEachIndex)
{
    anlegen(QStringLiteral("S_HAFEN"), {QStringLiteral("Nummer"), QStringLiteral("Hafen")},
            {{QStringLiteral("0001"), QStringLiteral("Rotterdam")}, {QStringLiteral("0002"), QStringLiteral("Hamburg")},
             {QStringLiteral("0003"), QStringLiteral("Antwerpen")}, {QStringLiteral("0004"), QStringLiteral("Bremen")}});
    anlegen(QStringLiteral("S_VERKZG"), {QStringLiteral("Vkzweig"), QStringLiteral("Bez1"), QStringLiteral("Bez2")},
            {{QStringLiteral("1"), QStringLiteral("Seeverkehr"), QStringLiteral("See")},
             {QStringLiteral("3"), QStringLiteral("Straßenverkehr"), QStringLiteral("LKW")},
             {QStringLiteral("4"), QStringLiteral("Luftverkehr"), QStringLiteral("Luft")},
             {QStringLiteral("2"), QStringLiteral("Eisenbahnverkehr"), QStringLiteral("Bahn")}});
    anlegen(QStringLiteral("S_ZOLLST"), {QStringLiteral("Zollst"), QStringLiteral("Ort")},
            {{QStringLiteral("DE004000"), QStringLiteral("Köln")}, {QStringLiteral("DE002000"), QStringLiteral("Hamburg")},
             {QStringLiteral("DE003000"), QStringLiteral("Bremen")}});
    laender();

    struct Fall
    {
        std::function<std::unique_ptr<masterdata::Auswahldialog>()> dialog;
        QString tasten;
        QString feld;
        QString erwartet;
        QString danach;   // the next row, in the type-ahead's order
    };
    const Fall faelle[] = {
        // Ports open in number order; "h" switches to the names.
        {[] { return std::make_unique<TfrmHafen_e>(); }, QStringLiteral("h"), QStringLiteral("Hafen"),
         QStringLiteral("Hamburg"), QStringLiteral("Rotterdam")},
        // Every key types in the ports' dialog: "-" sorts before all names.
        {[] { return std::make_unique<TfrmHafen_e>(); }, QStringLiteral("-"), QStringLiteral("Hafen"),
         QStringLiteral("Antwerpen"), QStringLiteral("Bremen")},
        // Between names: the next one after "M".
        {[] { return std::make_unique<TfrmVerzw_e>(); }, QStringLiteral("M"), QStringLiteral("Bez1"),
         QStringLiteral("Seeverkehr"), QStringLiteral("Straßenverkehr")},
        // Only letters and digits type in the transport modes: "-" keeps the row.
        {[] { return std::make_unique<TfrmVerzw_e>(); }, QStringLiteral("l-"), QStringLiteral("Bez1"),
         QStringLiteral("Luftverkehr"), QStringLiteral("Seeverkehr")},
        // Each key starts afresh.
        {[] { return std::make_unique<TfrmZoll_e>(); }, QStringLiteral("hb"), QStringLiteral("Ort"),
         QStringLiteral("Bremen"), QStringLiteral("Hamburg")},
        // Past the last name: the last row.
        {[] { return std::make_unique<TfrmLnder_e>(); }, QStringLiteral("z"), QStringLiteral("Bez"),
         QStringLiteral("Schweiz"), QStringLiteral("Schweiz")},
        {[] { return std::make_unique<TfrmLnder_e>(); }, QStringLiteral("S"), QStringLiteral("Bez"),
         QStringLiteral("Schweden"), QStringLiteral("Schweiz")},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.tasten.toStdString() + " " + fall.feld.toStdString());
        const auto dialog = fall.dialog();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        dialog->DBGrid1->setFocus();
        for (QChar zeichen : fall.tasten)
            tasteIn(QApplication::focusWidget(), 0, QString(zeichen));
        EXPECT_EQ(feldWert(*dialog, fall.feld), fall.erwartet);
        EXPECT_EQ(dialog->modalResult(), 0);
        dialog->Table1->next();
        EXPECT_EQ(feldWert(*dialog, fall.feld), fall.danach);
    }
}

// Enter takes the highlighted row also where every other key types; Esc
// cancels.
TEST_P(Auswahl, EnterTakesTheRowAndEscCancelsInEveryKindOfDialog)
{
    anlegen(QStringLiteral("S_INLAND"), {QStringLiteral("Ulandi"), QStringLiteral("Bez")},
            {{QStringLiteral("09"), QStringLiteral("Bayern")}, {QStringLiteral("02"), QStringLiteral("Hamburg")}});
    anlegen(QStringLiteral("S_LIEFER"), {QStringLiteral("Lieferb"), QStringLiteral("Bedeutung")},
            {{QStringLiteral("EXW"), QStringLiteral("ab Werk")}, {QStringLiteral("FCA"), QStringLiteral("frei Frachtführer")}});

    formulare.whenShown<TfrmLnderbrd_e>([](TfrmLnderbrd_e &d) {
        tasteIn(d.DBGrid1, 0, QStringLiteral("h"));
        tasteIn(d.DBGrid1, Qt::Key_Return);
    });
    TfrmLnderbrd_e bundeslaender;
    EXPECT_EQ(bundeslaender.showModal(), ui::ModalResult::Ok);
    EXPECT_EQ(feldWert(bundeslaender, QStringLiteral("Ulandi")), QStringLiteral("02"));

    formulare.whenShown<TfrmLiefer_e>([](TfrmLiefer_e &d) {
        tasteIn(d.DBGrid1, 0, QStringLiteral("f"));
        tasteIn(d.DBGrid1, Qt::Key_Escape);
    });
    QString code = QStringLiteral("vorher");
    EXPECT_FALSE(AuswahlLieferbedingung(code));
    EXPECT_EQ(code, QString());

    formulare.whenShown<TfrmLiefer_e>([](TfrmLiefer_e &d) {
        tasteIn(d.DBGrid1, 0, QStringLiteral("f"));
        d.SpeedButton2->click();
    });
    EXPECT_TRUE(AuswahlLieferbedingung(code));
    EXPECT_EQ(code, QStringLiteral("FCA"));
}

// The federal states' class function opens on the start code in any case,
// on the first state by name without it; the transport modes' ignores it.
TEST_P(Auswahl, ClassFunctionsStartWhereTheirPartSaysAndCancelGivesNothing)
{
    anlegen(QStringLiteral("S_INLAND"), {QStringLiteral("Ulandi"), QStringLiteral("Bez")},
            {{QStringLiteral("BY"), QStringLiteral("Bayern")}, {QStringLiteral("HH"), QStringLiteral("Hamburg")},
             {QStringLiteral("BE"), QStringLiteral("Berlin")}});
    anlegen(QStringLiteral("S_VERKZG"), {QStringLiteral("Vkzweig"), QStringLiteral("Bez1")},
            {{QStringLiteral("1"), QStringLiteral("Seeverkehr")}, {QStringLiteral("4"), QStringLiteral("Luftverkehr")}});
    anlegen(QStringLiteral("S_GESART"), {QStringLiteral("Geart"), QStringLiteral("Bez")},
            {{QStringLiteral("11"), QStringLiteral("Kauf")}});

    QStringList gezeigt;
    const auto nehmen = [&](masterdata::Auswahldialog &d, const QString &feld) {
        gezeigt << feldWert(d, feld);
        d.SpeedButton2->click();
    };
    formulare.whenShown<TfrmLnderbrd_e>([&](TfrmLnderbrd_e &d) { nehmen(d, QStringLiteral("Ulandi")); });
    formulare.whenShown<TfrmLnderbrd_e>([&](TfrmLnderbrd_e &d) { nehmen(d, QStringLiteral("Ulandi")); });
    formulare.whenShown<TfrmLnderbrd_e>([&](TfrmLnderbrd_e &d) { d.SpeedButton1->click(); });
    formulare.whenShown<TfrmVerzw_e>([&](TfrmVerzw_e &d) { nehmen(d, QStringLiteral("Vkzweig")); });
    formulare.whenShown<TfrmGesch_e>([&](TfrmGesch_e &d) { nehmen(d, QStringLiteral("Geart")); });

    QString code = QStringLiteral("hh");
    EXPECT_TRUE(AuswahlBundesland(code));
    EXPECT_EQ(code, QStringLiteral("HH"));
    code = QStringLiteral("XX");
    EXPECT_TRUE(AuswahlBundesland(code));
    EXPECT_EQ(code, QStringLiteral("BY"));
    code = QStringLiteral("BE");
    EXPECT_FALSE(AuswahlBundesland(code));
    EXPECT_EQ(code, QString());
    EXPECT_TRUE(AuswahlVerkehrszweig(code, QStringLiteral("1")));
    EXPECT_EQ(code, QStringLiteral("4"));
    EXPECT_TRUE(AuswahlGeschaeftsart(code));
    EXPECT_EQ(code, QStringLiteral("11"));
    EXPECT_EQ(gezeigt, (QStringList{QStringLiteral("HH"), QStringLiteral("BY"), QStringLiteral("4"), QStringLiteral("11")}));
}

// "Übernehmen" writes the chosen row into the named boxes of the open
// entry form; any other Tag, 0 included, writes nothing and still ends with 1.
TEST_P(Auswahl, TagTakeOverWritesIntoTheOpenEntryFormsBoxesByName)
{
    anlegen(QStringLiteral("S_GESART"), {QStringLiteral("Geart"), QStringLiteral("Bez")},
            {{QStringLiteral("11"), QStringLiteral("Kauf")}, {QStringLiteral("3"), QStringLiteral("Einstellig")}});
    laender();
    Testeingabeformular ausfuhr(QStringLiteral("frmEinheit"),
                                {QStringLiteral("F24_1"), QStringLiteral("F24_2"), QStringLiteral("F22_1"),
                                 QStringLiteral("F17_1"), QStringLiteral("F1_1")});
    Testeingabeformular einfuhr(QStringLiteral("frmEinheit2"),
                                {QStringLiteral("F22_1"), QStringLiteral("F30"), QStringLiteral("F15"), QStringLiteral("F15_1")});

    struct Fall
    {
        std::function<std::unique_ptr<masterdata::Auswahldialog>()> dialog;
        QString zeile;   // the row's name, reached by nearest key
        int tag;
        QList<std::pair<Testeingabeformular *, QStringList>> erwartet;   // box=value
    };
    const auto gesch = [] { return std::make_unique<TfrmGesch_e>(); };
    const auto land = [] { return std::make_unique<TfrmLnder_e>(); };
    const Fall faelle[] = {
        {gesch, QStringLiteral("Kauf"), 24, {{&ausfuhr, {QStringLiteral("F24_1=1"), QStringLiteral("F24_2=1")}}}},
        {gesch, QStringLiteral("Einstellig"), 24, {{&ausfuhr, {QStringLiteral("F24_1=3"), QStringLiteral("F24_2=")}}}},
        {gesch, QStringLiteral("Kauf"), 0, {}},
        // The import form's Tag does not reach the export form.
        {gesch, QStringLiteral("Kauf"), 240, {}},
        {land, QStringLiteral("Schweiz"), 22, {{&ausfuhr, {QStringLiteral("F22_1=CHF")}}}},
        {land, QStringLiteral("Frankreich"), 1, {{&ausfuhr, {QStringLiteral("F1_1=EU")}}}},
        {land, QStringLiteral("Schweiz"), 220, {{&einfuhr, {QStringLiteral("F22_1=CHF"), QStringLiteral("F30=1,5")}}}},
        {land, QStringLiteral("Schweiz"), 40, {{&einfuhr, {QStringLiteral("F15=CH"), QStringLiteral("F15_1=CH")}}}},
        {land, QStringLiteral("Schweiz"), 0, {}},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.zeile.toStdString() + " " + std::to_string(fall.tag));
        for (Testeingabeformular *form : {&ausfuhr, &einfuhr}) {
            for (QLineEdit *edit : form->form.findChildren<QLineEdit *>())
                edit->setText(QStringLiteral("alt"));
        }
        const auto dialog = fall.dialog();
        dialog->Table1->findNearest({fall.zeile});
        dialog->Tag = fall.tag;
        dialog->SpeedButton2->click();
        EXPECT_EQ(dialog->modalResult(), ui::ModalResult::Ok);
        for (Testeingabeformular *form : {&ausfuhr, &einfuhr}) {
            for (QLineEdit *edit : form->form.findChildren<QLineEdit *>()) {
                QString erwartet = QStringLiteral("alt");
                for (const auto &[ziel, werte] : fall.erwartet) {
                    for (const QString &wert : werte) {
                        if (ziel == form && wert.section(u'=', 0, 0) == edit->objectName())
                            erwartet = wert.section(u'=', 1);
                    }
                }
                EXPECT_EQ(edit->text(), erwartet) << edit->objectName().toStdString();
            }
        }
    }
}

// A box found by the field its data edit is bound to takes the value as if
// typed: the field has it in the record the caller posts.
TEST_P(Auswahl, AValueWrittenIntoABoundEditReachesTheRecord)
{
    anlegen(QStringLiteral("S_TEST"), {QStringLiteral("Nummer"), QStringLiteral("Name")}, {{1, QStringLiteral("Alt")}});
    db::Table tabelle(datenbank(), QStringLiteral("S_TEST"));
    tabelle.open();
    db::DataSource quelle(&tabelle);
    QWidget form;
    auto *edit = new ui::DataEdit(QStringLiteral("DBEdit7"), &quelle, QStringLiteral("Name"), &form);
    tabelle.edit();
    EXPECT_TRUE(eingabeSchreiben(&form, QStringLiteral("name"), QStringLiteral("Neu")));
    EXPECT_EQ(edit->text(), QStringLiteral("Neu"));
    tabelle.post();
    EXPECT_EQ(wert(QStringLiteral("SELECT \"Name\" FROM \"S_TEST\"")).toString(), QStringLiteral("Neu"));
    EXPECT_FALSE(eingabeSchreiben(&form, QStringLiteral("F99"), QStringLiteral("x")));
}

TEST(Monatskalender, TheYearButtonsKeepTheDayButTurn29FebruaryInto28)
{
    const struct
    {
        QDate von;
        int jahre;
        QDate nach;
    } faelle[] = {
        {QDate(2024, 2, 29), 1, QDate(2025, 2, 28)},
        {QDate(2024, 2, 29), -1, QDate(2023, 2, 28)},
        {QDate(2024, 2, 29), 4, QDate(2028, 2, 29)},
        {QDate(2023, 7, 31), 1, QDate(2024, 7, 31)},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(umJahreVerschoben(fall.von, fall.jahre), fall.nach) << fall.von.toString().toStdString();

    TBrDateForm form;
    form.setDatum(QDate(2024, 2, 29));
    form.SpeedButton4->click();
    EXPECT_EQ(form.datum(), QDate(2025, 2, 28));
    EXPECT_EQ(form.TitleLabel->text(), QStringLiteral("Februar, 2025"));
    form.NextMonthBtn->click();
    EXPECT_EQ(form.TitleLabel->text(), QStringLiteral("März, 2025"));
    form.show();
    tasteIn(form.Calendar1, Qt::Key_Return);
    EXPECT_EQ(form.modalResult(), ui::ModalResult::Ok);
}

INSTANTIATE_TEST_SUITE_P(Speicher, Auswahl, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
