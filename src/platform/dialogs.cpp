#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>

#include "platform/platform_state.h"
#include "platform/windows.h"

// A dialog opened while none of the program's windows is active (the question
// at start-up) is still kept above the main window, without being its Qt child,
// which a disabled main window would disable.
static void KeepAboveMainWindow(QDialog& dialog)
{
    const PlatformWindow* main = FindPlatformWindow(MainWindow);
    if (dialog.parentWidget() || !main)
        return;
    dialog.winId();
    main->frame->winId();
    dialog.windowHandle()->setTransientParent(main->frame->windowHandle());
}

int ShowMessage(const QString& title, const QString& text, MessageButtons buttons)
{
    if (Platform().messageHook)
        return Platform().messageHook(title, text, buttons);
    const QMessageBox::StandardButtons shown = buttons == MessageYesNo ? QMessageBox::Yes | QMessageBox::No
        : buttons == MessageYesNoCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                        : QMessageBox::Ok;
    QMessageBox box(QMessageBox::NoIcon, title, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    shown, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons != MessageOk) {
        box.setProperty("vqQuestion", true);
        QObject::connect(&box, &QMessageBox::buttonClicked, &box, [&box] { box.setProperty("vqAnswered", true); });
    }
    box.setWindowModality(Qt::ApplicationModal);
    KeepAboveMainWindow(box);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return AnswerOk;
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    case QMessageBox::Cancel:
        return AnswerCancel;
    default:
        return AnswerNone;
    }
}

// "Name|*.a;*.b|Other|*.c" -> "Name (*.a *.b);;Other (*.c)"
static QString QtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList qt;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        qt << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return qt.join(QStringLiteral(";;"));
}

QString AskSaveFileName(const QString& title, const QString& filter, const QString& folder)
{
    if (Platform().saveFileHook)
        return Platform().saveFileHook(title, filter, folder);
    QFileDialog dialog(QApplication::activeWindow(), title, folder, QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The same dialog on every desktop; the program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    KeepAboveMainWindow(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

void SetMessageHook(MessageHook hook)
{
    Platform().messageHook = std::move(hook);
}

void SetSaveFileHook(SaveFileHook hook)
{
    Platform().saveFileHook = std::move(hook);
}
