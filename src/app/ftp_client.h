#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <curl/curl.h>
#include <thread>
#include <vector>

// A small FTP client for the update check: one control connection, logged in
// once and reused by every request, passive data connections, and only the
// host it was given. Every request ends by the session's deadline so that a
// dead or stalling server cannot hold the program for long.
struct FtpSession {
    CURL* curl = nullptr;
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
    Finished,   // the whole file is on disk and closed
    Failed,
};

// One download running on a thread of its own. While it runs, only that thread
// touches the session and the file; other threads read state and bytes.
struct FtpDownload {
    std::atomic<FtpTransfer> state{FtpTransfer::Requested};
    std::atomic<int64_t> bytes{0};  // received so far [bytes]
    std::atomic<bool> abandon{false};
    std::FILE* file = nullptr;
    std::thread thread;
};

// Starts the network library, once per process. False when it cannot start.
bool FtpStartNetwork();

// Connects to host ("name", or "name:port" instead of port 21) and logs in.
// Every later request of the session must end within timeLimitMs from now.
bool FtpLogIn(FtpSession& session, const QString& host, const QString& user,
              const QString& password, int timeLimitMs);

// Changes to a directory (as the server names it, relative to the log-in
// directory or absolute); an empty name stays in the log-in directory.
bool FtpChangeDirectory(FtpSession& session, const QString& directory);

// The entries of the current directory, in the server's order.
bool FtpListDirectory(FtpSession& session, std::vector<FtpEntry>& entries);

// Starts downloading the file `name` of the current directory, byte for byte,
// into localPath. False when the local file cannot be created.
bool FtpStartDownload(FtpSession& session, const QString& name, const QString& localPath,
                      FtpDownload& download);

// Stops the download if it still runs, waits for its thread and closes its file.
void FtpEndDownload(FtpDownload& download);

void FtpClose(FtpSession& session);
