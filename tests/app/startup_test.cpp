#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include "app/startup.h"
#include "engines/delivered_libraries.h"
#include "engines/settings_file.h"
#include "platform/dialogs.h"
#include "support/full_disk.h"
#include "support/scratch_files.h"
#include "tabs/program_state.h"

namespace {

// Start-up and end of the program on a scratch data folder.
class Startup : public testing::Test {
protected:
    QTemporaryDir scratch;
    QString data;
    ProgramState state;
    QStringList said;  // the message boxes, as "title|text"

    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", scratch.path().toLocal8Bit());
        data = scratch.filePath(QStringLiteral("Vorquil 3/Data/"));
        ASSERT_TRUE(QDir().mkpath(data));
        SetMessageHook([this](const QString& title, const QString& text, MessageButtons) {
            said << title + u'|' + text;
            return int(AnswerOk);
        });
    }
    void TearDown() override
    {
        CloseWindows();
        SetMessageHook({});
        qunsetenv("XDG_DATA_HOME");
    }
    void CloseWindows()
    {
        for (WindowDescriptor& window : state.window.windows)
            if (IsWindowOpen(window.number))
                CloseWindow(window);
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
    const char* leftovers[] = {"Acier.tub.aBcDeF", "PVC.EVA.Xy12Zt", "Config.cfg.QwErTy", "Reseau.cfg.aBcDeF",
                               "Reseau-sans-titre.csv.recup.Xy12Zt"};
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

TEST_F(Startup, SettingsThatCannotBeWrittenAtTheEndAreSaidWithThePathAndTheReason)
{
    state.folders.data = scratch.path() + QStringLiteral("/Vorquil 3/");
    ASSERT_TRUE(QDir(data).mkdir(QStringLiteral("Config.cfg")));
    testing::internal::CaptureStderr();
    EndProgram(state);
    const std::string written = testing::internal::GetCapturedStderr();
    const QString path = SettingsPath(state.folders.data);
    EXPECT_NE(written.find(path.toStdString()), std::string::npos) << written;
    EXPECT_EQ(said,
              QStringList(QStringLiteral("Vorquil III|Les paramètres n'ont pas pu être enregistrés dans le "
                                         "fichier :\r\n%1\r\n(un dossier porte ce nom).")
                              .arg(path)));
}

// A first start on a full disk installs nothing, and its close creates "Data"
// (or fails to): the libraries still arrive at the next start with room.
TEST_F(Startup, LibrariesMissingFromTheDataFolderArriveAtTheNextStart)
{
    if (!UnderFullDiskShim())
        return RunAgainUnderFullDiskShim();
    const QString dataFolder = scratch.path() + QStringLiteral("/Vorquil 3/");
    ASSERT_TRUE(QDir(dataFolder).removeRecursively());
    SetFullDisk(scratch.path(), 0);
    ASSERT_EQ(StartProgram(state), StartResult::Running);
    EXPECT_TRUE(state.domain.waterLibraries.empty());
    CloseWindows();
    EndProgram(state);
    ClearFullDisk();
    const QString full = QStringLiteral("(le disque est plein).");
    EXPECT_EQ(said,
              QStringList({QStringLiteral("Vorquil III|Les bibliothèques de tubes livrées avec le programme "
                                          "n'ont pas pu être copiées dans le dossier :\r\n%1Data\r\n")
                                   .arg(dataFolder)
                               + full,
                           QStringLiteral("Vorquil III|Les paramètres n'ont pas pu être enregistrés dans le "
                                          "fichier :\r\n%1\r\n")
                                   .arg(SettingsPath(dataFolder))
                               + full}));
    ASSERT_TRUE(WriteBytes(SettingsPath(dataFolder), "[Init]\r\nMatTube = PER\r\n"));  // as a roomy close leaves it

    said.clear();
    state = ProgramState{};
    ASSERT_EQ(StartProgram(state), StartResult::Running);
    EXPECT_EQ(said, QStringList());
    const QStringList delivered = QDir(DeliveredLibraryFolder()).entryList({"*.tub", "*.eva"}, QDir::Files);
    EXPECT_EQ(state.domain.waterLibraries.size() + state.domain.drainageLibraries.size(), size_t(delivered.size()));
    EXPECT_EQ(ReadBytes(SettingsPath(dataFolder)), QByteArray("[Init]\r\nMatTube = PER\r\n"));
}

}  // namespace
