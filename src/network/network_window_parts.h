#pragma once

#include <QString>
#include <functional>

#include "engines/fittings_catalogue.h"
#include "network/circuit_edits.h"
#include "network/network_top.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class QUndoStack;
class QWidget;
class CircuitModel;
struct ProgramState;

// The open « Réseau » window: its widgets and what it edits.
struct NetworkWindow {
    ProgramState* program = nullptr;
    std::function<void()> help;  // F1
    QWidget* frame = nullptr;
    QLineEdit* project = nullptr;
    RulesFields top;
    QTreeView* view = nullptr;
    CircuitModel* model = nullptr;
    QLabel* status = nullptr;
    QUndoStack* undo = nullptr;
    NetworkInputs inputs;
    FittingCatalogue catalogue;
    QString file;        // the circuit file, empty until saved
    int ruleTyping = 0;  // edits of one field while typed are one step; a new typing, a new step
    QString lastTyped;   // the field being typed
};
