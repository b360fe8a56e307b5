#pragma once

#include <QString>

#include "base/identity.h"
#include "engines/library_files.h"
#include "platform/dialogs.h"

// Texts of the library editor's message boxes ("\r\n" breaks the line).

inline const QString SaveLibraryQuestion =
    QStringLiteral("Désirez-vous sauvegarder les modifications apportées\r\nà la bibliothèque : ");
inline const QString SaveNewLibraryQuestion =
    QStringLiteral("Désirez-vous sauvegarder les modifications apportées\r\nà la nouvelle bibliothèque ?");
inline const QString MissingFieldsMessage = QStringLiteral("Un ou plusieurs champs ne sont pas renseignés !");
inline const QString ReplaceFileQuestion = QStringLiteral("Le fichier éxiste déjà, voulez-vous le remplacer ?");
inline const QString IncompleteSizeMessage = QStringLiteral("Les données sont incomplètes...");
inline const QString InsideNotPositiveMessage =
    QStringLiteral("Le diamètre intérieur du tube ne peut être inférieur ou égal à 0.");
inline const QString DuplicateInsideMessage = QStringLiteral("Ce diamètre intérieur est déjà éxistant...");
inline const QString DuplicateSizeNameMessage =
    QStringLiteral("Cette dénomination existe déjà dans la bibliothèque, veuillez en choisir une autre...");
// Asked before a library without any size is written.
inline const QString SaveEmptyLibraryQuestion =
    QStringLiteral("La bibliothèque ne contient aucun diamètre.\r\nVoulez-vous tout de même l'enregistrer ?");
// A size named so would be read back as the library's own group.
inline const QString ReservedSizeNameMessage =
    QStringLiteral("La dénomination \"Global\" est réservée, veuillez en choisir une autre...");
// A name a file would give back changed: the subject, then why.
inline const QString SizeNameSubject = QStringLiteral("La dénomination");
inline const QString LibraryNameSubject = QStringLiteral("Le nom du tube");
inline QString RefusedNameMessage(const QString& subject, const NameCheck& check)
{
    const QString character = QString(check.character);
    switch (check.fault) {
    case NameFault::Start:
        return subject + QStringLiteral(" ne peut pas commencer par le caractère \"") + character
            + QStringLiteral("\"...");
    case NameFault::Control:
        return subject + QStringLiteral(" ne peut pas contenir le caractère de contrôle U+")
            + QString::number(check.character.unicode(), 16).toUpper().rightJustified(4, u'0') + QStringLiteral("...");
    default:
        return subject + QStringLiteral(" ne peut pas contenir le caractère \"") + character + QStringLiteral("\"...");
    }
}
// Followed by the file's path.
inline const QString CannotWriteLibraryMessage = QStringLiteral("Le fichier n'a pas pu être enregistré :\r\n");

// The editor's information boxes: titled like every box of the program, with OK.
inline void ShowEditorMessage(const QString& text)
{
    ShowMessage(ProgramTitle, text, MessageOk);
}
