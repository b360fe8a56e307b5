#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include "platform/system.h"
#include "platform_fixture.h"
#include "support/scoped_env.h"

TEST(SystemTest, ClipboardRoundTripsUnicodeText)
{
    const QString text = QStringLiteral("Ø 20x22 - 1.25 m/s - é\r\nsuite");
    SetClipboardText(text);
    EXPECT_EQ(GetClipboardText(), text);
    SetClipboardText(QStringLiteral("DN15"));
    EXPECT_EQ(GetClipboardText(), QStringLiteral("DN15"));
}

TEST(SystemTest, FoldersEndWithASlash)
{
    EXPECT_EQ(CurrentFolder(), QDir::currentPath() + u'/');
    EXPECT_EQ(ProfileFolder(), QDir::homePath() + u'/');
    for (const QString& folder : {CurrentFolder(), ProfileFolder(), TempFolder()}) {
        EXPECT_TRUE(folder.endsWith(u'/')) << folder.toStdString();
        EXPECT_FALSE(folder.endsWith(QStringLiteral("//"))) << folder.toStdString();
    }
}

TEST(SystemTest, TempFolderIsInItsLongForm)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString real = scratch.filePath(QStringLiteral("real"));
    const QString link = scratch.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QDir().mkpath(real));
    ASSERT_TRUE(QFile::link(real, link));
    const QByteArray value = link.toLocal8Bit();
    ScopedEnv tmp("TMPDIR", &value);
    EXPECT_EQ(TempFolder(), QFileInfo(real).canonicalFilePath() + u'/');
}

TEST(SystemTest, SystemFacts)
{
    EXPECT_EQ(MonitorCount(), std::max<int>(1, int(QGuiApplication::screens().size())));
    const int64_t now = QDateTime::currentSecsSinceEpoch();
    EXPECT_GE(NowSeconds(), now);
    EXPECT_LE(NowSeconds(), now + 5);
    // Nothing to hand over: refused without starting any program.
    EXPECT_FALSE(OpenUrl(QString()));
    EXPECT_FALSE(OpenDocument(QString()));
}
