#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <vector>

#include "engines/circuit_sizing.h"
#include "engines/domain_state.h"
#include "engines/fitting_terms.h"
#include "engines/section_options.h"

// A circuit: a schedule whose rows are the sections of a pipe or duct
// network, each naming the row upstream of it. Read from the same files as a
// schedule (comma, semicolon or tab, UTF-8, Latin-1 or UTF-16), sized row by
// row as a schedule is, then its losses summed along the tree. Every front
// end (vorquil-calc circuit, the network window) reads, sizes and writes
// circuits through here.

// The columns a circuit row may have besides the section options and "kind":
// id, upstream, length, fittings, fixed (null-terminated).
extern const char* const CircuitColumnNames[];

// The columns a circuit row adds after the schedule's result columns:
// zeta, linear_loss, singular_loss, fixed_loss, total_loss, cumulative_loss,
// reserve, index, error (null-terminated).
extern const char* const CircuitResultNames[];

// A circuit as written: its columns and its rows' cells, as typed.
struct CircuitSchedule {
    QStringList header;             // column names
    std::vector<QStringList> rows;  // one cell per column (missing cells are empty), blank rows left out
    std::vector<int> lines;         // each row's line in its file (0: not read from a file)
    QChar separator = u';';
    bool byteOrderMark = false;  // written back when the file had one
};

// False, with a French message, when the file has no header row, a column is
// neither a circuit column, "kind", a section option, a result nor "error",
// or the "id" column is missing. Result columns of a file written by
// vorquil-calc circuit are read and left out. In such a file (one that has a
// loss column) the results written over inputs are left out too: the flow of
// a row given its power, and the size of a row whose "mode" cell is not "dn"
// or whose kind is air.
bool ReadCircuitSchedule(QIODevice& in, CircuitSchedule& schedule, QString& error);

// The schedule as a file that ReadCircuitSchedule reads back to the same
// schedule, in UTF-8 (with the byte-order mark when it had one).
QByteArray CircuitScheduleText(const CircuitSchedule& schedule);

// One sized row.
struct CircuitRowResult {
    QString id;
    int upstream = -1;       // index of the row upstream, -1 for a root (or an upstream that is refused)
    bool water = true;       // kind water (losses in mmCE) or air (losses in Pa)
    CalcFields sizing;       // the schedule's result columns, as a batch row gives them: flow, power, size, velocity...
    double flow = 0.0;       // Q : the flow sized for, as shown [L/h water, m3/h air]
    double density = 0.0;    // rho : fluid density [kg/m3]
    double viscosity = 0.0;  // nu : kinematic viscosity [m2/s]
    FittingTerms terms;      // what its "fittings" cell named
    SectionLosses losses;    // [mmCE water, Pa air]
    TreeSectionTotals totals;
    QString error;        // French, naming the column; empty when the row was sized
    QString errorColumn;  // the column the error is about; empty for the row as a whole
};

// One independent circuit, from one root.
struct CircuitSummary {
    TreeCircuit tree;  // root, index end, head [mmCE water, Pa air], path
    bool water = true;
    double flow = 0.0;  // Q at the root [L/h water, m3/h air]
    QString error;      // why its totals are not computed; empty when they are
};

struct CircuitResult {
    std::vector<CircuitRowResult> rows;  // in the schedule's order
    std::vector<CircuitSummary> circuits;
    int failed = 0;  // rows refused (their own fault or one upstream)
};

// Sizes every row: an end on its own flow or power, a row with rows downstream
// and no flow on the sum of their flows as shown; `defaults` give the cells
// left empty (then the delivered configuration, as for a schedule). A default
// "kind" gives the kind of a row without one; "flow" and "power" are never
// taken from `defaults`, "oversize" only by a row given its power, and a
// default that would contradict the row's own options is left out (limit or
// size beside the row's own mode, a side or diameter beside its own shape or
// mode, material and roughness with each other). Rows are refused, with a
// French message naming the column, for a bad id, upstream, kind, length,
// fittings or fixed cell, or when they cannot be sized ("N/A", "Infini");
// the rows below a refused row and its circuit's totals are not computed.
CircuitResult SizeCircuit(const DomainState& data, const FittingCatalogue& catalogue, const CircuitSchedule& schedule,
                          const SectionOptions& defaults);
