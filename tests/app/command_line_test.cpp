#include <gtest/gtest.h>

#include "app/command_line.h"

TEST(CommandLineTest, OnlyVersionAndHelpAreAnsweredBeforeStarting)
{
    struct Case {
        std::vector<const char*> args;
        CommandLineAction action;
    };
    const Case cases[] = {
        {{"vorquil"}, CommandLineAction::Run},
        {{"vorquil", "-platform", "offscreen"}, CommandLineAction::Run},
        {{"vorquil", "-version"}, CommandLineAction::Run},
        {{"vorquil", "--versions"}, CommandLineAction::Run},
        {{"vorquil", "--version"}, CommandLineAction::PrintVersion},
        {{"vorquil", "-platform", "offscreen", "--help"}, CommandLineAction::PrintHelp},
        {{"vorquil", "--help", "--version"}, CommandLineAction::PrintHelp},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadCommandLine(int(c.args.size()), c.args.data()), c.action) << c.args.back();
}
