#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "engines/domain_state.h"
#include "engines/section_options.h"

class QWidget;
class QRadioButton;

// The top of the network window: « Eau » / « Air » and the rules of that
// fluid, each field an option given to every row.
struct RulesFields {
    QWidget* box = nullptr;
    QRadioButton* water = nullptr;
    QRadioButton* air = nullptr;
    QWidget* waterRow = nullptr;
    QWidget* airRow = nullptr;
    struct Field {
        const char* name;  // the option
        bool water;
        QWidget* widget;  // QComboBox or QLineEdit
    };
    std::vector<Field> fields;
};

// The user changed an option (kind included); `typing` for a text still being typed.
using RuleEdited = std::function<void(const char* name, const QString& value, bool typing)>;

RulesFields BuildRulesFields(QWidget* parent, const DomainState& data, const RuleEdited& edited);

// Shows the rules (the program's own write: no event).
void ShowRules(RulesFields& top, const SectionOptions& rules);

// "Eau, départ 70 °C, retour 50 °C, antigel 0 %" and the rules, one line
// each, as the calculation note states them.
QString FluidText(const SectionOptions& rules);
QStringList RuleLines(const SectionOptions& rules);

// The limit a mode starts with: the main window's track bar default ("" for dn).
QString DefaultLimit(bool water, const QString& mode);
