#include "app/startup.h"

#include <QFile>

#include "app/folders.h"
#include "app/font_file.h"
#include "app/program_state.h"
#include "app/settings_file.h"
#include "app/update_check.h"
#include "app/update_offer.h"
#include "app/web_links.h"
#include "library/delivered_libraries.h"
#include "library/library_files.h"
#include "platform/application.h"
#include "platform/system.h"
#include "platform/windows.h"
#include "sizing/air_sizing.h"
#include "sizing/apply_settings.h"
#include "sizing/duct_tables.h"
#include "sizing/water_sizing.h"
#include "ui/images.h"
#include "ui/main_window.h"
#include "ui/window_descriptors.h"

StartResult StartProgram(ProgramState& state)
{
    state.entryMode = EntryMode::FlowEntered;
    state.sumInProgress = false;
    state.editorModified = false;

    state.folders = ResolveFolders();
    SetWebAddresses(state.web);
    state.waterLibraries.clear();
    state.drainageLibraries.clear();
    state.monitorCount = MonitorCount();
    FillWindowDescriptors(state.windows);

    // What an installer does on other systems: the first start on an account
    // receives the libraries delivered with the program.
    InstallDeliveredLibraries(state.folders.data);

    const QString config = SettingsPath(state.folders.data);
    if (QFile probe(config); probe.open(QIODevice::ReadOnly)) {
        probe.close();
        LoadSettings(config, state.waterLibraries, state.drainageLibraries, state.settings,
                     state.windows[MainWindow], state.windows[EditorWindow], state.monitorCount);
    }
    ScanLibraries(state.folders.data, state.waterLibraries, state.drainageLibraries);

    if (NeedsPrivateFontFile(CurrentOsVersion()) && !InstallFontFile(state.folders.data))
        return StartResult::Abort;
    CreateMainFonts(state);
    FillDuctTables(state.ductMaterials, state.standardDuctDiameters);

    DrawFillImages();
    DecodeCarriedImages();

    if (!BuildMainWindow(state, state.settings.AffMode))
        return StartResult::NoMainWindow;
    ApplyMainFonts(state);
    ApplySettings(state);
    WaterSizing(state);
    SizeAirDuct(state);
    MakeUpdateOffer(state.settings, state.web);
    return StartResult::Running;
}

void EndProgram(ProgramState& state)
{
    if (NeedsPrivateFontFile(CurrentOsVersion()))
        RemoveFontFile(state.folders.data);
    // Written before the network is asked: a logout during the check, which may
    // wait on a silent server, then loses nothing.
    SaveSettings(state.settings, state.monitorCount, state.folders.data);
    LetSignalsEndProcess();
    if (EndAskedBySignal())
        return;   // the session is ending: no network; the check is due again next run
    const Settings before = state.settings;
    RunDueUpdateCheck(state.settings, state.folders);
    if (state.settings.Update != before.Update || state.settings.LastUpdate != before.LastUpdate)
        SaveSettings(state.settings, state.monitorCount, state.folders.data);
}
