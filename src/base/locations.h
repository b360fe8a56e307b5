#pragma once

#include <QString>

// Where the program's own files are on this computer.
struct Folders {
    QString work;  // working directory at start-up: Vorquil.dat, History.txt
    QString data;  // per-user data folder: Data/Config.cfg, the libraries
};

// The folder with "/" at its end.
QString WithSlash(const QString& folder);

// The per-user data folder, shared by the window and vorquil-calc:
// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share, followed by
// "Vorquil 3/".
QString DataFolder();

// The pages the program links to.
struct WebAddresses {
    QString site, download, helpWater, helpAir, helpDrainage, helpOptions, helpEditor, helpNetwork, contact;
    QString helpFolder;  // the help pages and History.txt installed with the program, ending with "/"
};
