#include "ui/about_window.h"

#include "base/identity.h"
#include "platform/controls.h"
#include "platform/graphics.h"
#include "platform/windows.h"
#include "ui/about_controls.h"
#include "ui/embedded_images.h"
#include "ui/images.h"
#include "ui/window_state.h"

namespace {

struct AboutControlRow {
    int number;
    ControlKind kind;
    const char* text;  // UTF-8; the version label's text is built
    ControlRect where;
    unsigned style;
    int MainFonts::*font;
};

// In creation order; the logo image 422 comes first, sized to its picture.
// clang-format off
const AboutControlRow AboutControls[] = {
    {AboutTitleLabel, ControlKind::Label, "Vorquil III", {80, 25, 250, 35}, StyleAlignLeft, &MainFonts::f3},
    {AboutVersionLabel, ControlKind::Label, "", {80, 60, 150, 20}, StyleAlignLeft, &MainFonts::f1},
    {HistoryLink, ControlKind::Hyperlink, "Historique des versions", {100, 80, 250, 20}, StyleAlignLeft, &MainFonts::f0},
    {AboutDescriptionLabel, ControlKind::Label,
     "Calculatrice d'aide à la sélection\nde diamètres de tuyauteries\nen hydraulique et aéraulique.",
     {35, 105, 250, 60}, StyleAlignCentre, &MainFonts::f2},
    {SiteLink, ControlKind::Hyperlink, "Site Internet", {120, 160, 250, 20}, StyleAlignLeft, &MainFonts::f2},
    {ContactLink, ControlKind::Hyperlink, "Contact", {135, 190, 250, 20}, StyleAlignLeft, &MainFonts::f2},
    {AboutCopyrightLabel, ControlKind::Label, "© 2008-2012 Vorquil Logiciels", {80, 220, 250, 20}, StyleAlignLeft, &MainFonts::f2},
};
// clang-format on

// The logo is decoded afresh for each opening.
bool DecodeLogo()
{
    const EmbeddedImage* logo = FindEmbeddedImage("logo");
    QImage picture;
    if (!logo || !DecodePng(logo->data, logo->size, picture))
        return false;
    RegisterImage(ImageLogo, picture);
    return true;
}

}  // namespace

QString AboutVersionText()
{
    return QStringLiteral("Version : 3.1.") + QStringLiteral("%1").arg(ProgramRelease, 2, 10, QLatin1Char('0'));
}

void OpenAbout(WindowState& windows)
{
    WindowDescriptor& about = windows.windows[AboutWindow];
    if (IsWindowOpen(AboutWindow)) {
        OpenWindow(about, about.width, about.height);  // to the front
        return;
    }
    if (!DecodeLogo() || !OpenWindow(about, about.width, about.height))
        return;
    CreateControl(AboutWindow, AboutLogoImage, ControlKind::Image, QString(), {10, 15, 0, 0});
    SetImage(AboutLogoImage, ImageLogo);
    for (const AboutControlRow& c : AboutControls) {
        const QString text = c.number == AboutVersionLabel ? AboutVersionText() : QString::fromUtf8(c.text);
        CreateControl(AboutWindow, c.number, c.kind, text, c.where, c.style);
        SetFont(c.number, windows.fonts.*c.font);
    }
}
