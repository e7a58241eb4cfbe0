#include "Benutzer.h"

#include "Benutzerordner.h"

#include "common/Programmzustand.h"
#include "common/RadioGroup.h"
#include "common/TSR_dbGrid.h"
#include "common/TfrmSuche.h"
#include "common/Tabelle_S_BEARB.h"
#include "common/Util.h"

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/PostErrors.h"
#include "platform/ui/SpeedButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QVBoxLayout>

namespace {

db::Database &datenbank()
{
    return db::Database::alias(QStringLiteral("Z_Tavero"));
}

} // namespace

TfrmBenutzer::TfrmBenutzer(const QString &loggedInUser, QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmBenutzer"));
    setWindowTitle(QStringLiteral("Benutzerverwaltung"));

    tbBenutzer = new db::Table(datenbank(), QStringLiteral("S_BEARB.DB"), this);
    tbBenutzer->setObjectName(QStringLiteral("tbBenutzer"));
    dsBenutzer = new db::DataSource(tbBenutzer, this);

    auto knopf = [this](const QString &name, const QString &text, const QString &hint) {
        auto *button = new ui::SpeedButton(name, text, body());
        ui::setHint(button, hint);
        return button;
    };
    sbErster = knopf(QStringLiteral("sbErster"), QStringLiteral("|<"), QStringLiteral("Erster Benutzer"));
    sbVorheriger = knopf(QStringLiteral("sbVorheriger"), QStringLiteral("<"), QStringLiteral("Vorheriger Benutzer"));
    sbNaechster = knopf(QStringLiteral("sbNaechster"), QStringLiteral(">"), QStringLiteral("Nächster Benutzer"));
    sbLetzter = knopf(QStringLiteral("sbLetzter"), QStringLiteral(">|"), QStringLiteral("Letzter Benutzer"));
    sbHinzufuegen = knopf(QStringLiteral("sbHinzufuegen"), QStringLiteral("+"), QStringLiteral("Benutzer hinzufügen"));
    sbLoeschen = knopf(QStringLiteral("sbLoeschen"), QStringLiteral("-"), QStringLiteral("Aktuellen Benutzer löschen"));
    sbBearbeiten = knopf(QStringLiteral("sbBearbeiten"), QStringLiteral("Bearbeiten"),
                         QStringLiteral("Aktuellen Benutzer bearbeiten"));
    sbSuche = knopf(QStringLiteral("sbSuche"), QStringLiteral("Suche"), QStringLiteral("Suchen nach Name"));
    sbSchliessen = knopf(QStringLiteral("sbSchliessen"), QStringLiteral("Schließen"), QStringLiteral("Schließen"));

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setDataSource(dsBenutzer);
    DBGrid1->setColumns({{QStringLiteral("Kurzname")},
                         {QStringLiteral("Name")},
                         {QStringLiteral("Vorname")},
                         {QStringLiteral("Telefon")},
                         {QStringLiteral("UnserZeichen")}});
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);

    struct Feld
    {
        ui::DataEdit **edit;
        const char *name;
        const char *feld;
        const char *beschriftung;
    };
    const Feld felder[] = {
        {&DBEdit1, "DBEdit1", "Kurzname", "Kurzname"},
        {&DBEdit2, "DBEdit2", "Name", "Name"},
        {&DBEdit3, "DBEdit3", "Vorname", "Vorname"},
        {&DBEdit4, "DBEdit4", "Telefon", "Telefon"},
        {&DBEdit5, "DBEdit5", "UnserZeichen", "Unser Zeichen"},
        {&DBEdit6, "DBEdit6", "Passwort", "Passwort"},
    };
    auto *eingaben = new QGridLayout;
    int zeile = 0;
    for (const Feld &feld : felder) {
        *feld.edit = new ui::DataEdit(QLatin1String(feld.name), dsBenutzer, QLatin1String(feld.feld), body());
        auto *label = new QLabel(QLatin1String(feld.beschriftung), body());
        label->setBuddy(*feld.edit);
        eingaben->addWidget(label, zeile, 0);
        eingaben->addWidget(*feld.edit, zeile, 1);
        ++zeile;
    }
    DBComboBox1 = new ui::DataComboBox(QStringLiteral("DBComboBox1"), dsBenutzer, QStringLiteral("Funktion"),
                                       {FunktionAnwender, FunktionSystemverwalter}, body());
    auto *funktion = new QLabel(QStringLiteral("Funktion"), body());
    funktion->setBuddy(DBComboBox1);
    eingaben->addWidget(funktion, zeile, 0);
    eingaben->addWidget(DBComboBox1, zeile, 1);

    auto *leiste = new QHBoxLayout;
    for (ui::SpeedButton *button : {sbErster, sbVorheriger, sbNaechster, sbLetzter, sbHinzufuegen, sbLoeschen,
                                    sbBearbeiten, sbSuche})
        leiste->addWidget(button);
    leiste->addStretch();
    leiste->addWidget(sbSchliessen);
    auto *layout = new QVBoxLayout(body());
    layout->addLayout(leiste);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(eingaben);
    resize(560, 440);
    ui::applyAppearance(this, Erscheinungsbild(), ui::LabelFont::MasterData);

    tbBenutzer->beforeInsert.add([this](db::Table &) { neueUserNr_ = HoechsteUserNr() + 1; });
    tbBenutzer->afterInsert.add([this](db::Table &) { NeuerBenutzer(); });
    tbBenutzer->afterPost.add([this](db::Table &) { gespeichert_ = true; });
    navigation_ = tbBenutzer->afterScroll.add([this](db::Table &) { NavigationAnpassen(); });
    tbBenutzer->onPostError.add([this](db::Table &, const db::DatabaseError &error) {
        ui::messageDlg(ui::postErrorText(error), ui::MessageType::Error, ui::Buttons::Ok);
        DBEdit1->setFocus();
        return db::PostErrorAction::Abort;
    });

    connect(sbErster, &QAbstractButton::clicked, this, ui::guarded([this] { tbBenutzer->first(); }));
    connect(sbLetzter, &QAbstractButton::clicked, this, ui::guarded([this] { tbBenutzer->last(); }));
    connect(sbNaechster, &QAbstractButton::clicked, this, ui::guarded([this] {
        if (!tbBenutzer->eof())
            tbBenutzer->next();
    }));
    connect(sbVorheriger, &QAbstractButton::clicked, this, ui::guarded([this] {
        if (!tbBenutzer->bof())
            tbBenutzer->prior();
    }));
    connect(sbHinzufuegen, &QAbstractButton::clicked, this, ui::guarded([this] { Hinzufuegen(); }));
    connect(sbBearbeiten, &QAbstractButton::clicked, this, ui::guarded([this] { Bearbeiten(); }));
    connect(sbLoeschen, &QAbstractButton::clicked, this, ui::guarded([this] { Loeschen(); }));
    connect(sbSuche, &QAbstractButton::clicked, this, ui::guarded([this] { Suchen(); }));
    connect(sbSchliessen, &QAbstractButton::clicked, this, [this] { setModalResult(ui::ModalResult::Cancel); });

    FormShow(loggedInUser);
}

TfrmBenutzer::~TfrmBenutzer()
{
    // The table's handlers point into this form.
    navigation_.remove();
    tbBenutzer->close();
}

void TfrmBenutzer::FormShow(const QString &loggedInUser)
{
    gespeichert_ = false;
    alleLoeschen_ = false;
    tbBenutzer->open();

    if (Systemverwalter() == 0) {
        tbBenutzer->insert();
        tbBenutzer->fieldByName(QStringLiteral("Kurzname")).setAsString(FunktionSystemverwalter);
        tbBenutzer->fieldByName(QStringLiteral("Funktion")).setAsString(FunktionSystemverwalter);
        tbBenutzer->post();
    }

    tbBenutzer->first();
    bool verwalter = false;
    if (!tbBenutzer->isEmpty() && tbBenutzer->findKey({loggedInUser}))
        verwalter = IstSystemverwalter(tbBenutzer->fieldByName(QStringLiteral("Funktion")).asString());
    for (QWidget *steuerelement : std::initializer_list<QWidget *>{DBComboBox1, DBGrid1, sbHinzufuegen, sbLoeschen,
                                                                   sbBearbeiten, sbErster, sbVorheriger,
                                                                   sbNaechster, sbLetzter})
        steuerelement->setEnabled(verwalter);
}

int TfrmBenutzer::Systemverwalter()
{
    db::Table alle(datenbank(), QStringLiteral("S_BEARB.DB"));
    alle.setReadOnly(true);
    alle.open();
    int anzahl = 0;
    for (alle.first(); !alle.eof(); alle.next()) {
        if (IstSystemverwalter(alle.fieldByName(QStringLiteral("Funktion")).asString()))
            ++anzahl;
    }
    return anzahl;
}

int TfrmBenutzer::HoechsteUserNr()
{
    db::Table alle(datenbank(), QStringLiteral("S_BEARB.DB"));
    alle.setReadOnly(true);
    alle.open();
    int hoechste = 0;
    for (alle.first(); !alle.eof(); alle.next())
        hoechste = std::max(hoechste, alle.fieldByName(QStringLiteral("UserNr")).asInteger());
    return hoechste;
}

void TfrmBenutzer::NeuerBenutzer()
{
    tbBenutzer->fieldByName(QStringLiteral("UserNr")).setAsInteger(neueUserNr_);
    if (!BenutzerOrdnerAnlegen(BenutzerOrdner(neueUserNr_), datenbank()))
        ui::messageDlg(QStringLiteral("Fehler beim anlegen eines Verzeichnisses\noder Fehler beim Kopieren der Datenbank!"),
                       ui::MessageType::Error, ui::Buttons::Ok);
}

void TfrmBenutzer::NavigationAnpassen()
{
    const int anzahl = tbBenutzer->recordCount();
    const int position = tbBenutzer->recNo();
    bool vorne = true;
    bool hinten = true;
    if (tbBenutzer->eof() || anzahl <= 1 || position >= anzahl)
        hinten = false;
    else if (tbBenutzer->bof() || position <= 1)
        vorne = false;
    sbErster->setEnabled(vorne);
    sbVorheriger->setEnabled(vorne);
    sbNaechster->setEnabled(hinten);
    sbLetzter->setEnabled(hinten);
}

void TfrmBenutzer::Hinzufuegen()
{
    tbBenutzer->insert();
    DBEdit1->setFocus();
}

void TfrmBenutzer::Bearbeiten()
{
    tbBenutzer->edit();
    DBEdit1->setFocus();
}

void TfrmBenutzer::Loeschen()
{
    const bool verwalter = !tbBenutzer->isEmpty()
        && IstSystemverwalter(tbBenutzer->fieldByName(QStringLiteral("Funktion")).asString());
    if (!tbBenutzer->isEmpty()) {
        if (verwalter && !alleLoeschen_)
            ui::messageDlg(QStringLiteral("Sie können den Systemverwalter nicht löschen"), ui::MessageType::Error,
                           ui::Buttons::Ok);
        else if (ui::messageDlg(QStringLiteral("Möchten Sie diesen Benutzer löschen"), ui::MessageType::Confirmation,
                                ui::Buttons::YesNo) == ui::ModalResult::Yes)
            tbBenutzer->remove();
    }
    if (ui::messageDlg(QStringLiteral("Nach dieser Änderung müssen Sie das Programm \nneu Starten um Fehler zu vermeiden!\n"
                                      "Jetzt Beenden?"),
                       ui::MessageType::Warning, ui::Buttons::YesNo) == ui::ModalResult::Yes) {
        ProgrammBeenden();
        // At once: no close query, no reminder.
        QDialog::done(ui::ModalResult::Cancel);
    }
}

void TfrmBenutzer::Suchen()
{
    const QList<Suchkriterium> kriterien = {
        {QStringLiteral("Kurzname"), QStringLiteral("KurzName"), true},
        {QStringLiteral("Name"), QStringLiteral("Name"), true},
    };
    QString gewaehlt;
    {
        TfrmSuche suche(this);
        suche.DBGrid1->setColumns(DBGrid1->columns());
        suche.DBGrid1->setDataSource(dsBenutzer);
        for (const Suchkriterium &kriterium : kriterien)
            suche.RadioGroup1->addItem(kriterium.titel);
        suche.onSuchen = [this, &kriterien](TfrmSuche &dialog) {
            const QString text = dialog.Edit1->text();
            const int auswahl = dialog.RadioGroup1->itemIndex();
            if (text.isEmpty() || auswahl < 0 || auswahl >= kriterien.size())
                return;
            // The user list is searched with regard to case.
            tbBenutzer->setFiltered(false);
            tbBenutzer->setFilterCaseInsensitive(false);
            tbBenutzer->setFilter(suchFilter(kriterien[auswahl], text));
            tbBenutzer->setFiltered(true);
        };
        if (suche.showModal() == ui::ModalResult::Ok && !tbBenutzer->isEmpty())
            gewaehlt = tbBenutzer->fieldByName(QStringLiteral("Kurzname")).asString();
    }
    // A cancelled search must not leave the list filtered either.
    tbBenutzer->setFiltered(false);
    tbBenutzer->setFilter(QString());
    tbBenutzer->setIndexName(QString());
    if (!gewaehlt.isEmpty())
        tbBenutzer->findKey({gewaehlt});
}

bool TfrmBenutzer::closeQuery()
{
    const db::DatasetState zustand = tbBenutzer->state();
    if (zustand == db::DatasetState::Edit || zustand == db::DatasetState::Insert) {
        tbBenutzer->post();
        if (tbBenutzer->state() != db::DatasetState::Browse)
            return false;
    }
    if (Systemverwalter() >= 2) {
        ui::messageDlg(QStringLiteral("Sie können nur einen Systemverwalter anlegen!"), ui::MessageType::Error,
                       ui::Buttons::Ok);
        alleLoeschen_ = true;
        return false;
    }
    tbBenutzer->close();
    return true;
}

void BenutzerVerwalten(const QString &loggedInUser, QWidget *parent)
{
    bool gespeichert = false;
    {
        TfrmBenutzer form(loggedInUser, parent);
        form.showModal();
        gespeichert = form.GeaenderteDaten();
    }
    if (gespeichert && !ProgrammEndeAngefordert())
        ui::messageDlg(QStringLiteral("Bitte beachten Sie, dass Änderungen erst nach einem Programm-Neustart wirksam werden!"),
                       ui::MessageType::Information, ui::Buttons::Ok);
}
