#pragma once

#include "Formulare.h"

#include <QMenu>
#include <QObject>
#include <QVariant>
#include <optional>

// How the main window's menu items, speed buttons and context-menu items
// say what they do, so that one dispatcher serves them all: the form they
// open, or the pop-up menu they show (the parcel-card choice, the carrier
// list). A context-menu item also names its model, the button or carrier
// entry whose enabled state it takes before the menu opens.
namespace eintraege {

inline constexpr char formularEigenschaft[] = "razazuFormular";
inline constexpr char auswahlEigenschaft[] = "razazuAuswahl";
inline constexpr char vorbildEigenschaft[] = "razazuVorbild";

inline void setFormular(QObject *eintrag, Formular formular)
{
    eintrag->setProperty(formularEigenschaft, static_cast<int>(formular));
}

inline std::optional<Formular> formular(const QObject *eintrag)
{
    const QVariant wert = eintrag ? eintrag->property(formularEigenschaft) : QVariant();
    if (!wert.isValid())
        return std::nullopt;
    return static_cast<Formular>(wert.toInt());
}

inline void setAuswahl(QObject *eintrag, QMenu *auswahl)
{
    eintrag->setProperty(auswahlEigenschaft, QVariant::fromValue<QObject *>(auswahl));
}

inline QMenu *auswahl(const QObject *eintrag)
{
    return eintrag ? qobject_cast<QMenu *>(eintrag->property(auswahlEigenschaft).value<QObject *>()) : nullptr;
}

inline void setVorbild(QObject *eintrag, QObject *vorbild)
{
    eintrag->setProperty(vorbildEigenschaft, QVariant::fromValue<QObject *>(vorbild));
}

inline QObject *vorbild(const QObject *eintrag)
{
    return eintrag ? eintrag->property(vorbildEigenschaft).value<QObject *>() : nullptr;
}

} // namespace eintraege
