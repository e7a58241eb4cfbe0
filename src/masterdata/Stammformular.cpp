#include "Stammformular.h"
#include "Nummernvorschlag.h"
#include "Stammdatenbank.h"
#include "Werteauswahl.h"

#include "common/DatensatzLoeschen.h"
#include "common/Navigationsknoepfe.h"
#include "common/Programmzustand.h"
#include "common/TSR_dbGrid.h"

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PostErrors.h"
#include "platform/ui/SpeedButton.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFrame>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace masterdata {

namespace {

bool istEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// 'a' to 'z' and 'A' to 'Z' only: digits and umlauts start no type-ahead.
std::optional<QChar> buchstabe(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return std::nullopt;
    const QChar zeichen = text.front();
    if ((zeichen >= u'a' && zeichen <= u'z') || (zeichen >= u'A' && zeichen <= u'Z'))
        return zeichen;
    return std::nullopt;
}

} // namespace

Auswahlliste landNachNummer()
{
    return {QStringLiteral("S_LANDBZ"), QStringLiteral("Land"), QStringLiteral("Bez"), QString(),
            QStringLiteral("iBez"), true};
}

Auswahlliste landNachKennzeichen()
{
    return {QStringLiteral("S_LANDBZ"), QStringLiteral("Lkz"), QStringLiteral("Bez"), QStringLiteral("Lkz"),
            QStringLiteral("iBez"), true};
}

void ordnungSetzen(db::Table &tabelle, const QString &ordnung)
{
    const db::TableDef definition = tabelle.isOpen() ? tabelle.definition()
                                                      : tabelle.database()->tableDef(tabelle.tableName());
    const bool istIndex = std::any_of(definition.indexes.begin(), definition.indexes.end(), [&](const db::IndexDef &i) {
        return i.name.compare(ordnung, Qt::CaseInsensitive) == 0;
    });
    if (ordnung.isEmpty() || istIndex)
        tabelle.setIndexName(ordnung);
    else
        tabelle.setIndexFieldNames(ordnung);
}

Stammformular::Stammformular(Stammdeklaration deklaration, QWidget *parent)
    : ui::Form(parent), deklaration_(std::move(deklaration))
{
    aufbauen();
}

Stammformular::~Stammformular()
{
    // The listeners point into this form.
    for (db::Subscription &ereignis : ereignisse_)
        ereignis.remove();
    // Closing posts, and a destructor must not throw: whatever the form
    // could not post while it was open is dropped here.
    // A form created and freed without being shown never opened its table.
    if (Table1->isOpen()) {
        Table1->cancel();
        Table1->close();
    }
    for (const Auswahl &auswahl : std::as_const(auswahlen_))
        auswahl.liste->close();
}

void Stammformular::aufbauen()
{
    setObjectName(deklaration_.name);
    setWindowTitle(deklaration_.titel);
    resize(deklaration_.groesse);

    Table1 = new db::Table(datenbank(), deklaration_.tabelle, this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setFilterCaseInsensitive(true);
    DataSource1 = new db::DataSource(Table1, this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));

    QMenuBar *menue = menuBar();
    QAction *drucken = ui::addMenuItem(menue, QStringLiteral("mnuDrucken"), QStringLiteral("&Drucken"));
    QAction *suche = ui::addMenuItem(menue, QStringLiteral("mnuSuche"), deklaration_.sucheMenue);
    QAction *schliessen = ui::addMenuItem(menue, QStringLiteral("mnuSchliessen"), deklaration_.schliessenMenue);
    connect(drucken, &QAction::triggered, this, ui::guarded([this] { Drucken(); }));
    connect(suche, &QAction::triggered, this, ui::guarded([this] { Suchen(); }));
    connect(schliessen, &QAction::triggered, this, [this] { setModalResult(ui::ModalResult::Cancel); });

    dbgrBenutzer = new TSR_dbGrid(QStringLiteral("dbgrBenutzer"), body());
    QList<ui::GridColumn> spalten;
    for (const Kartenfeld &feld : std::as_const(deklaration_.karte)) {
        if (feld.imListe && deklaration_.liste.isEmpty())
            spalten.append({feld.feld, feld.spalte.isEmpty() ? feld.beschriftung : feld.spalte});
    }
    for (const Listenspalte &spalte : std::as_const(deklaration_.liste))
        spalten.append({spalte.feld, spalte.titel});
    dbgrBenutzer->setColumns(spalten);
    dbgrBenutzer->setDataSource(DataSource1);
    dbgrBenutzer->setReadOnly(true);
    dbgrBenutzer->setRowSelect(deklaration_.zeilenAuswahl);
    dbgrBenutzer->setFocusPolicy(Qt::ClickFocus);
    dbgrBenutzer->setMinimumVisibleRows(5);
    if (!deklaration_.roteZeilen.isEmpty()) {
        dbgrBenutzer->setRowFields({deklaration_.roteZeilen});
        dbgrBenutzer->onDrawCell = zeileRotOderBlauZeichnen;
    }

    const QStringList knopfNamen = {QStringLiteral("SpeedButton13"), QStringLiteral("SpeedButton14"),
                                    QStringLiteral("SpeedButton15"), QStringLiteral("SpeedButton16"),
                                    QStringLiteral("SpeedButton17"), QStringLiteral("SpeedButton18"),
                                    QStringLiteral("SpeedButton19")};
    const QStringList glyphen = {QStringLiteral("|<"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral(">|"),
                                 QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("Bearbeiten")};
    QList<ui::SpeedButton *> knoepfe;
    for (int i = 0; i < knopfNamen.size(); ++i) {
        auto *knopf = new ui::SpeedButton(knopfNamen[i], glyphen[i], body());
        if (i < deklaration_.hinweise.size())
            ui::setHint(knopf, deklaration_.hinweise[i]);
        knoepfe.append(knopf);
    }
    SpeedButton13 = knoepfe[0];
    SpeedButton14 = knoepfe[1];
    SpeedButton15 = knoepfe[2];
    SpeedButton16 = knoepfe[3];
    SpeedButton17 = knoepfe[4];
    SpeedButton18 = knoepfe[5];
    SpeedButton19 = knoepfe[6];

    auto *leiste = new QHBoxLayout;
    for (ui::SpeedButton *knopf : std::as_const(knoepfe))
        leiste->addWidget(knopf);
    leiste->addStretch();
    const Uebernahme &uebernahme = deklaration_.uebernahme;
    if (!uebernahme.uebernehmen.isEmpty()) {
        auto *ok = new QPushButton(QStringLiteral("Übernehmen"), body());
        ok->setObjectName(uebernahme.uebernehmen);
        auto *abbruch = new QPushButton(uebernahme.abbruchText, body());
        abbruch->setObjectName(uebernahme.abbruch);
        for (QPushButton *knopf : {ok, abbruch}) {
            knopf->setAutoDefault(false);
            knopf->setVisible(false);
            leiste->addWidget(knopf);
        }
        setButtonResult(ok, ui::ModalResult::Ok);
        setButtonResult(abbruch, ui::ModalResult::Cancel);
        uebernehmen_ = ok;
        abbruch_ = abbruch;
    }

    auto *layout = new QVBoxLayout(body());
    if (deklaration_.karteikarte) {
        PageControl1 = new QTabWidget(body());
        PageControl1->setObjectName(QStringLiteral("PageControl1"));
        PageControl1->addTab(dbgrBenutzer, QStringLiteral("Liste"));
        auto *seite = new QWidget;
        seite->setObjectName(QStringLiteral("TabSheet2"));
        auto *seitenLayout = new QVBoxLayout(seite);
        seitenLayout->addWidget(karteAufbauen(seite));
        seitenLayout->addStretch();
        PageControl1->addTab(seite, QStringLiteral("Karteikarte"));
        PageControl1->setCurrentIndex(0);
        layout->addWidget(PageControl1, 1);
    } else {
        layout->addWidget(dbgrBenutzer, 1);
        layout->addWidget(karteAufbauen(body()));
    }
    layout->addLayout(leiste);

    ui::applyAppearance(this, Erscheinungsbild(), deklaration_.beschriftung);
    for (const Auswahl &auswahl : std::as_const(auswahlen_))
        ui::applyUserFont(auswahl.box, Erscheinungsbild().inputFields);
    for (Werteauswahl *liste : findChildren<Werteauswahl *>())
        ui::applyUserFont(liste, Erscheinungsbild().inputFields);

    connect(SpeedButton13, &QAbstractButton::clicked, this, ui::guarded([this] { Erster(); }));
    connect(SpeedButton14, &QAbstractButton::clicked, this, ui::guarded([this] { Vorheriger(); }));
    connect(SpeedButton15, &QAbstractButton::clicked, this, ui::guarded([this] { Naechster(); }));
    connect(SpeedButton16, &QAbstractButton::clicked, this, ui::guarded([this] { Letzter(); }));
    connect(SpeedButton17, &QAbstractButton::clicked, this, ui::guarded([this] { Hinzufuegen(); }));
    connect(SpeedButton18, &QAbstractButton::clicked, this, ui::guarded([this] { Loeschen(); }));
    connect(SpeedButton19, &QAbstractButton::clicked, this, ui::guarded([this] { Bearbeiten(); }));
    const auto listeBestaetigt = [this] {
        if (deklaration_.uebernahme.listeUebernimmt && uebernehmen_ && uebernehmen_->isVisible())
            uebernehmen_->click();
        else if (deklaration_.karteikarte)
            SpeedButton19->click();
    };
    connect(dbgrBenutzer, &ui::DataGrid::enterPressed, this, listeBestaetigt);
    connect(dbgrBenutzer, &ui::DataGrid::recordDoubleClicked, this, [this] {
        if (deklaration_.uebernahme.listeUebernimmt && uebernehmen_ && uebernehmen_->isVisible())
            uebernehmen_->click();
    });

    setEnterMovesFocus(deklaration_.enter == EnterArt::NaechstesFeld);
    onKeyPress = [this](QKeyEvent *event) { return tasteGedrueckt(event); };
    postOnClose(Table1);
    tabellenEreignisse();
}

QWidget *Stammformular::karteAufbauen(QWidget *eltern)
{
    auto *rahmen = new QFrame(eltern);
    rahmen->setObjectName(QStringLiteral("Bevel1"));
    rahmen->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *raster = new QGridLayout(rahmen);
    karte_ = raster;
    int edits = 0;
    int auswahlen = 0;
    int kaestchen = 0;
    int wertelisten = 0;
    int labels = 0;
    int zeile = 0;
    const QFontMetrics eingabeMass(Erscheinungsbild().inputFields.font);
    // The row of the last input that others stand beside; null without such.
    QHBoxLayout *reihe = nullptr;
    const QList<Kartenfeld> &karte = deklaration_.karte;
    for (qsizetype i = 0; i < karte.size(); ++i) {
        const Kartenfeld &feld = karte[i];
        const bool nachbarFolgt = i + 1 < karte.size() && karte[i + 1].nebenVorigem;
        QWidget *eingabe = nullptr;
        switch (feld.art) {
        case Eingabeart::Edit:
            eingabe = new ui::DataEdit(QStringLiteral("DBEdit%1").arg(++edits), DataSource1, feld.feld, rahmen);
            break;
        case Eingabeart::Auswahl: {
            ui::DataLookupComboBox *box = auswahlAufbauen(feld, rahmen);
            box->setObjectName(QStringLiteral("DBLookupComboBox%1").arg(++auswahlen));
            eingabe = box;
            break;
        }
        case Eingabeart::Kontrollkaestchen: {
            auto *box = new ui::DataCheckBox(QStringLiteral("DBCheckBox%1").arg(++kaestchen), feld.beschriftung,
                                             DataSource1, feld.feld, rahmen);
            box->setValueChecked(feld.wahr);
            box->setValueUnchecked(feld.falsch);
            eingabe = box;
            break;
        }
        case Eingabeart::Werteliste:
            eingabe = new Werteauswahl(QStringLiteral("DBComboBox%1").arg(++wertelisten), DataSource1, feld.feld,
                                       feld.werte, rahmen);
            break;
        }
        if (feld.zeichen > 0) {
            if (auto *edit = qobject_cast<ui::DataEdit *>(eingabe))
                edit->setWidthInCharacters(feld.zeichen);
            else
                eingabe->setFixedWidth(eingabeMass.horizontalAdvance(QString(feld.zeichen, u'W')) + 16);
        }
        QLabel *label = nullptr;
        if (feld.art != Eingabeart::Kontrollkaestchen && !feld.beschriftung.isEmpty()) {
            label = new QLabel(feld.beschriftung, rahmen);
            label->setObjectName(QStringLiteral("Label%1").arg(++labels));
            label->setBuddy(eingabe);
        }
        if (feld.nebenVorigem && reihe) {
            if (label) {
                reihe->addSpacing(8);
                reihe->addWidget(label);
            }
            reihe->addWidget(eingabe);
            if (!nachbarFolgt)
                reihe->addStretch(1);
            eingaben_.append(eingabe);
            continue;
        }
        if (label)
            raster->addWidget(label, zeile, 0);
        if (nachbarFolgt) {
            reihe = new QHBoxLayout;
            reihe->addWidget(eingabe);
            raster->addLayout(reihe, zeile, 1);
        } else {
            raster->addWidget(eingabe, zeile, 1);
        }
        if (!feld.knopf.isEmpty()) {
            // Clicking it leaves the focus in the input it fills.
            auto *knopf = new QToolButton(rahmen);
            knopf->setObjectName(feld.knopf);
            knopf->setText(QStringLiteral("..."));
            knopf->setFocusPolicy(Qt::NoFocus);
            raster->addWidget(knopf, zeile, 2);
            ui::setHotKey(eingabe, Qt::Key_F9, feld.knopf);
        }
        eingaben_.append(eingabe);
        ++zeile;
    }
    raster->setColumnStretch(1, 1);
    return rahmen;
}

ui::DataLookupComboBox *Stammformular::auswahlAufbauen(const Kartenfeld &feld, QWidget *eltern)
{
    auto *liste = new db::Table(datenbank(), feld.liste.tabelle, this);
    liste->setObjectName(QStringLiteral("Table%1").arg(auswahlen_.size() + 2));
    ui::showPostErrors(*liste);
    ordnungSetzen(*liste, feld.liste.schluesselIndex);
    auto *quelle = new db::DataSource(liste, this);

    auto *box = new ui::DataLookupComboBox(eltern);
    box->setDataSource(DataSource1);
    box->setDataField(feld.feld);
    box->setListSource(quelle);
    box->setKeyField(feld.liste.schluessel);
    box->setListField(feld.liste.anzeige);
    const Auswahl auswahl{box, liste, feld.liste};
    auswahlen_.append(auswahl);

    if (!auswahl.art.namensIndex.isEmpty()) {
        const auto nachNamen = ui::guarded([auswahl] { ordnungSetzen(*auswahl.liste, auswahl.art.namensIndex); });
        connect(box, &ui::DataLookupComboBox::popupAboutToShow, this, nachNamen);
        if (auswahl.art.namensIndexBeimBetreten)
            connect(box, &ui::DataLookupComboBox::entered, this, nachNamen);
    }
    // Back in the stored field's order the box shows the chosen row's name.
    // While its drop-down list is open the list has the focus: the box has
    // not been left.
    connect(box, &ui::DataLookupComboBox::exited, this, ui::guarded([auswahl] {
        if (auswahl.box->view() && auswahl.box->view()->isVisible())
            return;
        ordnungSetzen(*auswahl.liste, auswahl.art.schluesselIndex);
        auswahl.box->reloadList();
    }));
    return box;
}

QAbstractButton *Stammformular::kartenKnopf(const QString &name) const
{
    return name.isEmpty() ? nullptr : findChild<QAbstractButton *>(name);
}

QWidget *Stammformular::eingabe(const QString &feld) const
{
    for (int i = 0; i < deklaration_.karte.size() && i < eingaben_.size(); ++i) {
        if (deklaration_.karte[i].feld.compare(feld, Qt::CaseInsensitive) == 0)
            return eingaben_[i];
    }
    return nullptr;
}

bool zeileRotOderBlauZeichnen(QPainter &painter, const QStyleOptionViewItem &option, const ui::GridCell &cell)
{
    const QPalette &farben = option.palette;
    painter.save();
    if (cell.current) {
        painter.fillRect(option.rect, farben.highlight());
        painter.setPen(farben.highlightedText().color());
    } else {
        painter.fillRect(option.rect, farben.base());
        painter.setPen(cell.rowFields.value(0).toBool() ? Qt::red : Qt::blue);
    }
    painter.drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, cell.text);
    painter.restore();
    return true;
}

void Stammformular::tabellenEreignisse()
{
    // Every handler the engine puts on Table1 is set here.
    ereignisse_ << Table1->afterScroll.add([this](db::Table &) { NavigationAnpassen(); });
    ereignisse_ << Table1->afterPost.add([this](db::Table &) { NavigationAnpassen(); });
    ereignisse_ << Table1->afterDelete.add([this](db::Table &) { NavigationAnpassen(); });
    ui::showPostErrors(*Table1);
}

void Stammformular::oeffnen()
{
    if (!Table1->isOpen()) {
        ordnungSetzen(*Table1, deklaration_.ordnung);
        Table1->open();
    }
    for (const Auswahl &auswahl : std::as_const(auswahlen_)) {
        if (!auswahl.liste->isOpen())
            auswahl.liste->open();
    }
    NavigationAnpassen();
}

void Stammformular::showEvent(QShowEvent *event)
{
    ui::Form::showEvent(event);
    ui::guard([this] { oeffnen(); });
}

void Stammformular::uebernahmeZeigen()
{
    if (!uebernehmen_)
        return;
    uebernehmen_->setVisible(true);
    abbruch_->setVisible(true);
}

void Stammformular::NavigationAnpassen()
{
    NavigationsknoepfeSetzen(*Table1, SpeedButton13, SpeedButton14, SpeedButton15, SpeedButton16);
}

void Stammformular::Erster()
{
    Table1->first();
}

void Stammformular::Vorheriger()
{
    if (!Table1->bof())
        Table1->prior();
}

void Stammformular::Naechster()
{
    if (!Table1->eof())
        Table1->next();
}

void Stammformular::Letzter()
{
    Table1->last();
}

void Stammformular::karteZeigen()
{
    if (PageControl1)
        PageControl1->setCurrentIndex(1);
}

void Stammformular::eingabeFokus()
{
    if (!eingaben_.isEmpty())
        eingaben_.first()->setFocus();
}

void Stammformular::Hinzufuegen()
{
    const Nummernvergabe &nummern = deklaration_.nummern;
    if (nummern.feld.isEmpty()) {
        Table1->insert();
    } else {
        // A pending record is settled first, so that its number counts.
        Table1->checkBrowseMode();
        const qint64 nummer = nummern.vorschlag ? nummern.vorschlag(*this)
                                                : naechsteNummer(datenbank(), deklaration_.tabelle, nummern.feld);
        // Set as the new record's default, so that a proposal the clerk
        // leaves untouched counts as unchanged and is dropped.
        db::Subscription vorgabe = Table1->onNewRecord.add([&](db::Table &tabelle) {
            tabelle.fieldByName(nummern.feld).setAsString(QString::number(nummer));
        });
        try {
            Table1->insert();
        } catch (...) {
            vorgabe.remove();
            throw;
        }
        vorgabe.remove();
        if (nummern.sofortSpeichern)
            Table1->post();
    }
    karteZeigen();
    eingabeFokus();
}

void Stammformular::Bearbeiten()
{
    // As the old datasets did: editing an empty table appends.
    if (Table1->isEmpty())
        Table1->append();
    else
        Table1->edit();
    karteZeigen();
    eingabeFokus();
}

void Stammformular::Loeschen()
{
    DatensatzLoeschen(*Table1);
}

void Stammformular::Suchen()
{
    Table1->checkBrowseMode();
    if (StammdatenSuchen(*Table1, *DataSource1, deklaration_.suche, this) && !deklaration_.ordnungNachSuche.isEmpty())
        ordnungSetzen(*Table1, deklaration_.ordnungNachSuche);
}

void Stammformular::Drucken()
{
    if (!deklaration_.listendruck)
        return;
    const std::unique_ptr<QDialog> druck = deklaration_.listendruck(this);
    if (druck)
        druck->exec();
}

bool Stammformular::tasteGedrueckt(QKeyEvent *event)
{
    QWidget *fokus = QApplication::focusWidget();
    for (const Auswahl &auswahl : std::as_const(auswahlen_)) {
        if (fokus != auswahl.box || !auswahl.art.buchstabensuche)
            continue;
        const std::optional<QChar> zeichen = buchstabe(event);
        if (!zeichen)
            return false;
        ui::guard([&] {
            ordnungSetzen(*auswahl.liste, auswahl.art.namensIndex);
            auswahl.liste->findNearest({QString(*zeichen)});
            auswahl.box->reloadList();
            if (auswahl.liste->isEmpty() || (Table1->isEmpty() && Table1->state() == db::DatasetState::Browse))
                return;
            Table1->fieldByName(auswahl.box->dataField())
                .setValue(auswahl.liste->fieldByName(auswahl.art.schluessel).value());
        });
        return true;
    }
    if (deklaration_.enter != EnterArt::Kette || !istEnter(event))
        return false;
    QList<QWidget *> edits;
    for (QWidget *eingabe : std::as_const(eingaben_)) {
        if (qobject_cast<ui::DataEdit *>(eingabe))
            edits.append(eingabe);
    }
    const int stelle = edits.indexOf(fokus);
    if (stelle < 0 || stelle + 1 >= deklaration_.enterBis || stelle + 1 >= edits.size())
        return false;
    edits[stelle + 1]->setFocus();
    return true;
}

} // namespace masterdata
