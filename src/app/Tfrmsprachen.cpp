#include "Tfrmsprachen.h"

#include "common/Programmzustand.h"

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

Tfrmsprachen::Tfrmsprachen(db::DataSource *parameter, QWidget *parent)
    : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmsprachen"));
    setWindowTitle(QStringLiteral("Parameter - Sprachen"));
    auto *felder = new QGridLayout;
    for (int i = 1; i <= 5; ++i) {
        auto *label = new QLabel(QStringLiteral("Sprache %1").arg(i), body());
        label->setObjectName(QStringLiteral("Label%1").arg(i));
        auto *edit = new ui::DataEdit(QStringLiteral("DBEdit%1").arg(i), parameter, QStringLiteral("Sprache%1").arg(i),
                                      body());
        Labels << label;
        Edits << edit;
        felder->addWidget(label, i - 1, 0);
        felder->addWidget(edit, i - 1, 1);
    }
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("OK"), body());
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Abbruch"), body());
    for (ui::SpeedButton *button : {SpeedButton1, SpeedButton2})
        button->setFlat(!Erscheinungsbild().framedSpeedButtons);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(SpeedButton1);
    knoepfe->addWidget(SpeedButton2);
    auto *layout = new QVBoxLayout(body());
    layout->addLayout(felder);
    layout->addLayout(knoepfe);

    setButtonResult(SpeedButton1, ui::ModalResult::Ok);
    setButtonResult(SpeedButton2, ui::ModalResult::Cancel);
    setCancelButton(SpeedButton2);
}

bool Tfrmsprachen::SprachenBearbeiten(db::Table &parameter, db::DataSource &quelle, db::Table &sprachen,
                                      QWidget *parent)
{
    int ergebnis = ui::ModalResult::Cancel;
    {
        Tfrmsprachen dialog(&quelle, parent);
        ergebnis = dialog.showModal();
    }
    if (ergebnis != ui::ModalResult::Ok) {
        parameter.cancel();
        return false;
    }
    db::Database *datenbank = parameter.database();
    std::optional<db::Transaction> schreiben;
    if (datenbank)
        schreiben.emplace(*datenbank);
    parameter.post();
    QStringList namen;
    for (int i = 1; i <= 5; ++i)
        namen << parameter.fieldByName(QStringLiteral("Sprache%1").arg(i)).asString();
    sprachen.first();
    for (const QString &name : std::as_const(namen)) {
        if (sprachen.eof())
            break;
        sprachen.edit();
        sprachen.fieldByName(QStringLiteral("Sprache")).setAsString(name);
        sprachen.post();
        sprachen.next();
    }
    sprachen.first();
    if (schreiben)
        schreiben->commit();
    return true;
}
