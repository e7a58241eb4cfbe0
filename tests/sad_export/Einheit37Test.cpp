#include "Ausfuhrdaten.h"

#include "sad_export/AuswahlVerfahren.h"
#include "sad_export/Tabelle_S_Einheit37_1.h"
#include "sad_export/Tabelle_S_Einheit37_2.h"
#include "sad_export/TfrmEinh_Verfahren.h"
#include "sad_export/TfrmInfoF40.h"
#include "sad_export/TfrmInfoF44.h"
#include "support/ModalForms.h"

#include "common/TSR_dbGrid.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class Einheit37 : public testing::TestWithParam<Speicher>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Speicher::PostgreSQL && qEnvironmentVariableIsEmpty("RAZAZU_TEST_PG"))
            GTEST_SKIP() << "RAZAZU_TEST_PG ist nicht gesetzt";
        daten = std::make_unique<Ausfuhrdaten>(GetParam());
        daten->datenbank.createTable(Tabelle_S_Einheit37_1());
        daten->datenbank.createTable(Tabelle_S_Einheit37_2());
        for (const char *code : {"1000", "ABC", "3151"})
            daten->datenbank.execute(QStringLiteral("INSERT INTO \"S_Einheit37_1\" (\"Code\", \"Bezeichnung\") VALUES (?, ?)"),
                                     {QString::fromLatin1(code), QStringLiteral("Verfahren %1").arg(QString::fromLatin1(code))});
    }

    static QString code(TfrmEinh_Verfahren &form)
    {
        return form.Table1->fieldByName(QStringLiteral("Code")).asString();
    }

    std::unique_ptr<Ausfuhrdaten> daten;
    ModalForms formulare;
};

// The class routine finds its start code in any case and stays on the first
// row without it; the country master's pick compares exactly and ends on
// the last row without it. Only "Übernehmen" hands a code back.
TEST_P(Einheit37, PickModesStartOnTheirRowAndOnlyUebernehmenHandsBackACode)
{
    QStringList gezeigt;
    const auto nehmen = [&](TfrmEinh_Verfahren &form) {
        gezeigt << code(form);
        EXPECT_TRUE(form.Panel1->isVisible());
        form.btnUebernehmen->click();
    };
    formulare.whenShown<TfrmEinh_Verfahren1>(nehmen);
    formulare.whenShown<TfrmEinh_Verfahren1>(nehmen);
    formulare.whenShown<TfrmEinh_Verfahren1>(nehmen);
    formulare.whenShown<TfrmEinh_Verfahren1>([&](TfrmEinh_Verfahren1 &form) {
        gezeigt << code(form);
        form.btnAbbrechen->click();
    });

    QString wert = QStringLiteral("abc");
    EXPECT_TRUE(AuswahlVerfahren1(wert));
    EXPECT_EQ(wert, QStringLiteral("ABC"));
    wert = QStringLiteral("9999");
    EXPECT_TRUE(AuswahlVerfahren1(wert));
    EXPECT_EQ(wert, QStringLiteral("1000"));
    EXPECT_TRUE(VerfahrenscodeAusTabelle(1, QStringLiteral("abc"), wert));
    EXPECT_EQ(wert, QStringLiteral("3151"));
    EXPECT_FALSE(VerfahrenscodeAusTabelle(1, QStringLiteral("ABC"), wert));
    EXPECT_EQ(wert, QString());
    EXPECT_EQ(gezeigt, (QStringList{QStringLiteral("ABC"), QStringLiteral("1000"), QStringLiteral("3151"),
                                    QStringLiteral("ABC")}));
}

// In upkeep the panel stays hidden and a double click takes nothing; a row
// inserted and typed is stored when the form closes, without a post.
TEST_P(Einheit37, UpkeepStoresAnInsertedRowWhenTheFormCloses)
{
    {
        TfrmEinh_Verfahren2 form;
        form.show();
        EXPECT_FALSE(form.Panel1->isVisible());
        form.findChild<QAbstractButton *>(QStringLiteral("nbInsert"))->click();
        EXPECT_EQ(form.Table1->state(), db::DatasetState::Insert);
        form.DBEdit1->insert(QStringLiteral("10"));
        form.DBMemo1->insertPlainText(QStringLiteral("Neues Verfahren"));
        emit form.DBGrid1->recordDoubleClicked();
        EXPECT_EQ(form.modalResult(), 0);
        form.findChild<QAction *>(QStringLiteral("mnuSchliessen"))->trigger();
    }
    EXPECT_EQ(db::Query::scalar(daten->datenbank, QStringLiteral("SELECT \"Bezeichnung\" FROM \"S_Einheit37_2\" WHERE \"Code\" = '10'"))
                  .toString(),
              QStringLiteral("Neues Verfahren"));
}

TEST_P(Einheit37, Box40TakesCategoryAndDocumentCodeFromTheLists)
{
    TfrmInfoF40 form;
    form.show();
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 3);
    form.ListView1->setCurrentItem(form.ListView1->topLevelItem(2));
    EXPECT_EQ(form.anzeigen[1]->text(), QStringLiteral("Vorpapier"));
    form.Button1->click();
    form.TreeView1->setCurrentItem(form.TreeView1->topLevelItem(1));
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 30);
    EXPECT_EQ(form.anzeigen[0]->text(), QString());
    form.ListView1->setCurrentItem(form.ListView1->findItems(QStringLiteral("380"), Qt::MatchExactly).value(0));
    form.Button1->click();
    EXPECT_EQ(form.feld40(), QStringLiteral("Z-380-"));
    form.Edit1->clear();
    EXPECT_EQ(form.feld40(), QStringLiteral("-380-"));
    form.Button2->click();
    EXPECT_EQ(form.modalResult(), ui::ModalResult::Ok);

    TfrmInfoF44 info;
    info.show();
    EXPECT_EQ(info.ListView1->topLevelItemCount(), 0);
    info.TreeView1->setCurrentItem(info.TreeView1->topLevelItem(1));
    EXPECT_EQ(info.ListView1->topLevelItemCount(), 5);
    info.ListView1->setCurrentItem(info.ListView1->topLevelItem(3));
    EXPECT_EQ(info.anzeigen[1]->text(), QStringLiteral("AV/R-Waren"));
}

INSTANTIATE_TEST_SUITE_P(Speicher, Einheit37, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
