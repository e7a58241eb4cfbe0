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

} // namespace
