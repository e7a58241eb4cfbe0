#pragma once

// A tiny data store and helpers for the tests of the register services.

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QUuid>
#include <QWidget>
#include <functional>
#include <memory>

// A family with lines, as every register has one: TESTKOPF (BelegNr, Datum,
// Empfaenger, Bemerkung, IsLockedByUser) and TESTPOS (BelegNr, Pos, Text,
// Menge, Notiz), the lines linked to the header. On SQLite, or with
// postgres on the server RAZAZU_TEST_PG names, in a schema of its own.
struct Testfamilie
{
    explicit Testfamilie(const QString &alias = QStringLiteral("RegisterTest"), bool postgres = false)
        : datenbank(alias)
    {
        if (postgres) {
            QStringList zeilen = qEnvironmentVariable("RAZAZU_TEST_PG").split(u' ', Qt::SkipEmptyParts);
            schema = QStringLiteral("reg_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
            zeilen << QStringLiteral("schema=") + schema;
            QFile datei(ordner.file(alias + QStringLiteral(".pg")));
            datei.open(QIODevice::WriteOnly);
            datei.write(zeilen.join(u'\n').toUtf8());
        }
        datenbank.setPath(ordner.path());
        datenbank.open();
        db::TableDef kopf;
        kopf.name = QStringLiteral("TESTKOPF");
        kopf.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long},
                       {QStringLiteral("Datum"), db::FieldType::Date},
                       {QStringLiteral("Empfaenger"), db::FieldType::Alpha, 30},
                       {QStringLiteral("Bemerkung"), db::FieldType::Memo},
                       {QStringLiteral("IsLockedByUser"), db::FieldType::Alpha, 1}};
        kopf.primaryKey = {QStringLiteral("BelegNr")};
        db::IndexDef nachName;
        nachName.name = QStringLiteral("Empfaenger");
        nachName.fields = {QStringLiteral("Empfaenger")};
        nachName.caseInsensitive = true;
        kopf.indexes = {nachName};
        datenbank.createTable(kopf);
        db::TableDef pos;
        pos.name = QStringLiteral("TESTPOS");
        pos.fields = {{QStringLiteral("BelegNr"), db::FieldType::Long},
                      {QStringLiteral("Pos"), db::FieldType::Long},
                      {QStringLiteral("Text"), db::FieldType::Alpha, 20},
                      {QStringLiteral("Menge"), db::FieldType::Number},
                      {QStringLiteral("Notiz"), db::FieldType::Memo}};
        pos.primaryKey = {QStringLiteral("BelegNr"), QStringLiteral("Pos")};
        datenbank.createTable(pos);
    }

    void kopfAnlegen(int nummer, const QString &empfaenger, const QDate &datum = QDate(2020, 1, 2))
    {
        datenbank.execute(QStringLiteral("INSERT INTO \"TESTKOPF\" (\"BelegNr\", \"Datum\", \"Empfaenger\", "
                                         "\"Bemerkung\", \"IsLockedByUser\") VALUES (?, ?, ?, ?, ?)"),
                          {nummer, datum, empfaenger, QStringLiteral("Bemerkung %1").arg(nummer), QStringLiteral("X")});
    }

    void positionAnlegen(int nummer, int pos, const QString &text, double menge)
    {
        datenbank.execute(QStringLiteral("INSERT INTO \"TESTPOS\" VALUES (?, ?, ?, ?, ?)"),
                          {nummer, pos, text, menge, QStringLiteral("Notiz %1/%2\nzweite Zeile").arg(nummer).arg(pos)});
    }

    // Header and lines opened as a register has them.
    void oeffnen()
    {
        kopf = std::make_unique<db::Table>(datenbank, QStringLiteral("TESTKOPF"));
        kopf->open();
        kopfQuelle = std::make_unique<db::DataSource>(kopf.get());
        positionen = std::make_unique<db::Table>(datenbank, QStringLiteral("TESTPOS"));
        positionen->setMasterSource(kopfQuelle.get(), QStringLiteral("BelegNr"), QStringLiteral("BelegNr"));
        positionen->open();
    }

    int anzahl(const QString &sql, const QVariantList &werte = {})
    {
        return db::Query::scalar(datenbank, sql, werte).toInt();
    }
    QVariant wert(const QString &sql, const QVariantList &werte = {})
    {
        return db::Query::scalar(datenbank, sql, werte);
    }

    ~Testfamilie()
    {
        positionen.reset();
        kopfQuelle.reset();
        kopf.reset();
        if (!schema.isEmpty() && datenbank.isOpen()) {
            try {
                datenbank.execute(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(datenbank.quote(schema)));
            } catch (...) {
            }
        }
    }

    static bool postgresDa() { return !qEnvironmentVariableIsEmpty("RAZAZU_TEST_PG"); }

    TempFolder ordner;
    QString schema;
    db::Database datenbank;
    std::unique_ptr<db::Table> kopf;
    std::unique_ptr<db::DataSource> kopfQuelle;
    std::unique_ptr<db::Table> positionen;
};

// Runs the action from inside the next modal dialog's event loop, once the
// dialog is up.
inline void wennModal(std::function<void(QWidget *dialog)> aktion)
{
    auto *timer = new QTimer;
    auto versuche = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, aktion, versuche] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog && ++*versuche < 200)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog)
            aktion(dialog);
    });
    timer->start(0);
}
