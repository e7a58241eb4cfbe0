#pragma once

// Acting on the export declaration's entry and item forms as the clerk does:
// keys into the focused control, lookups registered as fakes.

#include "Ausfuhrdaten.h"

#include "common/Eingabeauswahl.h"
#include "platform/ui/DataControls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

inline void eingabeZeigen(QWidget &form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    form.activateWindow();
    QApplication::processEvents();
}

// Press and release in the focused control.
inline void tasteDruecken(int key, const QString &text = {})
{
    QWidget *ziel = QApplication::focusWidget();
    ASSERT_NE(ziel, nullptr);
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &los);
}

// Types into the edit as the clerk would: the text replaces what was there.
inline void eintippen(QWidget *edit, const QString &text)
{
    auto *zeile = qobject_cast<QLineEdit *>(edit);
    ASSERT_NE(zeile, nullptr);
    zeile->setFocus();
    zeile->selectAll();
    zeile->insert(text);
}

// A lookup registered for the test's lifetime; it records what it was asked.
class FalscheAuswahl
{
public:
    FalscheAuswahl(const QString &name, std::function<Auswahlergebnis(const Auswahlanfrage &)> antwort)
        : name_(name)
    {
        auswahlRegistrieren(name, [this, antwort = std::move(antwort)](const Auswahlanfrage &anfrage) {
            anfragen.push_back(anfrage);
            return antwort(anfrage);
        });
    }
    ~FalscheAuswahl() { auswahlRegistrieren(name_, {}); }

    std::vector<Auswahlanfrage> anfragen;

private:
    QString name_;
};

inline QString speicherText(Ausfuhrdaten &daten, const QString &sql, const QVariantList &werte = {})
{
    return db::Query::scalar(daten.datenbank, sql, werte).toString().trimmed();
}
