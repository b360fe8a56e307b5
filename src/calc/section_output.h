#pragma once

#include <QString>
#include <vector>

#include "engines/section_options.h"

// How a section's results are written: a short aligned table in French, or
// one JSON object on one line.

// "Libellé   texte unité" lines, the labels padded to one width; the
// pressure drop in Pa/m for air, mmCE/m for water.
QString FieldTable(const CalcFields& fields, bool air);

// The capacity table of a drainage library, its columns aligned.
QString DrainageTableText(const std::vector<CalcFields>& rows);

// {"name":"text",...} on one line, the keys sorted by name.
QString JsonObject(const CalcFields& fields);

// {"library":"…",…,"rows":[{…},…]} on one line.
QString DrainageJson(const CalcFields& head, const std::vector<CalcFields>& rows);
