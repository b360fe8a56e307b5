#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include "app/program_state.h"
#include "app/settings_file.h"
#include "app/startup.h"
#include "support/scratch_files.h"

namespace {

// Start-up and end of the program on a scratch data folder.
class Startup : public testing::Test {
protected:
    QTemporaryDir scratch;
    QString data;
    ProgramState state;

    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", scratch.path().toLocal8Bit());
        data = scratch.filePath(QStringLiteral("Vorquil 3/Data/"));
        ASSERT_TRUE(QDir().mkpath(data));
    }
    void TearDown() override
    {
        for (WindowDescriptor& window : state.windows)
            if (IsWindowOpen(window.number))
                CloseWindow(window);
        qunsetenv("XDG_DATA_HOME");
    }
    void Write(const char* name, const QByteArray& bytes, int ageSeconds = 60)
    {
        ASSERT_TRUE(WriteBytes(data + QString::fromUtf8(name), bytes));
        QFile file(data + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
    }
};

TEST_F(Startup, SettingsThatCannotBeWrittenAtTheEndAreReportedOnStandardError)
{
    state.folders.data = scratch.path() + QStringLiteral("/Vorquil 3/");
    ASSERT_TRUE(QDir(data).mkdir(QStringLiteral("Config.cfg")));
    testing::internal::CaptureStderr();
    EndProgram(state);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(SettingsPath(state.folders.data).toStdString()), std::string::npos) << said;
}

} // namespace
