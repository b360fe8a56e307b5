#pragma once

#include <QString>
#include <cstdint>

// The user's stored choices ("Init" group of Data/Config.cfg). Everything starts
// at zero or empty; LoadSettings fills it.
struct Settings {
    int8_t NbrOfDesktop = 0;
    int32_t xPosMain = 0, yPosMain = 0;
    int32_t xPosEdit = 0, yPosEdit = 0;
    QString MatTube;  // 128 characters
    int8_t EauCalcMode = 0;
    QString TetaAller;    // 3 characters
    QString TetaRetour;   // 3 characters
    QString AntigelP100;  // 2 characters
    QString SurpP100;     // 2 characters
    int8_t CircRect = 0;
    int8_t AirCalcMode = 0;
    int8_t FillType = 0;
    int8_t Pente = 0;
    QString EvacType;  // 128 characters
    int8_t ConformDTU = 0;
    QString MatGaine;        // 16 characters
    float RugoGaine = 0.0f;  // [mm]
    float AutreRugo = 0.0f;  // [mm]
    int8_t AlwaysOnTop = 0;
    int8_t SavePos = 0;
    int8_t SaveConfig = 0;
    int8_t AntigelOnOff = 0;
    int8_t TxtCopyEauOnOff = 0;
    int8_t TxtCopyAirOnOff = 0;
    QString TextToCopyEau;  // 128 characters
    QString TextToCopyAir;  // 128 characters
    int8_t AffMode = 0;     // 1 horizontal, anything else vertical
    int8_t Update = 0;
    int8_t UpdateAuto = 0;
    int32_t LastUpdate = 0;  // [s since 1970-01-01]
};
