#pragma once
// Identifiers of deckplate.exe's resources, shared by the resource script and the code that
// loads them. Macros, because the resource compiler reads this file too.

#define DECKPLATE_ICON 1
