#include <QAction>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

#include "library_editor_fixture.h"
#include "support/scratch_files.h"
#include "tabs/editor_messages.h"

namespace {

TEST_F(LibraryEditorTest, EditOpensTheListedLibraryOverADisabledMainWindow)
{
    Start();
    EXPECT_EQ(GetText(WaterLibraryList), "Cuivre");
    ClickEdit();
    ASSERT_TRUE(IsWindowOpen(EditorWindow));
    EXPECT_FALSE(IsWindowEnabled(MainWindow));
    EXPECT_TRUE(IsWindowEnabled(EditorWindow));
    EXPECT_EQ(WindowHandle(EditorWindow)->windowTitle(), "Editeur Tubes");
    int x = 0, y = 0;
    GetWindowPosition(EditorWindow, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(140, 90));

    EXPECT_EQ(state.editor.libraryName, "Cuivre");
    EXPECT_FALSE(state.editor.modified);
    EXPECT_EQ(Items(EditorLibraryList), QStringList({"Acier", "Cuivre"}));
    EXPECT_EQ(GetText(EditorLibraryList), "Cuivre");
    EXPECT_EQ(GetText(EditorNameField), "Cuivre");
    EXPECT_EQ(GetText(EditorAbbreviationField), "Cu");
    EXPECT_EQ(GetText(EditorSymbolField), QString::fromUtf8("Ø"));
    EXPECT_EQ(GetText(EditorRoughnessField), "0.0015");
    for (int field : {EditorSizeNameField, EditorOutsideField, EditorThicknessField})
        EXPECT_EQ(GetText(field), "-") << field;

    const PipeLibrary copper = Copper();
    ASSERT_EQ(CountRows(EditorSizeList), int(copper.sizes.size()));
    EXPECT_EQ(GetCellText(EditorSizeList, 8, 0), "35");
    EXPECT_EQ(GetCellText(EditorSizeList, 8, 1), "34.60");
    EXPECT_EQ(GetCellText(EditorSizeList, 8, 2), "1.00");
    EXPECT_EQ(GetCellText(EditorSizeList, 8, 3), "32.60");
    for (int row = 0; row < CountRows(EditorSizeList); ++row)
        EXPECT_EQ(IsRowChecked(EditorSizeList, row), copper.sizes[row].active != 0) << row;
    // The working copy is the editor's own: the loaded list is untouched by edits.
    Type(EditorNameField, "Cuivre 2");
    EXPECT_EQ(state.domain.waterLibraries[1].name, "Cuivre");
}

TEST_F(LibraryEditorTest, WithoutALibraryInListThreeTheFirstLibraryIsEdited)
{
    Start();
    SetState(WaterLibraryList, -1);
    ClickEdit();
    ASSERT_TRUE(IsWindowOpen(EditorWindow));
    EXPECT_EQ(state.editor.libraryName, "Acier");
    EXPECT_EQ(GetText(EditorNameField), "Acier");
    EXPECT_EQ(GetText(EditorLibraryList), "Acier");
    EXPECT_EQ(RowNames(), QStringList({"15/21", "20/27", "26/34"}));
}

TEST_F(LibraryEditorTest, WithoutAnyLibraryTheEditorStartsOnANewOne)
{
    state.domain.waterLibraries.clear();
    StartEditor();
    EXPECT_TRUE(state.editor.libraryName.isEmpty());
    EXPECT_EQ(CountItems(EditorLibraryList), 0);
    EXPECT_EQ(CountRows(EditorSizeList), 0);
    EXPECT_EQ(GetText(EditorRoughnessField), "0.0000");
}

TEST_F(LibraryEditorTest, FontsMenuAndHelpKey)
{
    StartEditor();
    for (int control : {EditorLibraryList, EditorLibraryLabel, EditorSizeNameLabel, EditorNameField, EditorSizeList,
                        EditorOkButton}) {
        EXPECT_EQ(ControlWidget(control)->font().family(), "Calibri") << control;
        EXPECT_EQ(ControlWidget(control)->font().pointSize(), 8) << control;
    }
    EXPECT_EQ(ControlWidget(EditorDeleteButton)->font().family(), QApplication::font().family());

    QMenuBar* bar = WindowHandle(EditorWindow)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    QMenu* file = bar->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), "Fichier");
    QStringList items;
    std::vector<int> posted;
    ClearWindowEvents();
    for (QAction* action : file->actions()) {
        items << action->text();
        action->trigger();
        Event e;
        if (PollWindowEvent(e) && e.kind == EventKind::Menu && e.window == EditorWindow)
            posted.push_back(e.item);
    }
    EXPECT_EQ(items, QStringList({"Nouveau", "Enregistrer sous...", "Aide (F1)"}));
    EXPECT_EQ(posted, std::vector<int>({EditorMenuNew, EditorMenuSaveAs, EditorMenuHelp}));

    ASSERT_TRUE(QTest::qWaitForWindowActive(WindowHandle(EditorWindow)));
    ClearWindowEvents();
    QTest::keyClick(ControlWidget(EditorOkButton), Qt::Key_F1);
    Event key;
    std::vector<int> keyed;
    while (PollWindowEvent(key))
        if (key.kind == EventKind::Menu && key.window == EditorWindow)
            keyed.push_back(key.item);
    EXPECT_EQ(keyed, std::vector<int>({EditorMenuHelpKey}));

    // "Aide (F1)" and F1 open the editor's help page.
    QTextBrowser opened;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &opened, "setSource");
    Menu(EditorMenuHelp);
    EXPECT_EQ(opened.source().toString(), state.web.helpEditor);
    opened.setSource(QUrl());
    Menu(EditorMenuHelpKey);
    EXPECT_EQ(opened.source().toString(), state.web.helpEditor);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

TEST_F(LibraryEditorTest, SelectingARowShowsItsSizeAndTickingChangesItsFlag)
{
    StartEditor();
    SelectRow(3);
    EXPECT_EQ(GetText(EditorSizeNameField), "15");
    EXPECT_EQ(GetText(EditorOutsideField), "15.00");
    EXPECT_EQ(GetText(EditorThicknessField), "1.00");
    EXPECT_FALSE(state.editor.modified);

    TickRow(3, false);
    EXPECT_EQ(state.editor.copy.sizes[3].active, 0);
    EXPECT_TRUE(state.editor.modified);
    TickRow(2, true);
    EXPECT_EQ(state.editor.copy.sizes[2].active, 1);
    // The loaded library keeps its flags until a save and a reload.
    EXPECT_EQ(state.domain.waterLibraries[1].sizes[3].active, 1);
}

TEST_F(LibraryEditorTest, AddInsertsInOrderAndRefusesWithItsMessages)
{
    StartEditor();
    EnterSize("17", "17", "1", EditorAddButton);  // inside 15: between 13 and 16
    EXPECT_TRUE(Texts().isEmpty());
    EXPECT_EQ(RowInsides().mid(3, 4), QStringList({"13.00", "14.00", "15.00", "16.00"}));
    EXPECT_EQ(RowNames().mid(3, 4), QStringList({"15", "16", "17", "18"}));
    EXPECT_TRUE(IsRowChecked(EditorSizeList, 5));
    EXPECT_TRUE(state.editor.modified);
    EXPECT_EQ(GetText(EditorLibraryList), "Cuivre");  // still the same library
    for (int field : {EditorSizeNameField, EditorOutsideField, EditorThicknessField})
        EXPECT_EQ(GetText(field), "-") << field;

    EnterSize("64", "64", "1.5", EditorAddButton);  // larger than all: appended
    EXPECT_EQ(RowNames().last(), "64");
    EXPECT_EQ(RowInsides().last(), "61.00");

    struct Case {
        const char* name;
        const char* outside;
        const char* thickness;
        QString message;
    };
    const Case refused[] = {
        {"20x10", "20", "10", InsideNotPositiveMessage},
        {"autre 15", "17", "2", DuplicateInsideMessage},  // inside 13, as "15"
        {"", "17", "1", IncompleteSizeMessage},
        {"-", "-", "-", IncompleteSizeMessage},  // the fields as cleared
        {"x", "17", "abc", IncompleteSizeMessage},
        {"Global", "70", "1", ReservedSizeNameMessage},
        {" 64 ", "80", "1", DuplicateSizeNameMessage},  // the name "64" is taken
    };
    const int rows = CountRows(EditorSizeList);
    for (const Case& c : refused) {
        messages.clear();
        EnterSize(QString::fromUtf8(c.name), c.outside, c.thickness, EditorAddButton);
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_EQ(messages[0].title, "Vorquil III");
        EXPECT_EQ(messages[0].text, c.message) << c.name;
        EXPECT_EQ(messages[0].buttons, MessageOk);
        EXPECT_EQ(CountRows(EditorSizeList), rows) << c.name;
    }
}

TEST_F(LibraryEditorTest, ModifyStoresTheSelectedSizeAndSortsTheList)
{
    StartEditor();
    // Without a selected row nothing happens.
    EnterSize("x", "30", "1", EditorModifyButton);
    EXPECT_FALSE(state.editor.modified);

    SelectRow(0);  // "10", inside 8
    EnterSize("20x10", "20", "10", EditorModifyButton);
    EXPECT_TRUE(Texts().isEmpty());
    EXPECT_EQ(RowNames().first(), "20x10");
    EXPECT_EQ(RowInsides().first(), "0.00");
    EXPECT_TRUE(state.editor.modified);

    SelectRow(0);
    EnterSize("60x2", "60", "2", EditorModifyButton);  // inside 56: now the last
    EXPECT_EQ(RowNames().last(), "60x2");
    EXPECT_EQ(RowInsides().last(), "56.00");
    EXPECT_EQ(RowNames().first(), "12");

    // Incomplete data is ignored without a word; the reserved name is refused with one.
    SelectRow(0);
    EnterSize("x", "0", "1", EditorModifyButton);
    EXPECT_TRUE(Texts().isEmpty());
    EXPECT_EQ(RowNames().first(), "12");
    SelectRow(0);
    EnterSize("Global", "30", "1", EditorModifyButton);
    EXPECT_EQ(Texts(), QStringList({ReservedSizeNameMessage}));
    EXPECT_EQ(RowNames().first(), "12");
    // Another size's designation is refused; the size's own is kept.
    messages.clear();
    SelectRow(0);
    EnterSize("14", "30", "1", EditorModifyButton);
    EXPECT_EQ(Texts(), QStringList({DuplicateSizeNameMessage}));
    EXPECT_EQ(RowNames().mid(0, 2), QStringList({"12", "14"}));
    messages.clear();
    SelectRow(0);
    EnterSize("12", "13", "1", EditorModifyButton);
    EXPECT_TRUE(Texts().isEmpty());
    EXPECT_EQ(RowInsides().first(), "11.00");
}

TEST_F(LibraryEditorTest, DeleteRemovesTheSelectedSize)
{
    StartEditor();
    Click(EditorDeleteButton);  // no selection
    EXPECT_FALSE(state.editor.modified);
    SelectRow(1);
    EXPECT_EQ(GetText(EditorSizeNameField), "12");
    Click(EditorDeleteButton);
    EXPECT_TRUE(Texts().isEmpty());
    EXPECT_TRUE(state.editor.modified);
    EXPECT_EQ(RowNames().mid(0, 3), QStringList({"10", "14", "15"}));
    EXPECT_EQ(state.editor.copy.sizes.size(), Copper().sizes.size() - 1);
    for (int field : {EditorSizeNameField, EditorOutsideField, EditorThicknessField})
        EXPECT_EQ(GetText(field), "-") << field;
}

TEST_F(LibraryEditorTest, LibraryFieldsGoIntoTheWorkingCopy)
{
    StartEditor();
    Type(EditorNameField, "Cuivre recuit");
    Type(EditorAbbreviationField, "Cu-abcdefghijklmnopq");
    Type(EditorSymbolField, "DN");
    Type(EditorRoughnessField, "0.002");
    EXPECT_EQ(state.editor.copy.name, "Cuivre recuit");
    EXPECT_EQ(state.editor.copy.abbreviation, "Cu-abcdefghijklm");
    EXPECT_EQ(state.editor.copy.symbol, "DN");
    EXPECT_EQ(state.editor.copy.roughness, 0.002f);
    EXPECT_TRUE(state.editor.modified);
    Type(EditorRoughnessField, "0,5");
    EXPECT_EQ(state.editor.copy.roughness, 0.5f);
}

TEST_F(LibraryEditorTest, ADecimalCommaReadsAsThePoint)
{
    StartEditor();
    const char* const sizes[][4] = {
        // name, outside, thickness, inside shown
        {"DN15", "21,3", "2,6", "16.10"},
        {"DN20", "26.9", "2,65", "21.60"},
        {"DN40", "48,3", "3", "42.30"},
    };
    for (const auto& c : sizes) {
        EnterSize(c[0], c[1], c[2], EditorAddButton);
        EXPECT_TRUE(RowInsides().contains(c[3])) << c[1];
    }
    SelectRow(RowNames().indexOf("DN15"));
    EnterSize("DN15", "21,3", "2,3", EditorModifyButton);
    EXPECT_TRUE(RowInsides().contains("16.70"));
    Type(EditorRoughnessField, "0,05");
    EXPECT_EQ(state.editor.copy.roughness, 0.05f);
    chosenFiles = {DataPath("virgule")};
    Menu(EditorMenuSaveAs);
    EXPECT_TRUE(Texts().isEmpty());
    const QByteArray saved = ReadBytes(DataPath("virgule.tub"));
    for (const char* line : {"Rugo = 0.050000", "DiamExt = 21.300000", "Epais = 2.650000"})
        EXPECT_TRUE(saved.contains(line)) << line;
}

TEST_F(LibraryEditorTest, FocusSelectsTheWholeTextOfAField)
{
    StartEditor();
    Editor(EditorNameField, SubtypeFocusGained);
    auto* edit = qobject_cast<QLineEdit*>(ControlWidget(EditorNameField));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), "Cuivre");
}

TEST_F(LibraryEditorTest, ClosingAnUnmodifiedLibraryAsksNothing)
{
    StartEditor();
    SelectRow(2);
    CloseBox();
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(IsWindowOpen(EditorWindow));
    EXPECT_TRUE(IsWindowEnabled(MainWindow));

    ClickEdit();
    ASSERT_TRUE(IsWindowOpen(EditorWindow));
    Click(EditorOkButton);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(IsWindowOpen(EditorWindow));
    EXPECT_TRUE(IsWindowEnabled(MainWindow));
}

}  // namespace

namespace {

// A name the file would give back changed is refused, with the character named;
// blanks around it go before anything is compared or stored.
TEST_F(LibraryEditorTest, NamesAFileCannotGiveBackAreRefused)
{
    StartEditor();
    const char* const cases[][2] = {
        {"DN]15", "contenir le caractère \"]\""},
        {"[15", "commencer par le caractère \"[\""},
        {"15=2", "contenir le caractère \"=\""},
        {"15\n2", "contenir le caractère de contrôle U+000A"},
        {" 15\t2", "contenir le caractère de contrôle U+0009"},
        {"15\x7f", "contenir le caractère de contrôle U+007F"},
    };
    const int rows = CountRows(EditorSizeList);
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c[0]);
        const QString why = QString::fromUtf8(c[1]);
        messages.clear();
        EnterSize(name, "70", "1", EditorAddButton);
        SelectRow(0);
        EnterSize(name, "70", "1", EditorModifyButton);
        Type(EditorNameField, name);
        Menu(EditorMenuSaveAs);
        EXPECT_EQ(
            Texts(),
            QStringList({"La dénomination ne peut pas " + why + "...", "La dénomination ne peut pas " + why + "...",
                         "Le nom du tube ne peut pas " + why + "..."}))
            << c[0];
        EXPECT_EQ(CountRows(EditorSizeList), rows) << c[0];
        EXPECT_EQ(RowNames().first(), "10") << c[0];
    }
    EnterSize("  70x1 ", "70", "1", EditorAddButton);
    EXPECT_EQ(RowNames().last(), "70x1");
    Type(EditorNameField, "  Zinc \t");
    EXPECT_EQ(state.editor.copy.name, "Zinc");
    Type(EditorNameField, "  ");
    Menu(EditorMenuSaveAs);
    EXPECT_EQ(Texts().last(), MissingFieldsMessage);
}

}  // namespace
