#pragma once

#include <QString>

class TfrmRegie;

// The named points where a document family runs logic of its own; the
// register engine calls them and does the common thing everywhere else. A
// family overrides only what it has.
class Beleghaken
{
public:
    virtual ~Beleghaken() = default;

    // "&Bearbeiten": the family's entry form on the register's current
    // document, shown modally; `status` goes into its status panel 1.
    virtual void eingabeformularZeigen(TfrmRegie &regie, const QString &status);
    // "&Drucken": the family's print form for the document of that number.
    virtual void druckformularZeigen(TfrmRegie &regie, int belegNr);
    // "&Neu" made the document from the master record; it is current and
    // about to be edited.
    virtual void nachNeu(TfrmRegie &) {}
};
