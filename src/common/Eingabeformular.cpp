#include "common/Eingabeformular.h"

#include "common/Datensatzsperre.h"
#include "common/Eingabeauswahl.h"
#include "common/Eingabeformulare.h"
#include "common/Kastenraster.h"
#include "common/Programmzustand.h"
#include "common/TSR_dbGrid.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

QString mitUebernahme(const QString &hilfe)
{
    return hilfe + QStringLiteral(" - (hier besteht eine Übernahmemöglichkeit)");
}

namespace {

// Pattern "%1 %2" over the columns' values, each placeholder replaced once
// and in one pass, so a value holding "%2" stays as it is.
// A lookup's column by name; store field names match in any case.
QString spaltenwert(const QHash<QString, QString> &werte, const QString &spalte)
{
    if (const auto treffer = werte.constFind(spalte); treffer != werte.constEnd())
        return *treffer;
    for (auto it = werte.constBegin(); it != werte.constEnd(); ++it) {
        if (it.key().compare(spalte, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

QString zusammensetzen(const Zuordnung &zuordnung, const QHash<QString, QString> &werte)
{
    QStringList teile;
    for (const QString &spalte : zuordnung.spalten)
        teile << spaltenwert(werte, spalte);
    if (zuordnung.muster.isEmpty())
        return teile.value(0);
    QString ergebnis;
    const QString &muster = zuordnung.muster;
    for (int i = 0; i < muster.size(); ++i) {
        if (muster[i] == u'%' && i + 1 < muster.size() && muster[i + 1].isDigit()) {
            ergebnis += teile.value(muster[i + 1].digitValue() - 1);
            ++i;
        } else {
            ergebnis += muster[i];
        }
    }
    return ergebnis;
}

} // namespace

Eingabeformular::Eingabeformular(const QString &name, const QList<Eingabefeld> &felder,
                                 const QList<Auswahlbindung> &auswahlen, Quellen quellen, QWidget *parent)
    : ui::Form(parent), name_(name), felder_(felder), auswahlen_(auswahlen), quellen_(quellen)
{
    // The controls keep pointers to their rows: the lists are the form's own.
    felder_.detach();
    auswahlen_.detach();
    setObjectName(name);
    setEnterMovesFocus(true);
    aufbauen();
    statusBar()->setPanels({400, -1});
    onKeyPress = [this](QKeyEvent *event) { return tasteGedrueckt(event); };
    for (Datenquelle quelle : {Datenquelle::Kopf, Datenquelle::Positionen, Datenquelle::Parameter}) {
        if (db::Table *t = tabelle(quelle))
            postOnClose(t);
    }
    registriereEingabeformular(name_, this);
}

Eingabeformular::~Eingabeformular()
{
    abmeldenEingabeformular(name_, this);
}

db::Table *Eingabeformular::tabelle(Datenquelle quelle) const
{
    db::DataSource *ds = quelle == Datenquelle::Kopf         ? quellen_.kopf
                       : quelle == Datenquelle::Positionen ? quellen_.positionen
                                                           : quellen_.parameter;
    return ds ? ds->dataSet() : nullptr;
}

void Eingabeformular::aufbauen()
{
    ScrollBox1 = new ui::ScrollBox(body());
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox1);

    QWidget *inhalt = ScrollBox1->content();
    raster_ = std::make_unique<Kastenraster>(inhalt);
    QHash<QString, Papierplatz> plaetze;
    for (const Eingabefeld &feld : felder_) {
        if (!feld.platz.leer() && !plaetze.contains(feld.kasten))
            plaetze.insert(feld.kasten, feld.platz);
    }
    // Controls are made in the table's order, which is thus the tab order,
    // wherever their boxes stand.
    QStringList reihenfolge;
    QHBoxLayout *letzteZeile = nullptr;
    QString letzterKasten;
    for (const Eingabefeld &feld : felder_) {
        QFrame *kasten = feld.verborgen ? nullptr : kaesten_.value(feld.kasten);
        if (!kasten && !feld.verborgen) {
            kasten = kastenRahmen(feld.kasten, inhalt);
            kaesten_.insert(feld.kasten, kasten);
            reihenfolge << feld.kasten;
        }
        QWidget *control = steuerelementBauen(feld, kasten ? kasten : inhalt);
        steuerelemente_.insert(feld.steuerelement, control);
        feldZeilen_.insert(feld.feld.toLower(), &feld);
        if (!kasten) {
            control->hide();
            continue;
        }
        auto *spalte = static_cast<QVBoxLayout *>(kasten->layout());
        if (!feld.nebenVorigem || !letzteZeile || letzterKasten != feld.kasten) {
            letzteZeile = new QHBoxLayout;
            spalte->addLayout(letzteZeile);
            // A line keeps its controls side by side from the left, also
            // those a form adds later (its own buttons beside a box).
            spalte->setAlignment(letzteZeile, Qt::AlignLeft);
        }
        letzterKasten = feld.kasten;
        letzteZeile->addWidget(control);
        zeilen_.insert(feld.steuerelement, letzteZeile);
    }
    for (const QString &name : std::as_const(reihenfolge)) {
        QFrame *kasten = kaesten_.value(name);
        static_cast<QVBoxLayout *>(kasten->layout())->addStretch(1);
        raster_->setzen(kasten, plaetze.value(name));
    }
    // The grid answers to its own name; its frame holds the line buttons.
    if (positionsliste_)
        steuerelemente_.insert(positionsliste_->objectName(), positionsliste_);
    for (const Auswahlbindung &bindung : auswahlen_)
        knopfBauen(bindung);

    ui::applyAppearance(this, Erscheinungsbild(), ui::LabelFont::Document);
    for (const Eingabefeld &feld : felder_) {
        auto *edit = qobject_cast<ui::DataEdit *>(steuerelemente_.value(feld.steuerelement));
        if (!edit)
            continue;
        if (feld.nurLesen)
            edit->setFontColor(sys::colors::red);
        // As wide as its field holds: the paper form has room for it.
        if (const db::Field *gebunden = edit->field(); gebunden && feld.maxZeichen == 0 && gebunden->size() > 0)
            edit->setWidthInCharacters(std::max(2, gebunden->size()));
    }
}

void Eingabeformular::aufPapierSetzen(QWidget *widget, const Papierplatz &platz)
{
    raster_->setzen(widget, platz);
}

// Wide enough for the boxes side by side (without a horizontal bar unless
// the paper form needs more than a screen), high enough for the first boxes;
// taken when first shown, with what the form added after the field table
// (the line grid's columns, a head).
void Eingabeformular::fensterGroesseSetzen()
{
    QWidget *inhalt = ScrollBox1->content();
    const int rand = 2 * ScrollBox1->frameWidth();
    const int balken = ScrollBox1->verticalScrollBar()->sizeHint().width();
    const int breite = std::clamp(inhalt->minimumSizeHint().width() + rand + balken, 820, 1400);
    // Titles wrap, so the boxes' height follows the width they get.
    const int hoehe = inhalt->hasHeightForWidth() ? inhalt->heightForWidth(breite - rand - balken)
                                                  : inhalt->sizeHint().height();
    int leisten = rand;
    if (auto *leiste = findChild<QMenuBar *>())
        leisten += leiste->sizeHint().height();
    if (ui::StatusBar *status = existingStatusBar())
        leisten += status->sizeHint().height();
    resize(breite, std::clamp(hoehe + leisten, 200, 680));
}

QWidget *Eingabeformular::steuerelementBauen(const Eingabefeld &feld, QWidget *eltern)
{
    db::DataSource *quelle = feld.quelle == Datenquelle::Kopf         ? quellen_.kopf
                           : feld.quelle == Datenquelle::Positionen ? quellen_.positionen
                                                                    : quellen_.parameter;
    QWidget *control = nullptr;
    switch (feld.art) {
    case Feldart::Edit: {
        auto *edit = new ui::DataEdit(feld.steuerelement, quelle, feld.feld, eltern);
        const db::Field *gebunden = edit->field();
        int zeichen = gebunden ? gebunden->size() : 10;
        if (feld.maxZeichen > 0) {
            edit->setMaxLength(feld.maxZeichen);
            zeichen = feld.maxZeichen;
        }
        edit->setWidthInCharacters(qBound(2, zeichen, 45));
        if (feld.nurLesen) {
            edit->setReadOnlyControl(true);
            edit->setFocusPolicy(Qt::NoFocus);
        }
        connect(edit, &ui::DataEdit::entered, this, [this, edit, &feld] {
            statusBar()->setPanelText(0, feld.hilfe);
            if (feld.blaettern == Blaettern::NachOben)
                ScrollBox1->setPosition(0);
            else
                ScrollBox1->ensureWidgetVisible(edit);
        });
        connect(edit, &ui::DataEdit::exited, this, [this, edit, &feld] {
            statusBar()->setPanelText(0, QString());
            if (feld.blaettern == Blaettern::ScrollDelta)
                ScrollBox1->keepInUpperThreeQuarters(edit);
        });
        control = edit;
        break;
    }
    case Feldart::Memo: {
        auto *memo = new ui::DataMemo(feld.steuerelement, quelle, feld.feld, eltern);
        memo->setFixedHeight(60);
        connect(memo, &ui::DataMemo::entered, this, [this, &feld] { statusBar()->setPanelText(0, feld.hilfe); });
        connect(memo, &ui::DataMemo::exited, this, [this] { statusBar()->setPanelText(0, QString()); });
        control = memo;
        break;
    }
    case Feldart::Kontrollkaestchen: {
        auto *box = new ui::DataCheckBox(feld.steuerelement, feld.beschriftung, quelle, feld.feld, eltern);
        box->setValueChecked(feld.wahr);
        box->setValueUnchecked(feld.falsch);
        connect(box, &ui::DataCheckBox::entered, this, [this, &feld] { statusBar()->setPanelText(0, feld.hilfe); });
        connect(box, &ui::DataCheckBox::exited, this, [this] { statusBar()->setPanelText(0, QString()); });
        control = box;
        break;
    }
    case Feldart::Positionsliste: {
        auto *rahmen = new QWidget(eltern);
        auto *spalte = new QVBoxLayout(rahmen);
        spalte->setContentsMargins(0, 0, 0, 0);
        positionsliste_ = new TSR_dbGrid(feld.steuerelement, rahmen);
        positionsliste_->setReadOnly(true);
        positionsliste_->setRowSelect(true);
        positionsliste_->setFocusPolicy(Qt::ClickFocus);
        positionsliste_->setDataSource(quelle);
        positionsliste_->setMinimumHeight(130);
        positionsliste_->setWidthFollowsColumns(true);
        spalte->addWidget(positionsliste_);
        positionsKnoepfe_ = new QHBoxLayout;
        spalte->addLayout(positionsKnoepfe_);
        ui::setHint(positionsliste_, feld.hilfe);
        control = rahmen;
        steuerelemente_.insert(feld.steuerelement + QStringLiteral("Rahmen"), rahmen);
        return control;
    }
    }
    if (!feld.auswahl.isEmpty()) {
        for (const Auswahlbindung &bindung : auswahlen_) {
            if (bindung.knopf == feld.auswahl && !bindung.tasteBeimDruecken)
                ui::setHotKey(control, Qt::Key_F9, feld.auswahl);
        }
    }
    return control;
}

void Eingabeformular::knopfBauen(const Auswahlbindung &bindung)
{
    if (steuerelemente_.contains(bindung.knopf))
        return;
    QWidget *eltern = ScrollBox1->content();
    auto *knopf = new ui::SpeedButton(bindung.knopf, QStringLiteral("..."), eltern);
    knopf->setFlat(!Erscheinungsbild().framedSpeedButtons);
    if (!bindung.hinweis.isEmpty())
        ui::setHint(knopf, bindung.hinweis);
    steuerelemente_.insert(bindung.knopf, knopf);
    if (QHBoxLayout *zeile = zeilen_.value(bindung.nebenSteuerelement))
        zeile->addWidget(knopf);
    else
        knopf->hide();
    const QString name = bindung.knopf;
    connect(knopf, &QAbstractButton::clicked, this, ui::guarded([this, name] { auswahlAusfuehren(name); }));
}

QWidget *Eingabeformular::steuerelement(const QString &name) const
{
    return steuerelemente_.value(name);
}

QWidget *Eingabeformular::steuerelementFuer(const QString &feld) const
{
    const Eingabefeld *zeile = feldZeilen_.value(feld.toLower());
    return zeile ? steuerelemente_.value(zeile->steuerelement) : nullptr;
}

QString Eingabeformular::feldText(const QString &feld) const
{
    QWidget *control = steuerelementFuer(feld);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        return memo->toPlainText();
    if (auto *box = qobject_cast<ui::DataCheckBox *>(control)) {
        const QString werte = box->isChecked() ? box->valueChecked() : box->valueUnchecked();
        return werte.section(u';', 0, 0);
    }
    return {};
}

QHBoxLayout *Eingabeformular::zeileVon(const QString &steuerelement) const
{
    return zeilen_.value(steuerelement);
}

void Eingabeformular::schreiben(const QString &steuerelement, const QString &text)
{
    QWidget *control = steuerelemente_.value(steuerelement);
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
        emit edit->textEdited(edit->text());
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->setPlainText(text);
    }
}

void Eingabeformular::setKastenSichtbar(const QString &kasten, bool sichtbar)
{
    if (QFrame *rahmen = kaesten_.value(kasten))
        rahmen->setVisible(sichtbar);
}

QFrame *Eingabeformular::kastenVon(const QString &kasten) const
{
    return kaesten_.value(kasten);
}

void Eingabeformular::setStatus(const QString &text)
{
    statusBar()->setPanelText(1, text);
}

void Eingabeformular::showEvent(QShowEvent *event)
{
    if (std::exchange(ersteAnzeige_, false))
        fensterGroesseSetzen();
    ui::Form::showEvent(event);
    registriereEingabeformular(name_, this);
}

void Eingabeformular::auswahlAusfuehren(const QString &knopf)
{
    const Auswahlbindung *bindung = nullptr;
    for (const Auswahlbindung &b : auswahlen_) {
        if (b.knopf == knopf)
            bindung = &b;
    }
    if (!bindung || !ui::commitPendingInput(this))
        return;
    const Auswahlfunktion auswahl = auswahlNamens(bindung->auswahl);
    if (!auswahl) {
        ui::showInformation(QStringLiteral("Diese Auswahl steht noch nicht zur Verfügung."));
        return;
    }
    const QString startName =
        bindung->startSteuerelement.isEmpty() ? bindung->nebenSteuerelement : bindung->startSteuerelement;
    QWidget *ausgangspunkt = steuerelemente_.value(startName);
    const Eingabefeld *startFeld = nullptr;
    for (const Eingabefeld &feld : felder_) {
        if (feld.steuerelement == startName)
            startFeld = &feld;
    }
    db::Table *t = tabelle(startFeld ? startFeld->quelle : Datenquelle::Kopf);
    if (t && t->isOpen() && t->state() == db::DatasetState::Browse && !t->isEmpty())
        t->edit();

    Auswahlanfrage anfrage;
    anfrage.formular = name_;
    anfrage.tag = bindung->tag;
    if (auto *edit = qobject_cast<QLineEdit *>(ausgangspunkt))
        anfrage.start = edit->text();
    anfrage.index = bindung->index;
    anfrage.listenordnung = bindung->listenordnung;
    anfrage.titelZusatz = bindung->titelZusatz;
    anfrage.eltern = this;
    const Auswahlergebnis ergebnis = auswahl(anfrage);
    if (ergebnis) {
        for (const Zuordnung &zuordnung : bindung->zuordnungen)
            schreiben(zuordnung.steuerelement, zusammensetzen(zuordnung, *ergebnis));
        nachAuswahl(*bindung);
    }
    if (bindung->buchen && t && t->isOpen())
        t->checkBrowseMode();
    if (ergebnis || !bindung->fokusNurNachWahl)
        fokusNach(*bindung, ausgangspunkt);
}

void Eingabeformular::fokusNach(const Auswahlbindung &bindung, QWidget *ausgangspunkt)
{
    if (bindung.fokusBleibtWenn && bindung.fokusBleibtWenn())
        return;
    switch (bindung.fokus) {
    case FokusDanach::Unveraendert:
        return;
    case FokusDanach::Naechstes:
        if (ausgangspunkt) {
            ausgangspunkt->setFocus(Qt::OtherFocusReason);
            moveFocus(true);
        }
        return;
    case FokusDanach::Ziel:
    case FokusDanach::ZielAmEnde:
        if (QWidget *ziel = steuerelemente_.value(bindung.fokusZiel)) {
            ziel->setFocus(Qt::OtherFocusReason);
            if (auto *edit = qobject_cast<QLineEdit *>(ziel); edit && bindung.fokus == FokusDanach::ZielAmEnde) {
                edit->deselect();
                edit->end(false);
            }
        }
        return;
    }
}

bool Eingabeformular::tasteGedrueckt(QKeyEvent *event)
{
    auto *control = qobject_cast<QWidget *>(focusWidget());
    if (!control)
        return false;
    const Eingabefeld *zeile = nullptr;
    for (const Eingabefeld &feld : felder_) {
        if (feld.steuerelement == control->objectName())
            zeile = &feld;
    }
    if (!zeile)
        return false;
    if (event->key() == Qt::Key_F6 && master_ && qobject_cast<ui::DataEdit *>(control)) {
        ui::guard([this, control] { festesFeldUmschalten(control); });
        return true;
    }
    if (event->key() == Qt::Key_F9 && !event->isAutoRepeat() && !zeile->auswahl.isEmpty()) {
        for (const Auswahlbindung &bindung : auswahlen_) {
            if (bindung.knopf == zeile->auswahl && bindung.tasteBeimDruecken) {
                const QString knopf = bindung.knopf;
                ui::guard([this, knopf] { auswahlAusfuehren(knopf); });
                return true;
            }
        }
    }
    return false;
}

void Eingabeformular::festeFelderEinrichten(const QString &listenfeld, bool master)
{
    festeFelderFeld_ = listenfeld;
    master_ = master;
    db::Table *parameter = tabelle(Datenquelle::Parameter);
    if (!parameter || listenfeld.isEmpty() || !parameter->isOpen() || parameter->isEmpty())
        return;
    const QStringList liste = parameter->fieldByName(listenfeld).asString().split(u'\n');
    for (const Eingabefeld &feld : felder_) {
        auto *edit = qobject_cast<ui::DataEdit *>(steuerelemente_.value(feld.steuerelement));
        if (!edit)
            continue;
        QStringList zeilen = liste;
        for (QString &z : zeilen)
            z = z.trimmed();
        if (!zeilen.contains(feld.steuerelement))
            continue;
        edit->setColor(sys::colors::activeBorder);
        if (!master)
            edit->setEnabled(false);
    }
}

bool Eingabeformular::istFestesFeld(const QString &steuerelement) const
{
    auto *edit = qobject_cast<ui::DataEdit *>(steuerelemente_.value(steuerelement));
    return edit && edit->color() == sys::colors::activeBorder;
}

// Stored at once in a short write of its own, the list read as the store
// holds it now: S_PARAME is not held while the master record is edited, and
// a mark set meanwhile at another workstation stays.
void Eingabeformular::festesFeldUmschalten(QWidget *control)
{
    auto *edit = qobject_cast<ui::DataEdit *>(control);
    db::Table *parameter = tabelle(Datenquelle::Parameter);
    if (!edit || !parameter || festeFelderFeld_.isEmpty() || !parameter->isOpen())
        return;
    const QString name = edit->objectName();
    bool fest = false;
    const bool gespeichert = DatensatzKurzAendern(*parameter, [&](db::Table &tabelle) {
        db::Field &liste = tabelle.fieldByName(festeFelderFeld_);
        QStringList zeilen = liste.asString().split(u'\n', Qt::SkipEmptyParts);
        for (QString &z : zeilen)
            z = z.trimmed();
        fest = !zeilen.contains(name);
        if (fest)
            zeilen << name;
        else
            zeilen.removeAll(name);
        liste.setAsString(zeilen.join(u'\n'));
    });
    if (gespeichert)
        edit->setColor(fest ? sys::colors::activeBorder : sys::colors::window);
}

bool Eingabeformular::regelTrifftZu(const Pruefregel &regel) const
{
    int leer = 0;
    for (const QString &feld : regel.felder) {
        if (feldText(feld).isEmpty())
            ++leer;
    }
    switch (regel.art) {
    case Pruefart::Leer:
    case Pruefart::EinesLeer:
        return leer > 0;
    case Pruefart::AlleLeer:
        return leer == regel.felder.size();
    }
    return false;
}

bool Eingabeformular::pruefen(const Pruefung &pruefung, bool an,
                              const std::function<int(const QStringList &angekreuzt)> &dialog)
{
    if (!an)
        return true;
    const Pruefpunkt *ersteLuecke = nullptr;
    for (const Pruefpunkt &punkt : pruefung.punkte) {
        if (!punkt.keineLuecke && regelTrifftZu(punkt.luecke.value_or(punkt.regel))) {
            ersteLuecke = &punkt;
            break;
        }
    }
    if (!ersteLuecke)
        return true;
    QStringList angekreuzt;
    for (const Pruefpunkt &punkt : pruefung.punkte) {
        if (!punkt.beschriftung.isEmpty() && regelTrifftZu(punkt.regel))
            angekreuzt << punkt.beschriftung;
    }
    const int ergebnis = dialog(angekreuzt);
    const Pruefregel luecke = ersteLuecke->luecke.value_or(ersteLuecke->regel);
    QString feld = luecke.felder.value(0);
    if (luecke.art == Pruefart::EinesLeer) {
        for (const QString &kandidat : luecke.felder) {
            if (feldText(kandidat).isEmpty()) {
                feld = kandidat;
                break;
            }
        }
    }
    if (QWidget *control = steuerelementFuer(feld)) {
        ScrollBox1->ensureWidgetVisible(control);
        control->setFocus(Qt::OtherFocusReason);
    }
    return ergebnis != ui::ModalResult::Correct;
}

void Eingabeformular::druckenNachPruefung(const std::function<bool()> &pruefung,
                                          const std::function<void()> &drucken)
{
    if (!ui::commitPendingInput(this))
        return;
    for (Datenquelle quelle : {Datenquelle::Kopf, Datenquelle::Positionen}) {
        if (db::Table *t = tabelle(quelle); t && t->isOpen())
            t->checkBrowseMode();
    }
    if (pruefung && !pruefung())
        return;
    drucken();
}
