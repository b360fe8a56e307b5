#include <gtest/gtest.h>

#include "engines/internal_data_text.h"
#include "physics/internal_data.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

TEST(InternalDataTextTest, ViscosityKeepsTenDecimalsWithoutTrailingZeros)
{
    const struct {
        float viscosity;  // nu [m2/s]
        const char* shown;
    } cases[] = {
        {0.0000015f, "0.0000015"},
        {3.863e-7f, "0.0000003863"},
        {1.2345678e-6f, "0.0000012346"},  // rounded at the tenth decimal
        {0.00001f, "0.00001"},
        {1.5e-11f, "0"},  // below the tenth decimal
        {0.0f, "0"},
        {2.0f, "2"},
        {12.5f, "12.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ViscosityText(c.viscosity), QString::fromLatin1(c.shown)) << c.shown;
}

TEST(InternalDataTextTest, WaterAndAirTextsLineByLine)
{
    InternalDataRecord data;
    data.density = 979.63f;                // [kg/m3]
    data.kinematicViscosity = 3.863e-7f;   // [m2/s]
    data.reynolds = 1234.567f;             // [-]
    data.atmosphericPressure = 101204.5f;  // [Pa]
    data.heatFactor = 0.8634f;             // [kg.K/Wh]
    const QString shared = QStringLiteral("Masse Volumique : 979.630") + CrLf
        + QString::fromUtf8("Viscosité Cin.: 0.0000003863") + CrLf + QStringLiteral("Nb de Reynolds : 1234.57") + CrLf;
    EXPECT_EQ(InternalDataText(data, InternalDataWater),
              QString::fromUtf8("Données Internes (Eau): ") + CrLf + CrLf
                  + QString::fromUtf8("Capacité Thermique : 0.863") + CrLf + shared);
    EXPECT_EQ(InternalDataText(data, InternalDataAir),
              QString::fromUtf8("Données Internes (Air): ") + CrLf + CrLf
                  + QString::fromUtf8("Pression Atmosphérique : 101204.50") + CrLf + shared);
}

}  // namespace
