#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/update_check.h"

namespace {

TEST(UpdateDownloadWait, FinishedWithinTheListedSize)
{
    struct Case {
        FtpTransfer state;
        int64_t bytes;
        int64_t listedSize;
        bool accepted;
    };
    const Case cases[] = {
        {FtpTransfer::Finished, 33, 33, true},
        {FtpTransfer::Finished, 0, 0, true},
        {FtpTransfer::Finished, 10, 33, true},
        {FtpTransfer::Finished, 34, 33, false},  // more than the listing said
        {FtpTransfer::Started, 34, 33, false},
        {FtpTransfer::Failed, 0, 33, false},
        {FtpTransfer::Failed, 33, 33, false},
        {FtpTransfer::Finished, 0, -1, false},  // no size listed: nothing is trusted
    };
    for (const Case& c : cases) {
        FtpDownload download;
        download.state = c.state;
        download.bytes = c.bytes;
        EXPECT_EQ(WaitForDownload(download, c.listedSize), c.accepted)
            << int(c.state) << " " << c.bytes << " " << c.listedSize;
    }
}

// A transfer still running is polled until it ends, and a byte count that
// passes the listed size on the way abandons it.
TEST(UpdateDownloadWait, PollsARunningTransfer)
{
    struct Case {
        int64_t finalBytes;
        bool accepted;
    };
    for (const Case c : {Case{33, true}, Case{500, false}}) {
        FtpDownload download;
        std::thread transfer([&download, c] {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            download.bytes = 10;
            download.state = FtpTransfer::Started;
            std::this_thread::sleep_for(std::chrono::milliseconds(120));
            download.bytes = c.finalBytes;
            std::this_thread::sleep_for(std::chrono::milliseconds(120));
            download.state = FtpTransfer::Finished;
        });
        EXPECT_EQ(WaitForDownload(download, 33), c.accepted) << c.finalBytes;
        transfer.join();
    }
}

}  // namespace
