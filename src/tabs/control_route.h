#pragma once

#include <span>

struct Event;
struct ProgramState;

// Which control events a route takes: a change only, any event of the control,
// or the keyboard focus reaching it.
enum class Reacts { Change, Any, FocusGained };

using ControlHandler = void (*)(ProgramState&, const Event&);

// One row of a tab's route table: the controls first..last of one window.
struct ControlRoute {
    int window;
    int first, last;  // control numbers
    Reacts reacts;
    ControlHandler handler;
};

using RouteTable = std::span<const ControlRoute>;
