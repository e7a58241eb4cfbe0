#include "QuietCursor.h"

#include "Guard.h"

namespace ui {

QuietCursor::QuietCursor(db::Table &table)
    : table_(table), blocker_(&table), beforeScrollBlocked_(table.beforeScroll.setBlocked(true)),
      afterScrollBlocked_(table.afterScroll.setBlocked(true)), home_(table.bookmark()), bof_(table.bof()),
      eof_(table.eof())
{
}

QuietCursor::~QuietCursor()
{
    guard([this] {
        if (!home_.isEmpty() && !table_.returnTo(home_))
            table_.first();
        // Stepping over an end sets the flag and leaves the record alone.
        if (eof_)
            table_.moveBy(1);
        if (bof_)
            table_.moveBy(-1);
    }, QStringLiteral("Datensatzzeiger"));
    table_.beforeScroll.setBlocked(beforeScrollBlocked_);
    table_.afterScroll.setBlocked(afterScrollBlocked_);
}

bool QuietCursor::possible(const db::Table &table)
{
    return table.isOpen() && table.state() == db::DatasetState::Browse;
}

} // namespace ui
