#pragma once

// Turns SIGTERM, SIGINT, SIGHUP and the end of the desktop session into an
// orderly end of the event loop, so that the data is written back exactly as
// when the main window is closed.
void quitOnTerminationSignals();
