#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <gtest/gtest.h>

#include "platform/application.h"

// The icon resources must survive the static linking, and the desktop file
// name must be that of the delivered desktop entry.
TEST(ApplicationIconTest, EveryIconSizeAndTheDesktopEntryName)
{
    SetProgramIcon();
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(VQ_SOURCE_DIR "/dist/") + QGuiApplication::desktopFileName()
                                  + QStringLiteral(".desktop")));
}
