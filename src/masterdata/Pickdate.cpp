#include "Pickdate.h"

#include "platform/sys/GermanFormat.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Keys.h"
#include "platform/ui/SpeedButton.h"

#include <QCalendarWidget>
#include <algorithm>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTextCharFormat>
#include <QVBoxLayout>

QDate umJahreVerschoben(const QDate &datum, int jahre)
{
    const int jahr = datum.year() + jahre;
    const int tag = std::min(datum.day(), QDate(jahr, datum.month(), 1).daysInMonth());
    return QDate(jahr, datum.month(), tag);
}

TBrDateForm::TBrDateForm(QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("BrDateForm"));
    setWindowTitle(QStringLiteral("Datum auswählen"));

    Calendar1 = new QCalendarWidget(body());
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setLocale(QLocale(QLocale::German, QLocale::Germany));
    Calendar1->setFirstDayOfWeek(Qt::Monday);
    Calendar1->setGridVisible(false);
    Calendar1->setNavigationBarVisible(false);
    QTextCharFormat blau;
    blau.setForeground(Qt::blue);
    for (int tag = Qt::Monday; tag <= Qt::Sunday; ++tag)
        Calendar1->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(tag), blau);
    Calendar1->setSelectedDate(QDate::currentDate());

    TitleLabel = new QLabel(body());
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    TitleLabel->setAlignment(Qt::AlignCenter);
    PrevMonthBtn = new ui::SpeedButton(QStringLiteral("PrevMonthBtn"), QStringLiteral("<"), body());
    SpeedButton3 = new ui::SpeedButton(QStringLiteral("SpeedButton3"), QStringLiteral("<<"), body());
    SpeedButton4 = new ui::SpeedButton(QStringLiteral("SpeedButton4"), QStringLiteral(">>"), body());
    NextMonthBtn = new ui::SpeedButton(QStringLiteral("NextMonthBtn"), QStringLiteral(">"), body());
    ui::setHint(PrevMonthBtn, QStringLiteral("Vorheriger Monat"));
    ui::setHint(SpeedButton3, QStringLiteral("Vorheriges Jahr"));
    ui::setHint(SpeedButton4, QStringLiteral("Nächstes Jahr"));
    ui::setHint(NextMonthBtn, QStringLiteral("Nächster Monat"));
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("OK"), body());
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Abbruch"), body());

    auto *kopf = new QHBoxLayout;
    kopf->addWidget(PrevMonthBtn);
    kopf->addWidget(SpeedButton3);
    kopf->addWidget(TitleLabel, 1);
    kopf->addWidget(SpeedButton4);
    kopf->addWidget(NextMonthBtn);
    auto *fuss = new QHBoxLayout;
    fuss->addStretch();
    fuss->addWidget(SpeedButton2);
    fuss->addWidget(SpeedButton1);
    auto *layout = new QVBoxLayout(body());
    layout->addLayout(kopf);
    layout->addWidget(Calendar1, 1);
    layout->addLayout(fuss);

    connect(PrevMonthBtn, &QAbstractButton::clicked, this, [this] { VorherigerMonat(); });
    connect(NextMonthBtn, &QAbstractButton::clicked, this, [this] { NaechsterMonat(); });
    connect(SpeedButton3, &QAbstractButton::clicked, this, [this] { VorherigesJahr(); });
    connect(SpeedButton4, &QAbstractButton::clicked, this, [this] { NaechstesJahr(); });
    setButtonResult(SpeedButton2, ui::ModalResult::Ok);
    setButtonResult(SpeedButton1, ui::ModalResult::Cancel);
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, [this] { titelZeigen(); });
    connect(Calendar1, &QCalendarWidget::activated, this, [this] { SpeedButton2->click(); });
    onKeyPress = [this](QKeyEvent *event) { return ui::clickOnEnterOrEscape(event, SpeedButton2, SpeedButton1); };
    titelZeigen();
}

QDate TBrDateForm::datum() const
{
    return Calendar1->selectedDate();
}

void TBrDateForm::setDatum(const QDate &datum)
{
    Calendar1->setSelectedDate(datum);
    Calendar1->setCurrentPage(datum.year(), datum.month());
    titelZeigen();
}

void TBrDateForm::VorherigerMonat()
{
    setDatum(datum().addMonths(-1));
}

void TBrDateForm::NaechsterMonat()
{
    setDatum(datum().addMonths(1));
}

void TBrDateForm::VorherigesJahr()
{
    setDatum(umJahreVerschoben(datum(), -1));
}

void TBrDateForm::NaechstesJahr()
{
    setDatum(umJahreVerschoben(datum(), 1));
}

void TBrDateForm::titelZeigen()
{
    const QDate d = datum();
    TitleLabel->setText(QStringLiteral("%1, %2").arg(sys::german::monthName(d.month())).arg(d.year()));
}
