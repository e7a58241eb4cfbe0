#pragma once

#include <QList>
#include <QVariant>
#include <functional>

class Belegregister;

// The lines of the document an entry form shows, as the form's line buttons
// work on them: add (numbered count + 1, pre-filled from the master record's
// first line in ordinary documents), edit, delete with the rest renumbered
// 1..n, and afterwards the family's recount of the header's counters and
// totals.
class EingabePositionen
{
public:
    explicit EingabePositionen(Belegregister &regie);

    // The family's recount of its header after lines changed; it writes and
    // posts the header.
    std::function<void()> neuBerechnen;
    // The line form, shown modally on the current line.
    std::function<void()> positionsformular;

    // The values of the master record's first line, from its third field on,
    // as new lines take them; none when it has no first line.
    void masterwerteLesen();
    const QList<QVariant> &masterwerte() const { return masterwerte_; }

    // "Position hinzufügen": in an ordinary document the new line is filled
    // from the master's first line and posted before the line form opens; in
    // the master record it stays new and unposted for the line form.
    void hinzufuegen();
    // "aktuelle Position bearbeiten": the current line in edit state in the
    // line form, when there is one.
    void bearbeiten();
    // "Aktuelle Position löschen" after "Datensatz löschen?": the line goes,
    // the rest is renumbered and the header recounted in one transaction; a
    // failure leaves every line as it was. The first line is current after.
    void loeschen();

    // How many lines the current document has.
    int anzahl();

private:
    Belegregister &regie_;
    QList<QVariant> masterwerte_;
};
