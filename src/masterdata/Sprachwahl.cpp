#include "Sprachwahl.h"
#include "Stammdatenbank.h"
#include "Stammformular.h"

#include "common/Programmzustand.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Guard.h"
#include "platform/ui/ModalResult.h"
#include "platform/ui/SpeedButton.h"

#include <QBoxLayout>
#include <QHBoxLayout>

namespace masterdata {

namespace {

constexpr int sprachen = 5;

// The captions the buttons carry where the parameter record names no language.
const QStringList entworfeneSprachen = {QStringLiteral("&Deutsch"), QStringLiteral("&Englisch"),
                                        QStringLiteral("&Französisch"), QStringLiteral("&Portugiesisch"),
                                        QStringLiteral("&Spanisch")};

} // namespace

int spracheNachBuchstabe(const QString &buchstabe)
{
    static const QStringList buchstaben = {QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"),
                                           QStringLiteral("p"), QStringLiteral("s")};
    return static_cast<int>(buchstaben.indexOf(buchstabe)) + 1;
}

QStringList sprachnamen()
{
    QStringList namen(sprachen);
    try {
        if (!datenbank().tableExists(QStringLiteral("S_PARAME")))
            return namen;
        db::Table parameter(datenbank(), QStringLiteral("S_PARAME"));
        parameter.setReadOnly(true);
        parameter.open();
        if (!parameter.isEmpty()) {
            for (int i = 0; i < sprachen; ++i)
                namen[i] = parameter.fieldByName(QStringLiteral("Sprache%1").arg(i + 1)).asString().trimmed();
        }
    } catch (const db::DatabaseError &) {
        // An older parameter table without the language names: the designed
        // captions stay.
        return QStringList(sprachen);
    }
    return namen;
}

Sprachwahl::Sprachwahl(Stammformular &form, QStringList praefixe, int zeilen)
    : QWidget(form.body()), form_(form), praefixe_(std::move(praefixe))
{
    setObjectName(QStringLiteral("pnlSprachen"));
    const QStringList namen = sprachnamen();
    auto *leiste = new QHBoxLayout(this);
    leiste->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < sprachen; ++i) {
        const QString name = namen[i].isEmpty() ? entworfeneSprachen[i] : namen[i];
        auto *knopf = new ui::SpeedButton(QStringLiteral("sbSprache%1").arg(i + 1), name, this);
        knopf->setGroupIndex(1);
        knopf->setFlat(!Erscheinungsbild().framedSpeedButtons);
        leiste->addWidget(knopf);
        knoepfe_.append(knopf);
        connect(knopf, &QAbstractButton::clicked, this, ui::guarded([this, i] { waehlen(i + 1); }));
    }
    leiste->addStretch();
    knoepfe_.first()->setChecked(true);

    for (int zeile = 1; zeile <= zeilen; ++zeile) {
        const QString feld = praefixe_.first() + QString::number(zeile);
        for (QWidget *eingabe : form.eingaben()) {
            auto *edit = qobject_cast<ui::DataEdit *>(eingabe);
            if (edit && edit->dataField().compare(feld, Qt::CaseInsensitive) == 0)
                zeilen_.append(edit);
        }
    }
    if (auto *spalte = qobject_cast<QBoxLayout *>(form.body()->layout()))
        spalte->insertWidget(0, this);
}

bool Sprachwahl::waehlen(int sprache)
{
    if (sprache < 1 || sprache > sprachen)
        return false;
    db::Table &tabelle = *form_.Table1;
    if (tabelle.state() == db::DatasetState::Insert || tabelle.state() == db::DatasetState::Edit) {
        bool gespeichert = false;
        // A refused post has been shown to the clerk already.
        ui::guard([&] {
            tabelle.post();
            gespeichert = true;
        });
        if (!gespeichert) {
            knoepfe_[sprache_ - 1]->setChecked(true);
            knoepfe_[sprache - 1]->setChecked(false);
            return false;
        }
    }
    sprache_ = sprache;
    knoepfe_[sprache - 1]->setChecked(true);
    for (int i = 0; i < knoepfe_.size(); ++i) {
        if (i != sprache - 1)
            knoepfe_[i]->setChecked(false);
    }
    for (int zeile = 0; zeile < zeilen_.size(); ++zeile)
        zeilen_[zeile]->setDataField(praefixe_[sprache - 1] + QString::number(zeile + 1));
    return true;
}

bool Sprachwahl::buchstabeWaehlen(const QString &buchstabe)
{
    const int sprache = spracheNachBuchstabe(buchstabe);
    return sprache > 0 && waehlen(sprache);
}

std::optional<QStringList> uebernehmenInSprache(Stammformular &form, Sprachwahl &wahl, const QString &buchstabe)
{
    form.oeffnen();
    wahl.buchstabeWaehlen(buchstabe);
    form.uebernahmeZeigen();
    if (form.showModal() != ui::ModalResult::Ok)
        return std::nullopt;
    return wahl.zeilenTexte();
}

QStringList Sprachwahl::zeilenTexte() const
{
    QStringList texte;
    for (const ui::DataEdit *edit : zeilen_)
        texte << edit->text();
    return texte;
}

} // namespace masterdata
