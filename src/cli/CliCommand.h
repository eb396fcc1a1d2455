#pragma once

#include <QStringList>

class CApplicationState;

// One command of the quillon program. Each command lives in its own file, which defines a
// `const CCliCommand g_<Name>Command`, and is listed by one line in main.cpp's table.
struct CCliCommand
{
    const char* name;  // the word on the command line
    const char* usage; // its arguments, for the usage text ("run NAME [--version N]")
    // Runs the command with the arguments after its name (the data folder is already set);
    // returns the exit status.
    int (*run)(const QStringList& args);

    // Opens both databases of the data folder; on failure shows the store's messages and
    // "Unable to initialize the database", and returns false (exit status 1 is the caller's).
    static bool OpenDatabases(CApplicationState& state);
    // Writes one line of the command's output to stdout.
    static void Print(const QString& line);
};
