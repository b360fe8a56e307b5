#include "app/command_line.h"

#include <cstring>

#include "base/identity.h"

CommandLineAction ReadCommandLine(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return CommandLineAction::PrintVersion;
        if (std::strcmp(argv[i], "--help") == 0)
            return CommandLineAction::PrintHelp;
    }
    return CommandLineAction::Run;
}

QString CommandLineText(CommandLineAction action)
{
    switch (action) {
    case CommandLineAction::PrintVersion:
        return ProgramTitle + u' ' + ProgramVersion + u'\n';
    case CommandLineAction::PrintHelp:
        return QStringLiteral("Usage : vorquil [options Qt]\n"
                              "Calculatrice d'aide à la sélection de diamètres de tuyauteries\n"
                              "en hydraulique et aéraulique.\n"
                              "\n"
                              "  --help      affiche cette aide et quitte\n"
                              "  --version   affiche la version et quitte\n"
                              "\n"
                              "Les autres arguments vont à Qt (par exemple -platform xcb, -display :0).\n");
    case CommandLineAction::Run:
        break;
    }
    return {};
}

QString NoDisplayText()
{
    return QStringLiteral("Vorquil III : aucun affichage n'est accessible, la fenêtre ne peut pas s'ouvrir.\n"
                          "Pour dimensionner sans fenêtre, utilisez vorquil-calc (vorquil-calc --help).\n");
}
