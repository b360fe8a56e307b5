#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "engines/pipe_library.h"

// One section as the user gives it, on the command line or as a schedule row:
// option names without their dashes, each with its value as typed.
struct SectionOption {
    QString name;
    QString value;
};
using SectionOptions = std::vector<SectionOption>;

// What a section gives: each result under its name, as the window shows it.
struct CalcField {
    QString name;
    QString text;
};
using CalcFields = std::vector<CalcField>;

// The value given for an option; nullptr when it was not given.
const QString* FindOption(const SectionOptions& options, const char* name);

// The text of the field of that name; empty when there is none.
QString CalcFieldText(const CalcFields& fields, const char* name);

// Whether `name` is one of `names` (a null-terminated list).
bool IsListedName(const QString& name, const char* const* names);

// False, with a message, when an option is not one of `known` for this kind
// of section.
bool CheckOptionNames(const SectionOptions& options, const char* const* known, const QString& kind, QString& error);

// A whole number from `first` to `last`, digits only (a leading "-" when
// `first` is negative), as the window's digit fields take them.
bool ReadWhole(const QString& name, const QString& text, int64_t first, int64_t last, const char* unit, int64_t& value,
               QString& error);

// A decimal number from `first` to `last` (a leading "-" when `first` is
// negative); "," reads as the decimal point.
bool ReadDecimal(const QString& name, const QString& text, double first, double last, const char* unit, double& value,
                 QString& error);

// The track bar position whose value (position / divisor) is the number
// given, from position `first` to `last`; a value between two positions is
// refused, the message naming the range and the step.
bool ReadBarPosition(const QString& name, const QString& text, int first, int last, int divisor, int decimals,
                     const char* unit, int& position, QString& error);

// One of the words of `choices` (a null-terminated list); its index.
bool ReadChoice(const QString& name, const QString& text, const char* const* choices, int& index, QString& error);

// "« name » inconnu(e) ; disponibles : a, b, c" for a library or a material.
QString UnknownNameMessage(const QString& option, const QString& given, const QStringList& available);

// The libraries' names, in list order.
QStringList LibraryNames(const PipeLibraryList& libraries);
