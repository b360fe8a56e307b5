#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

// A small FTP client for the update check: one control connection, logged in
// once and reused by every request, passive data connections, and only the
// host it was given. Every request ends by the session's deadline so that a
// dead or stalling server cannot hold the program for long. The network
// library is known to ftp_client.cpp alone.
struct FtpSession {
    void* curl = nullptr;  // the network library's handle
    QByteArray serverUrl;  // "ftp://host/"
    QByteArray folderUrl;  // serverUrl and the current directory, ending with "/"
    std::chrono::steady_clock::time_point deadline;
};

// One entry of a directory listing.
struct FtpEntry {
    QString name;
    bool isFile = false;  // false for folders, links and anything else
    int64_t size = -1;    // [bytes]; -1 when the listing does not give it
};

enum class FtpTransfer {
    Requested,  // asked for, nothing received yet
    Started,    // the server is sending the file
    Finished,   // the whole file has arrived
    Failed,
};

// One download into memory, running on a thread of its own. While it runs,
// only that thread touches the session and data; other threads read state and
// bytes, and read data once the thread has ended.
struct FtpDownload {
    std::atomic<FtpTransfer> state{FtpTransfer::Requested};
    std::atomic<int64_t> bytes{0};  // received so far [bytes]
    std::atomic<bool> abandon{false};
    int64_t limit = 0;  // a file longer than this fails the transfer [bytes]
    QByteArray data;
    std::thread thread;
};

// Starts the network library, once per process. False when it cannot start.
bool FtpStartNetwork();

// Connects to host ("name", or "name:port" instead of port 21) and logs in.
// Every later request of the session must end within timeLimitMs from now.
bool FtpLogIn(FtpSession& session, const QString& host, const QString& user, const QString& password, int timeLimitMs);

// Changes to a directory (as the server names it, relative to the log-in
// directory or absolute); an empty name stays in the log-in directory.
bool FtpChangeDirectory(FtpSession& session, const QString& directory);

// One line of a directory listing, in the Unix "ls -l" or the DOS layout,
// without its line feed. False for a line that is no entry (a total, a blank).
bool FtpListingEntry(const QByteArray& line, FtpEntry& entry);

// Lists the current directory up to its first file named exactly `name` and
// ends the listing there. False when the listing ends, fails or grows past
// its limits without one.
bool FtpFindFile(FtpSession& session, const QString& name, FtpEntry& found);

// Starts downloading the file `name` of the current directory, byte for byte,
// into download.data; a file longer than limit bytes fails the transfer.
bool FtpStartDownload(FtpSession& session, const QString& name, int64_t limit, FtpDownload& download);

// Stops the download if it still runs and waits for its thread.
void FtpEndDownload(FtpDownload& download);

void FtpClose(FtpSession& session);
