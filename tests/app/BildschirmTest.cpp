// What a clerk sees: every form and dialog the main window opens, with the
// registers' commands, entry and item forms and lookups, shown at their
// default size and looked at (Bildschirmgang.h). The pictures go into the
// build folder ("screens") or RAZAZU_SCREENS_DIR.

#include "Bildschirmgang.h"
#include "Hauptfenster.h"

#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ProgramStyle.h"

#include <QDate>
#include <QMenuBar>

namespace {

using Bildschirm = Hauptfenster;

// A value of the kind a clerk types into a field of that type and size:
// codes and numbers fill short fields (an 8-digit goods number, a date as
// text), names fill a part of long ones.
QVariant typischerWert(const db::FieldDef &feld, int zeile)
{
    using enum db::FieldType;
    switch (feld.type) {
    case Alpha: {
        if (feld.size <= 1)
            return QStringLiteral("J");
        if (feld.size == 10)
            return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        if (feld.size <= 12)
            return QStringLiteral("84314900123").left(feld.size - 1) + QString::number(zeile % 10);
        return QStringLiteral("Mustermann %1 GmbH").arg(zeile).left(feld.size);
    }
    case Number:
    case Money:
    case BCD:
        return 1234.5 + zeile;
    case Short:
    case Long:
        return 12 + zeile;
    case AutoInc:
        return {};
    case Logical:
        return true;
    case Date:
        return QDate::currentDate();
    case Time:
        return QTime(10, 30);
    case Timestamp:
        return QDateTime::currentDateTime();
    case Memo:
        return QStringLiteral("Notiz %1").arg(zeile);
    case Graphic:
    case Blob:
        return {};
    }
    return {};
}

// Six rows in every empty table of the store: keys 1 to 6, or where the key
// has a second part, keys 1 and 2 with three lines each.
void bestandAnlegen(db::Database &datenbank)
{
    for (const db::TableDef &def : db::Schema::tablesOf(QStringLiteral("Z_Tavero"))) {
        const QString tabelle = datenbank.quote(def.name);
        if (db::Query::scalar(datenbank, QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabelle)).toInt() > 0)
            continue;
        QStringList spalten;
        QStringList platz;
        for (const db::FieldDef &feld : def.fields) {
            if (feld.type == db::FieldType::AutoInc || feld.type == db::FieldType::Graphic
                || feld.type == db::FieldType::Blob)
                continue;
            spalten << datenbank.quote(feld.name);
            platz << QStringLiteral("?");
        }
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(tabelle, spalten.join(u','), platz.join(u','));
        for (int zeile = 0; zeile < 6; ++zeile) {
            QVariantList werte;
            for (const db::FieldDef &feld : def.fields) {
                if (feld.type == db::FieldType::AutoInc || feld.type == db::FieldType::Graphic
                    || feld.type == db::FieldType::Blob)
                    continue;
                const int schluessel = def.primaryKey.indexOf(feld.name);
                const bool zahl = feld.type == db::FieldType::Long || feld.type == db::FieldType::Short;
                if (schluessel == 0 && def.primaryKey.size() == 1)
                    werte << (zahl ? QVariant(1 + zeile) : typischerWert(feld, 1 + zeile));
                else if (schluessel == 0)
                    werte << (zahl ? QVariant(1 + zeile / 3) : typischerWert(feld, 1 + zeile / 3));
                else if (schluessel > 0)
                    werte << (zahl ? QVariant(1 + zeile % 3) : typischerWert(feld, zeile));
                else
                    werte << typischerWert(feld, zeile);
            }
            try {
                datenbank.execute(sql, werte);
            } catch (const std::exception &) {
                // A second row of a key of one part: that table keeps two.
            }
        }
    }
}

// Entries that leave the program or start another one.
const QStringList nichtAusloesen{
    QStringLiteral("mnuEnde"),           QStringLiteral("pmBeenden"),     QStringLiteral("mnuReorganisation"),
    QStringLiteral("mnuOnlineUpdate"),   QStringLiteral("mnuHandbuch"),   QStringLiteral("mnuInhalt"),
    QStringLiteral("mnuZahlungsauftrag"),
};

TEST_F(Bildschirm, JedesFormularZeigtSeineFelderUndKnoepfeLesbar)
{
    {
        db::Database datenbank(QStringLiteral("Z_Tavero"));
        datenbank.setPath(daten());
        datenbank.open();
        bestandAnlegen(datenbank);
    }
    // The program's look, and the real dialogs, so that they are looked at too.
    ui::installProgramStyle();
    ui::DialogService *skript = ui::setDialogService(nullptr);

    QString ausgabe = qEnvironmentVariable("RAZAZU_SCREENS_DIR");
    if (ausgabe.isEmpty())
        ausgabe = QStringLiteral(RAZAZU_SCREENS_DEFAULT_DIR);
    Bildschirmgang gang(ausgabe);

    auto main = gezeigt();
    gang.ansehen(main.get(), QStringLiteral("Hauptfenster"));
    for (QAction *eintrag : Bildschirmgang::eintraege(main->menuBar())) {
        if (!eintrag->isEnabled() || nichtAusloesen.contains(eintrag->objectName()))
            continue;
        gang.ausloesen(bildschirm::ohneKuerzel(eintrag->text()).trimmed(), [eintrag] { eintrag->trigger(); });
    }
    for (auto *knopf : main->findChildren<ui::SpeedButton *>()) {
        if (!knopf->isEnabled() || !knopf->isVisibleTo(main.get()) || nichtAusloesen.contains(knopf->objectName()))
            continue;
        gang.ausloesen(bildschirm::ohneKuerzel(knopf->text()).trimmed(), [knopf] { knopf->click(); });
    }
    ui::setDialogService(skript);

    for (const auto &[form, befund] : gang.fehler)
        ADD_FAILURE() << form.toStdString() << ":\n  " << befund.join(QStringLiteral("\n  ")).toStdString();
    // The walk reached the entry forms of the families built.
    const QString alle = gang.gesehen.join(u'\n');
    for (const QString &form : {QStringLiteral("> Ausfuhranmeldung"), QStringLiteral("> CMR-Frachtbrief")})
        EXPECT_TRUE(alle.contains(form)) << form.toStdString() << " nicht erreicht:\n" << alle.toStdString();
    dialoge.answerMessage(QStringLiteral("wirklich beenden"), ui::ModalResult::Yes);
    main->close();
}

} // namespace
