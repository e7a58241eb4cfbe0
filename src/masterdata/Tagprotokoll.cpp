#include "Tagprotokoll.h"

#include "common/Eingabeformulare.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace masterdata {

QWidget *eingabeSteuerelement(QWidget *formular, const QString &name)
{
    if (!formular)
        return nullptr;
    if (auto *benannt = formular->findChild<QWidget *>(name))
        return benannt;
    const QList<QWidget *> alle = formular->findChildren<QWidget *>();
    for (QWidget *steuerelement : alle) {
        const auto *bindung = dynamic_cast<const ui::DataBinding *>(steuerelement);
        if (bindung && bindung->dataField().compare(name, Qt::CaseInsensitive) == 0)
            return steuerelement;
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

void tagUebernahme(const QList<TagZiel> &ziele, int tag, db::Table &quelle)
{
    for (const TagZiel &ziel : ziele) {
        if (ziel.tag != tag)
            continue;
        QWidget *formular = offenesEingabeformular(ziel.formular);
        if (!formular)
            return;
        for (const TagWert &wert : ziel.werte)
            eingabeSchreiben(formular, wert.steuerelement, quelle.fieldByName(wert.feld).asString().mid(wert.von, wert.laenge));
        return;
    }
}

} // namespace masterdata
