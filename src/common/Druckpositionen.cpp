#include "common/Druckpositionen.h"

#include "common/Programmzustand.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/print/Canvas.h"

#include <QLocale>

namespace {

const QColor positionsGrau(128, 128, 128);

QString positionsFeldText(Quelle quelle, const QString &feld, const Druckkontext &kontext)
{
    switch (quelle) {
    case Quelle::Text:
        return feld;
    case Quelle::Wert:
        return kontext.wert ? kontext.wert(feld) : QString();
    case Quelle::Kopf:
        return kontext.kopf ? kontext.kopf->fieldByName(feld).asString() : QString();
    case Quelle::Position:
        // Past the last line (or with none) the boxes print empty.
        if (!kontext.position || kontext.position->isEmpty() || kontext.position->eof())
            return {};
        return kontext.position->fieldByName(feld).asString();
    }
    return {};
}

double positionsZahl(const QString &text)
{
    bool ok = false;
    double zahl = QLocale(QLocale::German).toDouble(text.trimmed(), &ok);
    if (!ok)
        zahl = text.trimmed().toDouble(&ok);
    return ok ? zahl : 0;
}

bool positionsBedingungErfuellt(const Bedingung &bedingung, const Druckkontext &kontext)
{
    using Art = Bedingung::Art;
    switch (bedingung.art) {
    case Art::Immer:
        return true;
    case Art::Gleich:
        return positionsFeldText(bedingung.quelle, bedingung.feld, kontext).compare(bedingung.wert, Qt::CaseInsensitive) == 0;
    case Art::Ungleich:
        return positionsFeldText(bedingung.quelle, bedingung.feld, kontext).compare(bedingung.wert, Qt::CaseInsensitive) != 0;
    case Art::UeberNull:
        return positionsZahl(positionsFeldText(bedingung.quelle, bedingung.feld, kontext)) > 0;
    case Art::ErstesBlatt:
        return kontext.blatt == 1;
    case Art::LetztesBlatt:
        return kontext.blatt == kontext.blaetter;
    case Art::MehrerePositionen:
        return kontext.positionen >= 2;
    case Art::WeissesPapier:
        return kontext.weissesPapier;
    }
    return false;
}

QString positionsFormatiert(const Druckposition &position, const QString &text)
{
    const QLocale deutsch(QLocale::German);
    switch (position.format) {
    case Format::Text:
        return text;
    case Format::Kreuz:
        return text.trimmed().isEmpty() ? QString() : QStringLiteral("X");
    case Format::Ganzzahl: {
        const qint64 zahl = qint64(positionsZahl(text));
        return zahl == 0 ? QString() : QString::number(zahl);
    }
    case Format::Betrag:
        return text.trimmed().isEmpty() ? QString() : deutsch.toString(positionsZahl(text), 'f', 2);
    case Format::BetragOhneTausender: {
        if (text.trimmed().isEmpty())
            return {};
        QLocale ohne = deutsch;
        ohne.setNumberOptions(QLocale::OmitGroupSeparator);
        return ohne.toString(positionsZahl(text), 'f', 2);
    }
    case Format::Zeichen:
        return text.mid(position.von, position.anzahl);
    }
    return text;
}

} // namespace

QString druckText(const Druckposition &position, const Druckkontext &kontext)
{
    if (position.grau && !kontext.weissesPapier)
        return {};
    if (position.tor != Druckposition::keinTor && kontext.torOffen && !kontext.torOffen(position.tor))
        return {};
    if (!positionsBedingungErfuellt(position.bedingung, kontext))
        return {};
    return positionsFormatiert(position, positionsFeldText(position.quelle, position.feld, kontext));
}

Druckkontext druckkontextInAusdruckschrift()
{
    const TFont &schrift = programmzustand().AusdruckFont;
    Druckkontext k;
    k.schriftName = schrift.Name;
    if (schrift.Bold)
        k.schriftStil |= print::FontStyle::Bold;
    if (schrift.Italic)
        k.schriftStil |= print::FontStyle::Italic;
    return k;
}

void positionenDrucken(print::Canvas &canvas, const QList<Druckposition> &positionen, const Druckkontext &kontext)
{
    canvas.setBrushStyle(print::BrushStyle::Clear);
    for (const Druckposition &position : positionen) {
        const QString text = druckText(position, kontext);
        if (text.isEmpty())
            continue;
        print::CanvasFont schrift = canvas.font();
        schrift.name = kontext.schriftName;
        schrift.height = -int(std::lround((position.hoehe > 0 ? position.hoehe : kontext.hoehe) * 10));
        schrift.style = position.grau ? print::FontStyles() : kontext.schriftStil;
        schrift.weight = 0;
        schrift.width = 0;
        schrift.escapement = 0;
        schrift.color = position.grau ? positionsGrau : QColor(Qt::black);
        canvas.setFont(schrift);
        const int y = position.y + kontext.dy;
        switch (position.ausrichtung) {
        case Ausrichtung::Links:
            canvas.textOut(position.x, y, text);
            break;
        case Ausrichtung::Rechts:
            canvas.textOutRight(position.x, y, text);
            break;
        case Ausrichtung::Zentriert:
            canvas.textOutCentred(position.x, y, text);
            break;
        case Ausrichtung::Gesperrt:
            canvas.textOutPitched(position.x, y, text, position.schritt);
            break;
        }
    }
    canvas.setFontColor(Qt::black);
}

QList<Druckposition> untereinander(int tor, Quelle quelle, const QString &muster, int erste, int letzte, int x, int y,
                                   int abstand, double hoehe)
{
    QList<Druckposition> positionen;
    for (int n = erste; n <= letzte; ++n)
        positionen << Druckposition{.tor = tor,
                                    .quelle = quelle,
                                    .feld = muster.arg(n),
                                    .x = x,
                                    .y = y + (n - erste) * abstand,
                                    .hoehe = hoehe};
    return positionen;
}
