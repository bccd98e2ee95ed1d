#pragma once

#include "app/Forms.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <array>
#include <functional>

class QWidget;

// The running program: its thirteen windows, all hidden at first, in a fixed
// order (the main window first, the splash last) and destroyed in reverse
// order. The main window, the note pads and the splash are created at
// start-up; each other window the first time it is used, as it would have
// been created at start-up.
class Program {
public:
    // Throws DataSetError when Daty.txt cannot be read; no window exists then.
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // The files the program keeps in its data folder.
    static QStringList dataFileNames();

    const Forms &forms() const { return m_forms; }
    // Every window in the order of the design, each built now if it was not yet.
    QList<QWidget *> windowsInCreationOrder();

    // What the event loop does first: show the main window (and with it the splash).
    void start();
    // Writes the data back at the end; false when the user gave up after a failed write.
    bool finish();

private:
    static constexpr int windowCount = 13;

    // Each takes the next window in the order of the design.
    template <typename Window> Window *createNow(std::function<Window *()> make);
    template <typename Window> WindowRef<Window> createLater(std::function<Window *()> make);

    const QDateTime m_startUp;
    Forms m_forms;
    std::array<LazyWindow, windowCount> m_windows;
    int m_windowsTaken = 0;
};

// Runs the program in an existing application on the data folder it is in:
// takes the folder (a second start on a folder in use asks the program that
// has it to show itself, or says where it runs, and ends with status 0
// having written nothing), creates the windows, runs the event loop, and
// writes the data back at the end. Returns the exit status.
int runProgram();

// Starts the program from main(): the application with its look, then runProgram().
int runMiravela(int argc, char *argv[]);
