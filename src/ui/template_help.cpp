#include "ui/template_help.h"

#include "platform/controls.h"
#include "platform/windows.h"
#include "ui/help_controls.h"
#include "ui/window_state.h"

QString TemplateHelpText()
{
    const char* const parts[] = {
        "En vue d'une utilisation avec une application tierce, lorsqu'un calcul est effectué, il peut "
        "être automatiquement copié dans le presse-papier, si les options sont cochées.",
        "\nListe des variables pouvant être utilisées :",
        "\n%d = Débit",
        "\n%w = Puissance",
        "\n%c = Diamètre ou Section",
        "\n%p = Pertes de charge",
        "\n%v = Vitesse",
        "\n%n = Abréviation du matériau (ex.: PVCP ou Cu)",
    };
    QStringList lines;
    for (const char* part : parts)
        lines << QString::fromUtf8(part);
    return lines.join(QLatin1Char('\n'));
}

void ShowTemplateHelp(WindowState& windows)
{
    WindowDescriptor& help = windows.windows[HelpWindow];
    const bool wasOpen = IsWindowOpen(HelpWindow);
    if (!OpenWindow(help, help.width, help.height) || wasOpen)
        return;
    CreateControl(HelpWindow, HelpTextLabel, ControlKind::Label, TemplateHelpText(), {5, 5, 290, 200});
}
