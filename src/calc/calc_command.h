#pragma once

#include <QIODevice>
#include <QStringList>

// The exit statuses of vorquil-calc.
enum CalcStatus : int {
    CalcDone = 0,
    CalcRefused = 1,     // a value refused: the section, or at least one row of a schedule
    CalcUsage = 2,       // an unknown command or option, a missing value
    CalcUnreadable = 3,  // a file or folder that cannot be read or written
};

// Runs one command of vorquil-calc (the arguments after the program's name):
// the results on `out`, the messages on `err`. Returns a CalcStatus.
int RunCalc(const QStringList& args, QIODevice& out, QIODevice& err);
