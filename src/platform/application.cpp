#include "platform/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

#include "platform/platform_state.h"

void InitPlatform(int& argc, char** argv)
{
    PlatformState& state = Platform();
    if (state.application)
        return;
    state.application = new QApplication(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
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
