#include "Stammdatenbestand.h"
#include "support/FileBytes.h"

#include "masterdata/Artikel.h"
#include "masterdata/DatenImport.h"
#include "masterdata/Kunden.h"
#include "masterdata/TfrmKundenImport.h"

#include "common/Ini.h"
#include "common/RadioGroup.h"
#include "common/TfrmDatenbank.h"

#include "platform/db/Table.h"
#include "platform/files/formats/DbaseFile.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

const QString strukturText = QStringLiteral("Die Struktur Ihrer Datenbank entspricht nicht\n"
                                            "               der Vorgabe-Struktur!");
const QString nichtGespeichert = QStringLiteral("Daten konnten nicht gespeichert werden!");

struct Ziel
{
    QString tabelle;
    QString ordnung;
    int tag;
};

const Ziel kundenZiel{QStringLiteral("S_KUNDEN.DB"), QStringLiteral("Nummer"), 1};
const Ziel artikelZiel{QStringLiteral("S_Artist.DB"), QStringLiteral("Artikel"), 2};
const Ziel warenZiel{QStringLiteral("S_WARENN.DB"), QStringLiteral("waren;bez1;bez2;bez3;bez4;bez5;Land"), 3};

// The import form as a master opens it, with its chooser.
struct Importfenster
{
    Importfenster(const Ziel &ziel, int format)
    {
        datenbank.setFormatIndex(format);
        form.Table1->setTableName(ziel.tabelle);
        masterdata::ordnungSetzen(*form.Table1, ziel.ordnung);
        form.Tag = ziel.tag;
        form.Table1->open();
    }

    TfrmDatenbank datenbank;
    TfrmKundenImport form{datenbank};
};

class Stammimport : public Stammdatenbestand
{
protected:
    // Every record of the table as text, in a fixed order.
    QStringList inhalt(const QString &tabelle)
    {
        const db::TableDef def = datenbank().tableDef(tabelle);
        QStringList spalten;
        for (const db::FieldDef &feld : def.fields)
            spalten << datenbank().quote(feld.name);
        db::Query abfrage(datenbank(), QStringLiteral("SELECT %1 FROM %2 ORDER BY %1")
                                           .arg(spalten.join(u','), datenbank().quote(tabelle)));
        abfrage.open();
        QStringList zeilen;
        while (!abfrage.eof()) {
            QStringList werte;
            for (int i = 0; i < abfrage.columnCount(); ++i)
                werte << abfrage.value(i).toString();
            zeilen << werte.join(u'|');
            abfrage.next();
        }
        return zeilen;
    }

    void kunden()
    {
        anlegen(QStringLiteral("S_KUNDEN"),
                {QStringLiteral("nummer"), QStringLiteral("name1"), QStringLiteral("name2"), QStringLiteral("ort"),
                 QStringLiteral("land"), QStringLiteral("IsDeuZoll"), QStringLiteral("PLZ")},
                {{1, QStringLiteral("Müller \"Söhne\"; Co"), QStringLiteral("Großhandel, Nord"),
                  QStringLiteral("Köln"), QStringLiteral("004"), QStringLiteral("Z"), QStringLiteral("50667")},
                 {2, QStringLiteral("Brandt's Erben"), QVariant(), QStringLiteral("Bremen"), QStringLiteral("004"),
                  QVariant(), QVariant()},
                 {17, QStringLiteral("Øresund A/S"), QStringLiteral("€-Konto"), QStringLiteral("København"),
                  QStringLiteral("008"), QStringLiteral("E"), QStringLiteral("1050")}});
    }

    void artikel()
    {
        anlegen(QStringLiteral("S_ARTIST"),
                {QStringLiteral("artikel"), QStringLiteral("waren"), QStringLiteral("bez1"), QStringLiteral("preis"),
                 QStringLiteral("netto"), QStringLiteral("urland"), QStringLiteral("E1"),
                 QStringLiteral("Praefberech")},
                {{QStringLiteral("A-100"), QStringLiteral("84713000"), QStringLiteral("Rechner; tragbar"), 1234.5,
                  0.125, QStringLiteral("004"), QStringLiteral("Laptop"), true},
                 {QStringLiteral("B-7"), QStringLiteral("73181595"), QStringLiteral("Schraube \"M6\""), 0.07,
                  QVariant(), QStringLiteral("720"), QVariant(), false}});
    }

    void waren(const QList<QVariantList> &zeilen)
    {
        anlegen(QStringLiteral("S_WARENN"),
                {QStringLiteral("waren"), QStringLiteral("bez1"), QStringLiteral("bez2"), QStringLiteral("bez3"),
                 QStringLiteral("bez4"), QStringLiteral("Land"), QStringLiteral("Einheit")},
                zeilen);
    }

    // The header line of a delimited file for the table: all its fields.
    QByteArray kopf(const QString &tabelle)
    {
        QStringList namen;
        for (const db::FieldDef &feld : datenbank().tableDef(tabelle).fields)
            namen << u'"' + feld.name + u'"';
        return namen.join(u';').toLatin1() + "\r\n";
    }

    // A field of the record whose key field holds schluessel.
    QString feld(const QString &tabelle, const QString &name, const QString &schluesselfeld, const QVariant &schluessel)
    {
        return wert(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                        .arg(datenbank().quote(name), datenbank().quote(tabelle), datenbank().quote(schluesselfeld)),
                    {schluessel})
            .toString();
    }

    QString textdatei(const QString &name, const QByteArray &inhalt)
    {
        const QString pfad = ordner.file(name);
        writeFile(pfad, inhalt);
        return pfad;
    }

    // Chooses the file in "Datenbank öffnen" and presses "Importieren".
    // meldung: a part of the message the import shows.
    void importieren(Importfenster &fenster, const QString &pfad, const QString &meldung = {})
    {
        dialoge.answerOpenFile(pfad);
        fenster.form.DatenbankOeffnen();
        if (!meldung.isEmpty())
            dialoge.answerMessage(meldung, ui::ModalResult::Ok);
        fenster.form.SpeedButton1->click();
    }

    void exportieren(Importfenster &fenster, const QString &pfad)
    {
        dialoge.answerSaveFile(pfad);
        fenster.form.SpeedButton2->click();
    }
};

TEST_P(Stammimport, EveryFormatExportedAndImportedBackLeavesTheTableAsItWas)
{
    struct Fall
    {
        int format;
        QString datei;
        QChar trenner;
    };
    const QList<Fall> faelle{
        {Datenbankformat::DBase, QStringLiteral("export.DBF"), u';'},
        {Datenbankformat::Paradox, QStringLiteral("export.DB"), u';'},
        {Datenbankformat::TextFixed, QStringLiteral("export.TXT"), u';'},
        {Datenbankformat::TextDelimited, QStringLiteral("getrennt.TXT"), u';'},
        {Datenbankformat::TextDelimited, QStringLiteral("komma.TXT"), u','},
    };
    kunden();
    artikel();
    struct Master
    {
        Ziel ziel;
        QString tabelle;
        QString schluessel;
        QString land;
    };
    for (const Master &master : {Master{kundenZiel, QStringLiteral("S_KUNDEN"), QStringLiteral("nummer"),
                                        QStringLiteral("land")},
                                 Master{artikelZiel, QStringLiteral("S_ARTIST"), QStringLiteral("artikel"),
                                        QStringLiteral("urland")}}) {
        const QString &tabelle = master.tabelle;
        const QStringList vorher = inhalt(tabelle);
        for (const Fall &fall : faelle) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(tabelle, fall.datei).toStdString());
            Importfenster fenster(master.ziel, fall.format);
            fenster.datenbank.ComboBox1->setCurrentText(QString(fall.trenner));
            const QString pfad = ordner.file(tabelle + fall.datei);
            exportieren(fenster, pfad);
            // Everything changed or gone comes back from the file.
            datenbank().execute(QStringLiteral("UPDATE %1 SET %2 = NULL")
                                    .arg(datenbank().quote(tabelle), datenbank().quote(master.land)));
            datenbank().execute(QStringLiteral("DELETE FROM %1 WHERE %2 IN (SELECT MIN(%2) FROM %1)")
                                    .arg(datenbank().quote(tabelle), datenbank().quote(master.schluessel)));
            ASSERT_NE(inhalt(tabelle), vorher);
            importieren(fenster, pfad);
            EXPECT_EQ(inhalt(tabelle), vorher);
            EXPECT_FALSE(fenster.form.ProgressBar1->isVisible());
        }
    }
}

TEST_P(Stammimport, TheDelimitedExportWritesTheLayoutByteForByte)
{
    anlegen(QStringLiteral("S_KUNDEN"), {QStringLiteral("nummer"), QStringLiteral("name1"), QStringLiteral("ort")},
            {{4711, QStringLiteral("Müller GmbH"), QStringLiteral("Köln")}, {12, QVariant(), QVariant()}});
    Importfenster fenster(kundenZiel, Datenbankformat::TextDelimited);
    const QString pfad = ordner.file(QStringLiteral("kunden.txt"));
    exportieren(fenster, pfad);
    const QByteArray kopf = "\"nummer\";\"name1\";\"name2\";\"name3\";\"strasse\";\"ort\";\"land\";\"telefon\";"
                            "\"telefax\";\"telex\";\"sprache\";\"ustnr\";\"franka\";\"TIN\";\"IsDeuZoll\";\"PLZ\"\r\n";
    const QByteArray zwoelf = "12;\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\"\r\n";
    const QByteArray muller = "4711;\"M\xFCller GmbH\";\"\";\"\";\"\";\"K\xF6ln\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";"
                              "\"\";\"\";\"\"\r\n";
    EXPECT_EQ(readFile(pfad), kopf + zwoelf + muller);
}

TEST_P(Stammimport, AnImportUpdatesByOneKeyFieldAndInsertsWhatIsNew)
{
    kunden();
    Importfenster fenster(kundenZiel, Datenbankformat::TextDelimited);
    const QString pfad = textdatei(QStringLiteral("neu.txt"),
                                   kopf(QStringLiteral("S_KUNDEN")) + "2;\"Brandt & Co\";\"Zentrale\"\r\n"
                                   "\r\n"
                                   "99;\"Neukunde\"\r\n");
    importieren(fenster, pfad);
    EXPECT_EQ(anzahl(QStringLiteral("S_KUNDEN")), 4);
    EXPECT_EQ(feld(QStringLiteral("S_KUNDEN"), QStringLiteral("name1"), QStringLiteral("nummer"), 2), u"Brandt & Co");
    // The fields after the line's last value are cleared.
    EXPECT_TRUE(feld(QStringLiteral("S_KUNDEN"), QStringLiteral("ort"), QStringLiteral("nummer"), 2).isEmpty());
    EXPECT_EQ(feld(QStringLiteral("S_KUNDEN"), QStringLiteral("name1"), QStringLiteral("nummer"), 99), u"Neukunde");
    EXPECT_EQ(feld(QStringLiteral("S_KUNDEN"), QStringLiteral("ort"), QStringLiteral("nummer"), 1), u"Köln");
    // The target grid shows the result.
    EXPECT_EQ(fenster.form.Table1->recordCount(), 4);
}

// A dBase file whose fields have other types than the table's, by
// position: each value arrives as its text would read in the target's type
// (a whole number from a number field, a number or a logical into a text
// field, blank text as empty), the known number updated, the new inserted;
// a value that is no whole number names its record and field.
TEST_P(Stammimport, DbaseValuesOfOtherTypesArriveAsTheirTextAndUpdateOrInsert)
{
    kunden();
    files::ForeignData daten;
    daten.definition = datenbank().tableDef(QStringLiteral("S_KUNDEN"));
    QList<db::FieldDef> &felder = daten.definition.fields;
    felder[0].type = db::FieldType::Number;   // nummer
    felder[1].type = db::FieldType::Long;     // name1
    felder[2].type = db::FieldType::Logical;  // name2
    const auto zeile = [&](const QVariantList &vorn) {
        QVariantList werte = vorn;
        while (werte.size() < felder.size())
            werte << QVariant();
        return werte;
    };
    daten.rows = {zeile({2.0, 4711, true, QStringLiteral("   "), QStringLiteral("Hafenstraße 1")}),
                  zeile({40.0, -5, false, QStringLiteral("Zusatz")})};
    const QString pfad = ordner.file(QStringLiteral("typen.DBF"));
    files::writeDbaseFile(daten, pfad);
    {
        Importfenster fenster(kundenZiel, Datenbankformat::DBase);
        importieren(fenster, pfad);
    }
    const QString kunden = QStringLiteral("S_KUNDEN");
    const QString nummer = QStringLiteral("nummer");
    EXPECT_EQ(anzahl(kunden), 4);
    EXPECT_EQ(feld(kunden, QStringLiteral("name1"), nummer, 2), u"4711");
    EXPECT_EQ(feld(kunden, QStringLiteral("name2"), nummer, 2), u"T");
    EXPECT_EQ(anzahl(kunden, datenbank().quote(QStringLiteral("name3")) + QStringLiteral(" IS NULL AND ")
                                 + datenbank().quote(nummer) + QStringLiteral(" = 2")),
              1);
    EXPECT_EQ(feld(kunden, QStringLiteral("strasse"), nummer, 2), u"Hafenstraße 1");
    // The fields the file leaves empty are cleared.
    EXPECT_TRUE(feld(kunden, QStringLiteral("ort"), nummer, 2).isEmpty());
    EXPECT_EQ(feld(kunden, QStringLiteral("name1"), nummer, 40), u"-5");
    EXPECT_EQ(feld(kunden, QStringLiteral("name2"), nummer, 40), u"F");
    EXPECT_EQ(feld(kunden, QStringLiteral("name3"), nummer, 40), u"Zusatz");
    EXPECT_EQ(feld(kunden, QStringLiteral("ort"), nummer, 1), u"Köln");

    const QStringList vorher = inhalt(kunden);
    daten.rows = {zeile({3.0, 1}), zeile({7.5, 2})};
    files::writeDbaseFile(daten, pfad);
    Importfenster fenster(kundenZiel, Datenbankformat::DBase);
    importieren(fenster, pfad, nichtGespeichert);
    const QString gezeigt = dialoge.shown().back().text;
    for (const QString &teil : {QStringLiteral("typen.DBF"), QStringLiteral("Satz 2"), QStringLiteral("nummer"),
                                QStringLiteral("'7,5'")})
        EXPECT_TRUE(gezeigt.contains(teil)) << gezeigt.toStdString();
    EXPECT_EQ(inhalt(kunden), vorher);
}

TEST_P(Stammimport, GoodsNumbersAreFoundByAllOfTheirFirstFiveFields)
{
    waren({{QStringLiteral("84713000"), QStringLiteral("Rechner"), QStringLiteral("tragbar"), QVariant(), QVariant(),
            QStringLiteral("004"), QStringLiteral("Stück")},
           {QStringLiteral("73181595"), QStringLiteral("Schrauben"), QVariant(), QVariant(), QVariant(),
            QStringLiteral("720"), QStringLiteral("kg")}});
    Importfenster fenster(warenZiel, Datenbankformat::TextDelimited);
    const QString pfad = textdatei(
        QStringLiteral("waren.txt"),
        kopf(QStringLiteral("S_WARENN")) + "\"84713000\";\"Rechner\";\"tragbar\";\"\";\"\";\"008\";\"Paar\"\r\n"
        "\"73181595\";\"Schrauben aus Stahl\";\"\";\"\";\"\";\"720\";\"kg\"\r\n");
    importieren(fenster, pfad);
    EXPECT_EQ(anzahl(QStringLiteral("S_WARENN")), 3);
    EXPECT_EQ(feld(QStringLiteral("S_WARENN"), QStringLiteral("Einheit"), QStringLiteral("waren"), QStringLiteral("84713000")), u"Paar");
    EXPECT_EQ(anzahl(QStringLiteral("S_WARENN"), datenbank().quote(QStringLiteral("waren")) + QStringLiteral(" = ?"),
                     {QStringLiteral("73181595")}), 2);
}

TEST_P(Stammimport, ASourceWhoseFieldsDifferByPositionImportsNothing)
{
    kunden();
    const QStringList vorher = inhalt(QStringLiteral("S_KUNDEN"));
    struct Fall
    {
        QByteArray kopf;
        bool passt;
    };
    const QList<Fall> faelle{
        {"\"nummer\";\"name1\";\"ort\"", false},
        {"\"Nummer\";\"NAME1\"", false},
        {"\"nummer\";\"name1\";\"name2\";\"name3\";\"strasse\";\"ort\";\"land\";\"telefon\";\"telefax\";\"telex\";"
         "\"sprache\";\"ustnr\";\"franka\";\"TIN\";\"IsDeuZoll\";\"PLZ\";\"Extra\"",
         true},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.kopf.toStdString());
        Importfenster fenster(kundenZiel, Datenbankformat::TextDelimited);
        const QString pfad = textdatei(QStringLiteral("struktur.txt"), fall.kopf + "\r\n55;\"Neu\"\r\n");
        importieren(fenster, pfad, fall.passt ? QString() : strukturText);
        EXPECT_EQ(anzahl(QStringLiteral("S_KUNDEN")), fall.passt ? 4 : 3);
    }
    datenbank().execute(QStringLiteral("DELETE FROM %1 WHERE %2 = 55")
                            .arg(datenbank().quote(QStringLiteral("S_KUNDEN")), datenbank().quote(QStringLiteral("nummer"))));
    EXPECT_EQ(inhalt(QStringLiteral("S_KUNDEN")), vorher);
}

TEST_P(Stammimport, ABadRowInTheMiddleRollsEverythingBackAndIsNamed)
{
    kunden();
    artikel();
    waren({{QStringLiteral("84713000"), QStringLiteral("Rechner")}});
    struct Fall
    {
        Ziel ziel;
        QString tabelle;
        QByteArray datei;
        QStringList meldung;
        // Customer 1 is in edit at another workstation meanwhile.
        bool gesperrt = false;
    };
    const QList<Fall> faelle{
        {kundenZiel, QStringLiteral("S_KUNDEN"),
         kopf(QStringLiteral("S_KUNDEN")) + "1;\"Geändert\"\r\n50;\"Neu\"\r\nzwoelf;\"Falsch\"\r\n60;\"Neu\"\r\n",
         {QStringLiteral("Zeile 4"), QStringLiteral("nummer"), QStringLiteral("zwoelf")}},
        {kundenZiel, QStringLiteral("S_KUNDEN"), kopf(QStringLiteral("S_KUNDEN")) + "1;\"Geändert\"\r\n;\"Ohne Nummer\"\r\n",
         {QStringLiteral("Zeile 3"), QStringLiteral("nummer")}},
        // A name whose quote the line does not close; the separators after
        // it would have gone into the name.
        {kundenZiel, QStringLiteral("S_KUNDEN"),
         kopf(QStringLiteral("S_KUNDEN")) + "1;\"Geändert\"\r\n7;\"Offen;\"Zweite Zeile\";\"\";\"\";\"Köln\"\r\n",
         {QStringLiteral("Zeile 3"), QStringLiteral("Das Textbegrenzungszeichen \" wird in der Zeile nicht geschlossen.")}},
        {artikelZiel, QStringLiteral("S_ARTIST"),
         kopf(QStringLiteral("S_ARTIST")) +
         "\"A-100\";\"1\"\r\n\"C-1\";\"2\";;;;;;;;;;;;;;;;;;;;;;;;;\"teuer\"\r\n",
         {QStringLiteral("Zeile 3"), QStringLiteral("preis"), QStringLiteral("teuer")}},
        // The goods numbers go through the cursor: a bad line after a
        // changed one undoes the change too.
        {warenZiel, QStringLiteral("S_WARENN"),
         kopf(QStringLiteral("S_WARENN")) + "\"84713000\";\"Rechner\";;;;\"004\"\r\n"
         "\"1\";\"Bad \x81\"\r\n",
         {QStringLiteral("Zeile 3"), QStringLiteral("Windows-1252")}},
        // Refused before the first row: the message names no line.
        {kundenZiel, QStringLiteral("S_KUNDEN"), kopf(QStringLiteral("S_KUNDEN")) + "1;\"Geändert\"\r\n50;\"Neu\"\r\n",
         {QStringLiteral("fehler.txt' kann nicht eingelesen werden: In der Tabelle S_KUNDEN werden gerade an einem "
                         "anderen Arbeitsplatz Datensätze bearbeitet.")},
         true},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.datei.toStdString());
        const QStringList vorher = inhalt(fall.tabelle);
        db::Database anderer(QStringLiteral("Z_Tavero"));
        db::Table bearbeitet(anderer, QStringLiteral("S_KUNDEN"));
        if (fall.gesperrt) {
            anderer.setPath(datenbank().path());
            anderer.open();
            bearbeitet.open();
            ASSERT_TRUE(bearbeitet.findKey({1}));
            bearbeitet.edit();
        }
        Importfenster fenster(fall.ziel, Datenbankformat::TextDelimited);
        const QString pfad = textdatei(QStringLiteral("fehler.txt"), fall.datei);
        importieren(fenster, pfad, nichtGespeichert);
        const QString gezeigt = dialoge.shown().back().text;
        EXPECT_TRUE(gezeigt.contains(QStringLiteral("fehler.txt"))) << gezeigt.toStdString();
        EXPECT_FALSE(gezeigt.contains(QStringLiteral("Zeile 0"))) << gezeigt.toStdString();
        for (const QString &teil : fall.meldung)
            EXPECT_TRUE(gezeigt.contains(teil)) << gezeigt.toStdString();
        EXPECT_EQ(inhalt(fall.tabelle), vorher);
        EXPECT_EQ(fenster.form.Table1->state(), db::DatasetState::Browse);
    }
}

TEST_P(Stammimport, FilesThatAreNoUsableTableNameTheFileAndImportNothing)
{
    kunden();
    const QStringList vorher = inhalt(QStringLiteral("S_KUNDEN"));
    // A good export of each table format to damage.
    {
        Importfenster fenster(kundenZiel, Datenbankformat::DBase);
        exportieren(fenster, ordner.file(QStringLiteral("gut.DBF")));
        fenster.datenbank.setFormatIndex(Datenbankformat::Paradox);
        exportieren(fenster, ordner.file(QStringLiteral("gut.DB")));
        fenster.datenbank.setFormatIndex(Datenbankformat::TextFixed);
        exportieren(fenster, ordner.file(QStringLiteral("gut.TXT")));
    }
    const QByteArray dbase = readFile(ordner.file(QStringLiteral("gut.DBF")));
    const QByteArray paradox = readFile(ordner.file(QStringLiteral("gut.DB")));
    QByteArray schema = readFile(ordner.file(QStringLiteral("gut.SCH")));
    // The number reaches into the name beside it.
    schema.replace("Field1=nummer,LONGINT,11", "Field1=nummer,LONGINT,20");
    struct Fall
    {
        int format;
        QString datei;
        QByteArray inhalt;
        QByteArray schema;
    };
    const QList<Fall> faelle{
        {Datenbankformat::DBase, QStringLiteral("leer.DBF"), QByteArray()},
        {Datenbankformat::DBase, QStringLiteral("kurz.DBF"), dbase.left(dbase.size() - 40)},
        {Datenbankformat::DBase, QStringLiteral("brief.DBF"), "Sehr geehrte Damen und Herren,\r\n"},
        {Datenbankformat::Paradox, QStringLiteral("kurz.DB"), paradox.left(paradox.size() / 2)},
        {Datenbankformat::Paradox, QStringLiteral("brief.DB"), QByteArray(3000, 'x')},
        {Datenbankformat::TextFixed, QStringLiteral("falsch.TXT"), readFile(ordner.file(QStringLiteral("gut.TXT"))),
         schema},
        {Datenbankformat::TextDelimited, QStringLiteral("leer.TXT"), QByteArray()},
        {Datenbankformat::TextDelimited, QStringLiteral("bild.TXT"), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
        {Datenbankformat::TextDelimited, QStringLiteral("cp.TXT"), kopf(QStringLiteral("S_KUNDEN")) + "5;\"A\x9D\"\r\n"},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.datei.toStdString());
        const QString pfad = textdatei(fall.datei, fall.inhalt);
        if (!fall.schema.isEmpty())
            writeFile(ordner.file(QFileInfo(fall.datei).completeBaseName() + QStringLiteral(".SCH")), fall.schema);
        Importfenster fenster(kundenZiel, fall.format);
        dialoge.answerOpenFile(pfad);
        // Opening a table file already tells what is wrong with it.
        if (fall.format != Datenbankformat::TextDelimited)
            dialoge.answerMessage(fall.datei, ui::ModalResult::Ok);
        fenster.form.DatenbankOeffnen();
        dialoge.answerMessage(fall.datei, ui::ModalResult::Ok);
        fenster.form.SpeedButton1->click();
        EXPECT_EQ(inhalt(QStringLiteral("S_KUNDEN")), vorher);
    }
}

TEST_P(Stammimport, TheChooserChecksSeparatorAndQuoteAndAsksWithoutAFormat)
{
    struct Fall
    {
        QString trenner;
        QString begrenzer;
        QString meldung;
    };
    const QList<Fall> faelle{
        {QString(), QStringLiteral("\""), QStringLiteral("Feldtrennzeichen muss genau EIN Zeichen enthalten !")},
        {QStringLiteral(";;"), QStringLiteral("\""), QStringLiteral("Feldtrennzeichen muss genau EIN Zeichen enthalten !")},
        {QStringLiteral(";"), QString(), QStringLiteral("Textbegrenzungszeichen muss genau EIN Zeichen enthalten !")},
        {QStringLiteral(","), QStringLiteral(","),
         QStringLiteral("Feldtrennzeichen und Textbegrenzungszeichen müssen unterschiedlich sein !")},
    };
    for (const Fall &fall : faelle) {
        TfrmDatenbank chooser;
        chooser.setFormatIndex(Datenbankformat::TextDelimited);
        EXPECT_TRUE(chooser.ComboBox1->isEnabled());
        chooser.ComboBox1->setCurrentText(fall.trenner);
        chooser.ComboBox2->setCurrentText(fall.begrenzer);
        chooser.show();
        dialoge.answerMessage(fall.meldung, ui::ModalResult::Ok);
        chooser.BitBtn1->click();
        EXPECT_TRUE(chooser.isVisible()) << fall.meldung.toStdString();
    }
    TfrmDatenbank chooser;
    chooser.setFormatIndex(Datenbankformat::DBase);
    EXPECT_FALSE(chooser.ComboBox1->isEnabled());

    // No format: Yes keeps the chooser open, No closes it with result 2.
    TfrmDatenbank ohne;
    ohne.show();
    dialoge.answerMessage(QStringLiteral("Sie haben kein Datenbank-Format angegeben!"), ui::ModalResult::Yes);
    ohne.BitBtn1->click();
    EXPECT_TRUE(ohne.isVisible());
    dialoge.answerMessage(QStringLiteral("Möchten Sie nun eines wählen"), ui::ModalResult::No);
    ohne.BitBtn1->click();
    EXPECT_FALSE(ohne.isVisible());
    EXPECT_EQ(ohne.modalResult(), ui::ModalResult::Cancel);
    EXPECT_EQ(ohne.formatIndex(), Datenbankformat::Keines);
}

TEST_P(Stammimport, TheMasterKeepsTheChosenFormatInTheIniFile)
{
    TfrmKunden kundenform;
    QAction *import = kundenform.findChild<QAction *>(QStringLiteral("mnuDatenImport"));
    ASSERT_NE(import, nullptr);

    // Nothing kept: the chooser asks; leaving it without a format keeps -1.
    formulare.whenShown<TfrmDatenbank>([this](TfrmDatenbank &chooser) {
        dialoge.answerMessage(QStringLiteral("kein Datenbank-Format"), ui::ModalResult::No);
        chooser.BitBtn1->click();
    });
    formulare.whenShown<TfrmKundenImport>([](TfrmKundenImport &form) {
        EXPECT_EQ(form.windowTitle(), u"Stammdaten Import !          * Kunden *");
        form.mnuSchliessen->trigger();
    });
    import->trigger();
    EXPECT_EQ(IniLesen(QStringLiteral("KundenImport"), QStringLiteral("x")), u"-1");

    // A choice made in the import form is kept; next time no question.
    formulare.whenShown<TfrmDatenbank>([](TfrmDatenbank &chooser) {
        chooser.RadioGroup1->setItemIndex(Datenbankformat::Paradox);
        chooser.BitBtn1->click();
    });
    formulare.whenShown<TfrmKundenImport>([](TfrmKundenImport &form) {
        form.mnuSchliessen->trigger();
    });
    import->trigger();
    EXPECT_EQ(IniLesen(QStringLiteral("KundenImport"), QStringLiteral("x")), u"1");

    formulare.failIfShown<TfrmDatenbank>();
    formulare.whenShown<TfrmKundenImport>([](TfrmKundenImport &form) { form.mnuSchliessen->trigger(); });
    import->trigger();
    EXPECT_EQ(IniLesen(QStringLiteral("KundenImport"), QStringLiteral("x")), u"1");
}

TEST_P(Stammimport, CsvFilesAreNotExported)
{
    Importfenster fenster(kundenZiel, Datenbankformat::CsvDateien);
    dialoge.answerMessage(QStringLiteral("Diese Option ist leider noch nicht verfügbar!"), ui::ModalResult::Ok);
    fenster.form.SpeedButton2->click();
}

INSTANTIATE_TEST_SUITE_P(Speicher, Stammimport, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName);

} // namespace
