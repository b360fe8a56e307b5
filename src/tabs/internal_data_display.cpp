#include "tabs/internal_data_display.h"

#include "engines/internal_data_text.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "tabs/program_state.h"
#include "ui/internal_data_window.h"
#include "ui/main_controls.h"

void ShowInternalData(const ProgramState& state, int domain)
{
    if (IsWindowOpen(ConsoleWindow))
        ShowInternalDataText(InternalDataText(state.domain.internalData, domain));
}

void ShowInternalDataForTab(const ProgramState& state, int tab)
{
    if (tab == TabWater)
        ShowInternalData(state, InternalDataWater);
    else if (tab == TabAir)
        ShowInternalData(state, InternalDataAir);
}

void OnInternalDataKey(ProgramState& state)
{
    if (IsWindowOpen(ConsoleWindow))
        return;
    OpenInternalData(state.window);
    ShowInternalDataForTab(state, GetState(MainTabPanel));
}

void OnMainTabChange(ProgramState& state, const Event&)
{
    ShowInternalDataForTab(state, GetState(MainTabPanel));
}
