#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <dlfcn.h>
#include <gtest/gtest.h>

// Full-disk faults come from a preloaded shim (support/full_disk_shim.c), so a
// test that needs one runs itself again in a child process under it:
//
//   if (!UnderFullDiskShim())
//       return RunAgainUnderFullDiskShim();
//   SetFullDisk(folder, freeBytes);  ...

inline bool UnderFullDiskShim()
{
    return dlsym(RTLD_DEFAULT, "vq_full_disk_shim") != nullptr;
}

inline void RunAgainUnderFullDiskShim()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VQ_FULL_DISK_SHIM));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
}

// Files under the folder may use freeBytes more, then the disk is full.
inline void SetFullDisk(const QString& folder, qint64 freeBytes)
{
    // The shim compares it with the paths the system gives for open files.
    const QString real = QFileInfo(folder).canonicalFilePath();
    qputenv("VQ_FULL_DISK", (real + u':' + QString::number(freeBytes)).toLocal8Bit());
}

inline void ClearFullDisk()
{
    qunsetenv("VQ_FULL_DISK");
}
