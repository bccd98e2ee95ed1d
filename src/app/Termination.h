#pragma once

// Turns SIGTERM, SIGINT and SIGHUP into an orderly end of the event loop, so
// that the data is written back exactly as when the main window is closed.
void quitOnTerminationSignals();
