#include "sad_export/ListeExport.h"

#include "common/Util.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/TextFormat.h"
#include "platform/files/formats/XlsxFile.h"
#include "platform/sys/TextFile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/WaitCursor.h"
#include "sad_export/TfrmDates.h"

#include <QCheckBox>

namespace {

QString links(const QString &text, int breite)
{
    return text.leftJustified(breite, u' ', false);
}

QString rechts(const QString &text, int breite)
{
    return text.rightJustified(breite, u' ', false);
}

} // namespace

QList<Listenzeile> ListeLesen(db::Database &datenbank, const QDate &von, const QDate &bis)
{
    db::Query abfrage(datenbank, QStringLiteral("SELECT %1, %2, %3, %4, %5 FROM %6 WHERE %2 >= ? AND %2 <= ? "
                                                "ORDER BY %2, %7")
                                     .arg(datenbank.quote(QStringLiteral("AENR")), datenbank.quote(QStringLiteral("datum")),
                                          datenbank.quote(QStringLiteral("f17_2")),
                                          datenbank.quote(QStringLiteral("f22_2")), datenbank.quote(QStringLiteral("f7")),
                                          datenbank.quote(datenbank.storeTableName(QStringLiteral("EINHEIT"))),
                                          datenbank.quote(QStringLiteral("belegnr"))));
    abfrage.bind(0, von);
    abfrage.bind(1, bis);
    QList<Listenzeile> zeilen;
    for (abfrage.open(); !abfrage.eof(); abfrage.next())
        zeilen << Listenzeile{abfrage.value(0).toString(), abfrage.value(1).toDate(), abfrage.value(2).toString(),
                              abfrage.value(3).toString(), abfrage.value(4).toString()};
    return zeilen;
}

QString ListenTextzeile(int nummer, const Listenzeile &zeile)
{
    return rechts(QString::number(nummer), 5) + u' ' + links(zeile.aenr, 11)
        + links(zeile.datum.isValid() ? db::formatDate(zeile.datum) : QString(), 11) + links(zeile.land, 18)
        + rechts(zeile.betrag, 14) + u' ' + links(zeile.bezug, 23);
}

void ListeAlsText(const QString &datei, const QList<Listenzeile> &zeilen)
{
    QStringList text;
    for (int i = 0; i < zeilen.size(); ++i)
        text << ListenTextzeile(i + 1, zeilen[i]);
    sys::writeTextLines(datei, text, sys::CodePage::Windows1252, sys::LineEnding::CrLf);
}

void ListeAlsTabelle(const QString &datei, const QList<Listenzeile> &zeilen)
{
    files::XlsxWriter tabelle(datei);
    for (int i = 0; i < zeilen.size(); ++i) {
        const Listenzeile &zeile = zeilen[i];
        tabelle.writeRow({i + 1, zeile.aenr, zeile.datum.isValid() ? QVariant(zeile.datum) : QVariant(), zeile.land,
                          zeile.betrag, zeile.bezug});
    }
    tabelle.commit();
}

void ListeDrucken(db::Database &datenbank, QWidget *parent)
{
    TfrmDates dialog(parent);
    if (dialog.showModal() != ui::ModalResult::Ok)
        return;
    const QList<Listenzeile> zeilen = ListeLesen(datenbank, dialog.von(), dialog.bis());
    if (zeilen.isEmpty()) {
        ui::showInformation(QStringLiteral("Es wurde kein Datensatz mit dieser Auswahl gefunden!"));
        return;
    }
    const bool tabelle = dialog.CheckBox1->isChecked();
    ui::FileRequest anfrage;
    anfrage.folder = ProgrammVerzeichnis();
    anfrage.filter = tabelle ? QStringLiteral("Excel-Datei (*.xlsx)") : QStringLiteral("Text-Datei (*.txt)");
    anfrage.defaultSuffix = tabelle ? QStringLiteral("xlsx") : QStringLiteral("txt");
    const std::optional<QString> datei = ui::dialogs().saveFile(anfrage);
    if (!datei)
        return;
    {
        ui::WaitCursor sanduhr;
        if (tabelle)
            ListeAlsTabelle(*datei, zeilen);
        else
            ListeAlsText(*datei, zeilen);
    }
    ui::showInformation(QStringLiteral("Die Liste wurde exportiert!"));
}
