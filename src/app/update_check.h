#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "app/ftp_client.h"
#include "app/update_access.h"
#include "base/locations.h"
#include "engines/settings.h"

// A version text as a number: spaces around it removed, every "." removed,
// then the digits up to the first other character (0 when it does not start
// with a digit). "3.1.09" gives 3109, "3.1.10" 3110, "3.2" only 32.
int64_t VersionNumber(const QString& version);

// 1 when the text of "Update.info" publishes a version greater than
// ProgramVersion: the rest (from the tenth character) of its first line whose
// first nine characters are exactly "Version =". 0 otherwise, also without
// such a line.
int NewerVersionPublished(const QByteArray& updateInfo);

// True when the automatic check is on and more than a day (86400 s) has passed
// since the last check.
bool IsUpdateDue(const Settings& settings, int64_t now);

// Waits for a started download: true once it has finished without receiving
// more than listedSize bytes; false when it fails, receives more, or has not
// started within 15 s.
bool WaitForDownload(const FtpDownload& download, int64_t listedSize);

// The whole check at the end of a run, log-in to last poll, ends within this
// time [ms]: a server that stalls cannot keep the program from closing.
constexpr int UpdateCheckTimeLimitMs = 12000;

// Logs in to the update server, downloads "Update.info" from its directory and
// compares the published version with ProgramVersion: 1 when it is greater,
// 0 otherwise, on every failure and when timeLimitMs have run out. Clears the
// access fields.
int CheckForUpdate(UpdateAccess& access, int timeLimitMs);

// The check at the end of a run, when it is due: Update and LastUpdate are set,
// except without an access file, which leaves both for the next run to retry.
void RunDueUpdateCheck(Settings& settings, const Folders& folders);
