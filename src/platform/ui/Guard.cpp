#include "Guard.h"

#include "platform/db/DatabaseError.h"
#include "platform/sys/UnhandledException.h"

namespace ui {

bool guard(const std::function<void()> &body, const QString &context)
{
    try {
        body();
        return true;
    } catch (...) {
        reportCurrentException(context);
        return false;
    }
}

void reportCurrentException(const QString &context)
{
    try {
        throw;
    } catch (const db::Abort &) {
        // Refused quietly: whoever threw has already told the user.
    } catch (...) {
        sys::reportException(std::current_exception(), context);
    }
}

} // namespace ui
