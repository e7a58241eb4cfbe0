#include "common/Pathdlg.h"

#include "platform/db/Database.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A folder whose data store holds the table Rechnung, one without it.
struct Ordner
{
    TempFolder wurzel;
    QString mitRechnung = wurzel.file(QStringLiteral("Daten"));
    QString ohneRechnung = wurzel.file(QStringLiteral("Leer"));

    Ordner()
    {
        QDir().mkpath(mitRechnung);
        QDir().mkpath(ohneRechnung);
        db::Database store(QStringLiteral("Z_Tavero"));
        store.setPath(mitRechnung);
        store.open();
        store.createTable({QStringLiteral("RECHNUNG"), {{QStringLiteral("Belegnr"), db::FieldType::Long}},
                           {QStringLiteral("Belegnr")}, {}});
    }
};

TEST(TPathDialog, AFolderQualifiesOnlyWhenItHoldsTheFile)
{
    Ordner ordner;
    QFile programm(ordner.wurzel.file(QStringLiteral("Reorganisation.exe")));
    ASSERT_TRUE(programm.open(QIODevice::WriteOnly));
    programm.close();

    EXPECT_TRUE(TPathDialog::OrdnerEnthaelt(ordner.mitRechnung, QStringLiteral("Rechnung.DB")));
    EXPECT_FALSE(TPathDialog::OrdnerEnthaelt(ordner.ohneRechnung, QStringLiteral("Rechnung.DB")));
    EXPECT_FALSE(TPathDialog::OrdnerEnthaelt(QString(), QStringLiteral("Rechnung.DB")));
    EXPECT_FALSE(TPathDialog::OrdnerEnthaelt(ordner.wurzel.file(QStringLiteral("fehlt")), QStringLiteral("Rechnung.DB")));
    EXPECT_TRUE(TPathDialog::OrdnerEnthaelt(ordner.wurzel.path(), QStringLiteral("Reorganisation.exe")));
    EXPECT_FALSE(TPathDialog::OrdnerEnthaelt(ordner.mitRechnung, QStringLiteral("Reorganisation.exe")));
}

TEST(TPathDialog, ReturnsThePathBoxAfterOkAndCancelAlike)
{
    Ordner ordner;
    ScriptedDialogs dialoge;
    TPathDialog dialog;
    dialog.Title = QStringLiteral("Pfad der Datenbanken auswählen!");
    dialog.FileName = QStringLiteral("Rechnung.DB");

    // The script refuses OK where the chooser would have it disabled.
    dialoge.answerFolder(ordner.mitRechnung);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Path, ordner.mitRechnung);
    EXPECT_EQ(dialoge.shown().back().text, dialog.Title);

    // The next call starts where the last one ended; cancel keeps the box.
    dialoge.answerFolder(std::nullopt);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Path, ordner.mitRechnung);
}

} // namespace
