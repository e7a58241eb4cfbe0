#include "common/NummernDialog.h"

#include "platform/ui/Dialogs.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

NummernDialog::NummernDialog(const QString &caption, const QString &label1, const QString &label2, bool okZuerst,
                             QWidget *parent)
    : ui::Form(parent)
{
    setWindowTitle(caption);
    setFixedSize(270, 121);

    auto *panel = new QFrame(body());
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    Label1 = new QLabel(label1, panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(panel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label2 = new QLabel(label2, panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2 = new QLineEdit(panel);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    auto *felder = new QGridLayout(panel);
    felder->addWidget(Label1, 0, 0);
    felder->addWidget(Edit1, 1, 0);
    felder->addWidget(Label2, 0, 1);
    felder->addWidget(Edit2, 1, 1);

    OKBtn = new QPushButton(QStringLiteral("OK"), body());
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), body());
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    if (okZuerst) {
        knoepfe->addWidget(OKBtn);
        knoepfe->addWidget(CancelBtn);
    } else {
        knoepfe->addWidget(CancelBtn);
        knoepfe->addWidget(OKBtn);
    }
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(panel);
    layout->addLayout(knoepfe);

    setDefaultButton(OKBtn);
    setCancelButton(CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, [this] { okClick(); });
    setButtonResult(CancelBtn, ui::ModalResult::Cancel);
}

std::optional<qint64> NummernDialog::ganzeZahl(const QString &text)
{
    bool ok = false;
    const qint64 zahl = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return zahl;
}

int NummernDialog::zahl(const QLineEdit *edit) const
{
    const std::optional<qint64> gelesen = ganzeZahl(edit->text());
    if (!gelesen)
        return 0;
    return int(std::clamp<qint64>(*gelesen, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void NummernDialog::setzeZahl(QLineEdit *edit, int zahl)
{
    const QString text = QString::number(zahl);
    if (edit->text() != text) {
        edit->setText(text);
        update();
    }
}

void NummernDialog::okClick()
{
    std::optional<qint64> nummern[2];
    QLineEdit *edits[2] = {Edit1, Edit2};
    const QLabel *labels[2] = {Label1, Label2};
    for (int i = 0; i < 2; ++i) {
        nummern[i] = ganzeZahl(edits[i]->text());
        if (!nummern[i]) {
            ui::showWarning(QStringLiteral("Bei \"%1\" steht keine gültige Belegnummer.\n"
                                           "Bitte eine ganze Zahl eingeben.")
                                .arg(labels[i]->text()));
            edits[i]->setFocus();
            edits[i]->selectAll();
            return;
        }
    }
    setModalResult(pruefen(*nummern[0], *nummern[1]));
}
