#include "common/TfrmDateTime.h"

#include "platform/db/TextFormat.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Texts a caller hands over for "nothing to preset".
bool ohneText(const QString &text)
{
    return text.trimmed().isEmpty() || text.trimmed() == QLatin1String("0");
}

} // namespace

TfrmDateTime::TfrmDateTime(QWidget *parent)
    : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmDateTime"));
    setWindowTitle(QStringLiteral("Datum und Zeit auswählen"));
    setFixedSize(232, 262);

    Label1 = new QLabel(QStringLiteral("Bitte das Datum auswählen:"), body());
    Label1->setObjectName(QStringLiteral("Label1"));
    MonthCalendar1 = new QCalendarWidget(body());
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setLocale(QLocale(QLocale::German, QLocale::Germany));
    MonthCalendar1->setSelectedDate(QDate::currentDate());
    Label2 = new QLabel(QStringLiteral("Zeit:"), body());
    Label2->setObjectName(QStringLiteral("Label2"));
    MaskEdit1 = new QLineEdit(body());
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    // An optional and a required digit, a colon kept in the text, two
    // required digits; blanks stand for missing digits.
    MaskEdit1->setInputMask(QStringLiteral("09:99; "));
    MaskEdit1->setMaxLength(5);
    btnAbbruch = new QPushButton(QStringLiteral("Abbruch"), body());
    btnAbbruch->setObjectName(QStringLiteral("btnAbbruch"));
    btnUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), body());
    btnUebernehmen->setObjectName(QStringLiteral("btnUebernehmen"));

    auto *zeit = new QHBoxLayout;
    zeit->addWidget(Label2);
    zeit->addWidget(MaskEdit1);
    zeit->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnAbbruch);
    knoepfe->addWidget(btnUebernehmen);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Label1);
    layout->addWidget(MonthCalendar1, 1);
    layout->addLayout(zeit);
    layout->addLayout(knoepfe);

    setButtonResult(btnAbbruch, ui::ModalResult::Cancel);
    setButtonResult(btnUebernehmen, ui::ModalResult::Ok);
    setCancelButton(btnAbbruch);
    setDefaultButton(btnUebernehmen);
}

void TfrmDateTime::WaehleDatum(QString &text, const QDate &datum)
{
    TfrmDateTime picker;
    if (datum.isValid())
        picker.MonthCalendar1->setSelectedDate(datum);
    if (picker.showModal() == ui::ModalResult::Ok)
        text = picker.MonthCalendar1->selectedDate().toString(QStringLiteral("yyyyMMdd"));
    else
        text.clear();
}

bool TfrmDateTime::WaehleDatumZeit(QString &datumText, QString &zeitText)
{
    TfrmDateTime picker;
    if (!ohneText(datumText)) {
        if (const std::optional<QDate> datum = db::parseDate(datumText))
            picker.MonthCalendar1->setSelectedDate(*datum);
    }
    if (!ohneText(zeitText))
        picker.MaskEdit1->setText(zeitText);
    picker.setFixedHeight(290);
    if (picker.showModal() == ui::ModalResult::Ok) {
        datumText = db::formatDate(picker.MonthCalendar1->selectedDate());
        zeitText = picker.MaskEdit1->displayText();
        return true;
    }
    datumText = QStringLiteral("0");
    zeitText = QStringLiteral("0");
    return false;
}

void AuswahlDatum(QString &text, const QDate &datum)
{
    TfrmDateTime::WaehleDatum(text, datum);
}

bool AuswahlDatumZeit(QString &datumText, QString &zeitText)
{
    return TfrmDateTime::WaehleDatumZeit(datumText, zeitText);
}
