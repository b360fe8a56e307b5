#pragma once

#include "base/locations.h"

// The folders of this run, from the platform.
Folders ResolveFolders();
