#include "common/Eingabeformulare.h"

#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

namespace {

QHash<QString, QPointer<QWidget>> &offeneEingabeformulare()
{
    static QHash<QString, QPointer<QWidget>> formulare;
    return formulare;
}

} // namespace

void registriereEingabeformular(const QString &name, QWidget *formular)
{
    offeneEingabeformulare().insert(name, formular);
}

void abmeldenEingabeformular(const QString &name, QWidget *formular)
{
    auto &formulare = offeneEingabeformulare();
    const auto eintrag = formulare.constFind(name);
    if (eintrag != formulare.constEnd() && (eintrag->isNull() || eintrag->data() == formular))
        formulare.remove(name);
}

QWidget *offenesEingabeformular(const QString &name)
{
    return offeneEingabeformulare().value(name).data();
}

bool inEingabefeldSchreiben(const QString &formular, const QString &steuerelement, const QString &text)
{
    QWidget *form = offenesEingabeformular(formular);
    if (!form)
        return false;
    if (auto *edit = form->findChild<QLineEdit *>(steuerelement)) {
        edit->setText(text);
        // Data edits store what the clerk types; this is that path.
        emit edit->textEdited(edit->text());
        return true;
    }
    if (auto *memo = form->findChild<QPlainTextEdit *>(steuerelement)) {
        memo->setPlainText(text);
        return true;
    }
    return false;
}

QString eingabefeldText(const QString &formular, const QString &steuerelement)
{
    QWidget *form = offenesEingabeformular(formular);
    if (!form)
        return {};
    if (auto *edit = form->findChild<QLineEdit *>(steuerelement))
        return edit->text();
    if (auto *memo = form->findChild<QPlainTextEdit *>(steuerelement))
        return memo->toPlainText();
    return {};
}
