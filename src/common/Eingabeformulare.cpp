#include "Eingabeformulare.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {

QHash<QString, QPointer<QWidget>> &offeneEingabeformulare()
{
    static QHash<QString, QPointer<QWidget>> formulare;
    return formulare;
}

} // namespace

void registriereEingabeformular(const QString &name, QWidget *form)
{
    offeneEingabeformulare().insert(name, form);
}

void abmeldenEingabeformular(const QString &name)
{
    offeneEingabeformulare().remove(name);
}

QWidget *offenesEingabeformular(const QString &name)
{
    // A form freed without signing off is gone all the same.
    return offeneEingabeformulare().value(name);
}
