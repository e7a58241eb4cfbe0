#include "Tfrmuebersetzungen.h"

#include "common/TSR_dbGrid.h"
#include "common/Tabelle_S_SP.h"
#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/Guard.h"
#include "platform/ui/PostErrors.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

Tfrmuebersetzungen::Tfrmuebersetzungen(QWidget *parent)
    : Tfrmuebersetzungen(db::Database::alias(QStringLiteral("Z_Tavero")), parent)
{
}

QString Tfrmuebersetzungen::spaltenTitel(const QString &feld)
{
    const QList<std::pair<QString, QString>> sprachen = {
        {QStringLiteral("D"), QStringLiteral("Deutsch")},      {QStringLiteral("E"), QStringLiteral("Englisch")},
        {QStringLiteral("F"), QStringLiteral("Französisch")},  {QStringLiteral("P"), QStringLiteral("Portugisisch")},
        {QStringLiteral("S"), QStringLiteral("Spanisch")},
    };
    for (const auto &[kennzeichen, titel] : sprachen) {
        if (S_SP_Spalte(kennzeichen).compare(feld, Qt::CaseInsensitive) == 0)
            return titel;
    }
    return feld;
}

Tfrmuebersetzungen::Tfrmuebersetzungen(db::Database &daten, QWidget *parent)
    : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmuebersetzungen"));
    setWindowTitle(QStringLiteral("Übersetzungen"));
    resize(584, 543);

    Table1 = new db::Table(daten, QStringLiteral("S_SP"), this);
    ui::showPostErrors(*Table1);
    Table1->beforeInsert.add([](db::Table &) { throw db::Abort(); });
    Table1->open();
    DataSource1 = new db::DataSource(Table1, this);

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setReadOnly(false);
    QList<ui::GridColumn> spalten;
    spalten << ui::GridColumn{QStringLiteral("Bezeichnung"), QStringLiteral("Bezeichnung"), 0, true};
    for (const QString &feld : {QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"),
                               QStringLiteral("s")})
        spalten << ui::GridColumn{feld, spaltenTitel(feld)};
    DBGrid1->setColumns(spalten);
    DBGrid1->setDataSource(DataSource1);

    btnOK = new QPushButton(QStringLiteral("OK"), body());
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnAbbruch = new QPushButton(QStringLiteral("Abbruch"), body());
    btnAbbruch->setObjectName(QStringLiteral("btnAbbruch"));
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbruch);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(knoepfe);

    setButtonResult(btnAbbruch, ui::ModalResult::Cancel);
    connect(btnOK, &QPushButton::clicked, this, ui::guarded([this] { okClick(); }));
}

// The table closes after the controls are gone; nothing may answer it then.
Tfrmuebersetzungen::~Tfrmuebersetzungen()
{
    DBGrid1->setDataSource(nullptr);
}

void Tfrmuebersetzungen::okClick()
{
    Table1->post();
    // A refused write keeps the record and the form open.
    if (Table1->state() != db::DatasetState::Browse)
        return;
    setModalResult(ui::ModalResult::Ok);
}

void Tfrmuebersetzungen::formClose(int modalResult)
{
    ui::Form::formClose(modalResult);
    if (modalResult != ui::ModalResult::Ok)
        Table1->cancel();
}
