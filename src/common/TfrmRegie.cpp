#include "common/TfrmRegie.h"

#include "common/Belegformular.h"

#include "common/BelegKopieren.h"
#include "common/Datensatzsperre.h"
#include "common/Formhelfer.h"
#include "common/Navigationsknoepfe.h"
#include "common/Parameter.h"
#include "common/Registeraktionen.h"
#include "common/TSR_dbGrid.h"
#include "common/TSearchDlg.h"
#include "common/TfrmSuche.h"
#include "common/Programmzustand.h"
#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WaitCursor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

namespace {

constexpr qint64 master = Belegart::MasterFormularNr;

void hervorheben(QWidget *knopf, bool an)
{
    QFont schrift = knopf->font();
    schrift.setUnderline(an);
    knopf->setFont(schrift);
    QPalette farben = knopf->palette();
    farben.setColor(QPalette::ButtonText, an ? QColor(Qt::blue) : QColor(Qt::black));
    knopf->setPalette(farben);
}

} // namespace

TfrmRegie::TfrmRegie(const Belegart &art, db::Database &datenbank, QWidget *parent)
    : ui::Form(parent),
      haken_(art.haken ? art.haken() : std::make_unique<Beleghaken>()),
      register_(std::make_unique<Belegregister>(art, datenbank))
{
    setWindowTitle(art.regie.titel);
    formularAufbauen();
    haken_->registerGebaut(*this);
    register_->oeffnen();
    dbgrRegie->setDataSource(&register_->kopfQuelle());
    knoepfeAktualisieren();
}

// Closing the tables posts what is pending; the buttons must not hear of it
// once the form's own members are gone.
TfrmRegie::~TfrmRegie()
{
    disconnect(&register_->kopf(), nullptr, this, nullptr);
}

void TfrmRegie::formularAufbauen()
{
    const Belegart::Regie &regie = register_->art().regie;
    resize(760, 460);
    const bool gerahmt = Erscheinungsbild().framedSpeedButtons;
    auto knopf = [&](const char *name, const QString &titel) {
        auto *neu = new ui::SpeedButton(QString::fromLatin1(name), titel, body());
        neu->setFlat(!gerahmt);
        return neu;
    };
    bbtNeu = knopf("bbtNeu", QStringLiteral("&Neu"));
    bbtAendern = knopf("bbtAendern", QStringLiteral("&Bearbeiten"));
    bbtLoeschen = knopf("bbtLoeschen", QStringLiteral("&Löschen"));
    bbtKopieren = knopf("bbtKopieren", QStringLiteral("&Kopieren"));
    bbtSuchen = knopf("bbtSuchen", QStringLiteral("&Suchen"));
    bbtDrucken = knopf("bbtDrucken", QStringLiteral("&Drucken"));
    BitBtnMasterForm = knopf("BitBtnMasterForm", QStringLiteral("&Master-Form"));
    SpeedButtonParameter = knopf("SpeedButtonParameter", QStringLiteral("&Parameter"));
    bbtSchliessen = knopf("bbtSchliessen", QStringLiteral("Sc&hließen"));
    SpeedButtonErste = knopf("SpeedButtonErste", QStringLiteral("|<"));
    SpeedButtonVorherige = knopf("SpeedButtonVorherige", QStringLiteral("<"));
    SpeedButtonNaechste = knopf("SpeedButtonNaechste", QStringLiteral(">"));
    SpeedButtonLetzte = knopf("SpeedButtonLetzte", QStringLiteral(">|"));
    const QList<ui::SpeedButton *> navigation{SpeedButtonErste, SpeedButtonVorherige, SpeedButtonNaechste,
                                              SpeedButtonLetzte};
    for (int i = 0; i < navigation.size() && i < regie.navigationsHinweise.size(); ++i)
        ui::setHint(navigation[i], regie.navigationsHinweise[i]);

    dbgrRegie = new TSR_dbGrid(QStringLiteral("dbgrRegie"), body());
    dbgrRegie->setReadOnly(true);
    dbgrRegie->setRowSelect(true);
    for (const Belegart::Spalte &spalte : regie.spalten)
        dbgrRegie->addColumn({spalte.feld, spalte.titel, spalte.breite > 0 ? dbgrRegie->widthFor(spalte.breite) : 0});

    befehle_ = {bbtNeu,      bbtAendern,       bbtLoeschen,          bbtKopieren,  bbtSuchen,
                bbtDrucken, BitBtnMasterForm, SpeedButtonParameter, bbtSchliessen};
    auto *spalteLinks = new QVBoxLayout;
    for (ui::SpeedButton *befehl : befehle_)
        spalteLinks->addWidget(befehl);
    spalteLinks->addStretch();
    auto *unten = new QHBoxLayout;
    for (ui::SpeedButton *schritt : navigation)
        unten->addWidget(schritt);
    unten->addStretch();
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(dbgrRegie, 1);
    rechts->addLayout(unten);
    auto *layout = new QHBoxLayout(body());
    layout->addLayout(spalteLinks);
    layout->addLayout(rechts, 1);

    const QList<std::pair<ui::SpeedButton *, void (TfrmRegie::*)()>> aktionen{
        {bbtNeu, &TfrmRegie::Neu},
        {bbtAendern, &TfrmRegie::Bearbeiten},
        {bbtLoeschen, &TfrmRegie::Loeschen},
        {bbtKopieren, &TfrmRegie::Kopieren},
        {bbtSuchen, &TfrmRegie::Suchen},
        {bbtDrucken, &TfrmRegie::Drucken},
        {BitBtnMasterForm, &TfrmRegie::MasterForm},
        {SpeedButtonParameter, &TfrmRegie::Parameter},
        {SpeedButtonErste, &TfrmRegie::Erste},
        {SpeedButtonVorherige, &TfrmRegie::Vorherige},
        {SpeedButtonNaechste, &TfrmRegie::Naechste},
        {SpeedButtonLetzte, &TfrmRegie::Letzte},
    };
    for (const auto &[befehl, aktion] : aktionen)
        connect(befehl, &QAbstractButton::clicked, this, ui::guarded([this, aktion] { (this->*aktion)(); }));
    setButtonResult(bbtSchliessen, ui::ModalResult::Cancel);

    // The context menu repeats the commands, in groups between lines.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const QList<std::pair<QString, ui::SpeedButton *>> eintraege{
        {QStringLiteral("&Neu"), bbtNeu},
        {QStringLiteral("&Bearbeiten"), bbtAendern},
        {QStringLiteral("&Löschen"), bbtLoeschen},
        {QStringLiteral("&Kopieren"), bbtKopieren},
        {QString(), nullptr},
        {QStringLiteral("&Suchen"), bbtSuchen},
        {QStringLiteral("&Drucken"), bbtDrucken},
        {QString(), nullptr},
        {QStringLiteral("&Master - Form"), BitBtnMasterForm},
        {QStringLiteral("&Parameter"), SpeedButtonParameter},
        {QString(), nullptr},
        {QStringLiteral("Schließen"), bbtSchliessen},
    };
    for (const auto &[titel, befehl] : eintraege) {
        if (!befehl) {
            PopupMenu1->addSeparator();
            continue;
        }
        QAction *eintrag = ui::addMenuItem(PopupMenu1, befehl->objectName() + QStringLiteral("Menu"), titel);
        connect(eintrag, &QAction::triggered, befehl, &QAbstractButton::click);
        if (befehl == bbtAendern || befehl == bbtLoeschen || befehl == bbtKopieren || befehl == bbtSuchen)
            sperrbareEintraege_ << eintrag;
    }
    ui::setContextMenu(dbgrRegie, PopupMenu1);

    connect(dbgrRegie, &ui::DataGrid::enterPressed, bbtAendern, &QAbstractButton::click);
    connect(dbgrRegie, &ui::DataGrid::recordDoubleClicked, bbtAendern, &QAbstractButton::click);

    KnopfSchattenZeigen(body());
    body()->setMouseTracking(true);
    body()->installEventFilter(this);
    for (ui::SpeedButton *befehl : befehle_)
        befehl->installEventFilter(this);

    db::Table &kopf = register_->kopf();
    connect(&kopf, &db::Table::recordChanged, this, [this] { knoepfeAktualisieren(); });
    connect(&kopf, &db::Table::layoutChanged, this, [this] { knoepfeAktualisieren(); });
}

bool TfrmRegie::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter && befehle_.contains(watched))
        hervorheben(static_cast<QWidget *>(watched), true);
    else if (event->type() == QEvent::MouseMove && watched == body())
        hervorhebungZuruecksetzen();
    return ui::Form::eventFilter(watched, event);
}

void TfrmRegie::hervorhebungZuruecksetzen()
{
    for (ui::SpeedButton *befehl : befehle_)
        hervorheben(befehl, false);
}

void TfrmRegie::knoepfeAktualisieren()
{
    db::Table &kopf = register_->kopf();
    if (!kopf.isOpen())
        return;
    NavigationsknoepfeSetzen(kopf, SpeedButtonErste, SpeedButtonVorherige, SpeedButtonNaechste, SpeedButtonLetzte);

    // A key range that cannot hide the master (it is the only record) leaves
    // nothing to edit, copy, delete or search.
    const bool gesperrt = register_->art().regie.masterAusblenden == Belegart::MasterAusblenden::Schluesselbereich
        && register_->aufMaster();
    for (QWidget *befehl : {static_cast<QWidget *>(bbtAendern), static_cast<QWidget *>(bbtLoeschen),
                            static_cast<QWidget *>(bbtKopieren), static_cast<QWidget *>(bbtSuchen)})
        befehl->setEnabled(!gesperrt);
    for (QAction *eintrag : sperrbareEintraege_)
        eintrag->setEnabled(!gesperrt);
}

void TfrmRegie::showEvent(QShowEvent *event)
{
    ui::Form::showEvent(event);
    if (gezeigt_)
        return;
    gezeigt_ = true;
    ui::guard([this] {
        register_->masterAusblenden();
        register_->kopf().findKey({AktuelleBelegNr});
        knoepfeAktualisieren();
    });
}

void TfrmRegie::formClose(int modalResult)
{
    ui::Form::formClose(modalResult);
    db::Table &kopf = register_->kopf();
    kopf.checkBrowseMode();
    if (register_->art().regie.aktuelleBelegNrSchreiben && !kopf.isEmpty())
        AktuelleBelegNr = int(register_->aktuelleNummer());
    register_->parameter().checkBrowseMode();
}

void TfrmRegie::Neu()
{
    Belegregister &regie = *register_;
    regie.masterZeigen();
    regie.parameter().refresh();
    regie.kopf().refresh();
    struct Ausblenden
    {
        Belegregister &regie;
        ~Ausblenden()
        {
            try {
                regie.masterAusblenden();
            } catch (...) {
            }
        }
    } danach{regie};

    const int vorschlag = NaechsteFreieBelegNr(regie.tabellen());
    if (vorschlag == 0)
        return;
    const std::optional<QString> eingabe = ui::inputBox(QStringLiteral("Belegnummmer !"),
                                                        QStringLiteral("Übernehmen oder Ändern"),
                                                        QString::number(vorschlag));
    if (!eingabe)
        return;
    bool zahl = false;
    const qint64 nummer = eingabe->trimmed().toLongLong(&zahl);
    if (!zahl) {
        ui::showError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(*eingabe));
        return;
    }
    if (!BelegNrErlaubt(nummer))
        return;
    if (regie.vorhanden(nummer)) {
        ui::showInformation(QStringLiteral("Belegnummer existiert bereits !"));
        return;
    }
    if (nummer >= master)
        return;
    if (!NeuerBelegAusMaster(regie.kopf(), int(nummer)))
        return;
    haken_->nachNeu(*this);
    Bearbeiten();
}

void TfrmRegie::eingabeformularZeigen(const QString &status)
{
    // A family declared without an entry form (a test's) opens none.
    if (art().eingabe.felder.isEmpty())
        return;
    std::unique_ptr<Belegformular> formular;
    {
        ui::WaitCursor warten;
        formular = std::make_unique<Belegformular>(*this, status, this);
    }
    formular->showModal();
}

void TfrmRegie::Bearbeiten()
{
    Belegregister &regie = *register_;
    if (regie.kopf().isEmpty())
        return;
    const qint64 nummer = regie.aktuelleNummer();
    const QString tabelle = regie.kopf().tableName();
    const QString text = QString::number(nummer);
    if (IstDatensatzGesperrt(tabelle, text))
        return;
    DatensatzSperren(tabelle, text);
    const QString status = nummer > master - 1 ? regie.art().regie.statusMaster
                                               : regie.art().regie.statusBeleg + text;
    try {
        eingabeformularZeigen(status);
        if (regie.kopf().findKey({nummer}))
            regie.positionsanzahlSpeichern();
    } catch (...) {
        DatensatzFreigeben(tabelle, text);
        throw;
    }
    DatensatzFreigeben(tabelle, text);
}

void TfrmRegie::Kopieren()
{
    Belegregister &regie = *register_;
    const bool warAufMaster = regie.aufMaster();
    regie.masterZeigen();
    regie.parameter().refresh();
    const int kopie = BelegKopierenMitDialog(regie.tabellen(), this);
    if (kopie == 0) {
        if (!warAufMaster)
            regie.masterAusblenden();
        return;
    }
    regie.positionsanzahlSpeichern();
    regie.masterAusblenden();
    regie.kopf().findKey({kopie});
    Bearbeiten();
}

void TfrmRegie::Loeschen()
{
    BelegeLoeschenMitDialog(register_->tabellen(), false, this);
    register_->masterAusblenden();
}

void TfrmRegie::Suchen()
{
    Belegregister &regie = *register_;
    regie.parameter().refresh();
    if (regie.art().regie.suche == Belegart::Suche::Schrittweise)
        BelegSuchen(regie.kopf(), regie.kopfQuelle(), regie.art().regie.namensIndex, this);
    else
        StammdatenSuchen(regie.kopf(), regie.kopfQuelle(), regie.art().regie.suchkriterien, this);
}

void TfrmRegie::Drucken()
{
    Belegregister &regie = *register_;
    if (regie.kopf().isEmpty())
        return;
    const qint64 nummer = regie.aktuelleNummer();
    if (IstDatensatzGesperrt(regie.kopf().tableName(), QString::number(nummer)))
        return;
    haken_->druckformularZeigen(*this, int(nummer));
}

void TfrmRegie::MasterForm()
{
    Belegregister &regie = *register_;
    regie.masterZeigen();
    if (regie.kopf().findKey({master}))
        Bearbeiten();
    regie.masterAusblenden();
}

void TfrmRegie::Parameter()
{
    Belegregister &regie = *register_;
    regie.parameter().refresh();
    ParameterBearbeiten(regie.parameter(), regie.parameterQuelle(), regie.art().parameter.vorschlag,
                        regie.art().parameter.plausi);
}

void TfrmRegie::Erste()
{
    register_->kopf().first();
}

void TfrmRegie::Vorherige()
{
    if (!register_->kopf().bof())
        register_->kopf().prior();
}

void TfrmRegie::Naechste()
{
    if (!register_->kopf().eof())
        register_->kopf().next();
}

void TfrmRegie::Letzte()
{
    register_->kopf().last();
}
