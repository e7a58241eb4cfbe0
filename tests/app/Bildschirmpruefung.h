#pragma once

// Looks at a shown form as a clerk would: every control that should be seen
// has room on the form (or in its scrolling area), captions fit their
// controls and stand out from their background, grids show their rows and
// their texts whole, the focus can be seen. Answers what a clerk would
// complain about, one line each.

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/DataGrid.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <array>

namespace bildschirm {

inline QString name(const QWidget *w)
{
    const QString n = w->objectName();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()),
                                          n.isEmpty() ? QStringLiteral("?") : n);
}

inline QString ohneKuerzel(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

// The widest line of a text in the font.
inline int textBreite(const QFontMetrics &fm, const QString &text)
{
    int breite = 0;
    for (const QString &zeile : text.split(u'\n'))
        breite = std::max(breite, fm.horizontalAdvance(zeile));
    return breite;
}

inline bool istFeld(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QTextEdit *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const ui::DataGrid *>(w);
}

// Controls that are part of another control (a combo box's line edit, a
// grid's header buttons, a scroll bar's arrows) are judged with it.
inline bool teilEinesSteuerelements(const QWidget *w, const QWidget *fenster)
{
    for (const QWidget *p = w->parentWidget(); p && p != fenster; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractItemView *>(p)
            || qobject_cast<const QAbstractSpinBox *>(p))
            return true;
        if (qobject_cast<const QScrollArea *>(p)) {
            const auto *bereich = static_cast<const QScrollArea *>(p);
            if (bereich->widget() && !bereich->widget()->isAncestorOf(w))
                return true;   // the area's own scroll bars
        }
    }
    return false;
}

// Room: a control that is shown has a size, lies inside its window, and where
// it stands in a scrolling area, inside the area's content, which is as big
// as what it holds.
inline void raumPruefen(const QWidget *w, const QWidget *fenster, QStringList &fehler)
{
    if (w->width() < 4 || w->height() < 4) {
        fehler << QStringLiteral("%1 hat keine Fläche (%2 x %3)").arg(name(w)).arg(w->width()).arg(w->height());
        return;
    }
    const QWidget *inhalt = nullptr;
    for (const QWidget *p = w->parentWidget(); p && p != fenster; p = p->parentWidget()) {
        if (auto *bereich = qobject_cast<const QScrollArea *>(p); bereich && bereich->widget()
            && bereich->widget()->isAncestorOf(w)) {
            inhalt = bereich->widget();
            break;
        }
    }
    const QWidget *bezug = inhalt ? inhalt : fenster;
    const QRect lage(w->mapTo(bezug, QPoint(0, 0)), w->size());
    if (!bezug->rect().adjusted(-1, -1, 1, 1).contains(lage))
        fehler << QStringLiteral("%1 liegt außerhalb von %2 (%3,%4 %5x%6 in %7x%8)")
                      .arg(name(w), inhalt ? QStringLiteral("dem Rollbereich") : QStringLiteral("dem Fenster"))
                      .arg(lage.x()).arg(lage.y()).arg(lage.width()).arg(lage.height())
                      .arg(bezug->width()).arg(bezug->height());
    // Hidden behind a parent that has no room itself.
    for (const QWidget *p = w->parentWidget(); p && p != bezug; p = p->parentWidget()) {
        if (p->width() < 4 || p->height() < 4) {
            fehler << QStringLiteral("%1 steht in %2 ohne Fläche").arg(name(w), name(p));
            return;
        }
    }
}

// The caption a control shows and the width it needs for it.
inline void beschriftungPruefen(const QWidget *w, QStringList &fehler)
{
    const QFontMetrics fm(w->font());
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull())
            return;
        const QString text = label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
            ? QString()
            : ohneKuerzel(label->text());
        if (text.isEmpty())
            return;
        const int noetig = textBreite(fm, text);
        const int frei = label->contentsRect().width() - 2 * std::max(0, label->indent()) - 2 * label->margin();
        if (noetig > frei)
            fehler << QStringLiteral("Beschriftung \"%1\" von %2 ist abgeschnitten (%3 von %4 Punkten)")
                          .arg(text, name(w)).arg(frei).arg(noetig);
        if (fm.height() > label->contentsRect().height() + 2)
            fehler << QStringLiteral("Beschriftung \"%1\" von %2 ist zu niedrig (%3 von %4 Punkten)")
                          .arg(text, name(w)).arg(label->contentsRect().height()).arg(fm.height());
        return;
    }
    if (auto *knopf = qobject_cast<const QAbstractButton *>(w)) {
        const QString text = ohneKuerzel(knopf->text());
        if (text.isEmpty())
            return;
        // The control's own wish covers its frame, box or icon.
        const int noetig = knopf->sizeHint().width();
        if (noetig > knopf->width() + 4)
            fehler << QStringLiteral("Beschriftung \"%1\" von %2 passt nicht (%3 von %4 Punkten)")
                          .arg(text, name(w)).arg(knopf->width()).arg(noetig);
        if (fm.height() > knopf->height())
            fehler << QStringLiteral("Beschriftung \"%1\" von %2 ist zu niedrig").arg(text, name(w));
        return;
    }
    if (auto *edit = qobject_cast<const QLineEdit *>(w)) {
        // The field's content, as typed, is seen whole.
        const QString text = edit->displayText();
        const int frei = edit->width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) - 4
            - edit->textMargins().left() - edit->textMargins().right();
        if (!text.isEmpty() && fm.horizontalAdvance(text) > frei)
            fehler << QStringLiteral("Inhalt \"%1\" von %2 ist abgeschnitten (%3 von %4 Punkten)")
                          .arg(text, name(w)).arg(frei).arg(fm.horizontalAdvance(text));
        return;
    }
    if (auto *gruppe = qobject_cast<const QGroupBox *>(w)) {
        const QString text = ohneKuerzel(gruppe->title());
        if (!text.isEmpty() && textBreite(fm, text) + 16 > gruppe->width())
            fehler << QStringLiteral("Titel \"%1\" von %2 ist abgeschnitten").arg(text, name(w));
    }
}

inline double helligkeit(QRgb farbe)
{
    return (0.299 * qRed(farbe) + 0.587 * qGreen(farbe) + 0.114 * qBlue(farbe)) / 255.0;
}

// Contrast: the text of a control needs pixels that stand out from its
// background, which is what most of it shows. A caption in the colour of
// its background is not there for the clerk.
inline bool hebtSichAb(const QImage &bild, int abstand)
{
    if (bild.isNull() || bild.width() < 2 || bild.height() < 2)
        return false;
    std::array<int, 32> faecher{};
    const QImage b = bild.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < b.height(); ++y) {
        const auto *zeile = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < b.width(); ++x)
            ++faecher[std::min(31, int(helligkeit(zeile[x]) * 32))];
    }
    const int grund = int(std::max_element(faecher.begin(), faecher.end()) - faecher.begin());
    int abgehoben = 0;
    for (int f = 0; f < 32; ++f) {
        if (std::abs(f - grund) >= abstand)
            abgehoben += faecher[f];
    }
    return abgehoben >= 3;
}

inline void kontrastPruefen(QWidget *w, QStringList &fehler)
{
    QString text;
    if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull())
        text = label->text();
    else if (auto *knopf = qobject_cast<QAbstractButton *>(w); knopf && knopf->icon().isNull())
        text = knopf->text();
    text = ohneKuerzel(text).trimmed();
    if (text.isEmpty() || w->width() < 4 || w->height() < 4)
        return;
    // A quarter of the scale; a disabled caption is greyed, but still read.
    if (!hebtSichAb(w->grab().toImage(), w->isEnabled() ? 8 : 4))
        fehler << QStringLiteral("Beschriftung \"%1\" von %2 hebt sich nicht vom Grund ab").arg(text, name(w));
    // Under the mouse too: a button's hover look must not hide its caption.
    if (auto *knopf = qobject_cast<QToolButton *>(w); knopf && knopf->isEnabled()) {
        const QPointF mitte(knopf->width() / 2.0, knopf->height() / 2.0);
        QEnterEvent hinein(mitte, knopf->mapToGlobal(mitte), knopf->mapToGlobal(mitte));
        knopf->setAttribute(Qt::WA_UnderMouse, true);
        QApplication::sendEvent(knopf, &hinein);
        const bool lesbar = hebtSichAb(knopf->grab().toImage(), 8);
        QEvent hinaus(QEvent::Leave);
        knopf->setAttribute(Qt::WA_UnderMouse, false);
        QApplication::sendEvent(knopf, &hinaus);
        if (!lesbar)
            fehler << QStringLiteral("Beschriftung \"%1\" von %2 ist unter der Maus nicht zu lesen").arg(text, name(w));
    }
}

// A grid shows at least three rows when its table has them, its titles and
// the texts of the rows it shows whole.
inline void gitterPruefen(ui::DataGrid *gitter, QStringList &fehler)
{
    db::DataSource *quelle = gitter->dataSource();
    db::Table *tabelle = quelle ? quelle->dataSet() : nullptr;
    if (!tabelle || !tabelle->isOpen())
        return;
    const int datensaetze = tabelle->recordCount();
    if (datensaetze >= 3 && gitter->rowCount() < 3)
        fehler << QStringLiteral("%1 zeigt %2 Zeilen von %3").arg(name(gitter)).arg(gitter->rowCount()).arg(datensaetze);
    QHeaderView *kopf = gitter->horizontalHeader();
    const QFontMetrics kopfschrift(kopf->font());
    const QFontMetrics zellschrift(gitter->font());
    const QList<ui::GridColumn> spalten = gitter->columns();
    for (int s = 0; s < gitter->model()->columnCount(); ++s) {
        if (kopf->isSectionHidden(s))
            continue;
        const int breite = kopf->sectionSize(s);
        const QString titel = gitter->model()->headerData(s, Qt::Horizontal).toString();
        if (kopf->isVisible() && kopfschrift.horizontalAdvance(titel) + 8 > breite)
            fehler << QStringLiteral("Spaltentitel \"%1\" von %2 ist abgeschnitten (%3 von %4 Punkten)")
                          .arg(titel, name(gitter)).arg(breite).arg(kopfschrift.horizontalAdvance(titel) + 8);
        for (int z = 0; z < gitter->rowCount(); ++z) {
            const QString zelle = gitter->cellText(z, s);
            if (zellschrift.horizontalAdvance(zelle) + 6 > breite) {
                fehler << QStringLiteral("Spalte \"%1\" von %2 schneidet \"%3\" ab (%4 von %5 Punkten)")
                              .arg(titel, name(gitter), zelle).arg(breite).arg(zellschrift.horizontalAdvance(zelle) + 6);
                break;
            }
        }
    }
}

// The window title fits beside the title bar's buttons.
inline void titelPruefen(const QWidget *fenster, QStringList &fehler)
{
    QFont schrift = QApplication::font();
    schrift.setBold(true);
    const int noetig = QFontMetrics(schrift).horizontalAdvance(fenster->windowTitle()) + 120;
    if (!fenster->windowTitle().isEmpty() && noetig > fenster->width())
        fehler << QStringLiteral("Fenstertitel \"%1\" passt nicht in %2 Punkte (%3 nötig)")
                      .arg(fenster->windowTitle()).arg(fenster->width()).arg(noetig);
}

inline bool sichtbar(const QWidget *w, const QWidget *fenster)
{
    return w->isVisibleTo(fenster) && w->window() == fenster;
}

// Everything above for one shown window.
inline QStringList pruefen(QWidget *fenster)
{
    QStringList fehler;
    titelPruefen(fenster, fehler);
    const auto alle = fenster->findChildren<QWidget *>();
    for (QWidget *w : alle) {
        if (!sichtbar(w, fenster) || teilEinesSteuerelements(w, fenster))
            continue;
        if (istFeld(w))
            raumPruefen(w, fenster, fehler);
        beschriftungPruefen(w, fehler);
        kontrastPruefen(w, fehler);
        if (auto *gitter = qobject_cast<ui::DataGrid *>(w))
            gitterPruefen(gitter, fehler);
    }
    return fehler;
}

// The focus can be seen: of each kind of control, the first that can take
// the focus looks different with it than without it.
inline QStringList fokusPruefen(QWidget *fenster)
{
    QStringList fehler;
    QSet<QString> gesehen;
    QWidget *vorher = QApplication::focusWidget();
    const auto alle = fenster->findChildren<QWidget *>();
    for (QWidget *w : alle) {
        if (!sichtbar(w, fenster) || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus
            || teilEinesSteuerelements(w, fenster) || !istFeld(w) || w->width() < 4)
            continue;
        const QString art = QString::fromLatin1(w->metaObject()->className());
        if (gesehen.contains(art))
            continue;
        gesehen.insert(art);
        if (QWidget *fokus = QApplication::focusWidget())
            fokus->clearFocus();
        QApplication::processEvents();
        const QImage ohne = w->grab().toImage();
        w->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        const QImage mit = w->grab().toImage();
        if (!w->hasFocus())
            continue;   // a control that hands the focus on
        if (ohne == mit)
            fehler << QStringLiteral("%1 zeigt den Fokus nicht").arg(name(w));
    }
    if (vorher)
        vorher->setFocus();
    return fehler;
}

} // namespace bildschirm
