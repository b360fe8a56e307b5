#pragma once

#include <QSlider>

#include "engines/duct_tables.h"
#include "tabs/air_sizing.h"
#include "water_tab_fixture.h"

// The real main window with the stored air defaults of a configuration file:
// circular, "PdC Maxi.", "Galva." 0.15 mm, "Autre" 0.001 mm; started as the
// program starts, the duct tables filled and the air sized after the water.
class AirTabTest : public WaterTabTest {
protected:
    void SetUp() override
    {
        WaterTabTest::SetUp();
        Settings& s = state.domain.settings;
        s.CircRect = 0;
        s.AirCalcMode = 0;
        s.MatGaine = "Galva.";
        s.RugoGaine = 0.15f;
        s.AutreRugo = 0.001f;
        FillDuctTables(state.domain.ductMaterials, state.domain.standardDuctDiameters);
    }

    void StartAir()
    {
        Start();
        SizeAirDuct(state);
        ClearWindowEvents();
    }

    static QSlider* AirLimitSlider() { return qobject_cast<QSlider*>(ControlWidget(AirLimitBar)); }

    // Theoretical diameter, standard diameter, velocity, pressure drop.
    static QStringList CircularResults()
    {
        return {GetText(TheoreticalDuctField), GetText(DuctDiameterField), GetText(AirVelocityField),
                GetText(AirPressureDropField)};
    }
    // Side B (input or result), result sides A and B, velocity, pressure drop.
    static QStringList RectangularResults()
    {
        return {GetText(SideBField), GetText(ResultSideAField), GetText(ResultSideBField), GetText(AirVelocityField),
                GetText(AirPressureDropField)};
    }

    static bool AllVisible(std::initializer_list<int> controls, bool visible)
    {
        for (int control : controls)
            if (IsVisible(control) != visible)
                return false;
        return true;
    }
};
