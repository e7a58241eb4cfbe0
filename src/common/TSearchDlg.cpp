#include "common/Programmzustand.h"
#include "common/TSearchDlg.h"

#include "common/Belegart.h"
#include "common/NummernDialog.h"
#include "common/TSR_dbGrid.h"
#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/SpeedButton.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

TSearchDlg::TSearchDlg(QWidget *parent)
    : ui::Form(parent)
{
    setObjectName(QStringLiteral("SearchDlg"));
    setWindowTitle(QString());
    setFixedSize(564, 334);

    Edit1 = new QLineEdit(body());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    RadioButton1 = new QRadioButton(QStringLiteral("nach Beleg-Nr."), body());
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("nach Name"), body());
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);
    const bool gerahmt = Erscheinungsbild().framedSpeedButtons;
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Abbruch"), body());
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("OK"), body());
    SpeedButton1->setFlat(!gerahmt);
    SpeedButton2->setFlat(!gerahmt);

    auto *oben = new QHBoxLayout;
    oben->addWidget(Edit1, 1);
    oben->addWidget(RadioButton1);
    oben->addWidget(RadioButton2);
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(SpeedButton1);
    unten->addWidget(SpeedButton2);
    auto *layout = new QVBoxLayout(body());
    layout->addLayout(oben);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(unten);

    setDefaultButton(SpeedButton2);
    setCancelButton(SpeedButton1);
    setButtonResult(SpeedButton1, ui::ModalResult::Cancel);
    setButtonResult(SpeedButton2, ui::ModalResult::Ok);
    // In the grid Enter counts on release, so the press that opened nothing
    // here does not close the dialog at once.
    connect(DBGrid1, &ui::DataGrid::keyReleased, this, [this](int key) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            SpeedButton2->click();
    });
    connect(DBGrid1, &ui::DataGrid::recordDoubleClicked, SpeedButton2, &QAbstractButton::click);
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { Edit1->setFocus(); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { Edit1->setFocus(); });
    connect(Edit1, &QLineEdit::textChanged, this, ui::guarded([this] {
        if (onTextChanged)
            onTextChanged(*this);
    }));
}

bool TSearchDlg::nachNummer() const
{
    return RadioButton1->isChecked();
}

void TSearchDlg::showEvent(QShowEvent *event)
{
    ui::Form::showEvent(event);
    Edit1->setFocus();
}

bool BelegSuchen(db::Table &tabelle, db::DataSource &quelle, const QString &nameIndex, QWidget *parent)
{
    const QString alterIndex = tabelle.indexName();
    const QString alteFelder = tabelle.indexFieldNames();
    TSearchDlg dialog(parent);
    if (const ui::DataGrid *liste = ui::DataGrid::gridShowing(parent, &quelle))
        dialog.DBGrid1->setColumns(liste->columns());
    dialog.DBGrid1->setDataSource(&quelle);
    dialog.onTextChanged = [&](TSearchDlg &suche) {
        const QString text = suche.Edit1->text();
        if (suche.nachNummer()) {
            const std::optional<qint64> nummer = NummernDialog::ganzeZahl(text);
            if (!nummer)
                return;
            tabelle.setIndexName(QString());
            tabelle.findNearest({*nummer});
        } else {
            tabelle.setIndexName(nameIndex);
            tabelle.findNearest({text});
        }
    };
    const bool ok = dialog.showModal() == ui::ModalResult::Ok;
    // Other code of the register finds documents by number on this table.
    if (alteFelder.isEmpty())
        tabelle.setIndexName(alterIndex);
    else
        tabelle.setIndexFieldNames(alteFelder);
    if (ok && !tabelle.isEmpty() && tabelle.field(0).asLargeInt() >= Belegart::MasterFormularNr)
        ui::showInformation(QStringLiteral("Masterformular wird nicht angezeigt !"));
    return ok;
}
