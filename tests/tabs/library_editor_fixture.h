#pragma once

#include <QTemporaryDir>
#include <QTreeWidget>
#include <deque>
#include <vector>

#include "engines/library_files.h"
#include "platform/dialogs.h"
#include "tabs/library_editor.h"
#include "ui/editor_controls.h"
#include "water_tab_fixture.h"

// The real main window of the water tab tests over a scratch data folder
// holding two water libraries, "Acier" and "Cuivre"; the user's actions go
// through the program's own event routing and the dialogs are answered from
// queues filled by each test.
class LibraryEditorTest : public WaterTabTest {
protected:
    struct Shown {
        QString title, text;
        MessageButtons buttons;
    };

    QTemporaryDir scratch;
    std::deque<int> answers;               // Yes/No answers, in the order asked
    std::deque<QString> chosenFiles;       // what the save dialog returns, in order
    std::vector<Shown> messages;           // every message box shown
    std::vector<QStringList> saveDialogs;  // title, filter, folder of each save dialog

    void SetUp() override
    {
        WaterTabTest::SetUp();
        ASSERT_TRUE(scratch.isValid());
        state.folders.data = scratch.path() + QStringLiteral("/");
        state.domain.settings.xPosEdit = 140;
        state.domain.settings.yPosEdit = 90;
        ASSERT_TRUE(QDir().mkpath(DataPath()));
        ASSERT_EQ(SaveLibrary(DataPath("Cuivre.tub"), Copper()), LibrarySaved);
        ASSERT_EQ(SaveLibrary(DataPath("acier.tub"), Steel()), LibrarySaved);
        ScanLibraries(state.folders.data, state.domain.waterLibraries, state.domain.drainageLibraries);
        ASSERT_EQ(state.domain.waterLibraries.size(), 2u);

        SetMessageHook([this](const QString& title, const QString& text, MessageButtons buttons) {
            messages.push_back({title, text, buttons});
            if (buttons == MessageOk)
                return int(AnswerOk);
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << text.toStdString();
                return int(AnswerNone);
            }
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
        SetSaveFileHook([this](const QString& title, const QString& filter, const QString& folder) {
            saveDialogs.push_back({title, filter, folder});
            if (chosenFiles.empty()) {
                ADD_FAILURE() << "unexpected save dialog";
                return QString();
            }
            const QString chosen = chosenFiles.front();
            chosenFiles.pop_front();
            return chosen;
        });
    }

    void TearDown() override
    {
        SetMessageHook({});
        SetSaveFileHook({});
        WaterTabTest::TearDown();
        EXPECT_TRUE(answers.empty()) << "questions expected but not asked";
        EXPECT_TRUE(chosenFiles.empty()) << "save dialog expected but not shown";
    }

    static PipeLibrary Steel()
    {
        PipeLibrary lib = WithSizes({Row("15/21", 16.1f), Row("20/27", 21.6f), Row("26/34", 27.3f)}, 0.05f);
        lib.name = "Acier";
        lib.abbreviation = "Ac";
        lib.symbol = "DN";
        return lib;
    }

    QString DataPath(const char* name = "") const
    {
        return state.folders.data + QStringLiteral("Data/") + QString::fromUtf8(name);
    }

    // The main window as start-up leaves it, the editor's stored position included.
    void Start()
    {
        WaterTabTest::Start();
        state.window.windows[EditorWindow].x = state.domain.settings.xPosEdit;
        state.window.windows[EditorWindow].y = state.domain.settings.yPosEdit;
    }

    // Starts and presses "Edit" on the library of list 3.
    void StartEditor()
    {
        Start();
        ClickEdit();
        ASSERT_TRUE(IsWindowOpen(EditorWindow));
    }

    // Events of the editor's controls (these hide the main window's Type and Pick).
    void ClickEdit() { HandleEvent(state, Event{EventKind::Control, MainWindow, EditLibraryButton, SubtypeClick, -1}); }
    void Editor(int control, int subtype, int item = -1)
    {
        HandleEvent(state, Event{EventKind::Control, EditorWindow, control, subtype, item});
    }
    void Click(int control) { Editor(control, SubtypeClick); }
    void Type(int control, const QString& text)
    {
        SetText(control, text);
        Editor(control, SubtypeChange);
    }
    void Pick(int control, int index)
    {
        SetState(control, index);
        Editor(control, SubtypeChange);
    }
    void Menu(int item) { HandleEvent(state, Event{EventKind::Menu, EditorWindow, -1, SubtypeNone, item}); }
    void CloseBox() { HandleEvent(state, Event{EventKind::Close, EditorWindow, -1, SubtypeNone, -1}); }

    // Types a size into 406, 402, 403 and presses a button.
    void EnterSize(const QString& name, const QString& outside, const QString& thickness, int button)
    {
        SetText(EditorSizeNameField, name);
        SetText(EditorOutsideField, outside);
        SetText(EditorThicknessField, thickness);
        Click(button);
    }

    static QTreeWidget* SizeTree() { return qobject_cast<QTreeWidget*>(ControlWidget(EditorSizeList)); }

    // Selects a row of list 416 as the user's click does, and hands the events over.
    void SelectRow(int row)
    {
        SizeTree()->setCurrentItem(SizeTree()->topLevelItem(row));
        DeliverQueuedEvents();
    }
    void TickRow(int row, bool ticked)
    {
        SizeTree()->topLevelItem(row)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
        DeliverQueuedEvents();
    }

    // Column 0 of every row of list 416, and the inside diameters (column 3).
    static QStringList RowNames()
    {
        QStringList names;
        for (int row = 0; row < CountRows(EditorSizeList); ++row)
            names << GetCellText(EditorSizeList, row, 0);
        return names;
    }
    static QStringList RowInsides()
    {
        QStringList insides;
        for (int row = 0; row < CountRows(EditorSizeList); ++row)
            insides << GetCellText(EditorSizeList, row, 3);
        return insides;
    }
    static QStringList Items(int control)
    {
        QStringList items;
        for (int i = 0; i < CountItems(control); ++i)
            items << GetItemText(control, i);
        return items;
    }
    QStringList Texts() const
    {
        QStringList texts;
        for (const Shown& m : messages)
            texts << m.text;
        return texts;
    }
};
