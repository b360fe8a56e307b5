#pragma once

#include <QString>

// Where the program's own files are on this computer.
struct Folders {
    QString work;  // working directory at start-up: Vorquil.dat, History.txt
    QString data;  // per-user data folder: Data/Config.cfg, the libraries, Fonts/
};

// The pages the program links to.
struct WebAddresses {
    QString site, download, helpWater, helpAir, helpDrainage, helpOptions, helpEditor, contact;
    QString helpFolder;  // the help pages and History.txt installed with the program, ending with "/"
};
