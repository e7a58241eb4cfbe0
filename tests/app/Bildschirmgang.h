#pragma once

// Walks through the forms a clerk can open: every window that comes up while
// an action runs is looked at (Bildschirmpruefung.h), written to a PNG,
// explored one step further where it is a register, a master form or an
// entry form, and closed again as cancelled.

#include "Bildschirmpruefung.h"

#include "platform/ui/Form.h"
#include "platform/ui/Hints.h"
#include "platform/ui/ModalResult.h"
#include "platform/ui/SpeedButton.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <functional>
#include <map>

class Bildschirmgang
{
public:
    explicit Bildschirmgang(const QString &ausgabe) : ausgabe_(ausgabe) { QDir().mkpath(ausgabe); }

    // Faults by form, and the forms looked at, in order.
    std::map<QString, QStringList> fehler;
    QStringList gesehen;

    // Looks at a window shown by the test itself (the main window).
    void ansehen(QWidget *fenster, const QString &pfad)
    {
        warten();
        festhalten(fenster, pfad);
    }

    // Runs the action; every window it brings up is looked at and closed.
    void ausloesen(const QString &pfad, const std::function<void()> &aktion)
    {
        Ebene ebene(*this, pfad);
        aktion();
    }

    // The entries of a menu and its sub-menus that open something.
    static QList<QAction *> eintraege(const QMenu *menu)
    {
        QList<QAction *> liste;
        for (QAction *a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            if (a->menu())
                liste += eintraege(a->menu());
            else
                liste << a;
        }
        return liste;
    }

    static QList<QAction *> eintraege(const QMenuBar *leiste)
    {
        QList<QAction *> liste;
        for (QAction *a : leiste->actions()) {
            if (a->menu())
                liste += eintraege(a->menu());
            else if (!a->isSeparator() && a->isVisible())
                liste << a;
        }
        return liste;
    }

private:
    // One level of nested windows: while its action runs, it takes every new
    // window that comes up, unless a deeper level is at work.
    struct Ebene
    {
        Ebene(Bildschirmgang &gang, const QString &pfad) : gang(gang), pfad(pfad), tiefe(++gang.tiefe_)
        {
            vorher = QApplication::activeModalWidget();
            QObject::connect(&uhr, &QTimer::timeout, [this] { nachsehen(); });
            uhr.start(10);
        }
        ~Ebene() { --gang.tiefe_; }

        void nachsehen()
        {
            if (tiefe != gang.tiefe_ || arbeitet)
                return;
            if (QWidget *aufklapp = QApplication::activePopupWidget()) {
                aufklapp->close();
                return;
            }
            QWidget *w = QApplication::activeModalWidget();
            if (!w || w == vorher || gang.erledigt_.contains(w))
                return;
            arbeitet = true;
            gang.erledigt_.insert(w);
            QObject::connect(w, &QObject::destroyed, [&gang = gang, w] {
                gang.erledigt_.remove(w);
                gang.gezeigt_.remove(w);
            });
            gang.behandeln(w, pfad);
            arbeitet = false;
        }

        Bildschirmgang &gang;
        QString pfad;
        int tiefe;
        QPointer<QWidget> vorher;
        QTimer uhr;
        bool arbeitet = false;
    };

    static void warten()
    {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QApplication::sendPostedEvents();
        }
    }

    void festhalten(QWidget *fenster, const QString &pfad)
    {
        const QString titel = fenster->windowTitle().isEmpty() ? QString::fromLatin1(fenster->metaObject()->className())
                                                               : fenster->windowTitle();
        const QString schluessel = pfad + QStringLiteral(" > ") + titel;
        gesehen << schluessel;
        QStringList befund = bildschirm::pruefen(fenster);
        befund += bildschirm::fokusPruefen(fenster);
        if (!befund.isEmpty())
            fehler[schluessel] = befund;
        QString datei = QStringLiteral("%1 %2").arg(gesehen.size(), 3, 10, QLatin1Char('0')).arg(schluessel);
        datei.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9ÄÖÜäöüß.,()+-]+")), QStringLiteral("_"));
        datei = QDir(ausgabe_).filePath(datei.left(120));
        fenster->grab().save(datei + QStringLiteral(".png"));
        // A scrolling form also whole, as it reads when scrolled through.
        int teil = 0;
        for (QScrollArea *bereich : fenster->findChildren<QScrollArea *>()) {
            if (bereich->widget() && bereich->isVisibleTo(fenster) && !qobject_cast<QAbstractItemView *>(bereich))
                bereich->widget()->grab().save(datei + QStringLiteral(" ganz%1.png").arg(++teil));
        }
    }

    void behandeln(QWidget *w, const QString &pfad)
    {
        if (qEnvironmentVariableIsSet("RAZAZU_SCREENS_TRACE"))
            qWarning("Gang %d: %s | %s", tiefe_, qPrintable(pfad), qPrintable(w->windowTitle()));
        warten();
        const QString titel = w->windowTitle();
        const QString art = QString::fromLatin1(w->metaObject()->className()) + u'|' + titel;
        const bool neu = !arten_.contains(art);
        arten_.insert(art);
        if (neu) {
            festhalten(w, pfad);
            erkunden(w, pfad + QStringLiteral(" > ") + (titel.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : titel));
        }
        // Closing may ask something too (a message, a check).
        ausloesen(pfad, [w] { schliessen(w); });
        // A window shown again (a dialog that asks once more) is closed again,
        // a few times at most.
        if (++gezeigt_[w] < 4)
            erledigt_.remove(w);
    }

    static QAbstractButton *knopf(QWidget *w, const QString &text)
    {
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
            if (b->text() == text && b->isVisibleTo(w) && b->isEnabled())
                return b;
        }
        return nullptr;
    }

    static QAbstractButton *knopfMitHinweis(QWidget *w, const QString &hinweis)
    {
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
            if (b->statusTip() == hinweis && b->isVisibleTo(w) && b->isEnabled())
                return b;
        }
        return nullptr;
    }

    // One step into a form: the commands of a register, the search, print and
    // import of a master form, the item form and the lookups of an entry form.
    void erkunden(QWidget *w, const QString &pfad)
    {
        const QStringList befehle{QStringLiteral("&Bearbeiten"), QStringLiteral("&Neu"),      QStringLiteral("&Kopieren"),
                                  QStringLiteral("&Löschen"),    QStringLiteral("&Suchen"),   QStringLiteral("&Drucken"),
                                  QStringLiteral("&Parameter")};
        for (const QString &befehl : befehle) {
            if (QAbstractButton *b = knopf(w, befehl))
                ausloesen(pfad, [b] { b->click(); });
        }
        if (auto *form = qobject_cast<ui::Form *>(w)) {
            if (QMenuBar *leiste = form->findChild<QMenuBar *>()) {
                for (QAction *a : eintraege(leiste)) {
                    const QString text = bildschirm::ohneKuerzel(a->text()).trimmed();
                    if (a->isEnabled() && text != QStringLiteral("Schließen") && text != QStringLiteral("Sc&hließen"))
                        ausloesen(pfad, [a] { a->trigger(); });
                }
            }
        }
        for (const QString &hinweis : {QStringLiteral("aktuelle Position bearbeiten"), QStringLiteral("Position hinzufügen")}) {
            if (QAbstractButton *b = knopfMitHinweis(w, hinweis)) {
                ausloesen(pfad, [b] { b->click(); });
                break;
            }
        }
        // The lookups beside the boxes.
        for (auto *b : w->findChildren<ui::SpeedButton *>()) {
            if (b->text() == QStringLiteral("...") && b->isVisibleTo(w) && b->isEnabled())
                ausloesen(pfad, [b] { b->click(); });
        }
    }

    static void schliessen(QWidget *w)
    {
        QPointer<QWidget> fenster(w);
        auto *dialog = qobject_cast<QDialog *>(w);
        for (int versuch = 0; fenster && fenster->isVisible() && versuch < 20; ++versuch) {
            if (auto *form = qobject_cast<ui::Form *>(w))
                form->setModalResult(ui::ModalResult::Cancel);
            else if (dialog)
                dialog->reject();
            else
                w->close();
            warten();
        }
        if (fenster && fenster->isVisible() && dialog)
            dialog->QDialog::done(ui::ModalResult::Cancel);
    }

    QString ausgabe_;
    int tiefe_ = 0;
    QSet<QWidget *> erledigt_;
    QHash<QWidget *, int> gezeigt_;
    QSet<QString> arten_;
};
