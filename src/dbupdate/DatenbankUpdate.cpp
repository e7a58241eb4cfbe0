#include "DatenbankUpdate.h"

#include "Aenderungsliste.h"
#include "VorabListen.h"

#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"
#include "platform/sys/Files.h"
#include "platform/sys/TextFile.h"
#include "platform/ui/Dialogs.h"

#include <cmath>

namespace dbupdate {

namespace {

QString zweistellig(qint64 wert)
{
    return QStringLiteral("%1").arg(wert, 2, 10, QLatin1Char('0'));
}

QString einzeilig(const QString &text)
{
    QString zeile = text;
    zeile.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return zeile.trimmed();
}

bool gleicheTabelle(const QString &a, const QString &b)
{
    return db::normalizedTableName(a).compare(db::normalizedTableName(b), Qt::CaseInsensitive) == 0;
}

} // namespace

QString supportAdresse()
{
    return QStringLiteral("support@kandrel.de");
}

DatenbankUpdate::DatenbankUpdate(db::Database &database, const QString &programmVerzeichnis)
    : database_(database), programmVerzeichnis_(sys::withTrailingSeparator(programmVerzeichnis)),
      aenderung_(AenderungslisteOeffnen(programmVerzeichnis_)), restructure_(database)
{
    restructure_.OnFieldInappropriate = [this](TRestructure &, const TFieldDesc &) { abgelehnt_ = true; };
}

DatenbankUpdate::~DatenbankUpdate() = default;

QString DatenbankUpdate::logPfad() const
{
    return programmVerzeichnis_ + QStringLiteral("Log.txt");
}

void DatenbankUpdate::schreiben(const QString &zeile)
{
    sys::appendTextLines(logPfad(), {zeile}, sys::CodePage::Utf8);
}

void DatenbankUpdate::fehler(const QString &betroffeneDatei)
{
    ++fehler_;
    for (const QString &datei : std::as_const(betroffeneDateien_)) {
        if (datei.compare(betroffeneDatei, Qt::CaseInsensitive) == 0)
            return;
    }
    betroffeneDateien_ << betroffeneDatei;
}

int DatenbankUpdate::Starten()
{
    if (laeuft_)
        return 0;
    laeuft_ = true;
    fehler_ = 0;
    betroffeneDateien_.clear();
    int ergebnis = 2;
    try {
        lauf();
        ergebnis = fehler_ == 0 ? 1 : 2;
    } catch (const sys::FileSystemError &error) {
        // The log cannot be written: nothing more may happen unrecorded.
        ui::showError(error.message());
    } catch (const db::DatabaseError &error) {
        ui::showError(error.message());
    }
    laeuft_ = false;
    return ergebnis;
}

void DatenbankUpdate::lauf()
{
    if (!database_.isOpen())
        database_.open();
    sys::writeTextLines(logPfad(), {}, sys::CodePage::Utf8);
    schreiben(QStringLiteral("Starte Update"));
    schreiben(QStringLiteral("DataBaseName = ") + database_.path());

    db::Table &liste = aenderung_->table();
    liste.first();
    maximum_ = liste.recordCount();
    position_ = 1;
    bool ersteZeile = true;
    Stand vorher;
    while (!liste.eof()) {
        if (onZwischendurch)
            onZwischendurch();
        position_ = qMin(position_ + 1, maximum_);
        const Zeile zeile = zeileLesen(liste);
        if (onFortschritt)
            onFortschritt(position_, maximum_,
                          QStringLiteral("Bearbeite Feld %1 von %2 in %3").arg(position_).arg(maximum_).arg(zeile.datei()));

        const bool vorhanden = database_.tableExists(zeile.tabelle);
        if (vorhanden)
            zeileAnwenden(zeile, ersteZeile, vorher);

        liste.next();
        const bool tabellenEnde = liste.eof() || !gleicheTabelle(zeileLesen(liste).tabelle, zeile.tabelle);
        if (tabellenEnde && vorhanden && !ersteZeile) {
            zusammenfassung(zeile, vorher);
            ersteZeile = true;
        }
    }

    vorabListen();
    schreiben(QStringLiteral("Update Abbgeschlossen mit %1 Fehlern").arg(fehler_));
    schreiben(QString());

    if (fehler_ > 0) {
        schreiben(QStringLiteral("Folgende Dateien schicken Sie bitte an: ") + supportAdresse());
        for (const QString &datei : std::as_const(betroffeneDateien_))
            schreiben(datei);
        schreiben(programmVerzeichnis_ + QStringLiteral("Aenderung.txt"));
        schreiben(logPfad());
        ui::messageDlg(QStringLiteral("Beim Updaten der Datenbanken wurden %1 Fehler festgestellt.\n"
                                      "in dem Programmverzeichnis finden Sie die Datei \"Log.txt\".\n"
                                      "Am Ende dieser Datei finden Sie eine Aufstellung welche Datei(en) betroffen sind.\n"
                                      "Bitte Senden Sie die in dieser Aufstellung befindlichen Dateien an\n\n%2")
                           .arg(fehler_)
                           .arg(supportAdresse()),
                       ui::MessageType::Error, ui::Buttons::Ok);
    }
}

DatenbankUpdate::Zeile DatenbankUpdate::zeileLesen(db::Table &liste) const
{
    Zeile zeile;
    zeile.feldName = liste.fieldByName(QStringLiteral("FeldName")).asString().trimmed();
    zeile.laenge = liste.fieldByName(QStringLiteral("Laenge")).asInteger();
    zeile.typ = liste.fieldByName(QStringLiteral("Typ")).asInteger();
    zeile.tabelle = liste.fieldByName(QStringLiteral("Tabelle")).asString().trimmed();
    return zeile;
}

void DatenbankUpdate::zeileAnwenden(const Zeile &zeile, bool &ersteZeile, Stand &vorher)
{
    try {
        restructure_.setTableName(zeile.datei());
        if (ersteZeile) {
            vorher = zaehlen(zeile.tabelle);
            ersteZeile = false;
        }
    } catch (const db::DatabaseError &error) {
        schreiben(QStringLiteral("ERROR - Tabelle %1: %2").arg(zeile.datei(), einzeilig(error.message())));
        fehler(sys::joinPath(database_.path(), zeile.datei()));
        return;
    }

    const std::optional<TdBasePxFieldType> typ = pxTypeOfCode(zeile.typ);
    if (!typ) {
        typAbgelehnt(zeile, QString::number(zeile.typ));
        return;
    }
    if (const int position = restructure_.FieldIndexOf(zeile.feldName); position > 0)
        feldAendern(zeile, *typ, position);
    else
        feldNeu(zeile, *typ);
}

void DatenbankUpdate::feldAendern(const Zeile &zeile, TdBasePxFieldType typ, int position)
{
    restructure_.GetFieldDesc(position);
    TFieldDesc &feld = restructure_.Field;
    const int altLaenge = feld.Length;
    const db::FieldType alterTyp = *storeTypeOf(feld.FieldType);
    const db::FieldType neuerTyp = *storeTypeOf(typ);
    // Compared as the store holds them: a formatted memo is a memo there,
    // and PostgreSQL keeps pictures as bytes. The store keeps a memo whole,
    // so its in-record length is nothing to change.
    bool aendern = alterTyp != neuerTyp;
    if (database_.backend() == db::Database::Backend::PostgreSQL) {
        const auto bytes = [](db::FieldType t) { return t == db::FieldType::Graphic || t == db::FieldType::Blob; };
        aendern = aendern && !(bytes(alterTyp) && bytes(neuerTyp));
    }
    if (!aendern && alterTyp == db::FieldType::Alpha)
        aendern = zeile.laenge != altLaenge;
    if (!aendern)
        return;

    const QString werte[] = {zeile.feldName, QString::number(altLaenge), QString::number(zeile.laenge),
                             fieldTypeName(typ), zeile.datei()};
    try {
        if (zeile.laenge < 0 || zeile.laenge > 0xFFFF)
            throw db::DatabaseError(QStringLiteral("Die Länge %1 ist ungültig.").arg(zeile.laenge));
        // The stored spelling of the name stays; the store matches names
        // without regard to case.
        feld.FieldType = typ;
        feld.Length = quint16(zeile.laenge);
        abgelehnt_ = false;
        restructure_.ModifyField(position, false);
        if (abgelehnt_) {
            typAbgelehnt(zeile, fieldTypeName(typ));
            return;
        }
        restructure_.Execute();
        schreiben(QStringLiteral("SUCCES AENDERUNG: Feld: %1,\tAlt-Länge: %2,\tNeu-Länge: %3,\tNeu-Typ: %4,\tTabelle: %5")
                      .arg(werte[0], werte[1], werte[2], werte[3], werte[4]));
    } catch (const db::DatabaseError &error) {
        schreiben(QStringLiteral("ERROR  AENDERUNG: Feld: %1,\tAlt-Länge: %2,\tNeu-Länge: %3,\tNeu-Typ %4,\tTabelle %5")
                      .arg(werte[0], werte[1], werte[2], werte[3], werte[4]));
        schreiben(QStringLiteral("Die Tabelle %1 bleibt unverändert: %2").arg(zeile.datei(), einzeilig(error.message())));
        fehler(sys::joinPath(database_.path(), zeile.datei()));
    }
}

void DatenbankUpdate::feldNeu(const Zeile &zeile, TdBasePxFieldType typ)
{
    const QString werte[] = {zeile.feldName, QString::number(zeile.laenge), fieldTypeName(typ), zeile.datei()};
    try {
        if (zeile.laenge < 0 || zeile.laenge > 0xFFFF)
            throw db::DatabaseError(QStringLiteral("Die Länge %1 ist ungültig.").arg(zeile.laenge));
        TFieldDesc &feld = restructure_.Field;
        feld.Name = zeile.feldName;
        feld.FieldType = typ;
        feld.Length = quint16(zeile.laenge);
        abgelehnt_ = false;
        restructure_.AddField(false);
        if (abgelehnt_) {
            typAbgelehnt(zeile, fieldTypeName(typ));
            return;
        }
        restructure_.Execute();
        schreiben(QStringLiteral("SUCCES NEU:       Feld: %1,\tLänge: %2,\tTyp: %3,\tTabelle: %4")
                      .arg(werte[0], werte[1], werte[2], werte[3]));
    } catch (const db::DatabaseError &error) {
        schreiben(QStringLiteral("ERROR  NEU:       Feld: %1,\tLänge: %2,\tTyp %3,\tTabelle %4")
                      .arg(werte[0], werte[1], werte[2], werte[3]));
        schreiben(QStringLiteral("Die Tabelle %1 bleibt unverändert: %2").arg(zeile.datei(), einzeilig(error.message())));
        fehler(sys::joinPath(database_.path(), zeile.datei()));
    }
}

void DatenbankUpdate::typAbgelehnt(const Zeile &zeile, const QString &typName)
{
    schreiben(QStringLiteral("ERROR - Feld: %1, Länge: %2, Typ %3, Tabelle %4")
                  .arg(zeile.feldName, QString::number(zeile.laenge), typName, zeile.datei()));
    fehler(sys::joinPath(database_.path(), zeile.datei()));
}

DatenbankUpdate::Stand DatenbankUpdate::zaehlen(const QString &tabelle)
{
    db::Table zaehler(database_, tabelle + QStringLiteral(".DB"));
    zaehler.setReadOnly(true);
    zaehler.open();
    Stand stand;
    stand.datensaetze = zaehler.recordCount();
    stand.felder = zaehler.fieldCount();
    zaehler.close();
    return stand;
}

void DatenbankUpdate::zusammenfassung(const Zeile &zeile, const Stand &vorher)
{
    Stand nachher;
    try {
        nachher = zaehlen(zeile.tabelle);
    } catch (const db::DatabaseError &error) {
        schreiben(QStringLiteral("ERROR - Tabelle %1: %2").arg(zeile.datei(), einzeilig(error.message())));
        fehler(sys::joinPath(database_.path(), zeile.datei()));
        return;
    }
    schreiben(zeile.datei() + QStringLiteral(":"));
    schreiben(QStringLiteral("Es waren %1 Datensätze vor dem Update vorhanden.").arg(vorher.datensaetze));
    schreiben(QStringLiteral("Es waren %1 Felder vor dem Update vorhanden.").arg(vorher.felder));
    schreiben(QStringLiteral("Es sind %1 Datensätze nach dem Update vorhanden.").arg(nachher.datensaetze));
    schreiben(QStringLiteral("Es sind %1 Felder nach dem Update vorhanden.").arg(nachher.felder));
    if (nachher.datensaetze != vorher.datensaetze) {
        schreiben(QStringLiteral(" "));
        schreiben(QStringLiteral("ERROR - Die Anzehl der Datensätze stimmen nicht überein!!!!!!!!! "));
        schreiben(QStringLiteral(" "));
        fehler(sys::joinPath(database_.path(), zeile.datei()));
    }
    schreiben(QStringLiteral(" "));
}

void DatenbankUpdate::vorabListen()
{
    try {
        VorabFelder44Einfuegen(programmVerzeichnis_);
    } catch (const sys::FileSystemError &error) {
        schreiben(QStringLiteral("ERROR - %1").arg(einzeilig(error.message())));
        fehler(error.path());
    }
}

void DatenbankUpdate::Tick()
{
    ++sekunden_;
    ++sekundenGesamt_;
    if (sekunden_ == 60) {
        ++minuten_;
        sekunden_ = 0;
    }
    if (minuten_ == 60) {
        ++stunden_;
        minuten_ = 0;
    }
}

QString DatenbankUpdate::verstricheneZeit() const
{
    return QStringLiteral("Verstrichene Zeit %1:%2:%3")
        .arg(zweistellig(stunden_), zweistellig(minuten_), zweistellig(sekunden_));
}

QString DatenbankUpdate::verbleibendeZeit() const
{
    // Rounded to the nearest second, halves to the even neighbour.
    const double rest = (maximum_ - position_) * (double(sekundenGesamt_) / qMax(1, position_));
    const qint64 sekunden = qMax<qint64>(0, qint64(std::nearbyint(rest)));
    return QStringLiteral("Verbleibende Zeit %1:%2:%3")
        .arg(zweistellig(sekunden / 3600), zweistellig(sekunden / 60 % 60), zweistellig(sekunden % 60));
}

} // namespace dbupdate
