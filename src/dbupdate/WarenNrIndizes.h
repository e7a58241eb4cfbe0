#pragma once

namespace db {
class Database;
}

namespace dbupdate {

// Rebuilds the secondary indexes of the goods-number table S_WARENN as its
// declaration (Tabelle_S_WARENN) names them, the four case-insensitive
// "iLand", "ibez", "iware" and "iFind", before every data-store update: drops those that exist and creates them again, holding the table
// exclusively, in one transaction. Raises db::DatabaseError (the table is
// missing or in use elsewhere); the old indexes then stay.
void WarenNrIndizesNeuAufbauen(db::Database &database);

} // namespace dbupdate
