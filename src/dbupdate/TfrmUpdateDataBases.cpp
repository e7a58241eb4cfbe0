#include "TfrmUpdateDataBases.h"

#include "platform/sys/IntervalTimer.h"
#include "platform/ui/Guard.h"
#include "platform/ui/ModalResult.h"
#include "platform/ui/WaitCursor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace dbupdate {

TfrmUpdateDataBases::TfrmUpdateDataBases(db::Database &database, const QString &programmVerzeichnis,
                                         QWidget *parent)
    : ui::Form(parent), update_(std::make_unique<DatenbankUpdate>(database, programmVerzeichnis))
{
    setObjectName(QStringLiteral("frmUpdateDataBases"));
    setWindowTitle(QStringLiteral("Update"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Label1 = new QLabel(QStringLiteral("Damit das Programm einwandtfrei läuft,muß ein"), body());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Datenbankupdate durchgeführt werden."), body());
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel *label : {Label1, Label2})
        label->setAlignment(Qt::AlignHCenter);
    bbtStarten = new QPushButton(QStringLiteral("&Starte Update"), body());
    bbtStarten->setObjectName(QStringLiteral("bbtStarten"));
    lblBearbeite = new QLabel(body());
    lblBearbeite->setObjectName(QStringLiteral("lblBearbeite"));
    ProgressBar1 = new QProgressBar(body());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(1);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addSpacing(12);
    layout->addWidget(bbtStarten, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(lblBearbeite);
    layout->addWidget(ProgressBar1);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));

    MMTimer1 = new sys::IntervalTimer(this);
    MMTimer1->setObjectName(QStringLiteral("MMTimer1"));
    MMTimer1->setEnabled(false);
    MMTimer1->setResolution(1);
    MMTimer1->setInterval(1000);
    connect(MMTimer1, &sys::IntervalTimer::timeout, this, [this] {
        update_->Tick();
        zeitAnzeigen();
    });

    connect(bbtStarten, &QPushButton::clicked, this, ui::guarded([this] { StarteUpdate(); }));

    update_->onZwischendurch = [] { QCoreApplication::processEvents(); };
    update_->onFortschritt = [this](int position, int maximum, const QString &text) {
        ProgressBar1->setMaximum(qMax(1, maximum));
        ProgressBar1->setValue(position);
        lblBearbeite->setText(text);
    };

    onKeyPress = [this](QKeyEvent *event) {
        const auto alle = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
        if (event->key() != Qt::Key_F12 || (event->modifiers() & alle) != alle)
            return false;
        // The way out for a clerk who cannot run the update now; a run
        // that is under way finishes and sets its own result.
        darfSchliessen_ = true;
        setModalResult(ui::ModalResult::Cancel);
        return true;
    };
}

TfrmUpdateDataBases::~TfrmUpdateDataBases() = default;

bool TfrmUpdateDataBases::closeQuery()
{
    return darfSchliessen_;
}

void TfrmUpdateDataBases::zeitAnzeigen()
{
    Label1->setText(update_->verstricheneZeit());
    Label2->setText(update_->verbleibendeZeit());
}

void TfrmUpdateDataBases::StarteUpdate()
{
    if (update_->laeuft())
        return;
    bbtStarten->setEnabled(false);
    int ergebnis = ui::ModalResult::Cancel;
    {
        ui::WaitCursor warten;
        MMTimer1->setEnabled(true);
        ergebnis = update_->Starten();
        MMTimer1->setEnabled(false);
    }
    darfSchliessen_ = true;
    setModalResult(ergebnis);
}

} // namespace dbupdate
