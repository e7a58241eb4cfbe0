#include "common/TfrmDatenbank.h"

#include "common/RadioGroup.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmDatenbank::TfrmDatenbank(QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmDatenbank"));
    setWindowTitle(QStringLiteral("Datenbankformat wählen"));

    RadioGroup1 = new RadioGroup(QString(), body());
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    for (const char *format : {"DBase", "Paradox", "Text (FIXED)", "Text (DELIMITED)", "CSV-Dateien"})
        RadioGroup1->addItem(QString::fromUtf8(format));

    const auto auswahl = [this](const QString &name, const QStringList &eintraege) {
        auto *box = new QComboBox(body());
        box->setObjectName(name);
        box->setEditable(true);
        box->addItems(eintraege);
        box->setCurrentIndex(0);
        return box;
    };
    ComboBox1 = auswahl(QStringLiteral("ComboBox1"), {QStringLiteral(";"), QStringLiteral(",")});
    ComboBox2 = auswahl(QStringLiteral("ComboBox2"), {QStringLiteral("\""), QStringLiteral("'")});
    BitBtn1 = new QPushButton(QStringLiteral("Schließen"), body());
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));

    auto *trennung = new QFormLayout;
    trennung->addRow(QStringLiteral("Feldtrennzeichen:"), ComboBox1);
    trennung->addRow(QStringLiteral("Textbegrenzungszeichen:"), ComboBox2);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(RadioGroup1);
    layout->addLayout(trennung);
    layout->addWidget(BitBtn1, 0, Qt::AlignRight);

    connect(RadioGroup1, &RadioGroup::itemClicked, this, [this] { formatGewaehlt(); });
    connect(BitBtn1, &QPushButton::clicked, this, ui::guarded([this] { schliessen(); }));
    formatGewaehlt();
}

int TfrmDatenbank::formatIndex() const
{
    return RadioGroup1->itemIndex();
}

void TfrmDatenbank::setFormatIndex(int index)
{
    RadioGroup1->setItemIndex(index);
    formatGewaehlt();
}

files::DelimitedFormat TfrmDatenbank::textformat() const
{
    files::DelimitedFormat format;
    if (ComboBox1->currentText().size() == 1)
        format.separator = ComboBox1->currentText().front();
    if (ComboBox2->currentText().size() == 1)
        format.quote = ComboBox2->currentText().front();
    return format;
}

void TfrmDatenbank::formatGewaehlt()
{
    const bool getrennt = formatIndex() == Datenbankformat::TextDelimited;
    ComboBox1->setEnabled(getrennt);
    ComboBox2->setEnabled(getrennt);
}

void TfrmDatenbank::schliessen()
{
    const auto abgelehnt = [](const QString &text, QComboBox *box) {
        ui::showMessage(text);
        box->setFocus();
    };
    if (ComboBox1->currentText().size() != 1)
        return abgelehnt(QStringLiteral("Feldtrennzeichen muss genau EIN Zeichen enthalten !"), ComboBox1);
    if (ComboBox2->currentText().size() != 1)
        return abgelehnt(QStringLiteral("Textbegrenzungszeichen muss genau EIN Zeichen enthalten !"), ComboBox2);
    if (ComboBox1->currentText() == ComboBox2->currentText())
        return abgelehnt(QStringLiteral("Feldtrennzeichen und Textbegrenzungszeichen müssen unterschiedlich sein !"),
                         ComboBox1);
    setModalResult(ui::ModalResult::Ok);
}

void TfrmDatenbank::done(int)
{
    if (formatIndex() >= 0)
        return ui::Form::done(ui::ModalResult::Ok);
    if (ui::messageDlg(QStringLiteral("Sie haben kein Datenbank-Format angegeben!\nMöchten Sie nun eines wählen"),
                       ui::MessageType::Warning, ui::Buttons::YesNo)
        == ui::ModalResult::Yes)
        return;
    ui::Form::done(ui::ModalResult::Cancel);
}
