#include "ui/internal_data_window.h"

#include "app/program_state.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "sizing/number_text.h"
#include "ui/main_controls.h"

namespace {

enum : int { DataLabel = 430 };

const QString LineEnd = QStringLiteral("\r\n");

} // namespace

QString ViscosityText(float viscosity)
{
    QString text = DecimalText(viscosity, 10);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString InternalDataText(const InternalDataRecord& data, int domain)
{
    QString text;
    if (domain == InternalDataAir)
        text = QString::fromUtf8("Données Internes (Air): ") + LineEnd + LineEnd
            + QString::fromUtf8("Pression Atmosphérique : ") + DecimalText(data.atmosphericPressure, 2) + LineEnd;
    else
        text = QString::fromUtf8("Données Internes (Eau): ") + LineEnd + LineEnd
            + QString::fromUtf8("Capacité Thermique : ") + DecimalText(data.heatFactor, 3) + LineEnd;
    text += QStringLiteral("Masse Volumique : ") + DecimalText(data.density, 3) + LineEnd;
    text += QString::fromUtf8("Viscosité Cin.: ") + ViscosityText(data.kinematicViscosity) + LineEnd;
    text += QStringLiteral("Nb de Reynolds : ") + DecimalText(data.reynolds, 2) + LineEnd;
    return text;
}

void OpenInternalData(ProgramState& state)
{
    WindowDescriptor& console = state.windows[ConsoleWindow];
    if (IsWindowOpen(ConsoleWindow) || !OpenWindow(console, console.width, console.height))
        return;
    CreateControl(ConsoleWindow, DataLabel, ControlKind::Label, QString(), {5, 5, 240, 140});
}

void ShowInternalData(const ProgramState& state, int domain)
{
    if (!IsWindowOpen(ConsoleWindow))
        return;
    SetText(DataLabel, InternalDataText(state.internalData, domain));
}

void ShowInternalDataForTab(const ProgramState& state, int tab)
{
    if (tab == TabWater)
        ShowInternalData(state, InternalDataWater);
    else if (tab == TabAir)
        ShowInternalData(state, InternalDataAir);
}

void OnInternalDataKey(ProgramState& state)
{
    if (IsWindowOpen(ConsoleWindow))
        return;
    OpenInternalData(state);
    ShowInternalDataForTab(state, GetState(ControlTabPanel));
}

void OnMainTabChange(ProgramState& state, const Event&)
{
    ShowInternalDataForTab(state, GetState(ControlTabPanel));
}
