#pragma once

struct WebAddresses;

void SetWebAddresses(WebAddresses& web);
// F1 on the main window: the help page of the current tab (water, air, options
// for the drainage tab); nothing on the options tab.
void OpenTabHelp(const WebAddresses& web, int currentTab);
