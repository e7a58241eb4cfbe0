#include "Stammimport.h"

#include "common/TfrmDatenbank.h"

#include "platform/db/BatchMove.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/files/TableCopy.h"
#include "platform/files/formats/DbaseFile.h"
#include "platform/files/formats/FileError.h"
#include "platform/files/formats/ForeignFile.h"
#include "platform/files/formats/ValueText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace masterdata {

Strukturfehler::Strukturfehler()
    : db::DatabaseError(QStringLiteral("Die Struktur Ihrer Datenbank entspricht nicht\n"
                                       "               der Vorgabe-Struktur!"))
{
}

namespace {

using files::FileError;

// The rows of a source file: the values of its fields as the file layer
// reads them (texts for a delimited file).
class Importquelle
{
public:
    virtual ~Importquelle() = default;
    virtual QStringList feldnamen() = 0;
    // Rows in the file; -1 when only reading them all tells.
    virtual qint64 saetze() const { return -1; }
    virtual bool naechste(QVariantList &werte) = 0;
    // The type of the source's field, Alpha where the file holds text only.
    virtual db::FieldType typ(qsizetype feld) const = 0;
    // Where the row read last stands, for messages: "Zeile 7", "Satz 6";
    // empty before the first row.
    virtual QString stelle() const = 0;
    // Field names of a dBase file are cut to ten characters.
    virtual bool kurzeNamen() const { return false; }
};

// A value as a text file would carry it: a row's values reach the target
// as their texts read in the target field's type.
QString quelltext(const QVariant &wert, db::FieldType typ)
{
    if (wert.typeId() == QMetaType::QString)
        return wert.toString();
    return files::valuetext::format(wert, typ);
}

// "Satz 6" for the sixth row read; nothing before the first.
QString stelleText(const QString &einheit, qint64 nummer)
{
    return nummer > 0 ? QStringLiteral("%1 %2").arg(einheit).arg(nummer) : QString();
}

bool istText(db::FieldType typ)
{
    return typ == db::FieldType::Alpha || typ == db::FieldType::Memo;
}

bool istZahl(db::FieldType typ)
{
    return typ == db::FieldType::Number || typ == db::FieldType::Money || typ == db::FieldType::BCD;
}

bool istGanzzahl(db::FieldType typ)
{
    return typ == db::FieldType::Short || typ == db::FieldType::Long || typ == db::FieldType::AutoInc;
}

// A text into a text field that is not blank (blank text is null): the
// target takes it as it is.
bool textWieGegeben(const QVariant &wert, db::FieldType zieltyp)
{
    return wert.typeId() == QMetaType::QString && istText(zieltyp)
           && !QStringView(*static_cast<const QString *>(wert.constData())).trimmed().isEmpty();
}

// The target field's value of a source value: what quelltext() reads as in
// the target's type; std::nullopt for none. Texts into text fields, whole
// numbers and logicals of the same kind are taken as they are, which gives
// the same without the text on the way.
std::optional<QVariant> zielwert(const QVariant &wert, db::FieldType quelltyp, db::FieldType zieltyp)
{
    if (!wert.isValid() || wert.isNull())
        return QVariant();
    const int art = wert.typeId();
    if (art == QMetaType::QString && istText(zieltyp))
        return textWieGegeben(wert, zieltyp) ? wert : QVariant();
    const qint64 grenze = zieltyp == db::FieldType::Short ? 32767 : 2147483647;
    if ((art == QMetaType::Int || art == QMetaType::LongLong) && istGanzzahl(quelltyp) && istGanzzahl(zieltyp)) {
        const qint64 zahl = wert.toLongLong();
        if (zahl >= -grenze - 1 && zahl <= grenze)
            return QVariant(int(zahl));
    }
    // A whole number in a number field (dBase keeps wide whole numbers so)
    // has its exact digits as text.
    if (art == QMetaType::Double && istZahl(quelltyp) && istGanzzahl(zieltyp)) {
        const double zahl = wert.toDouble();
        if (zahl == std::floor(zahl) && zahl >= double(-grenze - 1) && zahl <= double(grenze))
            return QVariant(int(zahl));
    }
    if (art == QMetaType::Bool && quelltyp == db::FieldType::Logical && zieltyp == db::FieldType::Logical)
        return wert;
    return files::valuetext::parse(quelltext(wert, quelltyp), zieltyp);
}

class DbaseQuelle : public Importquelle
{
public:
    explicit DbaseQuelle(const QString &datei) : leser_(datei) {}

    QStringList feldnamen() override
    {
        QStringList namen;
        for (const db::FieldDef &feld : leser_.definition().fields)
            namen << feld.name;
        return namen;
    }
    qint64 saetze() const override { return leser_.recordCount(); }
    bool naechste(QVariantList &werte) override
    {
        if (!leser_.next(werte))
            return false;
        ++satz_;
        return true;
    }
    db::FieldType typ(qsizetype feld) const override { return leser_.definition().fields[feld].type; }
    QString stelle() const override { return stelleText(QStringLiteral("Satz"), satz_); }
    bool kurzeNamen() const override { return true; }

private:
    files::DbaseReader leser_;
    int satz_ = 0;
};

// Paradox, text tables and whatever else the file layer reads whole.
class TabellenQuelle : public Importquelle
{
public:
    TabellenQuelle(const QString &datei, const files::OpenOptions &optionen)
        : daten_(files::readForeignFile(datei, optionen))
    {
    }

    QStringList feldnamen() override
    {
        QStringList namen;
        for (const db::FieldDef &feld : daten_.definition.fields)
            namen << feld.name;
        return namen;
    }
    qint64 saetze() const override { return qint64(daten_.rows.size()); }
    bool naechste(QVariantList &werte) override
    {
        if (satz_ >= daten_.rows.size())
            return false;
        werte = daten_.rows[satz_++];
        return true;
    }
    db::FieldType typ(qsizetype feld) const override { return daten_.definition.fields[feld].type; }
    QString stelle() const override { return stelleText(QStringLiteral("Satz"), qint64(satz_)); }

private:
    files::ForeignData daten_;
    std::size_t satz_ = 0;
};

// Control characters, and bytes Windows-1252 leaves undefined, mean the
// file is no text table: looked for in the bytes before anything is read,
// so an image or a program file gets its own message, not the structure's.
void textPruefen(const QString &datei, const files::DelimitedFormat &format)
{
    QFile datei_(datei);
    if (!datei_.open(QIODevice::ReadOnly))
        throw FileError::cannotRead(datei, datei_.errorString());
    const qint64 groesse = datei_.size();
    const uchar *anfang = datei_.map(0, groesse);
    QByteArray gelesen;
    if (!anfang) {
        gelesen = datei_.readAll();
        anfang = reinterpret_cast<const uchar *>(gelesen.constData());
    }
    const bool utf8 = groesse >= 3 && anfang[0] == 0xEF && anfang[1] == 0xBB && anfang[2] == 0xBF;
    const bool windows1252 = !utf8 && format.codePage.toUpper().contains("1252");
    // The bytes looked for, by value: one look per byte of a large file; the
    // line is counted only for a byte found.
    bool verdaechtig[256] = {};
    for (int c = 0; c < 0x20; ++c)
        verdaechtig[c] = c != '\n' && c != '\t' && c != '\r' && c != 0x1A;
    if (windows1252) {
        for (int c : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            verdaechtig[c] = true;
    }
    qint64 i = 0;
    while (i < groesse && !verdaechtig[anfang[i]])
        ++i;
    if (i == groesse)
        return;
    const int zeile = 1 + int(std::count(anfang, anfang + i, uchar('\n')));
    if (anfang[i] < 0x20)
        throw FileError(datei, QStringLiteral("Die Datei '%1' ist keine Textdatei: Zeile %2 enthält Steuerzeichen.")
                                   .arg(FileError::displayName(datei))
                                   .arg(zeile));
    throw FileError(datei, QStringLiteral("Die Datei '%1' enthält in Zeile %2 Bytes, die im Zeichensatz "
                                          "Windows-1252 kein Zeichen sind.")
                               .arg(FileError::displayName(datei))
                               .arg(zeile));
}

// A delimited text file: its first line names the fields; blank lines
// carry no row.
class GetrenntQuelle : public Importquelle
{
public:
    GetrenntQuelle(const QString &datei, const files::DelimitedFormat &format)
        : leser_(datei, format), format_(format)
    {
        textPruefen(datei, format);
    }

    QStringList feldnamen() override
    {
        if (leser_.atEnd())
            return {};
        return werte(leser_.readRecordText());
    }
    bool naechste(QVariantList &werte) override
    {
        while (!leser_.atEnd()) {
            zeile_ = leser_.lineNumber();
            const QStringView satz = leser_.readRecordView();
            if (satz.isEmpty())
                continue;
            files::splitDelimitedRecord(satz, format_.quote, format_.separator, werte);
            return true;
        }
        return false;
    }
    db::FieldType typ(qsizetype) const override { return db::FieldType::Alpha; }
    QString stelle() const override { return stelleText(QStringLiteral("Zeile"), zeile_); }

private:
    QStringList werte(const QString &satz)
    {
        return files::splitDelimitedRecord(satz, format_.quote, format_.separator);
    }

    files::DelimitedReader leser_;
    files::DelimitedFormat format_;
    int zeile_ = 0;
};

std::unique_ptr<Importquelle> quelleOeffnen(const Stammdatei &datei)
{
    const QFileInfo info(datei.name);
    if (!info.exists())
        throw FileError::notFound(datei.name);
    if (info.size() == 0)
        throw FileError(datei.name,
                        QStringLiteral("Die Datei '%1' ist leer.").arg(FileError::displayName(datei.name)));
    if (datei.format == Datenbankformat::TextDelimited)
        return std::make_unique<GetrenntQuelle>(datei.name, datei.textformat);
    const files::OpenOptions optionen = stammdateiOptionen(datei);
    if (optionen.format == files::FileFormat::Dbase)
        return std::make_unique<DbaseQuelle>(datei.name);
    return std::make_unique<TabellenQuelle>(datei.name, optionen);
}

// Reports the steps done, but looks at the clock only: the display must not
// hold the import back.
class Fortschrittsmelder
{
public:
    explicit Fortschrittsmelder(const Importfortschritt &fortschritt) : fortschritt_(fortschritt) { uhr_.start(); }

    void schritte(qint64 anzahl)
    {
        erledigt_ += anzahl;
        if (fortschritt_.melden && uhr_.elapsed() >= 100) {
            fortschritt_.melden(erledigt_);
            uhr_.restart();
        }
    }
    void ende()
    {
        if (fortschritt_.melden)
            fortschritt_.melden(erledigt_);
    }

private:
    const Importfortschritt &fortschritt_;
    QElapsedTimer uhr_;
    qint64 erledigt_ = 0;
};

void strukturPruefen(Importquelle &quelle, const db::TableDef &ziel, Fortschrittsmelder &melder)
{
    const QStringList quellnamen = quelle.feldnamen();
    QStringList zielnamen;
    for (const db::FieldDef &feld : ziel.fields)
        zielnamen << feld.name;
    if (quelle.kurzeNamen())
        zielnamen = files::shortenedFieldNames(zielnamen, 10);
    for (qsizetype i = 0; i < zielnamen.size(); ++i) {
        melder.schritte(1);
        if (i >= quellnamen.size() || quellnamen[i].trimmed().compare(zielnamen[i], Qt::CaseInsensitive) != 0)
            throw Strukturfehler();
    }
}

// stelle: where in the file, left out when empty (the store refused the
// import before its first row, a record being in edit elsewhere).
FileError importfehler(const QString &datei, const QString &stelle, const QString &text)
{
    return FileError::cannotImport(datei, stelle.isEmpty() ? text : stelle + QStringLiteral(": ") + text);
}

// The row's values as the values of the target's fields, by position; a
// row shorter than the target leaves the rest empty. Texts taken as they
// are change places with the value werte held before: the source reads its
// next row into the room of the last one, without allocating anew.
void zeileUmsetzen(QVariantList &zeile, const db::TableDef &ziel, QVariantList &werte, const Stammdatei &datei,
                   const Importquelle &quelle)
{
    werte.resize(ziel.fields.size());
    for (qsizetype i = 0; i < ziel.fields.size(); ++i) {
        const db::FieldDef &feld = ziel.fields[i];
        if (i < zeile.size() && textWieGegeben(zeile[i], feld.type)) {
            werte[i].swap(zeile[i]);
            continue;
        }
        static const QVariant leer;
        const QVariant &quellwert = i < zeile.size() ? zeile[i] : leer;
        const db::FieldType quelltyp = i < zeile.size() ? quelle.typ(i) : db::FieldType::Alpha;
        std::optional<QVariant> wert = zielwert(quellwert, quelltyp, feld.type);
        if (!wert)
            throw importfehler(datei.name, quelle.stelle(),
                               QStringLiteral("Feld %1: '%2' ist kein gültiger Wert.")
                                   .arg(feld.name, quelltext(quellwert, quelltyp)));
        if (wert->isNull() && ziel.primaryKey.contains(feld.name, Qt::CaseInsensitive))
            throw importfehler(datei.name, quelle.stelle(), QStringLiteral("Feld %1 ist leer.").arg(feld.name));
        werte[i] = std::move(*wert);
    }
}

// The key is the table's primary key: the store updates or inserts each
// row by it, without a cursor.
bool primaerschluesselIst(const db::TableDef &ziel, int schluesselfelder)
{
    if (ziel.primaryKey.size() != schluesselfelder || ziel.fields.size() < schluesselfelder)
        return false;
    for (int i = 0; i < schluesselfelder; ++i) {
        if (ziel.fields[i].name.compare(ziel.primaryKey[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

int perBatch(db::Table &ziel, Importquelle &quelle, const Stammdatei &datei, Fortschrittsmelder &melder)
{
    const db::TableDef &def = ziel.definition();
    const qint64 felder = def.fields.size();
    QVariantList zeile;
    int zeilen = 0;
    const auto naechste = [&](QVariantList &werte) {
        if (!quelle.naechste(zeile))
            return false;
        zeileUmsetzen(zeile, def, werte, datei, quelle);
        ++zeilen;
        melder.schritte(felder);
        return true;
    };
    try {
        db::batchMove(def, naechste, *ziel.database(), ziel.tableName(), db::BatchMode::AppendUpdate);
    } catch (const FileError &) {
        throw;
    } catch (const db::DatabaseError &fehler) {
        throw importfehler(datei.name, quelle.stelle(), fehler.message());
    }
    return zeilen;
}

// The key is a part of the current order (the goods numbers' first five
// fields): the first record with it is changed, as the cursor finds it.
int perCursor(db::Table &ziel, int schluesselfelder, Importquelle &quelle, const Stammdatei &datei,
              Fortschrittsmelder &melder)
{
    const db::TableDef def = ziel.definition();
    QVariantList zeile;
    QVariantList werte;
    int zeilen = 0;
    db::Transaction transaktion(*ziel.database());
    QString feldname;
    try {
        while (quelle.naechste(zeile)) {
            zeileUmsetzen(zeile, def, werte, datei, quelle);
            if (ziel.findKey(werte.mid(0, schluesselfelder)))
                ziel.edit();
            else
                ziel.append();
            for (qsizetype i = 0; i < werte.size(); ++i) {
                feldname = def.fields[i].name;
                if (werte[i].isNull())
                    ziel.field(int(i)).clear();
                else
                    ziel.field(int(i)).setValue(werte[i]);
            }
            feldname.clear();
            ziel.post();
            ++zeilen;
            melder.schritte(def.fields.size());
        }
        transaktion.commit();
    } catch (const FileError &) {
        ziel.cancel();
        throw;
    } catch (const db::DatabaseError &fehler) {
        ziel.cancel();
        throw importfehler(datei.name, quelle.stelle(),
                           feldname.isEmpty() ? fehler.message()
                                              : QStringLiteral("Feld %1: %2").arg(feldname, fehler.message()));
    }
    return zeilen;
}

} // namespace

files::OpenOptions stammdateiOptionen(const Stammdatei &datei)
{
    files::OpenOptions optionen;
    optionen.format = files::formatForPath(datei.name);
    if (!optionen.format && datei.format == Datenbankformat::DBase)
        optionen.format = files::FileFormat::Dbase;
    if (!optionen.format && datei.format == Datenbankformat::Paradox)
        optionen.format = files::FileFormat::Paradox;
    if (!optionen.format && datei.format == Datenbankformat::TextFixed)
        optionen.format = files::FileFormat::TextTable;
    return optionen;
}

int formatZurEndung(const QString &dateiName)
{
    switch (files::formatForPath(dateiName).value_or(files::FileFormat::Access)) {
    case files::FileFormat::Dbase:
        return Datenbankformat::DBase;
    case files::FileFormat::Paradox:
        return Datenbankformat::Paradox;
    case files::FileFormat::TextTable:
        return Datenbankformat::TextFixed;
    default:
        return Datenbankformat::Keines;
    }
}

int stammdatenImportieren(db::Table &ziel, int schluesselfelder, const Stammdatei &datei,
                          const Importfortschritt &fortschritt)
{
    std::unique_ptr<Importquelle> quelle = quelleOeffnen(datei);
    const db::TableDef &def = ziel.definition();
    if (fortschritt.beginnen && quelle->saetze() >= 0)
        fortschritt.beginnen(quelle->saetze() * def.fields.size() + def.fields.size());
    Fortschrittsmelder melder(fortschritt);
    strukturPruefen(*quelle, def, melder);

    int zeilen = 0;
    ziel.checkBrowseMode();
    ziel.disableControls();
    try {
        zeilen = primaerschluesselIst(def, schluesselfelder) ? perBatch(ziel, *quelle, datei, melder)
                                                              : perCursor(ziel, schluesselfelder, *quelle, datei, melder);
    } catch (...) {
        ziel.enableControls();
        ziel.refresh();
        throw;
    }
    melder.ende();
    ziel.enableControls();
    ziel.refresh();
    return zeilen;
}

void stammdatenExportieren(db::Table &ziel, const Stammdatei &datei)
{
    switch (datei.format) {
    case Datenbankformat::DBase:
        return files::copyTableToFile(ziel, datei.name, files::FileFormat::Dbase);
    case Datenbankformat::Paradox:
        return files::copyTableToFile(ziel, datei.name, files::FileFormat::Paradox);
    case Datenbankformat::TextFixed:
        return files::copyTableToFile(ziel, datei.name, files::FileFormat::TextTable);
    default:
        break;
    }
    ziel.checkBrowseMode();
    files::DelimitedWriter schreiber(datei.name, datei.textformat);
    QStringList namen;
    for (const db::FieldDef &feld : ziel.definition().fields)
        namen << feld.name;
    schreiber.writeHeader(namen);
    QList<files::DelimitedValue> werte;
    ziel.disableControls();
    const auto wieder = qScopeGuard([&ziel] {
        ziel.first();
        ziel.enableControls();
    });
    for (ziel.first(); !ziel.eof(); ziel.next()) {
        werte.clear();
        for (int i = 0; i < namen.size(); ++i) {
            const db::Field &feld = ziel.field(i);
            const db::FieldType typ = feld.def().type;
            werte.append({feld.asString(), typ == db::FieldType::Alpha || typ == db::FieldType::Memo});
        }
        schreiber.writeRecord(werte);
    }
    schreiber.commit();
}

} // namespace masterdata
