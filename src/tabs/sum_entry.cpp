#include "tabs/sum_entry.h"

#include "base/identity.h"
#include "base/typed_sum.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "tabs/air_sizing.h"
#include "tabs/program_state.h"
#include "tabs/water_sizing.h"
#include "tabs/water_tab.h"
#include "ui/air_controls.h"
#include "ui/water_controls.h"

namespace {

const int SumFields[] = {FlowField, PowerField, AirFlowField};

struct SumKeyBinding {
    const char* keys;  // QKeySequence form
    int key;           // SumKey
};

// Keys named by what they produce, so that "+" and "-" come from the same keys
// on a French keyboard ("=/+" with Shift, "6/-" without) as on others. An X
// keyboard reports the numeric pad's keys and Shift + "=" as plain "+" and "-",
// other window systems as the pad's key or as Shift + "+": every form is bound,
// each to one key only, and all of them append the same sign.
const SumKeyBinding SumKeyBindings[] = {
    {"Esc", SumKeyEscape},   {"Return", SumKeyEnter},  {"Enter", SumKeyEnter},
    {"C", SumKeyClear},      {"Num++", SumKeyPadPlus}, {"Num+-", SumKeyPadMinus},
    {"Shift++", SumKeyPlus}, {"+", SumKeyPlus},        {"-", SumKeyMinus},
};

int FocusedSumField()
{
    for (int field : SumFields)
        if (HasFocus(field))
            return field;
    return -1;
}

// The sum about to begin in `field` keeps what the field shows, to give it back
// if the sum is left pending.
void BeginSum(ProgramState& state, int field)
{
    if (!state.sumInProgress)
        state.sumStart = {field, GetText(field)};
    state.sumInProgress = true;
    MarkSumField(field, true);
}

void AppendOperator(ProgramState& state, int field, QChar sign)
{
    const QString text = GetText(field);
    if (text.isEmpty())
        return;
    BeginSum(state, field);
    SetText(field, text + sign);  // the caret goes to the end with the text
}

// The colour a sum field has outside a sum: the air flow its own, the water
// field that drives the calculation the water input colour, the other none.
int ColourOutsideSum(const ProgramState& state, int field)
{
    if (field == AirFlowField)
        return AirInputColour;
    const bool driving = (field == FlowField) == (state.entryMode == EntryMode::FlowEntered);
    return driving ? WaterInputColour : DefaultColour;
}

void SizeDomainOf(ProgramState& state, int field)
{
    if (field == AirFlowField)
        SizeAirDuct(state);
    else
        WaterSizing(state);
}

void RefuseTotal(const QString& why)
{
    ShowMessage(ProgramTitle, why, MessageOk);
}

// The sum may have been started in the other water field, whose focus then left
// the entry mode alone: the total typed here must drive the calculation, not be
// overwritten by it.
void BringEntryModeToField(ProgramState& state, int field)
{
    const EntryMode wanted = field == FlowField ? EntryMode::FlowEntered : EntryMode::PowerEntered;
    if (state.entryMode != wanted)
        SwitchWaterEntryMode(state, field);
}

void EvaluateSumField(ProgramState& state, int field)
{
    const int total = EvaluateSum(GetText(field));
    if (total == SumNegative) {
        RefuseTotal(QString::fromUtf8("Le total ne peut pas être négatif !"));
        return;
    }
    if (total == SumTooLarge) {
        RefuseTotal(QString::fromUtf8("Le total est trop grand !"));
        return;
    }
    // Enter alone, with no sum typed, leaves the colours as they are.
    const bool summed = state.sumInProgress;
    state.sumInProgress = false;
    state.sumStart = {};
    if (field != AirFlowField)
        BringEntryModeToField(state, field);
    SetText(field, QString::number(total));
    if (summed)
        MarkSumField(field, false);
    SelectAllText(field);
    SizeDomainOf(state, field);
}

}  // namespace

bool IsSumField(int control)
{
    for (int field : SumFields)
        if (control == field)
            return true;
    return false;
}

void AddSumKeys(int window)
{
    // Never twice: a key bound twice would be ambiguous and do nothing.
    RemoveSumKeys(window);
    for (const SumKeyBinding& binding : SumKeyBindings)
        AddShortcut(window, QString::fromLatin1(binding.keys), binding.key);
}

void RemoveSumKeys(int window)
{
    for (int key = SumKeyEscape; key <= SumKeyMinus; ++key)
        RemoveShortcut(window, key);
}

void MarkSumField(int control, bool inProgress)
{
    SetBackground(control, inProgress ? SumInProgressColour : AirInputColour);
}

void EndPendingSum(ProgramState& state, int focused)
{
    const int field = state.sumStart.field;
    if (!state.sumInProgress || field < 0 || field == focused)
        return;
    state.sumInProgress = false;
    SetText(field, state.sumStart.text);
    state.sumStart = {};
    SetBackground(field, ColourOutsideSum(state, field));
    SizeDomainOf(state, field);
}

void OnSumKey(ProgramState& state, int key)
{
    const int field = FocusedSumField();
    if (field < 0)
        return;
    switch (key) {
    case SumKeyEnter:
        EvaluateSumField(state, field);
        break;
    case SumKeyClear:
        BeginSum(state, field);
        SetText(field, QString());
        break;
    case SumKeyPadPlus:
    case SumKeyPlus:
        AppendOperator(state, field, u'+');
        break;
    case SumKeyPadMinus:
    case SumKeyMinus:
        AppendOperator(state, field, u'-');
        break;
    default:
        break;
    }
}
