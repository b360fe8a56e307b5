#pragma once

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/graphics.h"
#include "platform/platform_state.h"
#include "platform/system.h"
#include "platform/windows.h"
#include "support/test_libraries.h"
#include "tabs/apply_settings.h"
#include "tabs/program_state.h"
#include "tabs/water_sizing.h"
#include "ui/air_controls.h"
#include "ui/drainage_controls.h"
#include "ui/images.h"
#include "ui/main_controls.h"
#include "ui/main_window.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"
#include "ui/window_descriptors.h"

// The real main window, with the stored defaults of a configuration file, and
// the user's actions delivered through the program's own event routing.
class WaterTabTest : public testing::Test {
protected:
    ProgramState state;

    void SetUp() override
    {
        Settings& s = state.domain.settings;
        s.MatTube = "Cuivre";
        s.EauCalcMode = 0;
        s.TetaAller = "90";
        s.TetaRetour = "70";
        s.AntigelP100 = "30";
        s.SurpP100 = "20";
        s.AlwaysOnTop = 1;
        s.SavePos = 1;
        s.SaveConfig = 1;
        s.AntigelOnOff = 1;
        s.UpdateAuto = 1;
        s.TxtCopyEauOnOff = 1;
        s.TxtCopyAirOnOff = 1;
        s.TextToCopyEau = "%d-%n.%c";
        s.TextToCopyAir = "%d-%c";
        s.AffMode = 0;
        state.domain.waterLibraries = {Copper(), InoxLike()};
        SetClipboardText(QString());
    }

    void TearDown() override
    {
        for (WindowDescriptor& w : state.window.windows)
            if (w.number >= 0 && IsWindowOpen(w.number))
                CloseWindow(w);
        ClearWindowEvents();
    }

    // Builds the window in the stored layout and applies the settings, as start-up does.
    void Start()
    {
        FillWindowDescriptors(state.window.windows);
        DrawFillImages();
        ASSERT_TRUE(DecodeCarriedImages());
        CreateMainFonts(state.window);
        ASSERT_TRUE(BuildMainWindow(state.window, state.domain.settings.AffMode));
        ApplySettings(state);
        WaterSizing(state);
        ClearWindowEvents();
    }

    // A second library whose first sizes are inactive.
    static PipeLibrary InoxLike()
    {
        PipeLibrary lib = WithSizes({Row("8", 6.0f, false), Row("10", 8.0f, false), Row("12", 10.0f), Row("15", 13.0f),
                                     Row("18", 16.0f), Row("22", 19.6f, false)});
        lib.name = "Inox";
        lib.abbreviation = "Inox";
        lib.symbol = "DN";
        return lib;
    }

    void User(int control, int subtype = SubtypeChange)
    {
        HandleEvent(state, Event{EventKind::Control, MainWindow, control, subtype, -1});
    }
    void Type(int control, const QString& text)
    {
        SetText(control, text);
        User(control);
    }
    void Pick(int control, int index)
    {
        SetState(control, index);
        User(control);
    }
    void Focus(int control) { User(control, SubtypeFocusGained); }

    // Hands every event the window system queued to the program.
    void DeliverQueuedEvents()
    {
        QApplication::processEvents();
        Event e;
        while (PollWindowEvent(e))
            HandleEvent(state, e);
    }

    static int Background(int control)
    {
        const PlatformControl* c = FindPlatformControl(control);
        return c ? c->background : -2;
    }

    // Which of the dot images the temperature dot shows; -1 none of them.
    static int DotShown()
    {
        auto* label = qobject_cast<QLabel*>(ControlWidget(TemperatureDot));
        if (!label)
            return -1;
        const QImage shown = label->pixmap().toImage();
        for (int image : {ImageDotBlue, ImageDotMagenta, ImageDotRed})
            if (QPixmap::fromImage(GetImage(image)).toImage() == shown)
                return image;
        return -1;
    }

    static QStringList Results()
    {
        return {GetText(SizeField), GetText(TheoreticalField), GetText(VelocityField), GetText(PressureDropField)};
    }
};
