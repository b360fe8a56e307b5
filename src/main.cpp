#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "app/event_loop.h"
#include "app/startup.h"
#include "platform/application.h"
#include "tabs/program_state.h"

int main(int argc, char** argv)
{
    // Answered before the QApplication exists, so that they need no display.
    if (const CommandLineAction action = ReadCommandLine(argc, argv); action != CommandLineAction::Run) {
        std::fputs(CommandLineText(action).toUtf8().constData(), stdout);
        return 0;
    }

    InitPlatform(argc, argv);
    auto state = std::make_unique<ProgramState>();
    const StartResult start = StartProgram(*state);
    if (start == StartResult::Running)
        RunEventLoop(*state);
    EndProgram(*state);
    ShutdownPlatform();
    return 0;
}
