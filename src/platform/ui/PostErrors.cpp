#include "PostErrors.h"

#include "Dialogs.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"

namespace ui {

QString postErrorText(const db::DatabaseError &error)
{
    return error.message() + QLatin1Char('\n') + QStringLiteral("Daten konnten nicht gespeichert werden!");
}

void showPostErrors(db::Table &table)
{
    table.onPostError.add([](db::Table &, const db::DatabaseError &error) {
        showError(postErrorText(error));
        return db::PostErrorAction::Abort;
    });
}

} // namespace ui
