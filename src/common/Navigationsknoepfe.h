#pragma once

class QWidget;

namespace db {
class Table;
}

// The four buttons that move through a list (first, prior, next, last),
// set after every move of its table: on the last record first and prior are
// on and next and last off; otherwise on the first record the reverse;
// otherwise all four are on. The end comes first, so an empty or a
// one-record list offers first and prior. The states are cosmetic: a store
// error while reading them leaves the buttons as they were rather than stop
// the move that asked.
void NavigationsknoepfeSetzen(db::Table &tabelle, QWidget *erste, QWidget *vorherige, QWidget *naechste,
                              QWidget *letzte);
