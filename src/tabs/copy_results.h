#pragma once

#include "engines/copy_templates.h"

// Fill the template that field 306 (water) or 308 (air) holds now and replace
// the clipboard's text with it.
void CopyWaterResult(const WaterCopyTexts& texts);
void CopyAirResult(const AirCopyTexts& texts);
// The drainage tab has no template field: its template is fixed.
void CopyDrainageResult(const DrainageCopyTexts& texts);
