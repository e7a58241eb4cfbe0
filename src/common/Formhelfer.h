#pragma once

class QColor;
class QPainter;
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

// The shadow of one speed button: its rectangle shifted right and down by
// the offset, filled with the colour on the painter of the button's parent.
// Any other control gets none.
void ButtonSchatten(QPainter &canvas, const QWidget *control, const QColor &farbe, int versatz);

// From now on every paint of the surface draws a black shadow three pixels
// below and right of each visible speed button placed directly on it, as
// the registers show their buttons.
void KnopfSchattenZeigen(QWidget *flaeche);
