#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include "app/startup.h"
#include "engines/settings_file.h"
#include "support/scratch_files.h"
#include "tabs/program_state.h"

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
        for (WindowDescriptor& window : state.window.windows)
            if (IsWindowOpen(window.number))
                CloseWindow(window);
        qunsetenv("XDG_DATA_HOME");
    }
    void Write(const char* name, const QByteArray& bytes, int ageSeconds = 3600)
    {
        ASSERT_TRUE(WriteBytes(data + QString::fromUtf8(name), bytes));
        QFile file(data + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
    }
};

TEST_F(Startup, SkipsWhatIsNotARegularFileAndRemovesLeftoversOfOurSaves)
{
    const QByteArray library = WrittenFileStart + "[Global]\r\nTubeName = Acier\r\n";
    Write("Acier.tub", library);
    for (const char* fifo : {"Config.cfg", "Cuivre.tub", "PVC.eva"})
        ASSERT_EQ(mkfifo(QFile::encodeName(data + QString::fromUtf8(fifo)).constData(), 0600), 0);
    // Left by saves cut short, and files that only look like them.
    const char* leftovers[] = {"Acier.tub.aBcDeF", "PVC.EVA.Xy12Zt", "Config.cfg.QwErTy"};
    const char* kept[] = {"notes.txt.aBcDeF", "Acier.tub.aBcDe", "Acier.tub.aBc-eF", "Config.cfg.x.aBcDeF"};
    for (const char* name : leftovers)
        Write(name, library);
    for (const char* name : kept)
        Write(name, library);
    Write("Acier.tub.NeWeR1", library, -60);  // written after this start: another run's save

    // Reading a FIFO would wait for a writer for ever.
    alarm(30);
    const StartResult started = StartProgram(state);
    alarm(0);

    EXPECT_EQ(started, StartResult::Running);
    ASSERT_EQ(state.domain.waterLibraries.size(), 1u);
    EXPECT_EQ(state.domain.waterLibraries[0].name, QStringLiteral("Acier"));
    EXPECT_TRUE(state.domain.drainageLibraries.empty());
    for (const char* name : leftovers)
        EXPECT_FALSE(QFile::exists(data + QString::fromUtf8(name))) << name;
    for (const char* name : kept)
        EXPECT_TRUE(QFile::exists(data + QString::fromUtf8(name))) << name;
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("Acier.tub.NeWeR1")));
}

TEST_F(Startup, SettingsThatCannotBeWrittenAtTheEndAreReportedOnStandardError)
{
    state.folders.data = scratch.path() + QStringLiteral("/Vorquil 3/");
    ASSERT_TRUE(QDir(data).mkdir(QStringLiteral("Config.cfg")));
    testing::internal::CaptureStderr();
    EndProgram(state);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(SettingsPath(state.folders.data).toStdString()), std::string::npos) << said;
}

}  // namespace
