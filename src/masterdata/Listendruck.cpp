#include "Listendruck.h"
#include "Stammdatenbank.h"

#include "common/Druckeinstellungen.h"
#include "common/Programmzustand.h"

#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/print/Canvas.h"
#include "platform/print/PrintJob.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/Appearance.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace masterdata {

namespace {

// Every text of a list is drawn in these: the heading, and the captions and
// values of the records.
const QString ueberschriftSchrift = QStringLiteral("Arial");
const QString listenSchrift = QStringLiteral("Courier New");
constexpr int ueberschriftHoehe = 60;
constexpr int zeilenHoehe = 40;
constexpr int kopfY = 50;
constexpr int mitteX = 1050;

print::CanvasFont schrift(const QString &name, int hoehe, print::FontStyles stil = {})
{
    print::CanvasFont font;
    font.name = name;
    font.height = hoehe;
    font.style = stil;
    return font;
}

// A table whose record is printed with each record, read only.
db::Table *listenNachschlagOeffnen(const Nachschlag &nachschlag, const QString &name, QObject *eltern)
{
    auto *tabelle = new db::Table(datenbank(), nachschlag.tabelle, eltern);
    tabelle->setObjectName(name);
    tabelle->setReadOnly(true);
    if (!nachschlag.index.isEmpty())
        tabelle->setIndexName(nachschlag.index);
    tabelle->open();
    return tabelle;
}

// The looked-up table on the record the printed one names; nullptr for an
// empty or unknown key.
db::Table *listenNachschlagFinden(db::Table &satz, const Nachschlag &nachschlag, db::Table *tabelle)
{
    const QVariant schluessel = satz.fieldByName(nachschlag.verknuepfung).value();
    if (!tabelle || schluessel.toString().isEmpty() || !tabelle->findKey({schluessel}))
        return nullptr;
    return tabelle;
}

} // namespace

Listendruck::Listendruck(Listenlayout layout, QWidget *parent) : ui::Form(parent), layout_(std::move(layout))
{
    setObjectName(layout_.name);
    setWindowTitle(QStringLiteral("Druck \"%1\"").arg(layout_.titel));

    QAction *einrichten =
        ui::addMenuItem(menuBar(), QStringLiteral("mnuDruckerEinrichten"), QStringLiteral("&Drucker einrichten"));
    connect(einrichten, &QAction::triggered, this, ui::guarded([this] { DruckerEinrichten(); }));

    Label1 = new QLabel(layout_.fortschritt, body());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setVisible(false);
    ProgressBar1 = new QProgressBar(body());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setVisible(false);
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Drucken"), body());
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Abbrechen"), body());
    for (ui::SpeedButton *knopf : {SpeedButton1, SpeedButton2})
        knopf->setFlat(!Erscheinungsbild().framedSpeedButtons);
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(SpeedButton1);
    knoepfe->addWidget(SpeedButton2);
    auto *layoutBox = new QVBoxLayout(body());
    layoutBox->addWidget(Label1);
    layoutBox->addWidget(ProgressBar1);
    layoutBox->addLayout(knoepfe);
    resize(360, 160);

    connect(SpeedButton1, &QAbstractButton::clicked, this, ui::guarded([this] { Button1Click(); }));
    connect(SpeedButton2, &QAbstractButton::clicked, this, [this] { Button2Click(); });

    Table1 = new db::Table(datenbank(), layout_.tabelle, this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setReadOnly(true);
    if (!layout_.ordnung.isEmpty())
        Table1->setIndexName(layout_.ordnung);
    Table1->open();
    if (!layout_.nachschlag.tabelle.isEmpty())
        nachschlag_ = listenNachschlagOeffnen(layout_.nachschlag, QStringLiteral("Table2"), this);
    for (const Nachschlag &weiterer : std::as_const(layout_.nachschlaege)) {
        nachschlaege_.append(listenNachschlagOeffnen(
            weiterer, QStringLiteral("Table%1").arg(nachschlaege_.size() + 3), this));
    }
    druckerAnzeigen();
}

Listendruck::~Listendruck()
{
    Table1->close();
    if (nachschlag_)
        nachschlag_->close();
    for (db::Table *tabelle : std::as_const(nachschlaege_))
        tabelle->close();
}

void Listendruck::druckerAnzeigen()
{
    StatusBar1->setPanelText(0, QStringLiteral("Drucker: ") + aktuellerDrucker());
}

void Listendruck::DruckerEinrichten()
{
    const std::optional<QString> gewaehlt = ui::dialogs().printerSetup(aktuellerDrucker());
    if (gewaehlt)
        setAktuellerDrucker(*gewaehlt);
    druckerAnzeigen();
}

int Listendruck::proBlatt() const
{
    if (layout_.proBlatt > 0)
        return layout_.proBlatt;
    int unten = 0;
    for (const Listenfeld &feld : layout_.felder)
        unten = std::max({unten, feld.y, feld.wertY});
    return std::max(1, (layout_.rahmenUnten - unten - zeilenHoehe) / layout_.abstand + 1);
}

int Listendruck::blaetter(int datensaetze) const
{
    const int n = proBlatt();
    return (datensaetze + n - 1) / n;
}

QString Listendruck::einlegeText(int blaetter)
{
    if (blaetter == 1)
        return QStringLiteral("Bitte legen Sie 1 leeres Blatt \nin den Drucker ein! ");
    return QStringLiteral("Bitte legen Sie %1 leere Blätter \nin den Drucker ein! ").arg(blaetter);
}

void Listendruck::Button1Click()
{
    const int datensaetze = Table1->recordCount();
    if (ui::messageDlg(einlegeText(blaetter(datensaetze)), ui::MessageType::Information, ui::Buttons::OkCancel)
        != ui::ModalResult::Ok)
        return;
    SeitenNr = 1;
    Table1->first();
    Label1->setVisible(true);
    ProgressBar1->setVisible(true);
    ProgressBar1->setRange(0, std::max(1, datensaetze * layout_.fortschrittJeSatz));
    ProgressBar1->setValue(0);
    const std::unique_ptr<print::PrintBackend> geraet = druckerGeraet(aktuellerDrucker());
    print::Canvas canvas(*geraet);
    while (!Table1->eof()) {
        SeiteDrucken(canvas);
        ++SeitenNr;
    }
    setModalResult(ui::ModalResult::Ok);
}

void Listendruck::Button2Click()
{
    setModalResult(ui::ModalResult::Cancel);
}

QString Listendruck::wert(const Listenfeld &feld)
{
    if (feld.text)
        return feld.text(*Table1);
    db::Table *quelle = Table1;
    if (feld.nachgeschlagen) {
        quelle = listenNachschlagFinden(*Table1, layout_.nachschlag, nachschlag_);
    } else if (!feld.nachschlagTabelle.isEmpty()) {
        quelle = nullptr;
        for (int i = 0; i < layout_.nachschlaege.size(); ++i) {
            if (layout_.nachschlaege[i].tabelle == feld.nachschlagTabelle) {
                quelle = listenNachschlagFinden(*Table1, layout_.nachschlaege[i], nachschlaege_[i]);
                break;
            }
        }
    }
    if (!quelle)
        return {};
    QStringList werte;
    for (const QString &name : feld.felder)
        werte << quelle->fieldByName(name).asString();
    return werte.join(QLatin1Char(' '));
}

void Listendruck::SeiteDrucken(print::Canvas &canvas)
{
    print::PrintJob job(canvas, print::jobTitle(layout_.auftrag));
    canvas.setPageShift(0, 0);

    canvas.setFont(schrift(ueberschriftSchrift, ueberschriftHoehe, print::FontStyle::Bold));
    const int ueberschriftX = layout_.ueberschriftX == Listenlayout::mittig
        ? mitteX - canvas.textWidth(layout_.ueberschrift) / 2
        : layout_.ueberschriftX;
    canvas.textOut(ueberschriftX, kopfY, layout_.ueberschrift);
    canvas.setFont(schrift(listenSchrift, zeilenHoehe));
    canvas.textOut(1700, kopfY, QStringLiteral("Seite : %1").arg(SeitenNr));
    canvas.textOut(150, kopfY, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    canvas.setBrushStyle(print::BrushStyle::Clear);
    canvas.rectangle(100, 150, layout_.rahmenRechts, layout_.rahmenUnten);
    canvas.setBrushStyle(print::BrushStyle::Solid);

    const int n = proBlatt();
    for (int satz = 0; satz < n && !Table1->eof(); ++satz) {
        const int versatz = satz * layout_.abstand;
        QList<const Listenfeld *> felder;
        for (const Listenfeld &feld : layout_.felder) {
            if (!feld.nurWenn || feld.nurWenn(*Table1))
                felder.append(&feld);
        }
        for (const Listenfeld *feld : std::as_const(felder)) {
            if (feld->beschriftung.isEmpty())
                continue;
            canvas.setFont(schrift(listenSchrift, zeilenHoehe,
                                   feld->unterstrichen ? print::FontStyles(print::FontStyle::Underline) : print::FontStyles()));
            canvas.textOut(feld->x, feld->y + versatz, feld->beschriftung);
        }
        canvas.setFont(schrift(listenSchrift, zeilenHoehe, print::FontStyle::Bold));
        for (const Listenfeld *zeiger : std::as_const(felder)) {
            const Listenfeld &feld = *zeiger;
            if (feld.felder.isEmpty() && !feld.text)
                continue;
            const int y = (feld.wertY >= 0 ? feld.wertY : feld.y) + versatz;
            const int x = (feld.wertX >= 0 ? feld.wertX : feld.x)
                + (feld.breiteText.isEmpty() ? 0 : canvas.textWidth(feld.breiteText));
            canvas.textOut(x, y, wert(feld));
        }
        if (layout_.trennlinie > 0 && (layout_.trennlinieAmBlattende || satz + 1 < n))
            canvas.line(100, layout_.trennlinie + versatz, layout_.rahmenRechts, layout_.trennlinie + versatz);
        for (const int linie : layout_.linien)
            canvas.line(100, linie + versatz, layout_.rahmenRechts, linie + versatz);
        ProgressBar1->setValue(ProgressBar1->value() + layout_.fortschrittJeSatz);
        Table1->next();
    }
    job.end();
}

} // namespace masterdata
