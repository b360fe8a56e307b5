#include "app/startup.h"

#include <QDateTime>
#include <QFile>
#include <cstdio>
#include <unistd.h>

#include "app/folders.h"
#include "app/font_file.h"
#include "app/program_state.h"
#include "app/safe_save.h"
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

namespace {

// When this process began, by the kernel's account (to within a second, never
// later); now when that cannot be read.
QDateTime ProcessStartTime()
{
    QFile self(QStringLiteral("/proc/self/stat"));
    QFile system(QStringLiteral("/proc/stat"));
    if (!self.open(QIODevice::ReadOnly) || !system.open(QIODevice::ReadOnly))
        return QDateTime::currentDateTime();
    // The fields after the command name, which may hold blanks and ")"; the
    // start time, in clock ticks since boot, is the 22nd field of the line.
    const QByteArray line = self.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const qint64 ticks = fields.size() > 19 ? fields[19].toLongLong() : -1;
    qint64 bootSeconds = -1;
    for (const QByteArray& entry : system.readAll().split('\n'))
        if (entry.startsWith("btime "))
            bootSeconds = entry.mid(6).trimmed().toLongLong();
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (ticks < 0 || bootSeconds <= 0 || ticksPerSecond <= 0)
        return QDateTime::currentDateTime();
    return QDateTime::fromMSecsSinceEpoch(bootSeconds * 1000 + ticks * 1000 / ticksPerSecond);
}

// The window is gone at the end: standard error is the one place left to say it.
void SaveSettingsAtEnd(const ProgramState& state)
{
    if (!SaveSettings(state.settings, state.monitorCount, state.folders.data))
        std::fprintf(stderr, "Vorquil III : les paramètres n'ont pas pu être enregistrés dans %s\n",
                     qUtf8Printable(SettingsPath(state.folders.data)));
}

} // namespace

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
    // receives the libraries and the default configuration delivered with the program.
    InstallDeliveredLibraries(state.folders.data);
    RemoveSaveLeftovers(state.folders.data + QStringLiteral("Data/"), ProcessStartTime());

    // Reads nothing, leaving the settings zero and empty, when the file cannot be opened.
    LoadSettings(SettingsPath(state.folders.data), state.waterLibraries, state.drainageLibraries,
                 state.settings, state.windows[MainWindow], state.windows[EditorWindow], state.monitorCount);
    ScanLibraries(state.folders.data, state.waterLibraries, state.drainageLibraries);

    if (NeedsPrivateFontFile(CurrentOsVersion()) && !InstallFontFile(state.folders.data))
        return StartResult::Abort;
    CreateMainFonts(state);
    FillDuctTables(state.ductMaterials, state.standardDuctDiameters);

    DrawFillImages();
    DecodeCarriedImages();

    // Shown once filled: the first frame is the finished window, drawn once.
    if (!BuildMainWindow(state, state.settings.AffMode, false))
        return StartResult::NoMainWindow;
    ApplySettings(state);
    WaterSizing(state);
    SizeAirDuct(state);
    ShowWindow(MainWindow);
    MakeUpdateOffer(state.settings, state.web);
    return StartResult::Running;
}

void EndProgram(ProgramState& state)
{
    if (NeedsPrivateFontFile(CurrentOsVersion()))
        RemoveFontFile(state.folders.data);
    // Written before the network is asked: a logout during the check, which may
    // wait on a silent server, then loses nothing.
    SaveSettingsAtEnd(state);
    LetSignalsEndProcess();
    if (EndAskedBySignal())
        return;   // the session is ending: no network; the check is due again next run
    const Settings before = state.settings;
    RunDueUpdateCheck(state.settings, state.folders);
    if (state.settings.Update != before.Update || state.settings.LastUpdate != before.LastUpdate)
        SaveSettingsAtEnd(state);
}
