#include "RegisterTestbasis.h"
#include "support/ScriptedDialogs.h"

#include "common/Eingabeauswahl.h"
#include "common/Eingabeformular.h"
#include "common/Eingabeformulare.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

Eingabefeld testfeld(const QString &auswahl)
{
    return {.steuerelement = QStringLiteral("DBEdit1"), .feld = QStringLiteral("Empfaenger"),
            .kasten = QStringLiteral("1 Empfänger"), .hilfe = QStringLiteral("1 Empfänger"), .auswahl = auswahl};
}

// A lookup bound to F9 on press runs on the press alone; its columns are put
// together by the pattern in one pass (a value holding "%2" stays as it is).
TEST(Eingabeformular, F9OnPressAndPatternedTakeOver)
{
    Testfamilie familie;
    familie.kopfAnlegen(1, QStringLiteral("Alt"));
    familie.oeffnen();
    int gefragt = 0;
    auswahlRegistrieren(QStringLiteral("TestAuswahl"), [&](const Auswahlanfrage &anfrage) -> Auswahlergebnis {
        ++gefragt;
        EXPECT_EQ(anfrage.start, "Alt");
        return QHash<QString, QString>{{QStringLiteral("Name"), QStringLiteral("A%2")},
                                       {QStringLiteral("Ort"), QStringLiteral("B")}};
    });
    Eingabeformular form(QStringLiteral("frmTest"), {testfeld(QStringLiteral("sbTest"))},
                         {{.knopf = QStringLiteral("sbTest"), .auswahl = QStringLiteral("TestAuswahl"),
                           .nebenSteuerelement = QStringLiteral("DBEdit1"),
                           .zuordnungen = {{QStringLiteral("DBEdit1"), {QStringLiteral("Name"), QStringLiteral("Ort")},
                                            QStringLiteral("%1 (%2)")}},
                           .fokus = FokusDanach::Unveraendert, .tasteBeimDruecken = true}},
                         {familie.kopfQuelle.get(), nullptr, nullptr});
    form.show();
    QApplication::setActiveWindow(&form);
    form.steuerelement(QStringLiteral("DBEdit1"))->setFocus();
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &druck);
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(familie.kopf->fieldByName(QStringLiteral("Empfaenger")).asString(), "A%2 (B)");
    EXPECT_EQ(familie.kopf->state(), db::DatasetState::Browse);
    auswahlRegistrieren(QStringLiteral("TestAuswahl"), {});

    // A lookup nobody registered says so and changes nothing.
    ScriptedDialogs dialoge;
    dialoge.answerMessage(QStringLiteral("noch nicht zur Verfügung"), ui::ModalResult::Ok);
    form.auswahlAusfuehren(QStringLiteral("sbTest"));
    EXPECT_EQ(gefragt, 1);
    form.setModalResult(ui::ModalResult::Cancel);
}

// Pickers write by form and control name while the form is open, and
// nowhere once it has gone.
TEST(Eingabeformular, OpenFormsAreFoundByName)
{
    Testfamilie familie;
    familie.kopfAnlegen(1, QStringLiteral("Alt"));
    familie.oeffnen();
    {
        Eingabeformular form(QStringLiteral("frmTest"), {testfeld({})}, {}, {familie.kopfQuelle.get(), nullptr, nullptr});
        EXPECT_EQ(offenesEingabeformular(QStringLiteral("frmTest")), &form);
        EXPECT_TRUE(inEingabefeldSchreiben(QStringLiteral("frmTest"), QStringLiteral("DBEdit1"), QStringLiteral("Neu")));
        EXPECT_FALSE(inEingabefeldSchreiben(QStringLiteral("frmTest"), QStringLiteral("DBEdit9"), QStringLiteral("x")));
        EXPECT_EQ(eingabefeldText(QStringLiteral("frmTest"), QStringLiteral("DBEdit1")), "Neu");
        EXPECT_EQ(familie.kopf->fieldByName(QStringLiteral("Empfaenger")).asString(), "Neu") << "as if typed";
        familie.kopf->cancel();
    }
    EXPECT_EQ(offenesEingabeformular(QStringLiteral("frmTest")), nullptr);
    EXPECT_FALSE(inEingabefeldSchreiben(QStringLiteral("frmTest"), QStringLiteral("DBEdit1"), QStringLiteral("x")));
}

// F6 in the master record stores the fixed-field list at once, read as the
// store holds it now, and leaves S_PARAME free for other workstations while
// the form stays open; F6 again takes the name out.
TEST(Eingabeformular, F6StoresTheFixedFieldListAtOnce)
{
    Testfamilie familie;
    familie.kopfAnlegen(1, QStringLiteral("Master"));
    familie.oeffnen();
    db::TableDef def;
    def.name = QStringLiteral("PARAM");
    def.fields = {{QStringLiteral("ID"), db::FieldType::Long}, {QStringLiteral("Memo_9"), db::FieldType::Memo}};
    def.primaryKey = {QStringLiteral("ID")};
    familie.datenbank.createTable(def);
    familie.datenbank.execute(QStringLiteral("INSERT INTO \"PARAM\" VALUES (1, NULL)"));
    db::Table parameter(familie.datenbank, QStringLiteral("PARAM"));
    parameter.open();
    db::DataSource parameterQuelle(&parameter);
    auto liste = [&] { return familie.wert(QStringLiteral("SELECT \"Memo_9\" FROM \"PARAM\"")).toString(); };

    Eingabeformular form(QStringLiteral("frmTest"), {testfeld({})}, {},
                         {familie.kopfQuelle.get(), nullptr, &parameterQuelle});
    form.festeFelderEinrichten(QStringLiteral("Memo_9"), true);
    form.show();
    QApplication::setActiveWindow(&form);
    auto f6 = [&] {
        form.steuerelement(QStringLiteral("DBEdit1"))->setFocus();
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &druck);
    };
    // Another workstation marks a box of its own after this form has read the list.
    db::Database andere(familie.datenbank.aliasName());
    andere.setPath(familie.datenbank.path());
    andere.open();
    andere.execute(QStringLiteral("UPDATE \"PARAM\" SET \"Memo_9\" = 'DBEdit7'"));

    f6();
    EXPECT_EQ(parameter.state(), db::DatasetState::Browse);
    EXPECT_EQ(liste(), "DBEdit7\nDBEdit1");
    EXPECT_TRUE(form.istFestesFeld(QStringLiteral("DBEdit1")));
    db::Table ihre(andere, QStringLiteral("PARAM"));
    ihre.open();
    EXPECT_NO_THROW(ihre.edit()) << "S_PARAME is not held while the form is open";
    ihre.cancel();

    f6();
    EXPECT_EQ(parameter.state(), db::DatasetState::Browse);
    EXPECT_EQ(liste(), "DBEdit7");
    EXPECT_FALSE(form.istFestesFeld(QStringLiteral("DBEdit1")));
    form.setModalResult(ui::ModalResult::Cancel);
}

} // namespace
