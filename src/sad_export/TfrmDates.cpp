#include "sad_export/TfrmDates.h"

#include "platform/db/TextFormat.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditMask.h"
#include "platform/ui/SpeedButton.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QDate datumAus(const QLineEdit *edit)
{
    return db::parseDate(edit->text().trimmed()).value_or(QDate());
}

bool leer(const QLineEdit *edit)
{
    QString ziffern = edit->text();
    ziffern.remove(u'.').remove(u' ');
    return ziffern.isEmpty();
}

} // namespace

TfrmDates::TfrmDates(QWidget *parent)
    : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmDates"));
    setWindowTitle(QStringLiteral("Von - Bis"));
    Label3 = new QLabel(QStringLiteral("Liste Drucken"), body());
    const QString maske = ui::EditMask::fromOldMask(QStringLiteral("!99/99/0000;1; ")).inputMask;
    MaskEdit1 = new QLineEdit(body());
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit2 = new QLineEdit(body());
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    for (QLineEdit *edit : {MaskEdit1, MaskEdit2}) {
        edit->setInputMask(maske);
        edit->installEventFilter(this);
    }
    CheckBox1 = new QCheckBox(QStringLiteral("Razazu in Excel Datei"), body());
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("Razazu in ASCII-Datei"), body());
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    BitBtn1 = new ui::SpeedButton(QStringLiteral("BitBtn1"), QStringLiteral("&OK"), body());
    BitBtn2 = new ui::SpeedButton(QStringLiteral("BitBtn2"), QStringLiteral("&Abbrechen"), body());

    auto *layout = new QGridLayout(body());
    layout->addWidget(Label3, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Von"), body()), 1, 0);
    layout->addWidget(MaskEdit1, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Bis"), body()), 2, 0);
    layout->addWidget(MaskEdit2, 2, 1);
    layout->addWidget(CheckBox1, 3, 0, 1, 2);
    layout->addWidget(CheckBox2, 4, 0, 1, 2);
    layout->addWidget(BitBtn1, 5, 0);
    layout->addWidget(BitBtn2, 5, 1);

    // One click decides the target: the other box takes the opposite state.
    connect(CheckBox1, &QCheckBox::clicked, this, [this](bool an) { CheckBox2->setChecked(!an); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this](bool an) { CheckBox1->setChecked(!an); });
    connect(BitBtn1, &QAbstractButton::clicked, this, [this] {
        if (eingabenPruefen())
            setModalResult(ui::ModalResult::Ok);
    });
    setButtonResult(BitBtn2, ui::ModalResult::Cancel);
    setEscapeCloses(true);
}

QDate TfrmDates::von() const
{
    return datumAus(MaskEdit1);
}

QDate TfrmDates::bis() const
{
    return datumAus(MaskEdit2);
}

bool TfrmDates::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && !pruefend_ && (watched == MaskEdit1 || watched == MaskEdit2)) {
        pruefend_ = true;
        datumPruefen(static_cast<QLineEdit *>(watched));
        pruefend_ = false;
    }
    return ui::Form::eventFilter(watched, event);
}

bool TfrmDates::datumPruefen(QLineEdit *edit)
{
    if (leer(edit) || datumAus(edit).isValid())
        return true;
    ui::showError(QStringLiteral("Sie haben kein gültiges Datum eingegeben!"));
    edit->setFocus();
    return false;
}

bool TfrmDates::eingabenPruefen()
{
    for (QLineEdit *edit : {MaskEdit1, MaskEdit2}) {
        if (!datumAus(edit).isValid()) {
            ui::showError(QStringLiteral("Sie haben kein gültiges Datum eingegeben!"));
            edit->setFocus();
            return false;
        }
    }
    if (!CheckBox1->isChecked() && !CheckBox2->isChecked()) {
        ui::showInformation(QStringLiteral("Bitte wählen Sie, ob die Liste in eine Excel- oder eine ASCII-Datei "
                                           "exportiert werden soll."));
        return false;
    }
    return true;
}
