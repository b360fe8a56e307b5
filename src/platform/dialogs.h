#pragma once

#include <QString>

#include "platform/platform_types.h"

enum MessageAnswer { AnswerNone = 0, AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

// Modal message box over the active window; returns the button pressed
// (AnswerNone when it was closed otherwise; Escape is « Annuler » when offered).
int ShowMessage(const QString& title, const QString& text, MessageButtons buttons);

// Save-file dialog. filter in the form "Fichiers Tubes|*.tub"; returns the chosen
// full path, empty when cancelled.
QString AskSaveFileName(const QString& title, const QString& filter, const QString& folder);

// Tests answer the dialogs in place of a user. An empty function restores the real ones.
void SetMessageHook(MessageHook hook);
void SetSaveFileHook(SaveFileHook hook);
