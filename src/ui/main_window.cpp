#include "ui/main_window.h"

#include "platform/controls.h"
#include "platform/graphics.h"
#include "platform/windows.h"
#include "ui/accessible_names.h"
#include "ui/drainage_controls.h"
#include "ui/main_controls.h"
#include "ui/roughness_label.h"
#include "ui/water_controls.h"
#include "ui/window_descriptors.h"
#include "ui/window_state.h"

namespace {

int FontNumber(const MainFonts& fonts, int font)
{
    switch (font) {
    case FontF0:
        return fonts.f0;
    case FontF1:
        return fonts.f1;
    case FontF2:
        return fonts.f2;
    case FontF3:
        return fonts.f3;
    default:
        return -1;
    }
}

void SetDrainageColumns(int layout, bool create)
{
    const bool horizontal = LayoutFromAffMode(layout) == LayoutHorizontal;
    for (int column = 0; column < 5; ++column) {
        const ListColumn& c = DrainageColumns[column];
        const QString title = QString::fromUtf8(horizontal ? c.horizontalTitle : c.verticalTitle);
        const int width = horizontal ? c.horizontalWidth : c.verticalWidth;
        if (create)
            AddColumn(CapacityList, title, width);
        else
            SetColumn(CapacityList, column, title, width);
    }
}

QString TabCaptionText(int tab, int layout)
{
    const TabCaption& caption = MainTabCaptions[tab];
    return QString::fromUtf8(LayoutFromAffMode(layout) == LayoutHorizontal ? caption.horizontal : caption.vertical);
}

bool CreateMainControl(const MainControl& c, int layout)
{
    const bool horizontal = LayoutFromAffMode(layout) == LayoutHorizontal;
    const unsigned style = c.style | (horizontal ? c.alignHorizontal : c.alignVertical);
    const QString text = c.number == DrainageRoughnessLabel ? InitialRoughnessText(layout) : ControlText(c, layout);
    if (!CreateControl(MainWindow, c.number, c.kind, text, ControlPlacement(c, layout), style, c.tab))
        return false;
    if (c.tooltip[0] != '\0')
        SetTooltip(c.number, QString::fromUtf8(c.tooltip));
    if (c.maxLength > 0)
        SetMaxLength(c.number, c.maxLength);
    if (c.image >= 0)
        SetImage(c.number, c.image);
    if (c.kind == ControlKind::TrackBar) {
        SetTrackBar(c.number, c.rangeMin, c.rangeMax);
        SetTickFrequency(c.number, 1);
    }
    return true;
}

}  // namespace

void CreateMainFonts(WindowState& windows)
{
    const QString face = QStringLiteral("Calibri");
    windows.fonts.f0 = CreateFont(face, 8, FontRegular);
    windows.fonts.f1 = CreateFont(face, 8, FontItalic);
    windows.fonts.f2 = CreateFont(face, 9, FontRegular);
    windows.fonts.f3 = CreateFont(face, 25, FontBold | FontItalic);
}

// Creates the controls of one tab, in their fonts: a label's text is fitted
// around the controls over it, so the fonts come once the page is complete.
static bool BuildMainTab(const WindowState& windows, int layout, int tab)
{
    for (size_t i = 0; i < MainControlCount; ++i)
        if (MainControls[i].tab == tab && !CreateMainControl(MainControls[i], layout))
            return false;
    if (tab == TabWater)
        SetTickFrequency(LimitBar, WaterLimitTickFrequency(layout, GetState(WaterModeList)));
    if (tab == TabDrainage)
        SetDrainageColumns(layout, true);
    for (size_t i = 0; i < MainControlCount; ++i)
        if (MainControls[i].tab == tab)
            SetFont(MainControls[i].number, FontNumber(windows.fonts, MainControls[i].font));
    return true;
}

bool OpenMainWindow(WindowState& windows, int layout, std::initializer_list<int> tabs)
{
    WindowDescriptor& window = windows.windows[MainWindow];
    if (!OpenWindow(window, MainClientWidth(window, layout), MainClientHeight(window, layout), false))
        return false;
    // The captions are measured in their own font, never in the system's.
    if (!BuildMainTab(windows, layout, TabPanelItself))
        return false;
    for (int tab : {TabWater, TabAir, TabDrainage, TabOptions})
        AddTab(MainTabPanel, TabCaptionText(tab, layout));
    AddShortcut(MainWindow, QStringLiteral("F1"), MenuHelp);
    AddShortcut(MainWindow, QStringLiteral("Shift+F12"), MenuInternalData);
    AddShortcut(MainWindow, QStringLiteral("Ctrl+R"), MenuNetwork);
    return BuildMainTabs(windows, layout, tabs);
}

bool BuildMainTabs(WindowState& windows, int layout, std::initializer_list<int> tabs)
{
    for (int tab : tabs)
        if (!BuildMainTab(windows, layout, tab))
            return false;
    return true;
}

bool BuildMainWindow(WindowState& windows, int layout, bool shown)
{
    if (!OpenMainWindow(windows, layout, {TabWater, TabAir, TabDrainage, TabOptions}))
        return false;
    ApplyAccessibleNames();
    if (shown)
        ShowWindow(MainWindow);
    return true;
}

void SwitchLayout(WindowState& windows, int layout)
{
    SetText(DrainageRoughnessLabel, RoughnessText(RoughnessShown(GetText(DrainageRoughnessLabel)), layout));

    const WindowDescriptor& window = windows.windows[MainWindow];
    SetWindowClientSize(MainWindow, MainClientWidth(window, layout), MainClientHeight(window, layout));
    // The other layout is wider or taller: near an edge it would reach past it.
    KeepWindowOnScreen(MainWindow);

    for (size_t i = 0; i < MainControlCount; ++i)
        MoveControl(MainControls[i].number, SwitchedPlacement(MainControls[i], layout));

    SetTabCaption(MainTabPanel, TabDrainage, TabCaptionText(TabDrainage, layout));
    SetDrainageColumns(layout, false);
    SetTickFrequency(LimitBar, WaterLimitTickFrequency(layout, GetState(WaterModeList)));
}

int WaterLimitTickFrequency(int layout, int waterMode)
{
    if (LayoutFromAffMode(layout) == LayoutVertical && (waterMode == 0 || waterMode == 2))
        return 2;
    return 1;
}
