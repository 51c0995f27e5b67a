#pragma once

// Sets up the application before any widget exists: the compiled-in
// resources, Qt's German texts, the style, the fonts and the window icon.
void anwendungEinrichten();
