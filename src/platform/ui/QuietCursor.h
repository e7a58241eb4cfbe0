#pragma once

#include "platform/db/Table.h"

#include <QSignalBlocker>

namespace ui {

// Lets a control read records around the current one without anybody
// noticing: the dataset's signals are blocked (no control redraws, no detail
// table follows), its scroll listeners are held back, and when the object
// goes the cursor is back on its record with its bof and eof as they were.
// Only for a dataset in browse state: moving would post a pending edit.
class QuietCursor
{
public:
    explicit QuietCursor(db::Table &table);
    ~QuietCursor();
    QuietCursor(const QuietCursor &) = delete;
    QuietCursor &operator=(const QuietCursor &) = delete;

    static bool possible(const db::Table &table);

private:
    db::Table &table_;
    QSignalBlocker blocker_;
    bool beforeScrollBlocked_;
    bool afterScrollBlocked_;
    db::Bookmark home_;
    bool bof_;
    bool eof_;
};

} // namespace ui
