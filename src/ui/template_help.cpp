#include "ui/template_help.h"

#include <algorithm>

#include "platform/controls.h"
#include "platform/graphics.h"
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
        "\n%r = Part de la capacité utilisée (Evacuations)",
        "\nEvacuations : case de copie de l'onglet, chaîne « %d-%n.%c » (ex.: 2.45l/s-PVC.Ø100).",
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
    constexpr int Margin = 5;  // [px] around the text
    const QString text = TemplateHelpText();
    // In a larger system font the text needs more lines: the window grows to show them all.
    const int textWidth = help.width - 2 * Margin;                                                    // [px]
    const int textHeight = std::max(help.height - 2 * Margin, LabelTextHeight(-1, text, textWidth));  // [px]
    if (!OpenWindow(help, help.width, textHeight + 2 * Margin) || wasOpen)
        return;
    CreateControl(HelpWindow, HelpTextLabel, ControlKind::Label, text, {Margin, Margin, textWidth, textHeight});
}
