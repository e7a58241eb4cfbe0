#include "common/Eingabeformulare.h"

#include "platform/ui/DataControls.h"

#include <QComboBox>
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
    // A form freed without signing off is gone all the same.
    return offeneEingabeformulare().value(name).data();
}

QWidget *eingabeSteuerelement(QWidget *formular, const QString &steuerelement)
{
    if (!formular)
        return nullptr;
    if (auto *benannt = formular->findChild<QWidget *>(steuerelement))
        return benannt;
    const QList<QWidget *> alle = formular->findChildren<QWidget *>();
    for (QWidget *kandidat : alle) {
        const auto *bindung = dynamic_cast<const ui::DataBinding *>(kandidat);
        if (bindung && bindung->dataField().compare(steuerelement, Qt::CaseInsensitive) == 0)
            return kandidat;
    }
    return nullptr;
}

bool eingabeSchreiben(QWidget *formular, const QString &steuerelement, const QString &text)
{
    QWidget *ziel = eingabeSteuerelement(formular, steuerelement);
    if (auto *edit = qobject_cast<QLineEdit *>(ziel)) {
        if (edit->isReadOnly())
            return false;
        // Typed over the whole contents: an empty value clears the box.
        edit->selectAll();
        if (text.isEmpty())
            edit->del();
        else
            edit->insert(text);
        return true;
    }
    if (auto *memo = qobject_cast<QPlainTextEdit *>(ziel)) {
        memo->selectAll();
        memo->insertPlainText(text);
        return true;
    }
    if (auto *box = qobject_cast<QComboBox *>(ziel); box && box->isEditable()) {
        box->setEditText(text);
        return true;
    }
    return false;
}

bool inEingabefeldSchreiben(const QString &formular, const QString &steuerelement, const QString &text)
{
    return eingabeSchreiben(offenesEingabeformular(formular), steuerelement, text);
}

QString eingabefeldText(const QString &formular, const QString &steuerelement)
{
    QWidget *ziel = eingabeSteuerelement(offenesEingabeformular(formular), steuerelement);
    if (auto *edit = qobject_cast<QLineEdit *>(ziel))
        return edit->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(ziel))
        return memo->toPlainText();
    if (auto *box = qobject_cast<QComboBox *>(ziel))
        return box->currentText();
    return {};
}
