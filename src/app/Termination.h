#pragma once

// Turns SIGTERM, SIGINT and SIGHUP into an orderly end of the event loop, so
// that the data is written back exactly as when the main window is closed.
void quitOnTerminationSignals();

// Tells that start-up is over and its own event loop is about to run; true
// when a signal came during start-up, and the program is to end at once.
bool startUpEnded();
