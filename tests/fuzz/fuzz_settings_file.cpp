// The settings loader: any Config.cfg loads, the texts keep their capacities,
// and the settings saved at the end load back unchanged at the next start.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "engines/settings_file.h"
#include "fuzz_support.h"

namespace {

constexpr int MonitorCount = 1;

bool SameDecimal(float a, float b)  // six decimals are written
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    if (std::isinf(a) || std::isinf(b))
        return a == b;
    return std::fabs(a - b) <= 1e-6f + std::fabs(a) * 2e-7f;
}

// Texts are cut when stored and trimmed when read: a cut that ends on a blank
// loses that blank at the next start.
bool SameText(const QString& a, const QString& b)
{
    return WithoutTrailingBlanks(a) == WithoutTrailingBlanks(b);
}

void CheckSame(const Settings& a, const Settings& b)
{
    const int8_t desktops = a.SaveConfig == 1 ? MonitorCount : a.NbrOfDesktop;
    FuzzCheck(b.NbrOfDesktop == desktops, "NbrOfDesktop");
    FuzzCheck(a.xPosMain == b.xPosMain && a.yPosMain == b.yPosMain, "main window position");
    FuzzCheck(a.xPosEdit == b.xPosEdit && a.yPosEdit == b.yPosEdit, "editor position");
    const QString Settings::*texts[] = {&Settings::MatTube,     &Settings::TetaAller,     &Settings::TetaRetour,
                                        &Settings::AntigelP100, &Settings::SurpP100,      &Settings::EvacType,
                                        &Settings::MatGaine,    &Settings::TextToCopyEau, &Settings::TextToCopyAir};
    for (auto text : texts)
        FuzzCheck(SameText(a.*text, b.*text), "text setting", a.*text);
    const int8_t Settings::*bytes[] = {&Settings::EauCalcMode,  &Settings::CircRect,        &Settings::AirCalcMode,
                                       &Settings::FillType,     &Settings::Pente,           &Settings::ConformDTU,
                                       &Settings::AlwaysOnTop,  &Settings::SavePos,         &Settings::SaveConfig,
                                       &Settings::AntigelOnOff, &Settings::TxtCopyEauOnOff, &Settings::TxtCopyAirOnOff,
                                       &Settings::AffMode,      &Settings::Update,          &Settings::UpdateAuto};
    for (auto byte : bytes)
        FuzzCheck(a.*byte == b.*byte, "byte setting");
    FuzzCheck(a.LastUpdate == b.LastUpdate, "LastUpdate");
    FuzzCheck(SameDecimal(a.RugoGaine, b.RugoGaine), "RugoGaine");
    FuzzCheck(SameDecimal(a.AutreRugo, b.AutreRugo), "AutreRugo");
}

bool Load(const QString& path, Settings& settings)
{
    PipeLibraryList water, drainage;
    return LoadSettings(path, water, drainage, settings, MonitorCount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QString dataFolder = folder.path() + u'/';
    const QString path = SettingsPath(dataFolder);
    QDir().mkpath(dataFolder + QStringLiteral("Data"));
    QFile file(path);
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "test file");
    file.write(reinterpret_cast<const char*>(data), qsizetype(size));
    file.close();

    Settings loaded;
    FuzzCheck(Load(path, loaded), "a readable file loads");
    FuzzCheck(loaded.TetaAller.size() <= 3 && loaded.TetaRetour.size() <= 3 && loaded.AntigelP100.size() <= 2
                  && loaded.SurpP100.size() <= 2 && loaded.MatGaine.size() <= 16 && loaded.MatTube.size() <= 128
                  && loaded.EvacType.size() <= 128 && loaded.TextToCopyEau.size() <= 128
                  && loaded.TextToCopyAir.size() <= 128,
              "texts within their capacities");

    FuzzCheck(SaveSettings(loaded, MonitorCount, dataFolder), "settings saved");
    Settings reloaded;
    FuzzCheck(Load(path, reloaded), "saved file loads");
    CheckSame(loaded, reloaded);
    return 0;
}
