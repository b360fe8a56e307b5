#include "engines/limit_scales.h"

#include "base/number_text.h"
#include "engines/air_sizing.h"
#include "engines/water_sizing.h"

namespace {

constexpr AirLimitScale PressureDropScale = {100, 3, 8, "PdC Maxi."};  // 0.10 to 10.00 Pa/m
constexpr AirLimitScale VelocityScale = {200, 4, 40, "Vit. Maxi."};    // 0.10 to 20.00 m/s

constexpr WaterLimitScale WaterPressureDropScale = {1, 0, 18, "mmCE/m", "PdC Maxi."};  // 1 to 100 mmCE/m
constexpr WaterLimitScale WaterVelocityScale = {10, 2, 12, "m/s", "Vit. Maxi."};       // 0.10 to 10.00 m/s

}  // namespace

const WaterLimitScale& WaterLimitScaleFor(int mode)
{
    return mode == ModeMaxVelocity ? WaterVelocityScale : WaterPressureDropScale;
}

float WaterLimit(int mode, int position)
{
    return static_cast<float>(position) / static_cast<float>(WaterLimitScaleFor(mode).divisor);
}

QString WaterLimitText(int mode, int position)
{
    return DecimalText(WaterLimit(mode, position), WaterLimitScaleFor(mode).decimals);
}

std::vector<int> ActiveSizeIndex(const PipeLibrary& library)
{
    std::vector<int> index;
    for (size_t i = 0; i < library.sizes.size(); ++i)
        if (library.sizes[i].active)
            index.push_back(static_cast<int>(i));
    return index;
}

const AirLimitScale& AirLimitScaleFor(int mode)
{
    return mode == AirModeMaxVelocity ? VelocityScale : PressureDropScale;
}

float AirLimitValue(int position)
{
    return static_cast<float>(position) / 10.0f;
}

QString AirLimitText(int position)
{
    return DecimalText(AirLimitValue(position), 2);
}
