#pragma once

#include <QByteArray>
#include <QString>

// Where and how the update check logs in: read from the enciphered access file
// "Vorquil.dat" of the working folder, kept only for the length of one check.
struct UpdateAccess {
    QString host;  // FTP server, "name" or "name:port"
    QString user;
    QString password;
    QString directory;  // folder on the server that holds "Update.info"
};

// The built-in AES-256-CBC key (32 bytes) and initialisation vector (16 bytes)
// of the access file; scripts/make-access-file.sh carries the same two.
extern const unsigned char AccessFileKey[32];
extern const unsigned char AccessFileIv[16];

// The deciphered text of an access file: whole 16-byte blocks only (a shorter
// final block cannot be deciphered on its own and is dropped), a valid PKCS#7
// padding removed, and the text cut at its first zero byte (zero padding).
QByteArray DecipherAccessFile(const QByteArray& enciphered);

// Fields separated by ";" in the order host, user, password, directory; 8-bit
// text read as Latin-1 so that every byte comes back unchanged; missing fields
// are empty.
UpdateAccess ParseUpdateAccess(const QByteArray& text);

// Reads workFolder + "Vorquil.dat" into access. False only when the file cannot
// be opened.
bool ReadUpdateAccess(const QString& workFolder, UpdateAccess& access);

void ClearUpdateAccess(UpdateAccess& access);
