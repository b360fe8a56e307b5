#include "tabs/copy_results.h"

#include "platform/controls.h"
#include "platform/system.h"
#include "ui/options_controls.h"

void CopyWaterResult(const WaterCopyTexts& texts)
{
    SetClipboardText(FillWaterTemplate(GetText(WaterTemplateField), texts));
}

void CopyAirResult(const AirCopyTexts& texts)
{
    SetClipboardText(FillAirTemplate(GetText(AirTemplateField), texts));
}

void CopyDrainageResult(const DrainageCopyTexts& texts)
{
    SetClipboardText(FillDrainageTemplate(QString::fromLatin1(DrainageTemplate), texts));
}
