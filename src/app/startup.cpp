#include "app/startup.h"

#include "app/font_file.h"
#include "app/program_state.h"
#include "app/web_links.h"
#include "platform/system.h"
#include "platform/windows.h"
#include "ui/window_descriptors.h"

StartResult StartProgram(ProgramState& state)
{
    state.entryMode = EntryMode::FlowEntered;
    state.sumInProgress = false;
    state.editorModified = false;

    SetWebAddresses(state.web);
    state.monitorCount = MonitorCount();
    FillWindowDescriptors(state.windows);

    if (NeedsPrivateFontFile(CurrentOsVersion()) && !InstallFontFile(state.folders.data))
        return StartResult::Abort;

    WindowDescriptor& main = state.windows[MainWindow];
    if (!OpenWindow(main, MainClientWidth(main, state.settings.AffMode),
                    MainClientHeight(main, state.settings.AffMode)))
        return StartResult::NoMainWindow;
    return StartResult::Running;
}

void EndProgram(ProgramState& state)
{
    if (NeedsPrivateFontFile(CurrentOsVersion()))
        RemoveFontFile(state.folders.data);
}
