#pragma once

class QWidget;

// How far an entry form's scroll box scrolls when the focus leaves a field:
// three quarters of the visible height when the field's top lies below
// them, otherwise 0, so work goes on in the upper three quarters.
int ScrollDelta(int controlTop, int visibleHeight);

// The top of a lookup dialog opened near its button: above the button when
// there is room (at least 5 pixels), otherwise below it.
int DialogTopNearButton(int buttonTop, int dialogHeight);

// Marks the edits of a group (any may be nullptr): 1 red and bold, 0 back to
// the user's input-field font colour and style; any other mark does nothing.
void FeldgruppeMarkieren(QWidget *edit1, QWidget *edit2, QWidget *edit3, int markierung);
