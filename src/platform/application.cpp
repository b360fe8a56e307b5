#include "platform/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

#include "platform/platform_state.h"

// The icons of the installed theme, carried as resources at every size.
static QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/" VQ_APP_ID ".png").arg(size));
    return icon;
}

void InitPlatform(int& argc, char** argv)
{
    PlatformState& state = Platform();
    if (state.application)
        return;
    state.application = new QApplication(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Every window takes this icon; the desktop file name matches the windows to the menu entry.
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(VQ_APP_ID));
    // Windows close only when the program says so.
    QApplication::setQuitOnLastWindowClosed(false);
    auto* translator = new QTranslator(state.application);
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    state.watcher = CreatePlatformWatcher();
}

void ShutdownPlatform()
{
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
    state.privateFonts.clear();
    state.messageHook = nullptr;
    state.saveFileHook = nullptr;
    delete state.application;   // also deletes the watcher and the translator
    state.application = nullptr;
    state.watcher = nullptr;
}
