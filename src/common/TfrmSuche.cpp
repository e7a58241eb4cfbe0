#include "common/Programmzustand.h"
#include "common/TfrmSuche.h"

#include "common/RadioGroup.h"
#include "common/TSR_dbGrid.h"
#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WaitCursor.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmSuche::TfrmSuche(QWidget *parent)
    : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmSuche"));
    setWindowTitle(QStringLiteral("Stammdaten-Suche"));
    resize(600, 420);

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);

    RadioGroup1 = new RadioGroup(QStringLiteral("Suche nach:"), body());
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    Edit1 = new QLineEdit(body());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    const bool gerahmt = Erscheinungsbild().framedSpeedButtons;
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Übernehmen"), body());
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Abbruch"), body());
    SpeedButton3 = new ui::SpeedButton(QStringLiteral("SpeedButton3"), QStringLiteral("Suchen"), body());
    for (ui::SpeedButton *button : {SpeedButton1, SpeedButton2, SpeedButton3})
        button->setFlat(!gerahmt);

    auto *panel = new QHBoxLayout;
    panel->addWidget(RadioGroup1);
    auto *eingabe = new QVBoxLayout;
    eingabe->addWidget(Edit1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(SpeedButton3);
    knoepfe->addWidget(SpeedButton1);
    knoepfe->addWidget(SpeedButton2);
    eingabe->addLayout(knoepfe);
    eingabe->addStretch();
    panel->addLayout(eingabe, 1);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(panel);

    setDefaultButton(SpeedButton1);
    setCancelButton(SpeedButton2);
    setButtonResult(SpeedButton1, ui::ModalResult::Ok);
    setButtonResult(SpeedButton2, ui::ModalResult::Cancel);
    connect(SpeedButton3, &QAbstractButton::clicked, this, ui::guarded([this] {
        if (onSuchen)
            onSuchen(*this);
    }));
    connect(DBGrid1, &ui::DataGrid::enterPressed, SpeedButton1, &QAbstractButton::click);
    connect(DBGrid1, &ui::DataGrid::recordDoubleClicked, SpeedButton1, &QAbstractButton::click);
    connect(RadioGroup1, &RadioGroup::itemClicked, this, [this] { Edit1->setFocus(); });
    connect(Edit1, &QLineEdit::textEdited, this, [this] { textGeaendert(); });
    // Enter in the edit searches; everywhere else it takes the record.
    onKeyPress = [this](QKeyEvent *event) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && QApplication::focusWidget() == Edit1) {
            SpeedButton3->click();
            return true;
        }
        return false;
    };
}

void TfrmSuche::textGeaendert()
{
    if (RadioGroup1->itemIndex() >= 0)
        return;
    ui::messageDlg(QStringLiteral("Sie müßen erst angeben, nach was \ngesucht werden soll!"), ui::MessageType::Error,
                   ui::Buttons::Ok);
    Edit1->clear();
    RadioGroup1->setFocus();
    if (QWidget *erstes = RadioGroup1->button(0))
        erstes->setFocus();
}

QString filterLiteral(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString suchFilter(const Suchkriterium &kriterium, const QString &text)
{
    const QString wert = kriterium.zeichen > 0 ? text.left(kriterium.zeichen) : text;
    return QStringLiteral("%1 = %2").arg(kriterium.feld,
                                         filterLiteral(kriterium.anfang ? wert + QLatin1Char('*') : wert));
}

void suchfilterSetzen(db::Table &tabelle, const QString &bedingung, const QString &alterFilter, bool warGefiltert)
{
    const QString filter = warGefiltert && !alterFilter.trimmed().isEmpty()
                               ? QStringLiteral("(%1) and (%2)").arg(alterFilter, bedingung)
                               : bedingung;
    tabelle.disableControls();
    struct Freigeben
    {
        db::Table &tabelle;
        ~Freigeben() { tabelle.enableControls(); }
    } freigeben{tabelle};
    // A filtered table reads anew with the filter; an unfiltered one once
    // it is switched on.
    tabelle.setFilter(filter);
    tabelle.setFiltered(true);
}

bool StammdatenSuchen(db::Table &tabelle, db::DataSource &quelle, const QList<Suchkriterium> &kriterien,
                      QWidget *parent)
{
    const QString alterFilter = tabelle.filter();
    const bool warGefiltert = tabelle.filtered();
    // The caller's own filter (one hiding the master record, say) comes back
    // however the search ends.
    struct Wiederherstellen
    {
        db::Table &tabelle;
        QString filter;
        bool gefiltert;
        bool erledigt = false;
        void jetzt()
        {
            erledigt = true;
            tabelle.setFiltered(false);
            tabelle.setFilter(filter);
            tabelle.setFiltered(gefiltert);
        }
        ~Wiederherstellen()
        {
            if (erledigt)
                return;
            try {
                jetzt();
            } catch (...) {
            }
        }
    } wiederherstellen{tabelle, alterFilter, warGefiltert};
    tabelle.setFilterCaseInsensitive(true);

    std::unique_ptr<TfrmSuche> dialog;
    {
        ui::WaitCursor sanduhr;
        dialog = std::make_unique<TfrmSuche>(parent);
        if (const ui::DataGrid *liste = ui::DataGrid::gridShowing(parent, &quelle))
            dialog->DBGrid1->setColumns(liste->columns());
        dialog->DBGrid1->setDataSource(&quelle);
        for (const Suchkriterium &kriterium : kriterien)
            dialog->RadioGroup1->addItem(kriterium.titel);
        dialog->onSuchen = [&](TfrmSuche &suche) {
            const QString text = suche.Edit1->text();
            const int gewaehlt = suche.RadioGroup1->itemIndex();
            if (text.isEmpty() || gewaehlt < 0 || gewaehlt >= kriterien.size())
                return;
            suchfilterSetzen(tabelle, suchFilter(kriterien[gewaehlt], text), alterFilter, warGefiltert);
        };
        tabelle.first();
    }
    const bool uebernommen = dialog->showModal() == ui::ModalResult::Ok;
    const db::Bookmark gewaehlt = uebernommen && !tabelle.isEmpty() ? tabelle.bookmark() : db::Bookmark();
    dialog.reset();
    wiederherstellen.jetzt();
    if (!gewaehlt.isEmpty())
        tabelle.gotoBookmark(gewaehlt);
    return uebernommen && !gewaehlt.isEmpty();
}
