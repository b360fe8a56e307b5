#include "platform/application.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTranslator>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "platform/events.h"
#include "platform/platform_state.h"
#include "platform/windows.h"

namespace {

const int EndSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler wakes the event loop through this socket pair: [0] is read by the
// loop, [1] written by the handler.
int signalSockets[2] = {-1, -1};
volatile std::sig_atomic_t endSignalled = 0;

// Only what is safe inside a signal handler.
void OnEndSignal(int)
{
    endSignalled = 1;
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalSockets[1], &byte, 1);
    errno = savedErrno;
}

void OnEndSignalNoticed()
{
    char bytes[16];
    while (read(signalSockets[0], bytes, sizeof bytes) > 0) {
    }
    // A question left open would keep the process waiting for a user who is gone.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible() && dialog->isModal()) {
            dialog->setProperty("vqAnswered", true);  // lets a Yes/No question close unanswered
            dialog->reject();
        }
    PostWindowEvent({EventKind::Close, MainWindow});
}

void HandleEndSignals(QObject* owner)
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSockets[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { OnEndSignalNoticed(); });
    for (int signal : EndSignals) {
        struct sigaction previous = {};
        sigaction(signal, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN)  // started with nohup, or in the background
            continue;
        struct sigaction action = {};
        action.sa_handler = OnEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace

// The icons of the installed theme, carried as resources at every size.
static QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/" VQ_APP_ID ".png").arg(size));
    return icon;
}

// The font configuration (the system's XML files, read by the library that Qt
// asks for fonts) takes as long to read as the display connection takes to
// open: a helper thread reads it meanwhile, and Qt finds it ready.
static std::thread ReadFontConfigurationAside()
{
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    return init ? std::thread(init) : std::thread();
}

// Qt lists the system's fonts on their first use, which the main window's
// first control makes: a helper thread lists them while the program reads its
// files (the font database serialises its users). Joined at shutdown.
static std::thread fontListing;

void InitPlatform(int& argc, char** argv)
{
    PlatformState& state = Platform();
    if (state.application)
        return;
    std::thread fontConfiguration = ReadFontConfigurationAside();
    state.application = new QApplication(argc, argv);
    if (fontConfiguration.joinable())
        fontConfiguration.join();
    fontListing = std::thread([] { QFontDatabase::families(); });
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The desktop file name matches the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(VQ_APP_ID));
    // Windows close only when the program says so.
    QApplication::setQuitOnLastWindowClosed(false);
    auto* translator = new QTranslator(state.application);
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    state.watcher = CreatePlatformWatcher();
    HandleEndSignals(state.application);
}

void SetProgramIcon()
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(ProgramIcon());
}

bool EndAskedBySignal()
{
    return endSignalled != 0;
}

void LetSignalsEndProcess()
{
    for (int signal : EndSignals) {
        struct sigaction current = {};
        sigaction(signal, nullptr, &current);
        if (current.sa_handler == OnEndSignal)
            std::signal(signal, SIG_DFL);
    }
}

void ShutdownPlatform()
{
    if (fontListing.joinable())
        fontListing.join();
    LetSignalsEndProcess();
    PlatformState& state = Platform();
    state.controls.clear();
    std::vector<QWidget*> frames;
    for (auto& [number, window] : state.windows)
        frames.push_back(window.frame);
    state.windows.clear();
    for (QWidget* frame : frames)
        delete frame;
    state.events.clear();
    state.fonts.clear();
    state.images.clear();
    state.messageHook = nullptr;
    state.saveFileHook = nullptr;
    delete state.application;  // also deletes the watcher, the translator and the signal notifier
    for (int& socket : signalSockets) {
        if (socket >= 0)
            close(socket);
        socket = -1;
    }
    state.application = nullptr;
    state.watcher = nullptr;
}
