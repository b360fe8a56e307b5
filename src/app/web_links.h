#pragma once

#include <QString>

struct Folders;
struct WebAddresses;

// The folder of the help pages, ending with "/": <executable folder>/../share/vorquil/help/
// for an installed program, else the source tree's help/ for a run from the build
// tree; empty when neither exists.
QString HelpFolderFor(const QString& executableFolder);

// The web addresses, and the help folder of the running program.
void SetWebAddresses(WebAddresses& web);

// Hand a web or "mailto:" address, or a local file, to the user's default
// program; when none takes it, a message box gives the address or the path.
void OpenAddress(const QString& address);
void OpenLocalFile(const QString& path);

// The page of that web address from the help folder, as a local file, when the
// folder holds it; else the web address.
void OpenHelpPage(const WebAddresses& web, const QString& webAddress);

// F1 on the main window: the help page of the current tab (water, air,
// drainage, options), from the help folder when it holds the page, else from
// the web site.
void OpenTabHelp(const WebAddresses& web, int currentTab);

// Link 429 "Historique des versions": the working folder's History.txt, else the
// one installed with the program, opened with the default application.
void OpenVersionHistory(const Folders& folders, const WebAddresses& web);
