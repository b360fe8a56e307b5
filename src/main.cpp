#include <memory>

#include "app/event_loop.h"
#include "app/program_state.h"
#include "app/startup.h"
#include "platform/application.h"

int main(int argc, char** argv)
{
    InitPlatform(argc, argv);
    auto state = std::make_unique<ProgramState>();
    const StartResult start = StartProgram(*state);
    if (start == StartResult::Abort) {
        ShutdownPlatform();
        return 1;
    }
    if (start == StartResult::Running)
        RunEventLoop(*state);
    EndProgram(*state);
    ShutdownPlatform();
    return 0;
}
