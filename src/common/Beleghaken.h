#pragma once

class Belegformular;
class Positionsformular;
class TfrmRegie;

// The named points where a document family runs logic of its own; the
// engine calls them and does the common thing everywhere else. A family
// overrides only what it has; its declaration (Belegart::haken) makes one for
// each register.
class Beleghaken
{
public:
    virtual ~Beleghaken() = default;

    // The register is built, before its tables are shown (a menu of its own).
    virtual void registerGebaut(TfrmRegie &) {}
    // "&Neu" made the document from the master record; it is current and
    // about to be edited.
    virtual void nachNeu(TfrmRegie &) {}
    // The entry form is built from the declaration, before it is shown
    // (controls, menus and reactions of the family's own).
    virtual void eingabeformularGebaut(Belegformular &) {}
    // The line form is built, before it is shown.
    virtual void positionsformularGebaut(Positionsformular &) {}
    // Lines were added, changed or deleted: the header's counters. The
    // engine's own stores the line count where the family keeps one.
    virtual void positionenGeaendert(Belegformular &formular);
    // "&Drucken": the family's print form for the document of that number.
    virtual void druckformularZeigen(TfrmRegie &regie, int belegNr);
};
