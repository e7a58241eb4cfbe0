#include "StartUmgebung.h"

#include "app/About.h"
#include "Version.h"
#include "app/Main.h"
#include "app/Optionen.h"
#include "common/Hersteller.h"
#include "common/Parameter.h"

#include "platform/sys/Process.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

class Dienste : public StartUmgebung
{
protected:
    void SetUp() override
    {
        StartUmgebung::SetUp();
        einrichten();
        benutzerAnlegen(QStringLiteral("meier"), {}, 2);
        automatischAnmelden(QStringLiteral("Systemverwalter"));
    }
};

TEST_F(Dienste, TheOptionsDialogShowsTheOptionsAndOkTakesThem)
{
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    TfrmOptionen optionen(main);

    EXPECT_TRUE(optionen.cbAutomatischAnmelden->isChecked());
    EXPECT_FALSE(optionen.cbbxAnmeldeNamen->isHidden());
    EXPECT_EQ(optionen.cbbxAnmeldeNamen->count(), 2);
    EXPECT_EQ(optionen.cbbxAnmeldeNamen->currentText(), QStringLiteral("Systemverwalter"));
    EXPECT_TRUE(optionen.cbBestaetigung->isChecked());
    // Both sums stored as on: only one of them can be.
    EXPECT_FALSE(optionen.cbStatistischerWert->isChecked());
    EXPECT_FALSE(optionen.cbStatistischerWert->isEnabled());
    EXPECT_TRUE(optionen.cbRechnungsWert->isChecked());
    EXPECT_TRUE(optionen.edIntraVerfahren->isHidden());

    optionen.cbAutomatischAnmelden->setChecked(false);
    EXPECT_TRUE(optionen.cbbxAnmeldeNamen->isHidden());
    optionen.cbbxAnmeldeNamen->setEditText(QStringLiteral("meier"));
    optionen.cbBestaetigung->setChecked(false);
    optionen.cbIntraUebernahme->setChecked(true);
    EXPECT_FALSE(optionen.edIntraVerfahren->isHidden());
    optionen.edIntraVerfahren->setText(QStringLiteral("10000"));
    optionen.edZollamtNr->setText(QStringLiteral("DE004711"));
    optionen.edAtlasKundenNr->setText(QStringLiteral("K-815"));
    optionen.btnOK->click();

    EXPECT_EQ(optionen.result(), ui::ModalResult::Ok);
    EXPECT_FALSE(main.AutomatischAnmelden);
    EXPECT_EQ(main.AnmeldeNamen, QStringLiteral("meier"));
    EXPECT_TRUE(main.AutomatischAbmelden);
    EXPECT_FALSE(main.StatistischerWert);
    EXPECT_TRUE(main.RechnungsWert);
    EXPECT_TRUE(main.IntraUebernahme);
    EXPECT_EQ(main.IntraVerfahren, QStringLiteral("10000"));
    EXPECT_EQ(main.ZollamtNr, QStringLiteral("DE004711"));
    EXPECT_EQ(programmzustand().IntraVerfahren, QStringLiteral("10000")) << "read where the main window is unknown";
    EXPECT_EQ(ini().readString(QStringLiteral("Atlas_KundenNr")), QStringLiteral("K-815"));
    // The rest waits for the main window's close.
    EXPECT_FALSE(ini().keyExists(QStringLiteral("ZollamtNr")));
}

TEST_F(Dienste, FontsAndColoursTakeEffectAtOnceEvenWithoutOk)
{
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    TfrmOptionen optionen(main);
    optionen.cbBestaetigung->setChecked(false);

    optionen.lbFarben->setCurrentRow(TfrmOptionen::Hintergrund);
    EXPECT_FALSE(optionen.btnSchriftart->isEnabled());
    dialoge.answerColor(QColor(255, 255, 0));
    optionen.btnFarbe->click();

    optionen.lbFarben->setCurrentRow(TfrmOptionen::EingabeFelder);
    EXPECT_TRUE(optionen.btnSchriftart->isEnabled());
    QFont gewaehlt(QStringLiteral("Liberation Mono"));
    gewaehlt.setPointSize(12);
    gewaehlt.setBold(true);
    dialoge.answerFont(gewaehlt);
    optionen.btnSchriftart->click();

    optionen.lbFarben->setCurrentRow(TfrmOptionen::Ausdruck);
    EXPECT_FALSE(optionen.btnFarbe->isEnabled());
    optionen.setModalResult(ui::ModalResult::Cancel);

    EXPECT_EQ(main.HinterGrundFarbe, sys::colors::yellow);
    EXPECT_EQ(main.EingabeFelderFont.Name, QStringLiteral("Liberation Mono"));
    EXPECT_EQ(main.EingabeFelderFont.Size, 12);
    EXPECT_TRUE(main.EingabeFelderFont.Bold);
    EXPECT_EQ(main.EingabeFelderFont.Color, sys::colors::windowText);
    // What forms of every folder take at their creation.
    EXPECT_EQ(Erscheinungsbild().inputFields.font.family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(Erscheinungsbild().background, QColor(255, 255, 0));
    EXPECT_FALSE(main.AutomatischAbmelden);

    dialoge.answerMessage(QStringLiteral("wirklich beenden"), ui::ModalResult::Yes);
    main.show();
    ASSERT_TRUE(main.close());
    EXPECT_EQ(ini().readString(QStringLiteral("EingabeFelderFontName")), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(ini().readString(QStringLiteral("HinterGrundFarbeColor")), QString::number(sys::colors::yellow));
}

TEST_F(Dienste, TheParameterItemEditsTheVatRateAndNumber)
{
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    for (int ergebnis : {int(ui::ModalResult::Cancel), int(ui::ModalResult::Ok)}) {
        formulare.whenShown<TfrmParameter>([ergebnis](TfrmParameter &dialog) {
            EXPECT_EQ(dialog.Label1->text(), QStringLiteral("MWST"));
            EXPECT_TRUE(dialog.DBEdit2->isVisible());
            EXPECT_TRUE(dialog.Label2->isVisible());
            EXPECT_FALSE(dialog.DBCheckBox1->isVisible());
            dialog.DBEdit2->setFocus();
            for (QChar zeichen : QStringLiteral("DE123456789")) {
                QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(zeichen));
                QApplication::sendEvent(dialog.DBEdit2, &druck);
            }
            dialog.setModalResult(ergebnis);
        });
        main.mnuParameterClick();
        EXPECT_EQ(main.tbParameter->state(), db::DatasetState::Browse);
        main.tbParameter->refresh();
        EXPECT_EQ(main.tbParameter->fieldByName(QStringLiteral("Ustnr")).asString(),
                  ergebnis == ui::ModalResult::Ok ? QStringLiteral("DE123456789") : QString());
    }
}

TEST_F(Dienste, TheAboutBoxShowsTheVersionNumbersAndOpensTheMailLink)
{
    TfrmMain main;
    ASSERT_FALSE(ProgrammEndeAngefordert());
    TAboutBox info(main.windowTitle());
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Kandrel Razazu / Versand %1").arg(version::major));
    EXPECT_EQ(info.lblDateiVersion->text(), QString::number(version::major));
    EXPECT_EQ(info.lblUnterversion->text(), QString::number(version::minor));
    EXPECT_EQ(info.lblAusgabe->text(), QString::number(version::release));
    EXPECT_EQ(info.lblBuilt->text(), QString::number(version::build));

    QList<QUrl> geoeffnet;
    const sys::ShellOpenHandler vorher = sys::setShellOpenHandler([&](const QUrl &url) {
        geoeffnet << url;
        return false;
    });
    dialoge.answerMessage(QStringLiteral("unbekannt"), ui::ModalResult::Ok);
    emit info.lblEMail->linkActivated(QStringLiteral("#"));
    sys::setShellOpenHandler(vorher);
    ASSERT_EQ(geoeffnet.size(), 1);
    EXPECT_EQ(geoeffnet.first(), QUrl(QStringLiteral("mailto:") + hersteller::EMail));
}

} // namespace
