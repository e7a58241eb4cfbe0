#pragma once

#include "TRestructure.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace db {
class Database;
class Table;
}

namespace files {
class ForeignTable;
}

namespace dbupdate {

// The maker's address in the log and in the closing message.
QString supportAdresse();

// The run of the update dialog without its widgets: applies the change list
// "Aenderung.txt" to the tables of the data store, table by table, writes the
// report "Log.txt" beside the change list, and completes the pre-stamper
// lists. Every restructure is atomic: a table whose change fails keeps all
// its fields and records, the log says so, and the run counts an error, so
// the update is offered again at the next start.
class DatenbankUpdate
{
public:
    // database: the store of the data directory. Opens the change list of
    // the program folder (files::FileError when it cannot be read).
    DatenbankUpdate(db::Database &database, const QString &programmVerzeichnis);
    ~DatenbankUpdate();
    DatenbankUpdate(const DatenbankUpdate &) = delete;
    DatenbankUpdate &operator=(const DatenbankUpdate &) = delete;

    // Runs through the change list once; returns the modal result: 1 when
    // the run counted no error, 2 otherwise. A second call while a run lasts
    // (from a handler of onZwischendurch) does nothing and returns 0.
    int Starten();
    bool laeuft() const { return laeuft_; }
    int fehlerAnzahl() const { return fehler_; }
    QString logPfad() const;

    // The progress bar: from 1, one step per row, up to the number of rows.
    int position() const { return position_; }
    int maximum() const { return maximum_; }

    // One tick of the one-second timer while the run lasts.
    void Tick();
    QString verstricheneZeit() const;   // "Verstrichene Zeit 00:01:15"
    QString verbleibendeZeit() const;   // "Verbleibende Zeit 00:00:42"

    // Called before each row so pending events (ticks, painting, keys) get
    // through.
    std::function<void()> onZwischendurch;
    // The row in work: "Bearbeite Feld 2 von 5 in S_KUNDEN.DB".
    std::function<void(int position, int maximum, const QString &text)> onFortschritt;

private:
    struct Zeile
    {
        QString feldName;
        int laenge = 0;
        int typ = 0;
        QString tabelle;
        QString datei() const { return tabelle + QStringLiteral(".DB"); }
    };
    struct Stand
    {
        int datensaetze = 0;
        int felder = 0;
    };

    void lauf();
    Zeile zeileLesen(db::Table &liste) const;
    void zeileAnwenden(const Zeile &zeile, bool &ersteZeile, Stand &vorher);
    void feldAendern(const Zeile &zeile, TdBasePxFieldType typ, int position);
    void feldNeu(const Zeile &zeile, TdBasePxFieldType typ);
    void typAbgelehnt(const Zeile &zeile, const QString &typName);
    void zusammenfassung(const Zeile &zeile, const Stand &vorher);
    void vorabListen();
    Stand zaehlen(const QString &tabelle);
    void fehler(const QString &betroffeneDatei);
    void schreiben(const QString &zeile);

    db::Database &database_;
    QString programmVerzeichnis_;
    std::unique_ptr<files::ForeignTable> aenderung_;
    TRestructure restructure_;
    QStringList betroffeneDateien_;
    bool abgelehnt_ = false;
    bool laeuft_ = false;
    int fehler_ = 0;
    int position_ = 1;
    int maximum_ = 0;
    int sekunden_ = 0;
    int minuten_ = 0;
    int stunden_ = 0;
    qint64 sekundenGesamt_ = 0;
};

} // namespace dbupdate
