#pragma once

#include <QString>

// The two options answered before any window exists; every other argument is
// left to Qt and the program starts as usual.
enum class CommandLineAction { Run, PrintVersion, PrintHelp };

// The first of "--version" and "--help" among the arguments, Run when neither is there.
CommandLineAction ReadCommandLine(int argc, const char* const* argv);

// What PrintVersion and PrintHelp print on the standard output.
QString CommandLineText(CommandLineAction action);

// What is printed on standard error when no display can be reached.
QString NoDisplayText();
