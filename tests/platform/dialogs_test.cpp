#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <functional>

#include "platform_fixture.h"
#include "support/scratch_files.h"

// Answers the next modal dialog in place of the user: once it is shown, act is
// called on it from inside the dialog's own event loop. Stops with its scope.
class ModalAnswer {
public:
    void When(std::function<void(QWidget*)> act)
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible() && modal != handled) {
                timer.stop();
                handled = modal;
                act(modal);
            }
        });
        timer.start(5);
    }
    void Ignore(QWidget* modal) { handled = modal; }

private:
    QTimer timer;
    QWidget* handled = nullptr;
};

static QString WithoutMnemonic(QString text)
{
    return text.remove(u'&');
}

using DialogTest = PlatformTest;

TEST_F(DialogTest, HookAnswersInPlaceOfTheUser)
{
    QString seenTitle, seenText;
    MessageButtons seenButtons = MessageOk;
    SetMessageHook([&](const QString& title, const QString& text, MessageButtons buttons) {
        seenTitle = title;
        seenText = text;
        seenButtons = buttons;
        return int(AnswerNo);
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Vorquil III"), QStringLiteral("Désirez-vous ?"), MessageYesNo), AnswerNo);
    EXPECT_EQ(seenTitle, QStringLiteral("Vorquil III"));
    EXPECT_EQ(seenText, QStringLiteral("Désirez-vous ?"));
    EXPECT_EQ(seenButtons, MessageYesNo);

    SetSaveFileHook(
        [](const QString& title, const QString& filter, const QString& folder) { return folder + title + filter; });
    EXPECT_EQ(AskSaveFileName(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("/c/")),
              QStringLiteral("/c/ab"));
}

TEST_F(DialogTest, QuestionBoxSpeaksFrenchAndReportsTheButton)
{
    struct Case {
        MessageButtons buttons;
        QMessageBox::StandardButton pressed;  // NoButton: closed with Escape
        int answer;
    };
    const Case cases[] = {
        {MessageYesNo, QMessageBox::Yes, AnswerYes},
        {MessageYesNo, QMessageBox::No, AnswerNo},
        {MessageOk, QMessageBox::Ok, AnswerOk},
    };
    for (const Case& c : cases) {
        QStringList buttonTexts;
        QString title, text;
        ModalAnswer answer;
        answer.When([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                buttonTexts << WithoutMnemonic(b->text());
            box->button(c.pressed)->click();
        });
        EXPECT_EQ(ShowMessage(QStringLiteral("Enregistrer sous..."), QStringLiteral("Ligne 1\r\nLigne 2"), c.buttons),
                  c.answer);
        EXPECT_EQ(title, QStringLiteral("Enregistrer sous..."));
        EXPECT_EQ(text, QStringLiteral("Ligne 1\nLigne 2"));
        if (c.buttons == MessageYesNo) {
            EXPECT_TRUE(buttonTexts.contains(QStringLiteral("Oui"))) << buttonTexts.join(u',').toStdString();
            EXPECT_TRUE(buttonTexts.contains(QStringLiteral("Non"))) << buttonTexts.join(u',').toStdString();
        }
    }
}

TEST_F(DialogTest, QuestionIsNotAnsweredByEscapeOrTheCloseBox)
{
    bool stillShown = false;
    ModalAnswer answer;
    answer.When([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
        QTest::keyClick(box, Qt::Key_Escape);
        box->windowHandle()->close();  // through the window system, as the close box does
        QApplication::processEvents();
        stillShown = box->isVisible();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Vorquil III"), QStringLiteral("Désirez-vous sauvegarder ?"), MessageYesNo),
              AnswerYes);
    EXPECT_TRUE(stillShown);
}

// Nobody is left to answer once the session ends: the question goes unanswered
// (neither Yes nor No) and the main window is asked to close.
TEST_F(DialogTest, EndSignalDismissesAnOpenQuestion)
{
    ModalAnswer answer;
    answer.When([](QWidget*) { std::raise(SIGTERM); });
    EXPECT_EQ(ShowMessage(QStringLiteral("Vorquil III"), QStringLiteral("Désirez-vous sauvegarder ?"), MessageYesNo),
              AnswerNone);
    EXPECT_EQ(Events(), std::vector<Event>{WindowEvent(EventKind::Close, MainWindow)});
}

TEST_F(DialogTest, SaveDialogFiltersStartsInTheFolderAndNeverAsksToOverwrite)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(WriteBytes(folder.filePath(QStringLiteral("Cuivre.tub")), "[Global]\r\n"));
    QStringList filters;
    QString directory, title;
    bool confirmOverwrite = true, native = true;
    bool askedToOverwrite = false;
    ModalAnswer question, dialogAnswer;
    dialogAnswer.When([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        directory = dialog->directory().absolutePath();
        title = dialog->windowTitle();
        confirmOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
        dialog->selectFile(QStringLiteral("Cuivre.tub"));
        // Were the dialog to ask its own question, it would be the next modal window.
        question.Ignore(dialog);
        question.When([&](QWidget* next) {
            askedToOverwrite = true;
            if (auto* box = qobject_cast<QMessageBox*>(next))
                box->button(QMessageBox::Yes)->click();
        });
        static_cast<QDialog*>(dialog)->accept();  // the "Enregistrer" button
    });
    const QString chosen = AskSaveFileName(QStringLiteral("Enregistrer sous..."),
                                           QStringLiteral("Fichiers Tubes|*.tub|Tous|*.tub;*.eva"), folder.path());
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("Cuivre.tub")));
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Fichiers Tubes (*.tub)"), QStringLiteral("Tous (*.tub *.eva)")}));
    EXPECT_EQ(directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(title, QStringLiteral("Enregistrer sous..."));
    EXPECT_FALSE(confirmOverwrite);
    EXPECT_FALSE(native);
    EXPECT_FALSE(askedToOverwrite);
}

TEST_F(DialogTest, CancelledSaveDialogGivesNoName)
{
    ModalAnswer answer;
    answer.When([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(AskSaveFileName(QStringLiteral("x"), QStringLiteral("Fichiers Tubes|*.tub"), QDir::tempPath()),
              QString());
}
