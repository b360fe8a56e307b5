#include "engines/limit_scales.h"

#include "base/number_text.h"
#include "engines/air_sizing.h"
#include "engines/water_engine.h"

namespace {

constexpr AirLimitScale PressureDropScale = {100, 3, 8, "PdC Maxi."};  // 0.10 to 10.00 Pa/m
constexpr AirLimitScale VelocityScale = {200, 4, 40, "Vit. Maxi."};    // 0.10 to 20.00 m/s

}  // namespace

int WaterLimitDefaultPosition(int mode)
{
    return mode == ModeMaxVelocity ? 12 : 18;
}

QString WaterLimitText(int mode, int position)
{
    if (mode == ModeMaxVelocity)
        return DecimalText(static_cast<float>(position) / 10.0f, 2);  // [m/s]
    return QString::number(position);                                 // [mmCE/m]
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
