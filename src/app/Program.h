#pragma once

#include "app/Forms.h"

#include <QList>

#include <memory>
#include <vector>

class QWidget;

// The running program: its eleven windows, created hidden in a fixed order
// (the main window first, the splash last) and destroyed in reverse order.
class Program {
public:
    // Throws DataSetError when Daty.txt cannot be read; no window exists then.
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    const Forms &forms() const { return m_forms; }
    QList<QWidget *> windowsInCreationOrder() const;

    // What the event loop does first: show the main window (and with it the splash).
    void start();
    // Writes the data back at the end; false when the user gave up after a failed write.
    bool finish();

private:
    template <typename Window> Window *create(Window *window);

    Forms m_forms;
    std::vector<std::unique_ptr<QWidget>> m_windows;
};

// Runs the program in an existing application: creates the windows, runs the
// event loop, and writes the data back at the end. Returns the exit status.
int runProgram();

// Starts the program from main(): the application with its look, then runProgram().
int runMiravela(int argc, char *argv[]);
