#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/command_line.h"
#include "app/event_loop.h"
#include "app/startup.h"
#include "platform/application.h"
#include "tabs/program_state.h"

namespace {

QStringList heldMessages;

// Qt aborts when it reaches no display; until the platform runs, its English
// messages are held, and that end becomes our own French one.
void HoldStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayText().toUtf8().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages << qFormatLogMessage(type, context, message);
}

void InitPlatformOrExit(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(HoldStartMessages);
    InitPlatform(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    heldMessages.clear();
}

}  // namespace

int main(int argc, char** argv)
{
    // Answered before the QApplication exists, so that they need no display.
    if (const CommandLineAction action = ReadCommandLine(argc, argv); action != CommandLineAction::Run) {
        std::fputs(CommandLineText(action).toUtf8().constData(), stdout);
        return 0;
    }

    InitPlatformOrExit(argc, argv);
    auto state = std::make_unique<ProgramState>();
    const StartResult start = StartProgram(*state);
    if (start == StartResult::Running)
        RunEventLoop(*state);
    EndProgram(*state);
    ShutdownPlatform();
    return 0;
}
