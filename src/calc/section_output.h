#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

#include "engines/section_options.h"

// How a section's results are written: a short aligned table in French, or
// one JSON object on one line.

// "Libellé   texte unité" lines, the labels padded to one width; for air the
// pressure drop in Pa/m (not mmCE/m), a flow in m3/h, a circuit's loss in Pa.
QString FieldTable(const CalcFields& fields, bool air);

// The capacity table of a drainage library, its columns aligned.
QString DrainageTableText(const std::vector<CalcFields>& rows);

// {"name":"text",...}.
QJsonObject JsonMembers(const CalcFields& fields);

// {"name":"text",...} on one line, the keys sorted by name.
QString JsonObject(const CalcFields& fields);

// {"library":"…",…,"rows":[{…},…]} on one line.
QString DrainageJson(const CalcFields& head, const std::vector<CalcFields>& rows);
