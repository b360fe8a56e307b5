#pragma once

struct Settings;
struct WebAddresses;

// At start-up, when the previous run's check found a newer version: asks
// whether to download it (Yes opens the download page). Whatever the answer,
// the offer is not made again until a later check finds a newer version.
void MakeUpdateOffer(Settings& settings, const WebAddresses& web);
