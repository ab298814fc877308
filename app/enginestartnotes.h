#pragma once

// The web engine is made to share an OpenGL context with the window it
// draws in. The page pane draws it in software instead (Qt Quick's software
// adaptation) and shares none, and the engine's start then says so in
// warnings that are no news here, and in Qt 6.4 its start-up report would
// read the context that is not there. This keeps both quiet: the two notes
// become debug lines of orvani.pane, every other message passes unchanged.
// Call it on the main thread before the engine's module is loaded; later
// calls do nothing.
//
// It relies on the texts of the two notes and on the report's category
// (qt.webenginecontext); a Qt that changes them shows its notes again, and
// the real-program test, which reads the program's standard error, fails.
void quietenEngineStartNotes();
