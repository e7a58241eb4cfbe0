#include "sad_export/EinheitHaken.h"

#include "common/Belegformular.h"
#include "common/Eingabeauswahl.h"
#include "common/Positionsformular.h"
#include "common/Programmzustand.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/SpeedButton.h"
#include "sad_export/Ausfuhranmeldung.h"
#include "sad_export/ListeExport.h"
#include "sad_export/TfrmEinheit_d.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <memory>

namespace {

// Box 14: the kind of representation before line 1, the role after line 2.
struct Feld14Eintrag
{
    QString titel;
    QString text;
};

void feld14Knopf(Belegformular &formular, const char *knopfName, const char *menueName, const QString &neben,
                 const QList<Feld14Eintrag> &eintraege, bool voran)
{
    auto *knopf = new ui::SpeedButton(QString::fromLatin1(knopfName), QStringLiteral("v"), formular.ScrollBox1->content());
    knopf->setFlat(!Erscheinungsbild().framedSpeedButtons);
    if (QHBoxLayout *zeile = formular.zeileVon(neben))
        zeile->insertWidget(1, knopf);
    auto *menue = new QMenu(&formular);
    menue->setObjectName(QString::fromLatin1(menueName));
    QObject::connect(knopf, &QAbstractButton::clicked, menue, [menue] { menue->popup(QCursor::pos()); });
    for (int i = 0; i < eintraege.size(); ++i) {
        const QString text = eintraege[i].text;
        QAction *eintrag = ui::addMenuItem(menue, QString::fromLatin1(menueName) + QString::number(i + 1),
                                           eintraege[i].titel);
        QObject::connect(eintrag, &QAction::triggered, &formular, ui::guarded([&formular, neben, text, voran] {
                             auto *edit = qobject_cast<QLineEdit *>(formular.steuerelement(neben));
                             if (edit)
                                 formular.schreiben(neben, voran ? text + edit->text() : edit->text() + text);
                         }));
    }
}

// "EUROPÄISCHE GEMEINSCHAFT", the head of the paper form, at its place above
// the boxes.
void gemeinschaftKopfSetzen(Eingabeformular &formular, const Papierplatz &platz)
{
    auto *kopf = new QLabel(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"));
    kopf->setObjectName(QStringLiteral("lblGemeinschaft"));
    kopf->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    kopf->setStyleSheet(QStringLiteral("color: black"));
    formular.aufPapierSetzen(kopf, platz);
}

// With the statement flag (§5d) set the two free box-44 lines are not for
// typing; their text stays stored either way.
void vermerkSperreAnwenden(Belegformular &formular)
{
    db::Table &kopf = formular.regie().kopf();
    if (!kopf.isOpen() || kopf.isEmpty())
        return;
    const bool gesetzt = kopf.fieldByName(QStringLiteral("F44_11")).asString().compare(u"j", Qt::CaseInsensitive) == 0;
    for (const char *name : {"DBEdit23", "DBEdit24"}) {
        if (auto *edit = qobject_cast<ui::DataEdit *>(formular.steuerelement(QString::fromLatin1(name)))) {
            edit->setEnabled(!gesetzt);
            edit->setColor(gesetzt ? sys::colors::buttonFace : sys::colors::window);
        }
    }
}

// Box 17a: a typed prefix of a country code becomes the code when one
// country has it; several offer the chooser, none says so and keeps the text.
void bestimmungslandAufloesen(Belegformular &formular, bool &aufloesend)
{
    auto *edit = qobject_cast<QLineEdit *>(formular.steuerelement(QStringLiteral("DBEdit11")));
    const Auswahlfunktion aufloesen = auswahlNamens(QStringLiteral("LandKennzeichenAufloesen"));
    if (aufloesend || !edit || edit->text().isEmpty() || !aufloesen)
        return;
    aufloesend = true;
    struct Zurueck
    {
        bool &flag;
        ~Zurueck() { flag = false; }
    } zurueck{aufloesend};
    Auswahlanfrage anfrage;
    anfrage.formular = formular.objectName();
    anfrage.start = edit->text();
    anfrage.eltern = &formular;
    const Auswahlergebnis ergebnis = aufloesen(anfrage);
    if (ergebnis && ergebnis->contains(QStringLiteral("Lkz")))
        formular.schreiben(QStringLiteral("DBEdit11"), ergebnis->value(QStringLiteral("Lkz")));
    formular.regie().kopf().checkBrowseMode();
}

// A click on the free area of the item form stores the item.
class FreieFlaecheSpeichert : public QObject
{
public:
    FreieFlaecheSpeichert(Positionsformular &formular) : QObject(&formular), formular_(formular) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched == formular_.ScrollBox1->content()) {
            ui::guard([this] {
                if (ui::commitPendingInput(&formular_))
                    formular_.regie().regie().positionen()->checkBrowseMode();
            });
        }
        return false;
    }

private:
    Positionsformular &formular_;
};

} // namespace

void EinheitHaken::registerGebaut(TfrmRegie &regie)
{
    QAction *liste = ui::addMenuItem(regie.menuBar(), QStringLiteral("Liste1"), QStringLiteral("Liste"));
    QObject::connect(liste, &QAction::triggered, &regie,
                     ui::guarded([&regie] { ListeDrucken(regie.regie().datenbank(), &regie); }));
}

void EinheitHaken::eingabeformularGebaut(Belegformular &formular)
{
    gemeinschaftKopfSetzen(formular, {220, 20, 640, 95});
    feld14Knopf(formular, "SpeedButton14_1", "PopupMenu14_1", QStringLiteral("DBEdit34"),
                {{QStringLiteral("1 - Anmelder"), QStringLiteral("[1] ")},
                 {QStringLiteral("2 - Vertreter (direkte Vertretung im Sinne von Artikel 5 Abs. 2 erster "
                                 "Gedankenstrich Zollkodex)"),
                  QStringLiteral("[2] ")},
                 {QStringLiteral("3- -Vertreter (indirekte Vertretung im Sinne von Artikel 5 Abs. 2 zweiter "
                                 "Gedankenstrich Zollkodex)"),
                  QStringLiteral("[3] ")}},
                true);
    feld14Knopf(formular, "SpeedButton14_2", "PopupMenu14_2", QStringLiteral("DBEdit38"),
                {{QStringLiteral("Ausführer -00400"), QStringLiteral("Ausführer - 00400")},
                 {QStringLiteral("Versender -00300"), QStringLiteral("Versender - 00300")}},
                false);
    WechselnMenueBauen(formular);

    QObject::connect(&formular.regie().kopf(), &db::Table::recordChanged, &formular,
                     [&formular] { vermerkSperreAnwenden(formular); });
    if (auto *bestimmungsland = qobject_cast<ui::DataEdit *>(formular.steuerelement(QStringLiteral("DBEdit11")))) {
        auto aufloesend = std::make_shared<bool>(false);
        QObject::connect(bestimmungsland, &ui::DataEdit::exited, &formular, ui::guarded([&formular, aufloesend] {
                             bestimmungslandAufloesen(formular, *aufloesend);
                         }));
    }
    vermerkSperreAnwenden(formular);
    formular.ScrollBox1->setPosition(0);
}

void EinheitHaken::positionsformularGebaut(Positionsformular &formular)
{
    Belegregister &regie = formular.regie().regie();
    formular.setKastenSichtbar(Feld44Kasten(), regie.aufMaster() || formular.position() != 1);

    // RET-EXP shows where the focus is: navy with white text while in it.
    if (auto *ret = qobject_cast<ui::DataCheckBox *>(formular.steuerelement(QStringLiteral("DBCheckBox2")))) {
        ret->setAutoFillBackground(true);
        const QPalette normal = ret->palette();
        QObject::connect(ret, &ui::DataCheckBox::entered, ret, [ret] {
            QPalette farben = ret->palette();
            farben.setColor(QPalette::Window, sys::toQColor(sys::colors::navy));
            farben.setColor(QPalette::WindowText, Qt::white);
            ret->setPalette(farben);
        });
        QObject::connect(ret, &ui::DataCheckBox::exited, ret, [ret, normal] { ret->setPalette(normal); });
    }
    gemeinschaftKopfSetzen(formular, {220, 1030, 2040, 1110});
    formular.ScrollBox1->content()->installEventFilter(new FreieFlaecheSpeichert(formular));
}

// Boxes 3 and 5 from the number of items.
void EinheitHaken::positionenGeaendert(Belegformular &formular)
{
    db::Table &kopf = formular.regie().kopf();
    const int anzahl = formular.positionen().anzahl();
    if (kopf.state() == db::DatasetState::Browse)
        kopf.edit();
    kopf.fieldByName(QStringLiteral("f3_1")).setAsString(QStringLiteral("1"));
    kopf.fieldByName(QStringLiteral("f3_2")).setAsString(QString::number((anzahl + 4) / 3));
    kopf.fieldByName(QStringLiteral("F5")).setAsString(QString::number(anzahl));
    kopf.post();
}

void EinheitHaken::druckformularZeigen(TfrmRegie &regie, int belegNr)
{
    AusfuhranmeldungDrucken(belegNr, &regie);
    // The print stores the form number (AENR) through a cursor of its own.
    regie.kopf().refresh();
}
