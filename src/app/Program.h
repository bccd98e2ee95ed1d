#pragma once

// Starts the program: creates the windows, runs the event loop, and writes the
// data back at the end. Returns the process exit status.
int runMiravela(int argc, char *argv[]);
