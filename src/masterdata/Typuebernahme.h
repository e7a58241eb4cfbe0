#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace db {
class Table;
}
namespace ui {
class DataEdit;
}

namespace masterdata {

// How a typed key filters a data-module table.
enum class Schluesselart {
    Praefix,   // "<feld> = '<text>*'": the records whose key begins with the text, in any case
    Zahl,      // "<feld> = <text>": the record of that number
};

// Type-ahead take-over in one key field of an entry form: what is typed
// filters the data-module table; leaving the field resolves it to the one
// matching record, reports that there is none, or lets the clerk choose
// among several in the chooser (TfrmAllgemein). The table keeps the last
// filter and stays on the record taken or last viewed.
class Typuebernahme
{
public:
    Typuebernahme(db::Table &tabelle, QString feld, Schluesselart art, QString keinTreffer);

    // The text changed: a text that is not empty becomes the filter; an
    // emptied field leaves the filter as it was.
    void textGeaendert(const QString &text);
    // The field is left: true when the table stands on the record to take
    // (one match, or the chooser's "Übernehmen"). No match shows the no-match
    // message; an empty text, no match and a cancelled choice give false and
    // the field keeps what was typed.
    bool aufloesen(const QString &text, QWidget *parent = nullptr);

    // Connects the steps to a data edit: its text changes filter, leaving it
    // resolves and hands the record to take to uebernehmen.
    void anbinden(ui::DataEdit *edit, std::function<void(db::Table &)> uebernehmen);

private:
    void filtern(const QString &text);

    db::Table &tabelle_;
    QString feld_;
    Schluesselart art_;
    QString keinTreffer_;
    bool keinGueltigerSchluessel_ = false;
};

} // namespace masterdata
