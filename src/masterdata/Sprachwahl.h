#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>
#include <optional>

namespace ui {
class DataEdit;
class SpeedButton;
}

namespace masterdata {

class Stammformular;

// The five document languages of a multilingual master (clauses, payment
// terms, articles): a row of five grouped buttons above the list, exactly
// one down, captioned with the language names of the parameter record. A button rebinds the card's line inputs to the columns
// of its language (line n to the language's prefix + n); the number input
// and the list stay. A record being inserted or edited is posted first, so
// switching never loses typed text; when the post is refused the language
// stays. The form starts on language 1.
class Sprachwahl : public QWidget
{
    Q_OBJECT
public:
    // praefixe: the column prefixes of languages 1 to 5 in button order
    // ({"k", "e", "f", "p", "s"} for the clauses); the card's inputs bound to
    // the first prefix's columns 1 to zeilen are the line inputs.
    Sprachwahl(Stammformular &form, QStringList praefixe, int zeilen);

    QList<ui::SpeedButton *> knoepfe() const { return knoepfe_; }
    QList<ui::DataEdit *> zeilenEingaben() const { return zeilen_; }
    int sprache() const { return sprache_; }

    // Switches to language 1 to 5 as its button does; false when the pending
    // record could not be posted (the language then stays).
    bool waehlen(int sprache);
    // Take-over in a document's language: "d", "e", "f", "p" or "s" (exactly
    // so, lower case) presses button 1 to 5; any other letter changes nothing.
    bool buchstabeWaehlen(const QString &buchstabe);
    // The text of the line inputs as shown, in order.
    QStringList zeilenTexte() const;

private:
    Stammformular &form_;
    QStringList praefixe_;
    QList<ui::SpeedButton *> knoepfe_;
    QList<ui::DataEdit *> zeilen_;
    int sprache_ = 1;
};

// Take-over in a document's language: the form opens on the letter's
// language (see buchstabeWaehlen) with its take-over buttons; on
// "Übernehmen" the lines shown at that moment, in whatever language the clerk
// left it, otherwise nothing.
std::optional<QStringList> uebernehmenInSprache(Stammformular &form, Sprachwahl &wahl, const QString &buchstabe);

// The language of a document letter: 1 to 5 for "d", "e", "f", "p", "s"; 0
// for any other text.
int spracheNachBuchstabe(const QString &buchstabe);

// The names of the five print languages (Sprache1 to Sprache5 of the
// parameter record); empty texts where the record, or its table, has none.
QStringList sprachnamen();

} // namespace masterdata
