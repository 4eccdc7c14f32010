#pragma once
// Start-up: find the install folder, read the settings, then create every
// window once, in a fixed order, the main window first.

#include <QString>

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

// The program's main(): start-up, then the message loop.
int runLumova(int argc, char** argv);
