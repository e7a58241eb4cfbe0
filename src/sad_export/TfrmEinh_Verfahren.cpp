#include "sad_export/TfrmEinh_Verfahren.h"

#include "common/DatensatzLoeschen.h"
#include "common/Programmzustand.h"
#include "common/TSR_dbGrid.h"

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PostErrors.h"
#include "platform/ui/SpeedButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct NavigatorKnopf
{
    const char *name;
    const char *glyphe;
    const char *hinweis;
    void (TfrmEinh_Verfahren::*aktion)();
};

const NavigatorKnopf navigatorKnoepfe[] = {
    {"nbFirst", "|<", "Erster Datensatz", &TfrmEinh_Verfahren::Erster},
    {"nbPrior", "<", "Vorheriger Datensatz", &TfrmEinh_Verfahren::Vorheriger},
    {"nbNext", ">", "Nächster Datensatz", &TfrmEinh_Verfahren::Naechster},
    {"nbLast", ">|", "Letzter Datensatz", &TfrmEinh_Verfahren::Letzter},
    {"nbInsert", "+", "Datensatz einfügen", &TfrmEinh_Verfahren::Einfuegen},
    {"nbDelete", "-", "Datensatz löschen", &TfrmEinh_Verfahren::Loeschen},
    {"nbEdit", "Bearbeiten", "Datensatz bearbeiten", &TfrmEinh_Verfahren::Bearbeiten},
};

} // namespace

TfrmEinh_Verfahren::TfrmEinh_Verfahren(int unterfeld, QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmEinh_Verfahren%1").arg(unterfeld));
    setWindowTitle(unterfeld == 1 ? QStringLiteral("Verfahren für Einheitspapiere 1. Unterfeld")
                                  : QStringLiteral("Verfahren für Einheitspapiere 2. Unterfeld"));
    resize(560, 420);

    Table1 = new db::Table(db::Database::alias(QStringLiteral("Z_Tavero")),
                           QStringLiteral("S_Einheit37_%1").arg(unterfeld), this);
    Table1->setObjectName(QStringLiteral("Table1"));
    ui::showPostErrors(*Table1);
    DataSource1 = new db::DataSource(Table1, this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));

    QAction *schliessen = ui::addMenuItem(menuBar(), QStringLiteral("mnuSchliessen"), QStringLiteral("Schließen"));
    connect(schliessen, &QAction::triggered, this, [this] { setModalResult(ui::ModalResult::Cancel); });

    DBGrid1 = new TSR_dbGrid(QStringLiteral("DBGrid1"), body());
    DBGrid1->setColumns({{QStringLiteral("Code"), QStringLiteral("Code"), 90},
                         {QStringLiteral("Bezeichnung"), QStringLiteral("Bezeichnung"), 400}});
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);
    DBGrid1->setDataSource(DataSource1);

    DBNavigator1 = new QWidget(body());
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    auto *navigator = new QHBoxLayout(DBNavigator1);
    navigator->setContentsMargins(0, 0, 0, 0);
    for (const NavigatorKnopf &eintrag : navigatorKnoepfe) {
        auto *knopf = new ui::SpeedButton(QString::fromLatin1(eintrag.name), QString::fromUtf8(eintrag.glyphe), DBNavigator1);
        ui::setHint(knopf, QString::fromUtf8(eintrag.hinweis));
        navigator->addWidget(knopf);
        connect(knopf, &QAbstractButton::clicked, this, ui::guarded([this, aktion = eintrag.aktion] { (this->*aktion)(); }));
    }
    navigator->addStretch();

    auto *codeLabel = new QLabel(QStringLiteral("Code"), body());
    DBEdit1 = new ui::DataEdit(QStringLiteral("DBEdit1"), DataSource1, QStringLiteral("Code"), body());
    auto *bezeichnungLabel = new QLabel(QStringLiteral("Bezeichnung"), body());
    DBMemo1 = new ui::DataMemo(QStringLiteral("DBMemo1"), DataSource1, QStringLiteral("Bezeichnung"), body());
    DBMemo1->setMaximumHeight(80);

    Panel1 = new QWidget(body());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"), Panel1);
    abbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    auto *uebernehmen = new QPushButton(QStringLiteral("Übernehmen"), Panel1);
    uebernehmen->setObjectName(QStringLiteral("btnUebernehmen"));
    for (QPushButton *knopf : {abbrechen, uebernehmen})
        knopf->setAutoDefault(false);
    btnAbbrechen = abbrechen;
    btnUebernehmen = uebernehmen;
    auto *panel = new QHBoxLayout(Panel1);
    panel->addWidget(abbrechen);
    panel->addStretch();
    panel->addWidget(uebernehmen);
    Panel1->setVisible(false);
    setButtonResult(btnAbbrechen, ui::ModalResult::Cancel);
    setButtonResult(btnUebernehmen, ui::ModalResult::Ok);

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(DBNavigator1);
    layout->addWidget(codeLabel);
    layout->addWidget(DBEdit1);
    layout->addWidget(bezeichnungLabel);
    layout->addWidget(DBMemo1);
    layout->addWidget(Panel1);

    connect(DBGrid1, &ui::DataGrid::recordDoubleClicked, this, [this] {
        if (!Panel1->isHidden())
            btnUebernehmen->click();
    });
    ui::applyAppearance(this, Erscheinungsbild(), ui::LabelFont::MasterData);
    postOnClose(Table1);
    Table1->open();
}

TfrmEinh_Verfahren::~TfrmEinh_Verfahren()
{
    // Whatever could not be posted while the form was open is dropped.
    Table1->cancel();
    Table1->close();
}

void TfrmEinh_Verfahren::Erster()
{
    Table1->first();
}

void TfrmEinh_Verfahren::Vorheriger()
{
    Table1->prior();
}

void TfrmEinh_Verfahren::Naechster()
{
    Table1->next();
}

void TfrmEinh_Verfahren::Letzter()
{
    Table1->last();
}

void TfrmEinh_Verfahren::Einfuegen()
{
    DBEdit1->setFocus();
    Table1->insert();
}

void TfrmEinh_Verfahren::Loeschen()
{
    DatensatzLoeschen(*Table1);
}

void TfrmEinh_Verfahren::Bearbeiten()
{
    DBEdit1->setFocus();
    if (Table1->isEmpty())
        Table1->append();
    else
        Table1->edit();
}

void TfrmEinh_Verfahren::aufCodeStellen(const QString &code)
{
    Table1->first();
    while (!Table1->eof()) {
        if (Table1->fieldByName(QStringLiteral("Code")).asString() == code)
            return;
        Table1->next();
    }
    Table1->last();
}

QString TfrmEinh_Verfahren::codeWaehlen()
{
    Panel1->setVisible(true);
    if (showModal() != ui::ModalResult::Ok || Table1->isEmpty())
        return {};
    return Table1->fieldByName(QStringLiteral("Code")).asString();
}

void TfrmEinh_Verfahren::waehleCode(std::unique_ptr<TfrmEinh_Verfahren> form, const QString &startCode, QString &code)
{
    if (!startCode.isEmpty())
        form->Table1->locate(QStringLiteral("Code"), {startCode}, {.caseInsensitive = true});
    code = form->codeWaehlen();
}

void TfrmEinh_Verfahren1::WaehleCode(const QString &startCode, QString &code)
{
    waehleCode(std::make_unique<TfrmEinh_Verfahren1>(), startCode, code);
}

void TfrmEinh_Verfahren2::WaehleCode(const QString &startCode, QString &code)
{
    waehleCode(std::make_unique<TfrmEinh_Verfahren2>(), startCode, code);
}

bool VerfahrenscodeAusTabelle(int unterfeld, const QString &start, QString &code)
{
    std::unique_ptr<TfrmEinh_Verfahren> form;
    if (unterfeld == 1)
        form = std::make_unique<TfrmEinh_Verfahren1>();
    else
        form = std::make_unique<TfrmEinh_Verfahren2>();
    form->aufCodeStellen(start);
    code = form->codeWaehlen();
    return !code.isEmpty();
}
