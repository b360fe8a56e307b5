#pragma once

struct WebAddresses;

void SetWebAddresses(WebAddresses& web);
// F1 on the main window: the help page of the current tab (water, air,
// drainage, options).
void OpenTabHelp(const WebAddresses& web, int currentTab);
