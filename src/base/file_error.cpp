#include "base/file_error.h"

#include <cerrno>

QString FileErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("le quota de disque est dépassé");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès est refusé");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENOENT:
        return QStringLiteral("le dossier n'existe pas");
    case ENOTDIR:
    case EEXIST:
        return QStringLiteral("un fichier porte le nom d'un dossier du chemin");
    case EISDIR:
        return QStringLiteral("un dossier porte ce nom");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie sur le disque");
    case 0:
        return QStringLiteral("cause inconnue");
    default:
        return QStringLiteral("erreur système n° %1").arg(errorNumber);
    }
}
