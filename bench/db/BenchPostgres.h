#pragma once

namespace bench {

// Where RAZAZU_TEST_PG names a server ("host=... port=... database=...
// user=..."): the layer against raw libpq on the same server and tables.
void registerPostgresBenchmarks();
// Drops the benchmark's schema; before the application object goes.
void finishPostgresBenchmarks();

} // namespace bench
