#pragma once

#include <QString>

// Why a file could not be written, in French, from the system's error number
// (errno), for the messages that name the file.
QString FileErrorText(int errorNumber);
