#pragma once

// What the program sets on the application object before its first window:
// its name, its title for message boxes (not Qt's display name, which Qt
// would append to every window's caption), and Qt's German texts for the
// standard dialogs.
void AnwendungEinrichten();
