#pragma once
// The program's version, as the build names it ("1.5"): in the titles, the
// About window, the settings key and the documents the tools write.

// Initialised before any dynamic initialisation, so other constants may be
// built from it.
extern const char kProgramVersion[];
