#pragma once

#include <QStringList>

class CApplicationState;

// quillon run NAME [--version N] [--format text|json]: runs the live top-level system of that
// name and version (the highest live version without --version) and prints the result lists.
// Exit status 0 when the run completed, 2 when there is no such live system version or the
// arguments are wrong; the caller returns 1 when a database cannot be opened.
int RunCommand(CApplicationState& state, const QStringList& args);
