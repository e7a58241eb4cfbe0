#include "RegisterTestbasis.h"

#include "common/Abfragen.h"
#include "common/TfrmDateTime.h"
#include "platform/db/Query.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Answers the next picker with "Übernehmen" or "Abbruch", after a look at it.
void picker(bool uebernehmen, std::function<void(TfrmDateTime &)> ansehen = {})
{
    wennModal([uebernehmen, ansehen](QWidget *fenster) {
        auto *dialog = qobject_cast<TfrmDateTime *>(fenster);
        ASSERT_NE(dialog, nullptr);
        if (ansehen)
            ansehen(*dialog);
        (uebernehmen ? dialog->btnUebernehmen : dialog->btnAbbruch)->click();
    });
}

TEST(TfrmDateTime, AuswahlDatum)
{
    QString text = QStringLiteral("alt");
    QDate gezeigt;
    picker(false, [&](TfrmDateTime &dialog) { gezeigt = dialog.MonthCalendar1->selectedDate(); });
    AuswahlDatum(text, QDate());
    EXPECT_EQ(text, "");
    EXPECT_EQ(gezeigt, QDate::currentDate()) << "without a date the calendar shows today";

    picker(true, [&](TfrmDateTime &dialog) { EXPECT_EQ(dialog.windowTitle(), "Datum und Zeit auswählen"); });
    AuswahlDatum(text, QDate(2024, 3, 5));
    EXPECT_EQ(text, "20240305");
}

TEST(TfrmDateTime, AuswahlDatumZeit)
{
    struct Fall
    {
        const char *datum;
        const char *zeit;
        bool uebernehmen;
        const char *datumDanach;
        const char *zeitDanach;
    };
    const QString heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const Fall faelle[] = {
        {"0", "0", false, "0", "0"},
        {"05.03.2024", "14:30", true, "05.03.2024", "14:30"},
        {"5.3.24", "", true, "05.03.2024", "  :  "},
        {"kein Datum", "0", true, nullptr, "  :  "},
        {"05.03.2024", "08:15", false, "0", "0"},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.datum);
        QString datum = QString::fromUtf8(fall.datum);
        QString zeit = QString::fromUtf8(fall.zeit);
        int hoehe = 0;
        picker(fall.uebernehmen, [&](TfrmDateTime &dialog) { hoehe = dialog.height(); });
        EXPECT_EQ(AuswahlDatumZeit(datum, zeit), fall.uebernehmen);
        EXPECT_EQ(datum, fall.datumDanach ? QString::fromUtf8(fall.datumDanach) : heute);
        EXPECT_EQ(zeit, QString::fromUtf8(fall.zeitDanach));
        EXPECT_EQ(hoehe, 290);
    }
}

class AbfragenTest : public testing::Test
{
protected:
    void SetUp() override
    {
        db::Database &haupt = db::Database::alias(QStringLiteral("Z_Tavero"));
        haupt.setPath(ordner.path());
        haupt.open();
        db::TableDef def;
        def.name = QStringLiteral("ZAHLEN");
        def.fields = {{QStringLiteral("Name"), db::FieldType::Alpha, 20},
                      {QStringLiteral("Wert"), db::FieldType::Number}};
        haupt.createTable(def);
        haupt.execute(QStringLiteral("INSERT INTO \"ZAHLEN\" (\"Name\", \"Wert\") VALUES ('O''Neill', 3.75)"));
    }
    void TearDown() override { db::Database::alias(QStringLiteral("Z_Tavero")).close(); }

    TempFolder ordner;
};

TEST_F(AbfragenTest, QueryScalarGivesTheFirstValueAsText)
{
    struct Fall
    {
        const char *sql;
        QVariantList parameter;
        const char *wert;
    };
    const Fall faelle[] = {
        {"SELECT \"Wert\" FROM \"ZAHLEN\" WHERE \"Name\" = ?", {QStringLiteral("O'Neill")}, "3,75"},
        {"SELECT \"Name\" FROM \"ZAHLEN\"", {}, "O'Neill"},
        {"SELECT \"Name\" FROM \"ZAHLEN\" WHERE \"Wert\" > ?", {100}, ""},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.sql);
        QString wert = QStringLiteral("vorher");
        QueryScalar(QString::fromUtf8(fall.sql), wert, fall.parameter);
        EXPECT_EQ(wert, QString::fromUtf8(fall.wert));
    }
    QString wert;
    EXPECT_THROW(QueryScalar(QStringLiteral("SELECT \"Name\" FROM \"FEHLT\""), wert), db::DatabaseError);

    std::unique_ptr<db::Query> abfrage = CreateQuery(QStringLiteral("SELECT COUNT(*) FROM \"ZAHLEN\""));
    abfrage->open();
    EXPECT_EQ(abfrage->value(0).toInt(), 1);
}

TEST(DataSetEditPost, OnlyFromTheMatchingState)
{
    Testfamilie familie;
    familie.kopfAnlegen(1, QStringLiteral("Eins"));
    familie.oeffnen();
    db::Table &kopf = *familie.kopf;
    DataSetPost(kopf);
    EXPECT_EQ(kopf.state(), db::DatasetState::Browse);
    DataSetEdit(kopf);
    EXPECT_EQ(kopf.state(), db::DatasetState::Edit);
    kopf.fieldByName(QStringLiteral("Empfaenger")).setAsString(QStringLiteral("Geändert"));
    DataSetEdit(kopf);
    EXPECT_TRUE(kopf.modified()) << "a second edit keeps what was typed";
    DataSetPost(kopf);
    EXPECT_EQ(kopf.state(), db::DatasetState::Browse);
    EXPECT_EQ(familie.wert("SELECT \"Empfaenger\" FROM \"TESTKOPF\"").toString(), "Geändert");
}

} // namespace
