#include "Optionen.h"

#include "Main.h"

#include "common/Ini.h"
#include "common/Util.h"
#include "masterdata/Auswahldialoge.h"
#include "masterdata/Stammformular.h"

#include "platform/db/Database.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/sys/Files.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QCheckBox *kontrollkaestchen(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit *eingabe(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

// The look is chosen by the manifest beside the executable: a parked one
// carries a leading underscore. A move that cannot be made (nothing to move,
// the target there already) changes nothing; the next start shows the look.
void ManifestUmschalten(bool an)
{
    const QString aktiv = ProgrammVerzeichnis() + QStringLiteral("Z_Tavero.exe.manifest");
    const QString geparkt = ProgrammVerzeichnis() + QStringLiteral("_Z_Tavero.exe.manifest");
    if (an)
        sys::moveFile(geparkt, aktiv);
    else
        sys::moveFile(aktiv, geparkt);
}

} // namespace

TfrmOptionen::TfrmOptionen(TfrmMain &main, QWidget *parent) : ui::Form(parent), main_(main)
{
    setObjectName(QStringLiteral("frmOptionen"));
    setWindowTitle(QStringLiteral("Optionen"));
    PageControl1 = new QTabWidget(body());
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // --- "Allgemein"
    auto *allgemein = new QWidget;
    cbAutomatischAnmelden = kontrollkaestchen(QStringLiteral("cbAutomatischAnmelden"), QStringLiteral("Automatisch Anmelden"), allgemein);
    cbbxAnmeldeNamen = new QComboBox(allgemein);
    cbbxAnmeldeNamen->setObjectName(QStringLiteral("cbbxAnmeldeNamen"));
    cbbxAnmeldeNamen->setEditable(true);
    cbBestaetigung = kontrollkaestchen(QStringLiteral("cbBestaetigung"), QStringLiteral("Bestätigung beim Beenden"), allgemein);
    cbXPThemes = kontrollkaestchen(QStringLiteral("cbXPThemes"),
                                   QStringLiteral("WindowsXP Themes verwenden (Programm neustart erforderlich)"), allgemein);
    auto *anmelden = new QHBoxLayout;
    anmelden->addWidget(cbAutomatischAnmelden);
    anmelden->addWidget(cbbxAnmeldeNamen, 1);
    auto *allgemeinLayout = new QVBoxLayout(allgemein);
    allgemeinLayout->addLayout(anmelden);
    allgemeinLayout->addWidget(cbBestaetigung);
    allgemeinLayout->addWidget(cbXPThemes);
    allgemeinLayout->addStretch();
    PageControl1->addTab(allgemein, QStringLiteral("Allgemein"));

    // --- "Farben"
    auto *farben = new QWidget;
    lbFarben = new QListWidget(farben);
    lbFarben->setObjectName(QStringLiteral("lbFarben"));
    lbFarben->setMaximumWidth(160);
    lbFarben->addItems({QStringLiteral("Eingabe-Felder"), QStringLiteral("Formular-Anzeige"),
                        QStringLiteral("Stammdaten-Anzeige"), QStringLiteral("Hintergrund"), QStringLiteral("Ausdruck")});
    gbBeispiel = new QGroupBox(QStringLiteral("Beispiel:"), farben);
    gbBeispiel->setObjectName(QStringLiteral("gbBeispiel"));
    edBeispiel = eingabe(QStringLiteral("edBeispiel"), gbBeispiel);
    edBeispiel->setText(QStringLiteral("Beispiel für die EingabeFelder"));
    edBeispiel->setCursorPosition(0);
    lblFormularAnzeige = new QLabel(QStringLiteral("Beispiel für die Formular-Anzeige"), gbBeispiel);
    lblFormularAnzeige->setObjectName(QStringLiteral("lblFormularAnzeige"));
    lblStammdatenAnzeige = new QLabel(QStringLiteral("Beispiel für die Stammdaten-Anzeige"), gbBeispiel);
    lblStammdatenAnzeige->setObjectName(QStringLiteral("lblStammdatenAnzeige"));
    auto *beispielLayout = new QVBoxLayout(gbBeispiel);
    beispielLayout->addWidget(edBeispiel);
    beispielLayout->addWidget(lblFormularAnzeige);
    beispielLayout->addWidget(lblStammdatenAnzeige);
    beispielLayout->addStretch();
    btnSchriftart = new QPushButton(QStringLiteral("Schriftart ändern"), farben);
    btnSchriftart->setObjectName(QStringLiteral("btnSchriftart"));
    btnFarbe = new QPushButton(QStringLiteral("Farbe ändern"), farben);
    btnFarbe->setObjectName(QStringLiteral("btnFarbe"));
    auto *farbKnoepfe = new QVBoxLayout;
    farbKnoepfe->addWidget(btnSchriftart);
    farbKnoepfe->addWidget(btnFarbe);
    farbKnoepfe->addStretch();
    auto *farbenLayout = new QHBoxLayout(farben);
    farbenLayout->addWidget(lbFarben);
    farbenLayout->addWidget(gbBeispiel, 1);
    farbenLayout->addLayout(farbKnoepfe);
    PageControl1->addTab(farben, QStringLiteral("Farben"));

    // --- "Zollanmeldung"
    auto *zoll = new QWidget;
    auto *sammel = new QGroupBox(QStringLiteral("Sammelzollanmeldung 0512/0514 - 0516"), zoll);
    cbAbgabensatz = kontrollkaestchen(QStringLiteral("cbAbgabensatz"),
                                      QStringLiteral("Spalten Abgabensatz bei Formular 0516 berechenen"), sammel);
    cbStatistischerWert = kontrollkaestchen(QStringLiteral("cbStatistischerWert"),
                                            QStringLiteral("Gesamtsumme für stat. Wert bei Formular 0512 berechenen"), sammel);
    cbRechnungsWert = kontrollkaestchen(QStringLiteral("cbRechnungsWert"),
                                        QStringLiteral("Gesamtsumme für Rechnungswert bei Formular 0512 berechenen"), sammel);
    auto *sammelLayout = new QVBoxLayout(sammel);
    sammelLayout->addWidget(cbAbgabensatz);
    sammelLayout->addWidget(cbStatistischerWert);
    sammelLayout->addWidget(cbRechnungsWert);
    auto *zollLayout = new QVBoxLayout(zoll);
    zollLayout->addWidget(sammel);
    zollLayout->addStretch();
    PageControl1->addTab(zoll, QStringLiteral("Zollanmeldung"));

    // --- "Ausfuhranmeldung"
    auto *ausfuhr = new QWidget;
    auto *stempel = new QGroupBox(QStringLiteral("Sonderstempel"), ausfuhr);
    auto *hinweis = new QLabel(QStringLiteral("Wenn alle Felder ausgefüllt sind wird der Sonderstempel mit ausgedruckt!!"), stempel);
    hinweis->setWordWrap(true);
    edZollamt1 = eingabe(QStringLiteral("edZollamt1"), stempel);
    edZollamt2 = eingabe(QStringLiteral("edZollamt2"), stempel);
    edZollamtAn1 = eingabe(QStringLiteral("edZollamtAn1"), stempel);
    edZollamtAn2 = eingabe(QStringLiteral("edZollamtAn2"), stempel);
    edZollamtNr = eingabe(QStringLiteral("edZollamtNr"), stempel);
    auto *stempelLayout = new QVBoxLayout(stempel);
    stempelLayout->addWidget(hinweis);
    stempelLayout->addWidget(new QLabel(QStringLiteral("Zollstelle"), stempel));
    stempelLayout->addWidget(edZollamt1);
    stempelLayout->addWidget(edZollamt2);
    stempelLayout->addWidget(new QLabel(QStringLiteral("Anschrift"), stempel));
    stempelLayout->addWidget(edZollamtAn1);
    stempelLayout->addWidget(edZollamtAn2);
    stempelLayout->addWidget(new QLabel(QStringLiteral("Nummer"), stempel));
    stempelLayout->addWidget(edZollamtNr);
    cbAEFeld33Focus = kontrollkaestchen(QStringLiteral("cbAEFeld33Focus"),
                                        QStringLiteral("Feld 34 Nach Übernahme von Feld 31 Markieren?"), ausfuhr);
    auto *ausfuhrLayout = new QVBoxLayout(ausfuhr);
    ausfuhrLayout->addWidget(stempel);
    ausfuhrLayout->addWidget(cbAEFeld33Focus);
    ausfuhrLayout->addStretch();
    PageControl1->addTab(ausfuhr, QStringLiteral("Ausfuhranmeldung"));

    // --- "Intrastat"
    auto *intrastat = new QWidget;
    cbIntraUebernahme = kontrollkaestchen(QStringLiteral("cbIntraUebernahme"),
                                          QStringLiteral("Verfahren bei Übernahme übernehmen?"), intrastat);
    edIntraVerfahren = eingabe(QStringLiteral("edIntraVerfahren"), intrastat);
    btnIntraVerfahren = new QPushButton(QStringLiteral("..."), intrastat);
    btnIntraVerfahren->setObjectName(QStringLiteral("btnIntraVerfahren"));
    cbIntraArtUebernahme = kontrollkaestchen(QStringLiteral("cbIntraArtUebernahme"),
                                             QStringLiteral("Art bei Übernahme übernehmen?"), intrastat);
    edIntraArt = eingabe(QStringLiteral("edIntraArt"), intrastat);
    btnIntraArt = new QPushButton(QStringLiteral("..."), intrastat);
    btnIntraArt->setObjectName(QStringLiteral("btnIntraArt"));
    for (QPushButton *picker : {btnIntraVerfahren, btnIntraArt})
        picker->setMaximumWidth(30);
    auto *intraLayout = new QGridLayout(intrastat);
    intraLayout->addWidget(cbIntraUebernahme, 0, 0);
    intraLayout->addWidget(edIntraVerfahren, 0, 1);
    intraLayout->addWidget(btnIntraVerfahren, 0, 2);
    intraLayout->addWidget(cbIntraArtUebernahme, 1, 0);
    intraLayout->addWidget(edIntraArt, 1, 1);
    intraLayout->addWidget(btnIntraArt, 1, 2);
    intraLayout->setRowStretch(2, 1);
    PageControl1->addTab(intrastat, QStringLiteral("Intrastat"));

    // --- "Atlas"
    auto *atlas = new QWidget;
    auto *kundenNummer = new QLabel(QStringLiteral("KundenNummer"), atlas);
    auto *bemerkung = new QLabel(QStringLiteral("Die KundenNummer wird Ihnen vom Hersteller des Programms zugeteilt."), atlas);
    bemerkung->setWordWrap(true);
    edAtlasKundenNr = eingabe(QStringLiteral("edAtlasKundenNr"), atlas);
    auto *atlasLayout = new QVBoxLayout(atlas);
    atlasLayout->addWidget(kundenNummer);
    atlasLayout->addWidget(edAtlasKundenNr);
    atlasLayout->addWidget(bemerkung);
    atlasLayout->addStretch();
    PageControl1->addTab(atlas, QStringLiteral("Atlas"));

    btnOK = new QPushButton(QStringLiteral("&OK"), body());
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(PageControl1, 1);
    layout->addLayout(knoepfe);
    resize(560, 380);

    // Click rules: they run for every change of a box, also while the values
    // are being shown.
    connect(cbAutomatischAnmelden, &QCheckBox::toggled, cbbxAnmeldeNamen, &QWidget::setVisible);
    connect(cbStatistischerWert, &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            cbRechnungsWert->setChecked(false);
        cbRechnungsWert->setEnabled(!an);
    });
    connect(cbRechnungsWert, &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            cbStatistischerWert->setChecked(false);
        cbStatistischerWert->setEnabled(!an);
    });
    connect(cbXPThemes, &QCheckBox::toggled, this, [](bool an) { ManifestUmschalten(an); });
    connect(cbIntraUebernahme, &QCheckBox::toggled, this, [this](bool an) {
        edIntraVerfahren->setVisible(an);
        btnIntraVerfahren->setVisible(an);
    });
    connect(cbIntraArtUebernahme, &QCheckBox::toggled, this, [this](bool an) {
        edIntraArt->setVisible(an);
        btnIntraArt->setVisible(an);
    });
    connect(btnIntraVerfahren, &QPushButton::clicked, this, ui::guarded([this] { IntraVerfahrenWaehlen(); }));
    connect(btnIntraArt, &QPushButton::clicked, this, ui::guarded([this] { IntraArtWaehlen(); }));
    connect(lbFarben, &QListWidget::currentRowChanged, this, [this](int row) { EintragGewaehlt(row); });
    connect(btnSchriftart, &QPushButton::clicked, this, ui::guarded([this] { SchriftartAendern(); }));
    connect(btnFarbe, &QPushButton::clicked, this, ui::guarded([this] { FarbeAendern(); }));
    connect(btnOK, &QPushButton::clicked, this, ui::guarded([this] {
        OptionenUebernehmen();
        setModalResult(ui::ModalResult::Ok);
    }));
    setDefaultButton(btnOK);

    for (QWidget *unsichtbar : {static_cast<QWidget *>(cbbxAnmeldeNamen), static_cast<QWidget *>(edIntraVerfahren),
                                static_cast<QWidget *>(btnIntraVerfahren), static_cast<QWidget *>(edIntraArt),
                                static_cast<QWidget *>(btnIntraArt)})
        unsichtbar->setVisible(false);
    OptionenAnzeigen();
    lbFarben->setCurrentRow(EingabeFelder);
    PageControl1->setCurrentIndex(0);
}

void TfrmOptionen::IntraVerfahrenWaehlen()
{
    TfrmVerf_e auswahl(this);
    db::Table &tabelle = *auswahl.Table1;
    masterdata::ordnungSetzen(tabelle, QStringLiteral("Einh37"));
    // The field holds both parts: four characters of the first, one of the
    // second. Without such a row the list stands on its last row.
    const QString verfahren = edIntraVerfahren->text();
    const QString teil1 = verfahren.left(4);
    const QString teil2 = verfahren.mid(4, 1);
    bool gefunden = false;
    for (tabelle.first(); !tabelle.eof(); tabelle.next()) {
        if (tabelle.fieldByName(QStringLiteral("Verfnr1")).asString() == teil1
            && tabelle.fieldByName(QStringLiteral("Verfnr2")).asString() == teil2) {
            gefunden = true;
            break;
        }
    }
    if (!gefunden)
        tabelle.last();
    if (auswahl.showModal() == ui::ModalResult::Ok && !tabelle.isEmpty())
        edIntraVerfahren->setText(tabelle.fieldByName(QStringLiteral("Verfnr1")).asString()
                                  + tabelle.fieldByName(QStringLiteral("Verfnr2")).asString());
}

void TfrmOptionen::IntraArtWaehlen()
{
    TfrmGesch_e auswahl(this);
    db::Table &tabelle = *auswahl.Table1;
    masterdata::ordnungSetzen(tabelle, QStringLiteral("Geart"));
    tabelle.findNearest({edIntraArt->text()});
    if (auswahl.showModal() == ui::ModalResult::Ok && !tabelle.isEmpty())
        edIntraArt->setText(tabelle.fieldByName(QStringLiteral("Geart")).asString());
}

void TfrmOptionen::OptionenAnzeigen()
{
    cbAutomatischAnmelden->setChecked(main_.AutomatischAnmelden);

    db::Table benutzer(db::Database::alias(QStringLiteral("Z_Tavero")), QStringLiteral("S_BEARB.DB"));
    benutzer.setReadOnly(true);
    benutzer.open();
    for (benutzer.first(); !benutzer.eof(); benutzer.next())
        cbbxAnmeldeNamen->addItem(benutzer.fieldByName(QStringLiteral("Kurzname")).asString());
    cbbxAnmeldeNamen->setCurrentIndex(-1);
    if (main_.AutomatischAnmelden)
        cbbxAnmeldeNamen->setEditText(main_.AnmeldeNamen);

    cbBestaetigung->setChecked(!main_.AutomatischAbmelden);
    cbXPThemes->setChecked(main_.XP_Themes);
    if (!SpeedButtonsMitRahmen) {
        cbXPThemes->setChecked(false);
        cbXPThemes->setEnabled(false);
    }

    ui::applyBackground(gbBeispiel, sys::toQColor(main_.HinterGrundFarbe));
    BeispielZeigen();

    cbAbgabensatz->setChecked(main_.Abgabensatz);
    cbStatistischerWert->setChecked(main_.StatistischerWert);
    cbRechnungsWert->setChecked(main_.RechnungsWert);
    edZollamt1->setText(main_.Zollamt1);
    edZollamt2->setText(main_.Zollamt2);
    edZollamtAn1->setText(main_.ZollamtAn1);
    edZollamtAn2->setText(main_.ZollamtAn2);
    edZollamtNr->setText(main_.ZollamtNr);
    cbAEFeld33Focus->setChecked(main_.AEFeld33Focus);
    cbIntraUebernahme->setChecked(main_.IntraUebernahme);
    edIntraVerfahren->setText(main_.IntraVerfahren);
    cbIntraArtUebernahme->setChecked(main_.IntraArtUebernahme);
    edIntraArt->setText(main_.IntraArt);

    edAtlasKundenNr->setText(
        IniWertLesen(IniDateiName(), IniAbschnitt(), QStringLiteral("Atlas_KundenNr"), QString()).toString());
}

void TfrmOptionen::OptionenUebernehmen()
{
    main_.XP_Themes = cbXPThemes->isChecked();
    main_.AutomatischAnmelden = cbAutomatischAnmelden->isChecked();
    main_.AnmeldeNamen = cbbxAnmeldeNamen->currentText();
    main_.AutomatischAbmelden = !cbBestaetigung->isChecked();
    main_.Abgabensatz = cbAbgabensatz->isChecked();
    main_.StatistischerWert = cbStatistischerWert->isChecked();
    main_.RechnungsWert = cbRechnungsWert->isChecked();
    main_.Zollamt1 = edZollamt1->text();
    main_.Zollamt2 = edZollamt2->text();
    main_.ZollamtAn1 = edZollamtAn1->text();
    main_.ZollamtAn2 = edZollamtAn2->text();
    main_.ZollamtNr = edZollamtNr->text();
    main_.AEFeld33Focus = cbAEFeld33Focus->isChecked();
    main_.IntraUebernahme = cbIntraUebernahme->isChecked();
    main_.IntraVerfahren = edIntraVerfahren->text();
    main_.IntraArtUebernahme = cbIntraArtUebernahme->isChecked();
    main_.IntraArt = edIntraArt->text();
    IniWertSchreiben(IniDateiName(), IniAbschnitt(), QStringLiteral("Atlas_KundenNr"), edAtlasKundenNr->text());
}

void TfrmOptionen::BeispielZeigen()
{
    const int eintrag = lbFarben->currentRow();
    const TFont &eingabeFont = eintrag == Ausdruck ? main_.AusdruckFont : main_.EingabeFelderFont;
    ui::applyUserFont(edBeispiel, eingabeFont.benutzerSchrift());
    ui::applyUserFont(lblFormularAnzeige, main_.FormularAnzeigeFont.benutzerSchrift());
    ui::applyUserFont(lblStammdatenAnzeige, main_.StammdatenAnzeigeFont.benutzerSchrift());
    edBeispiel->setVisible(eintrag == EingabeFelder || eintrag == Ausdruck);
    lblFormularAnzeige->setVisible(eintrag == FormularAnzeige);
    lblStammdatenAnzeige->setVisible(eintrag == StammdatenAnzeige);
}

void TfrmOptionen::EintragGewaehlt(int eintrag)
{
    btnSchriftart->setEnabled(eintrag != Hintergrund);
    btnFarbe->setEnabled(eintrag != Ausdruck);
    BeispielZeigen();
}

void TfrmOptionen::SchriftartAendern()
{
    const int eintrag = lbFarben->currentRow();
    TFont font;
    switch (eintrag) {
    case EingabeFelder: font = main_.EingabeFelderFont; break;
    case FormularAnzeige: font = main_.FormularAnzeigeFont; break;
    case StammdatenAnzeige: font = main_.StammdatenAnzeigeFont; break;
    case Ausdruck: font = main_.AusdruckFont; break;
    default: return;
    }
    const std::optional<QFont> gewaehlt = ui::dialogs().chooseFont(font.font());
    if (!gewaehlt)
        return;
    font.uebernehmen(*gewaehlt);
    switch (eintrag) {
    case EingabeFelder: main_.SetEingabeFont(font); break;
    case FormularAnzeige: main_.SetFormularFont(font); break;
    case StammdatenAnzeige: main_.SetStammdatenFont(font); break;
    case Ausdruck: main_.SetAusdruckFont(font); break;
    }
    BeispielZeigen();
}

void TfrmOptionen::FarbeAendern()
{
    const int eintrag = lbFarben->currentRow();
    TFont *font = nullptr;
    switch (eintrag) {
    case EingabeFelder: font = &main_.EingabeFelderFont; break;
    case FormularAnzeige: font = &main_.FormularAnzeigeFont; break;
    case StammdatenAnzeige: font = &main_.StammdatenAnzeigeFont; break;
    case Hintergrund: break;
    default: return;
    }
    const sys::ColorValue bisher = font ? font->Color : main_.HinterGrundFarbe;
    const std::optional<QColor> gewaehlt = ui::dialogs().chooseColor(sys::toQColor(bisher));
    if (!gewaehlt)
        return;
    const sys::ColorValue farbe = sys::fromQColor(*gewaehlt);
    if (font) {
        font->Color = farbe;
    } else {
        main_.HinterGrundFarbe = farbe;
        ui::applyBackground(gbBeispiel, *gewaehlt);
    }
    BeispielZeigen();
}
