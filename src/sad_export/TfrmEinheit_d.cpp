#include "sad_export/TfrmEinheit_d.h"

#include "common/Ini.h"
#include "common/Programmzustand.h"
#include "common/RadioGroup.h"
#include "common/TfrmVorabstempler.h"
#include "common/Util.h"
#include "platform/db/Database.h"
#include "platform/db/Field.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/print/Canvas.h"
#include "platform/sys/TextFile.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PostErrors.h"
#include "sad_export/Ausfuhranmeldung.h"
#include "private/Einheit_dTabellen.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QString seiteErste = QStringLiteral("AUSFUHRANMELDUNG");
const QString seiteFolge = QStringLiteral("AUSFUHRANMELDUNG - ERGÄNZ");
const QString auftragsName = QStringLiteral("Ausfuhrmeldung");
constexpr Blattaufteilung einheitAufteilung{1, 3};
constexpr int postenAbstand = 590;
// Progress steps: sheet 1's data and its emergency stamp; the continuation
// head and its three item blocks.
constexpr int ersteSeiteSchritte = 2;
constexpr int folgeseiteSchritte = 1 + einheitAufteilung.folgeSeite;

// The page kinds' older names in the user's print settings.
void einheitSeitenUmbenennen(db::Table &benutzer)
{
    const std::pair<QString, QString> namen[] = {{QStringLiteral("EINHEITSPAPIER"), seiteErste},
                                                 {QStringLiteral("ERGÄNZUNGSBLATT"), seiteFolge}};
    for (const auto &[alt, neu] : namen) {
        if (benutzer.findKey({neu}) || !benutzer.findKey({alt}))
            continue;
        benutzer.edit();
        benutzer.fieldByName(QStringLiteral("name")).setAsString(neu);
        benutzer.post();
    }
}

bool einheitOkAbbrechen(const QString &text)
{
    return ui::messageDlg(text, ui::MessageType::Information, ui::Buttons::OkCancel) == ui::ModalResult::Ok;
}

// The fewest dots after the text with which the whole is at least 59 mm wide.
QString einheitPunktiert(const print::Canvas &canvas, const QString &text)
{
    QString zeile = text;
    while (canvas.textWidth(zeile) < 590)
        zeile += u'.';
    return zeile;
}

} // namespace

TfrmEinheit_d::TfrmEinheit_d(QWidget *parent)
    : TfrmEinheit_d(db::Database::alias(QStringLiteral("Z_Tavero")), parent)
{
}

TfrmEinheit_d::TfrmEinheit_d(db::Database &datenbank, QWidget *parent)
    : TfrmBelegdruck(Ausfuhranmeldung(), seiteErste, {QStringLiteral("Formular"), QStringLiteral("Weißem Papier")},
                     parent)
{
    setObjectName(QStringLiteral("frmEinheit_d"));
    setWindowTitle(QStringLiteral("EINHEITSPAPIER - DRUCK"));
    einheit_ = std::make_unique<db::Table>(datenbank, QStringLiteral("EINHEIT"));
    einfolg_ = std::make_unique<db::Table>(datenbank, QStringLiteral("EINFOLG"));
    tbeinheit = einheit_.get();
    tbEinfol = einfolg_.get();
    tbeinheit->setObjectName(QStringLiteral("tbeinheit"));
    tbEinfol->setObjectName(QStringLiteral("tbEinfol"));
    for (db::Table *tabelle : {tbeinheit, tbEinfol}) {
        ui::showPostErrors(*tabelle);
        tabelle->open();
    }
    ui::showPostErrors(einstellungen().tabelle());
    aufbauen();
    einheitSeitenUmbenennen(einstellungen().tabelle());
    druckerPruefen();
}

TfrmEinheit_d::~TfrmEinheit_d()
{
    laufendeAuftraege_ = nullptr;
    auftraege_.reset();
    einfolg_->close();
    einheit_->close();
}

void TfrmEinheit_d::aufbauen()
{
    mnuDienste = ui::addSubMenu(menuBar(), QStringLiteral("mnuDienste"), QStringLiteral("D&ienste"));
    VorabstemplerParameter1 = ui::addMenuItem(mnuDienste, QStringLiteral("VorabstemplerParameter1"),
                                              QStringLiteral("&Parameter für Vorabstempler"));
    TestdruckaufweiemPapier1 = ui::addMenuItem(mnuDienste, QStringLiteral("TestdruckaufweiemPapier1"),
                                               QStringLiteral("&Testdruck auf weißem Papier"));
    mnuAESaetze = ui::addSubMenu(mnuDienste, QStringLiteral("AESaetze1"), QStringLiteral("&AE-Sätze"));
    N3fach1 = ui::addMenuItem(mnuAESaetze, QStringLiteral("N3fach1"), QStringLiteral("&3-fach"));
    N4fach1 = ui::addMenuItem(mnuAESaetze, QStringLiteral("N4fach1"), QStringLiteral("&4-fach"));
    for (QAction *eintrag : {N3fach1, N4fach1})
        eintrag->setCheckable(true);
    N3fach1->setChecked(aeSet() == 3);
    N4fach1->setChecked(aeSet() == 4);
    const auto saetze = [this](int anzahl) {
        N3fach1->setChecked(anzahl == 3);
        N4fach1->setChecked(anzahl == 4);
        IniWertSchreiben(IniDateiName(), IniAbschnitt(), QStringLiteral("AeSet"), anzahl);
    };
    connect(N3fach1, &QAction::triggered, this, [saetze] { saetze(3); });
    connect(N4fach1, &QAction::triggered, this, [saetze] { saetze(4); });
    connect(VorabstemplerParameter1, &QAction::triggered, this, ui::guarded([this] { VorabstemplerParameter1Click(); }));
    connect(TestdruckaufweiemPapier1, &QAction::triggered, this,
            ui::guarded([this] { TestdruckaufweiemPapier1Click(); }));

    RadioGroup2->setItemIndex(Formular);
    RadioGroup1 = new RadioGroup(QStringLiteral("Mögliche Seiten 1 - 1. "), body());
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->addItem(QStringLiteral("Alles"));
    RadioGroup1->addItem(QStringLiteral("Druck von Seite bis Seite :"));
    RadioGroup1->addItem(QStringLiteral("Seite :"));
    RadioGroup1->setItemIndex(Alles);
    const auto zeile = [this](const char *name, const QString &text) {
        auto *edit = new QLineEdit(text, body());
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    Edit2 = zeile("Edit2", QStringLiteral("1"));
    Edit3 = zeile("Edit3", QStringLiteral("1"));
    Edit4 = zeile("Edit4", QStringLiteral("1"));
    Edit1 = zeile("Edit1", {});
    Label5 = new QLabel(QStringLiteral("Nummmer - Einheitspapier:"), body());
    Label5->setObjectName(QStringLiteral("Label5"));
    CheckBox1 = new QCheckBox(QStringLiteral("VorabStempler"), body());
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setToolTip(QStringLiteral("Bei Masterform wird vorgedruckt"));
    Button1 = new QPushButton(QStringLiteral("Drucke Rückseite für Seite 1"), body());
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Drucke Rückseite für Seite 4"), body());
    Button2->setObjectName(QStringLiteral("Button2"));

    QGridLayout *raster = inhalt();
    raster->addWidget(RadioGroup1, 0, 0, 3, 1);
    raster->addWidget(Edit2, 1, 1);
    raster->addWidget(Edit3, 1, 2);
    raster->addWidget(Edit4, 2, 1);
    raster->addWidget(CheckBox1, 3, 0);
    raster->addWidget(Label5, 4, 0);
    raster->addWidget(Edit1, 4, 1, 1, 2);
    raster->addWidget(Button1, 5, 0);
    raster->addWidget(Button2, 5, 1, 1, 2);

    connect(RadioGroup1, &RadioGroup::itemClicked, this, [this] { auswahlAnwenden(); });
    connect(RadioGroup2, &RadioGroup::itemClicked, this, [this] { auswahlAnwenden(); });
    // On the form set the tick leaves the typed number alone.
    connect(CheckBox1, &QCheckBox::clicked, this, [this] {
        if (RadioGroup2->itemIndex() == WeissesPapier)
            auswahlAnwenden();
    });
    connect(Button1, &QPushButton::clicked, this, ui::guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, ui::guarded([this] { Button2Click(); }));
}

bool TfrmEinheit_d::belegSuchen(qint64 belegNr)
{
    if (!tbeinheit->findKey({belegNr}))
        return false;
    setBelegNr(belegNr);
    tbEinfol->setRange({belegNr}, {belegNr});
    positionen_ = tbEinfol->recordCount();
    blaetter_ = einheitAufteilung.blaetter(positionen_);
    return true;
}

bool TfrmEinheit_d::istMaster() const
{
    return belegNr() == Belegart::MasterFormularNr;
}

int TfrmEinheit_d::aeSet() const
{
    return IniWertLesen(IniDateiName(), IniAbschnitt(), QStringLiteral("AeSet"), 3).toInt();
}

void TfrmEinheit_d::showEvent(QShowEvent *event)
{
    Edit2->setText(QStringLiteral("1"));
    Edit3->setText(QString::number(blaetter_));
    RadioGroup1->setTitle(QStringLiteral("Mögliche Seiten 1 - %1. ").arg(blaetter_));
    CheckBox1->setVisible(!istMaster());
    auswahlAnwenden();
    TfrmBelegdruck::showEvent(event);
}

void TfrmEinheit_d::auswahlAnwenden()
{
    const int bereich = RadioGroup1->itemIndex();
    Edit2->setVisible(bereich == VonBis);
    Edit3->setVisible(bereich == VonBis);
    Edit4->setVisible(bereich == EineSeite);
    const bool weiss = RadioGroup2->itemIndex() == WeissesPapier;
    mnuAESaetze->menuAction()->setVisible(weiss);
    Button1->setEnabled(weiss);
    Button2->setEnabled(weiss);
    if (!weiss) {
        RadioGroup1->setVisible(true);
        const bool nummer = positionen_ >= 2;
        Edit1->setVisible(nummer);
        Label5->setVisible(nummer);
        Edit1->setEnabled(nummer);
        Edit1->setText(tbeinheit->fieldByName(QStringLiteral("AENR")).asString());
        return;
    }
    RadioGroup1->setVisible(false);
    for (QLineEdit *edit : {Edit2, Edit3, Edit4})
        edit->setVisible(false);
    Edit1->setVisible(true);
    Label5->setVisible(true);
    Edit1->setEnabled(true);
    if (CheckBox1->isChecked())
        Edit1->clear();
}

std::array<bool, TfrmEinheit_d::VorabTore> TfrmEinheit_d::vorabLesen(const QString &dateiName)
{
    std::array<bool, VorabTore> tore{};
    for (const QString &zeile : sys::readTextLines(dateiName, sys::CodePage::Windows1252)) {
        const QString eintrag = zeile.trimmed();
        if (eintrag == QLatin1String("44_1"))
            tore[Tor44_1] = true;
        else if (eintrag == QLatin1String("44_2"))
            tore[Tor44_2] = true;
        else if (eintrag == QLatin1String("44_3"))
            tore[Tor44_3] = true;
        else {
            bool zahl = false;
            const int feld = eintrag.toInt(&zahl);
            if (zahl && feld >= 0 && feld < VorabTore)
                tore[size_t(feld)] = true;
        }
    }
    return tore;
}

bool TfrmEinheit_d::drucken()
{
    vorab_ = vorabLesen(ProgrammVerzeichnis() + VorabBedrucktAE);
    nummerGefragt_ = false;
    auftraege_ = std::make_unique<Druckauftraege>(einstellungen());
    laufendeAuftraege_ = auftraege_.get();
    struct Aufraeumen
    {
        TfrmEinheit_d *dialog;
        ~Aufraeumen()
        {
            dialog->laufendeAuftraege_ = nullptr;
            dialog->auftraege_.reset();
        }
    } aufraeumen{this};
    if (RadioGroup2->itemIndex() == WeissesPapier) {
        DruckAufWeissemPapier();
    } else {
        // A range that cannot be printed keeps the dialog open for the correction.
        int von = 1;
        int bis = blaetter_;
        if (RadioGroup1->itemIndex() != Alles) {
            QString meldung;
            const bool einzeln = RadioGroup1->itemIndex() == EineSeite;
            const std::optional<Blattbereich> bereich = blattbereichLesen(
                einzeln ? Edit4->text() : Edit2->text(), einzeln ? Edit4->text() : Edit3->text(), blaetter_, &meldung);
            if (!bereich) {
                ui::showError(meldung);
                return false;
            }
            von = bereich->von;
            bis = bereich->bis;
        }
        Edit2->setText(QString::number(von));
        Edit3->setText(QString::number(bis));
        DruckAufFormular();
    }
    auftraege_->auftragBeenden();
    return true;
}

void TfrmEinheit_d::DruckAufFormular()
{
    weiss_ = false;
    const int von = RadioGroup1->itemIndex() == EineSeite ? Edit4->text().toInt() : Edit2->text().toInt();
    const int bis = RadioGroup1->itemIndex() == EineSeite ? von : Edit3->text().toInt();
    for (int blatt = von; blatt <= bis; ++blatt) {
        if (blatt == 1) {
            if (!einheitOkAbbrechen(QStringLiteral("Bitte Formular Ausfuhranmeldung in den Drucker einlegen!")))
                return;
            const std::optional<QString> gewaehlt = ui::dialogs().printerSetup(auftraege_->drucker(seiteErste));
            if (gewaehlt)
                auftraege_->setLaufDrucker(installierteDrucker().resolve(*gewaehlt));
        }
        const int kopien = auftraege_->kopien(blatt == 1 ? seiteErste : seiteFolge);
        for (int kopie = 0; kopie < kopien; ++kopie)
            SeiteDrucken(blatt);
    }
}

void TfrmEinheit_d::SeiteDrucken(int blatt)
{
    aktuellesBlatt_ = blatt;
    if (blatt == 1) {
        if (istMaster() && !einheitOkAbbrechen(QStringLiteral("Die 1. Seite zum VorabStempler drucken !")))
            return;
        ErsteSeiteDrucken();
        return;
    }
    if (istMaster()) {
        if (!einheitOkAbbrechen(QStringLiteral("Die Ergänzungsseite zum VorabStempler drucken !")))
            return;
    } else if (!nummerGefragt_) {
        QString nummer = Edit1->text();
        if (ui::inputQuery(QStringLiteral("Nummer - Einheitspapier:!"),
                           QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), nummer))
            Edit1->setText(nummer);
    }
    nummerGefragt_ = true;
    const Blattfortschritt fortschritt(*this, folgeseiteSchritte);
    print::Canvas &canvas = auftraege_->offen() ? auftraege_->canvas()
                                                : auftraege_->auftragBeginnen(seiteFolge, auftragsName);
    folgeseiteZeichnen(canvas, blatt);
    if (!einAuftrag_ || !weiss_)
        auftraege_->auftragBeenden();
}

void TfrmEinheit_d::ErsteSeiteDrucken()
{
    const Blattfortschritt fortschritt(*this, ersteSeiteSchritte);
    print::Canvas &canvas = auftraege_->offen() ? auftraege_->canvas()
                                                : auftraege_->auftragBeginnen(seiteErste, auftragsName);
    ersteSeiteZeichnen(canvas);
    if (!einAuftrag_ || !weiss_)
        auftraege_->auftragBeenden();
}

void TfrmEinheit_d::DruckAufWeissemPapier()
{
    weiss_ = true;
    const int saetze = aeSet();
    if (testdruck_) {
        for (int kopie = 1; kopie <= saetze; ++kopie)
            FormularDrucken(kopie);
        return;
    }
    einAuftrag_ = ui::messageDlg(QStringLiteral("Verfügt Ihr Drucker über eine Dupplex-Funktion?"),
                                 ui::MessageType::Confirmation, ui::Buttons::YesNo) == ui::ModalResult::Yes;
    if (istMaster()) {
        const std::optional<int> anzahl =
            anzahlAbfragen(ui::programTitle(), QStringLiteral("Bitte Anzahl Formularsätze eingeben!"));
        for (int satz = 0; anzahl && satz < *anzahl; ++satz)
            for (int kopie = 1; kopie <= saetze; ++kopie)
                FormularDrucken(kopie);
    } else {
        const int kopien = auftraege_->kopien(seiteErste);
        for (int runde = 0; runde < kopien; ++runde) {
            for (int blatt = 1; blatt <= blaetter_; ++blatt) {
                aktuellesBlatt_ = blatt;
                for (int kopie = 1; kopie <= saetze; ++kopie) {
                    if (blatt == 1 && CheckBox1->isChecked()) {
                        ErsteSeiteDrucken();
                        auftraege_->auftragBeenden();
                    } else if (blatt == 1) {
                        FormularDrucken(kopie);
                    } else {
                        ErgaenzungsblattFormularDrucken(kopie);
                    }
                }
                auftraege_->auftragBeenden();
            }
        }
    }
    einAuftrag_ = false;
    aenrSpeichern();
}

void TfrmEinheit_d::aenrSpeichern()
{
    if (tbeinheit->state() == db::DatasetState::Browse)
        tbeinheit->edit();
    tbeinheit->fieldByName(QStringLiteral("AENR")).setAsString(Edit1->text());
    tbeinheit->post();
}

void TfrmEinheit_d::blattBeginnen(print::Canvas &canvas)
{
    canvas.setBrushStyle(print::BrushStyle::Clear);
    canvas.setPen(1);
    canvas.setFontColor(Qt::black);
}

void TfrmEinheit_d::FormularDrucken(int kopie)
{
    // The ruling, the data and the back page.
    const Blattfortschritt fortschritt(*this, 1 + ersteSeiteSchritte + 1);
    print::Canvas &canvas = auftraege_->auftragBeginnen(
        seiteErste, auftragsName + QStringLiteral(" Seite:") + QString::number(kopie), {.duplex = einAuftrag_});
    blattBeginnen(canvas);
    ersteSeiteFormular(kopie).zeichnen(canvas);
    if (testdruck_) {
        canvas.setFont(QStringLiteral("Arial"), 3.7);
        canvas.textOutPitched(762, 50, QStringLiteral("AE"), 26);
        canvas.textOutPitched(889, 50, QStringLiteral("TEST123"), 26);
    }
    const Programmzustand &optionen = programmzustand();
    if (!optionen.Zollamt1.isEmpty() && !optionen.Zollamt2.isEmpty() && !optionen.ZollamtAn1.isEmpty()
        && !optionen.ZollamtAn2.isEmpty() && !optionen.ZollamtNr.isEmpty())
        zollstellenStempelZeichnen(canvas);
    fortschrittSchritt();
    ersteSeiteZeichnen(canvas);
    if (!testdruck_ && einAuftrag_ && (kopie == 1 || kopie == 4)) {
        print::Canvas &rueckseite = auftraege_->neueSeite(seiteErste, auftragsName);
        blattBeginnen(rueckseite);
        (kopie == 1 ? rueckseiteFormular() : anleitungFormular()).zeichnen(rueckseite);
    }
    auftraege_->auftragBeenden();
}

void TfrmEinheit_d::ErgaenzungsblattFormularDrucken(int kopie)
{
    const Blattfortschritt fortschritt(*this, 1 + folgeseiteSchritte);
    print::Canvas &canvas = auftraege_->auftragBeginnen(seiteFolge, auftragsName, {.duplex = einAuftrag_});
    blattBeginnen(canvas);
    folgeseiteFormular(kopie).zeichnen(canvas);
    fortschrittSchritt();
    SeiteDrucken(aktuellesBlatt_);
    auftraege_->auftragBeenden();
}

Druckkontext TfrmEinheit_d::kontext(int blatt)
{
    Druckkontext k = druckkontextInAusdruckschrift();
    k.kopf = tbeinheit;
    k.position = tbEinfol;
    k.blatt = blatt;
    k.blaetter = blaetter_;
    k.positionen = positionen_;
    k.weissesPapier = weiss_;
    k.wert = [this, blatt](const QString &name) -> QString {
        if (name == QLatin1String("Nummer"))
            return Edit1->text();
        if (name == QLatin1String("Blatt"))
            return QString::number(blatt);
        if (name.startsWith(QLatin1String("44_")))
            return kasten44(name.mid(3).toInt());
        return {};
    };
    return k;
}

// Box 44 of a continuation item: the two declarations the item's flags ask
// for take the place of its first free-text lines.
QString TfrmEinheit_d::kasten44(int zeile) const
{
    const auto feld = [this](const QString &name) { return tbEinfol->fieldByName(name).asString(); };
    QStringList zeilen;
    if (feld(QStringLiteral("F44_10")) == QLatin1String("i"))
        zeilen << QStringLiteral("Ich habe keine Kenntnis über eine rüstungs-")
               << QStringLiteral("technische Verwendung im Sinne von §5c AWV.");
    if (feld(QStringLiteral("F44_11")) == QLatin1String("i"))
        zeilen << QStringLiteral("Ich habe keine Kenntnis einer kerntechnischen")
               << QStringLiteral("Verwendung im Sinne vom §5d AWV.");
    for (int n = int(zeilen.size()) + 1; n <= 5; ++n)
        zeilen << feld(QStringLiteral("f44_%1").arg(n));
    return zeile >= 1 && zeile <= 5 ? zeilen.at(zeile - 1) : QString();
}

void TfrmEinheit_d::ersteSeiteZeichnen(print::Canvas &canvas)
{
    tbEinfol->first();
    Druckkontext k = kontext(1);
    const bool master = istMaster();
    const bool vorab = !master && CheckBox1->isChecked();
    k.torOffen = [this, master, vorab](int tor) {
        if (master)
            return vorab_[size_t(tor)];
        return !vorab || !vorab_[size_t(tor)];
    };
    positionenDrucken(canvas, ersteSeitePositionen(), k);
    fortschrittSchritt();
    if (!tbeinheit->fieldByName(QStringLiteral("NV_AM")).asString().isEmpty()
        && !tbeinheit->fieldByName(QStringLiteral("NV_TicketNr")).asString().isEmpty())
        notfallStempelZeichnen(canvas);
    fortschrittSchritt();
}

void TfrmEinheit_d::folgeseiteZeichnen(print::Canvas &canvas, int blatt)
{
    Druckkontext k = kontext(blatt);
    positionenDrucken(canvas, folgeseiteKopf(), k);
    fortschrittSchritt();
    tbEinfol->findNearest({belegNr(), einheitAufteilung.erstePosition(blatt)});
    for (int posten = 0; posten < einheitAufteilung.folgeSeite && !tbEinfol->eof(); ++posten) {
        k.dy = postenAbstand * posten;
        positionenDrucken(canvas, folgeseitePosition(), k);
        tbEinfol->next();
        fortschrittSchritt();
    }
}

void TfrmEinheit_d::notfallStempelZeichnen(print::Canvas &canvas)
{
    const Druckkontext k = kontext(1);
    canvas.setBrushStyle(print::BrushStyle::Clear);
    canvas.setFont(QStringLiteral("Arial"), 3, print::FontStyle::Bold);
    canvas.textOut(1540, 2140, QStringLiteral("ECS/AES NOTFALLVERFAHREN"));
    canvas.setFont(QStringLiteral("Arial"), 3);
    canvas.textOut(1460, 2210, QStringLiteral("KEINE DATEN IM SYSTEM VERFÜGBAR"));
    canvas.textOut(1460, 2270, einheitPunktiert(canvas, QStringLiteral("Begonnen am ")));
    canvas.textOut(1460, 2300, QStringLiteral("(Datum/Uhrzeit)"));
    canvas.textOut(1460, 2360, einheitPunktiert(canvas, QStringLiteral("Ticket-Nr.: ")));
    const int amX = 1460 + canvas.textWidth(QStringLiteral("Begonnen am  "));
    const int ticketX = 1460 + canvas.textWidth(QStringLiteral("Ticket-Nr.:  "));
    canvas.setFont(k.schriftName, 4, k.schriftStil);
    canvas.textOut(amX, 2250, tbeinheit->fieldByName(QStringLiteral("NV_AM")).asString());
    canvas.textOut(ticketX, 2340, tbeinheit->fieldByName(QStringLiteral("NV_TicketNr")).asString());
}

void TfrmEinheit_d::zollstellenStempelZeichnen(print::Canvas &canvas)
{
    const Programmzustand &optionen = programmzustand();
    canvas.setPen(6);
    canvas.rectangle(1450, 30, 2000, 270);
    canvas.setPen(3);
    canvas.line(1450, 110, 2000, 110);
    canvas.line(1450, 190, 2000, 190);
    canvas.line(1575, 30, 1575, 110);
    canvas.line(1750, 110, 1750, 190);
    canvas.line(1845, 190, 1845, 270);
    canvas.setPen(1);
    canvas.setFont(QStringLiteral("Arial"), 5, print::FontStyle::Bold);
    canvas.textOut(1513 - canvas.textWidth(QStringLiteral("DE")) / 2, 70 - canvas.textHeight() / 2, QStringLiteral("DE"));
    const auto mittig = [&canvas](int links, int breite, int y, const QString &text) {
        canvas.textOut(links + (breite - canvas.textWidth(text)) / 2, y, text);
    };
    canvas.setFont(QStringLiteral("Arial"), 2.5, print::FontStyle::Bold);
    mittig(1575, 425, 40, optionen.Zollamt1);
    mittig(1575, 425, 75, optionen.Zollamt2);
    mittig(1450, 395, 200, optionen.ZollamtAn1);
    mittig(1450, 395, 235, optionen.ZollamtAn2);
    canvas.setFont(QStringLiteral("Arial"), 3.5, print::FontStyle::Bold);
    mittig(1845, 155, 210, optionen.ZollamtNr);
}

std::optional<int> TfrmEinheit_d::rueckseiteAbfragen()
{
    if (!ui::confirm(QStringLiteral("Wenn Sie über einen Dupplex-Drucker verfügen, brauchen Sie die Rückseiten "
                                    "nicht mehr einzeln drucken!\r\nDennoch fortsetzen?")))
        return std::nullopt;
    return anzahlAbfragen(ui::programTitle(), QStringLiteral("Bitte geben Sie die Anzahl ein!"));
}

void TfrmEinheit_d::rueckseiteEinzeln(const Linierung &seite, int anzahl)
{
    Druckauftraege auftraege(einstellungen());
    const std::optional<QString> gewaehlt = ui::dialogs().printerSetup(auftraege.drucker(seiteErste));
    if (gewaehlt)
        auftraege.setLaufDrucker(installierteDrucker().resolve(*gewaehlt));
    einAuftrag_ = false;
    // No copies, no page.
    if (anzahl < 1)
        return;
    print::Canvas &canvas = auftraege.auftragBeginnen(seiteErste, auftragsName, {.copies = anzahl});
    blattBeginnen(canvas);
    seite.zeichnen(canvas);
    auftraege.auftragBeenden();
}

void TfrmEinheit_d::Button1Click()
{
    if (const std::optional<int> anzahl = rueckseiteAbfragen())
        rueckseiteEinzeln(rueckseiteFormular(), *anzahl);
}

void TfrmEinheit_d::Button2Click()
{
    if (const std::optional<int> anzahl = rueckseiteAbfragen())
        rueckseiteEinzeln(anleitungFormular(), *anzahl);
}

void TfrmEinheit_d::TestdruckaufweiemPapier1Click()
{
    auftraege_ = std::make_unique<Druckauftraege>(einstellungen());
    const std::optional<QString> gewaehlt = ui::dialogs().printerSetup(auftraege_->drucker(seiteErste));
    if (!gewaehlt) {
        auftraege_.reset();
        return;
    }
    auftraege_->setLaufDrucker(installierteDrucker().resolve(*gewaehlt));
    testdruck_ = true;
    RadioGroup2->setItemIndex(WeissesPapier);
    auswahlAnwenden();
    struct Zurueck
    {
        TfrmEinheit_d *dialog;
        ~Zurueck()
        {
            dialog->auftraege_.reset();
            dialog->testdruck_ = false;
            dialog->RadioGroup2->setItemIndex(Formular);
            dialog->auswahlAnwenden();
        }
    } zurueck{this};
    DruckAufWeissemPapier();
    auftraege_->auftragBeenden();
}

void TfrmEinheit_d::VorabstemplerParameter1Click()
{
    const QString vorgabe =
        db::Query::scalar(*tbeinheit->database(), QStringLiteral("SELECT \"MemoVorabAE\" FROM \"S_PARAME\""))
            .toString();
    TfrmVorabstempler dialog(this);
    dialog.Ausfuehren(ProgrammVerzeichnis() + VorabUnbedrucktAE, ProgrammVerzeichnis() + VorabBedrucktAE, vorgabe);
}

void AusfuhranmeldungDrucken(qint64 belegNr, QWidget *parent)
{
    belegdruckZeigen<TfrmEinheit_d>(Ausfuhranmeldung(), belegNr, parent);
}
