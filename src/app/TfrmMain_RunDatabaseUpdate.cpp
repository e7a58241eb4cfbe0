#include "Main.h"

#include "dbupdate/RunDatabaseUpdate.h"

// The update works on the data directory the main data store points at, so
// the goods-number indexes and the change list meet the same tables.
bool TfrmMain::RunDatabaseUpdate()
{
    return dbupdate::RunDatabaseUpdate(ProgrammPfad, DatenBankPfad);
}
