#pragma once

// Registers the export declaration's own lookups for its entry forms: the
// box-37 code tables ("AuswahlVerfahren1", "AuswahlVerfahren2") and the
// box-40 and box-44 information ("InfoFeld40", "InfoFeld44").
void ausfuhrAuswahlenAnmelden();
