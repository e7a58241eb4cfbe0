#pragma once

#include <QApplication>

namespace ui {

// The hourglass while the object lives; the cursor comes back however the
// block is left, also by an exception. Nests.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace ui
