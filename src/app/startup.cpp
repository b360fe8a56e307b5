#include "app/startup.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <unistd.h>

#include "app/folders.h"
#include "app/update_check.h"
#include "app/update_offer.h"
#include "app/web_links.h"
#include "base/file_error.h"
#include "base/identity.h"
#include "base/safe_save.h"
#include "engines/delivered_libraries.h"
#include "engines/duct_tables.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/windows.h"
#include "tabs/air_sizing.h"
#include "tabs/apply_settings.h"
#include "tabs/program_state.h"
#include "tabs/water_sizing.h"
#include "ui/accessible_names.h"
#include "ui/images.h"
#include "ui/main_controls.h"
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

// Libraries missing from the data folder are copied from the installed ones.
void InstallLibraries(const Folders& folders)
{
    int error = 0;
    if (InstallDeliveredLibraries(folders.data, &error) >= 0)
        return;
    ShowMessage(ProgramTitle,
                QStringLiteral("Les bibliothèques de tubes livrées avec le programme n'ont pas pu être copiées "
                               "dans le dossier :\r\n%1\r\n(%2).")
                    .arg(QDir::toNativeSeparators(folders.data + QStringLiteral("Data")), FileErrorText(error)),
                MessageOk);
}

// Only the keys this run changed are written over the file as it is now, so
// that a second instance closed later keeps what the first one saved. False
// when the file could not be written, which standard error always hears of and
// the user too when told is set.
bool SaveSettingsAtEnd(const ProgramState& state, bool tell)
{
    int error = 0;
    if (SaveSettings(state.domain.settings, state.window.monitorCount, state.folders.data, &state.settingsAsRead,
                     &error))
        return true;
    const QString path = SettingsPath(state.folders.data);
    std::fprintf(stderr, "Vorquil III : les paramètres n'ont pas pu être enregistrés dans %s (%s)\n",
                 qUtf8Printable(path), qUtf8Printable(FileErrorText(error)));
    if (tell)
        ShowMessage(ProgramTitle,
                    QStringLiteral("Les paramètres n'ont pas pu être enregistrés dans le fichier :\r\n%1\r\n(%2).")
                        .arg(QDir::toNativeSeparators(path), FileErrorText(error)),
                    MessageOk);
    return false;
}

}  // namespace

StartResult StartProgram(ProgramState& state)
{
    state.entryMode = EntryMode::FlowEntered;
    state.sumInProgress = false;
    state.editor.modified = false;

    state.folders = ResolveFolders();
    SetWebAddresses(state.web);
    state.domain.waterLibraries.clear();
    state.domain.drainageLibraries.clear();
    state.window.monitorCount = MonitorCount();
    FillWindowDescriptors(state.window.windows);

    // What an installer does on other systems: the first start on an account
    // receives the libraries and the default configuration delivered with the program.
    InstallLibraries(state.folders);
    RemoveSaveLeftovers(state.folders.data + QStringLiteral("Data/"), ProcessStartTime());

    // Reads nothing, leaving the settings zero and empty, when the file cannot be opened.
    const Settings& settings = state.domain.settings;
    if (LoadSettings(SettingsPath(state.folders.data), state.domain.waterLibraries, state.domain.drainageLibraries,
                     state.domain.settings, state.window.monitorCount, &state.settingsAsRead)) {
        WindowDescriptor* windows = state.window.windows;
        windows[MainWindow].x = settings.xPosMain;
        windows[MainWindow].y = settings.yPosMain;
        windows[EditorWindow].x = settings.xPosEdit;
        windows[EditorWindow].y = settings.yPosEdit;
    }
    ScanLibraries(state.folders.data, state.domain.waterLibraries, state.domain.drainageLibraries);

    CreateMainFonts(state.window);
    FillDuctTables(state.domain.ductMaterials, state.domain.standardDuctDiameters);

    DecodeCarriedImages();

    // Shown once filled: the first frame is the finished window, drawn once. It
    // shows the water tab, which the options change: those two tabs come first;
    // the air and drainage tabs are built and filled right after that frame,
    // before any of the user's input is read.
    const int layout = state.domain.settings.AffMode;
    if (!OpenMainWindow(state.window, layout, {TabWater, TabOptions}))
        return StartResult::NoMainWindow;
    ApplyWaterSettings(state);
    ApplyOptionsSettings(state);
    WaterSizing(state);
    ShowWindow(MainWindow);
    WaitFirstFrame(MainWindow);
    SetProgramIcon();
    DrawFillImages();  // the drainage tab's
    if (!BuildMainTabs(state.window, layout, {TabAir, TabDrainage}))
        return StartResult::NoMainWindow;
    ApplyAccessibleNames();
    ApplyAirSettings(state);
    ApplyDrainageSettings(state);
    ApplyDuctMaterialSettings(state);
    SizeAirDuct(state);
    MakeUpdateOffer(state.domain.settings, state.web);
    return StartResult::Running;
}

void EndProgram(ProgramState& state)
{
    // Written before the network is asked: a logout during the check, which may
    // wait on a silent server, then loses nothing. A logout leaves no time for
    // a message; a signal arriving while it shows dismisses it.
    const bool saved = SaveSettingsAtEnd(state, !EndAskedBySignal());
    LetSignalsEndProcess();
    if (EndAskedBySignal())
        return;  // the session is ending: no network; the check is due again next run
    const Settings before = state.domain.settings;
    RunDueUpdateCheck(state.domain.settings, state.folders);
    if (state.domain.settings.Update != before.Update || state.domain.settings.LastUpdate != before.LastUpdate)
        SaveSettingsAtEnd(state, saved);  // the user has heard of it once
}
