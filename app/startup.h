#pragma once
// Start-up: find the install folder, read the settings, then create every
// window once, in a fixed order, the main window first.

#include <QString>
#include <QStringList>

class TFormparent;

struct ProgramStart {
    TFormparent* mainWindow = nullptr;  // null when the program cannot start
    QString error;                      // why, in French
};

// Runs the whole start-up; the windows belong to the returned main window.
ProgramStart startProgram(const QString& executableFolder);

// Whether the floating-point unit is in the state the program computes in:
// every exception masked, 64-bit mantissa, rounding to nearest.
bool defaultFloatingPointEnvironment();

// Why the program cannot start, on stderr and, where windows can be seen, in a
// message box: someone who starts it from a desktop menu never reads stderr.
void reportStartFailure(const QString& error);

// What the command line asks: a session to open at start, and a picture to
// render from it without showing anything.
struct CommandLine {
    QString sessionPath;
    QString exportPath;  // empty: the program runs as usual
    QString error;       // a command line it does not understand, in French
};
CommandLine readCommandLine(const QStringList& arguments);

// The program's main(): start-up, then the message loop. Exits with 2 when no
// display can be reached, 1 when the program cannot start, 3 when the command
// line is wrong or its session or picture fails.
int runLumova(int argc, char** argv);
