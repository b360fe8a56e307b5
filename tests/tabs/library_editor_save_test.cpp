#include "library_editor_fixture.h"
#include "tabs/editor_messages.h"
#include "tabs/library_editor_save.h"

namespace {

const QString NewLibraryQuestion =
    QString::fromUtf8("Désirez-vous sauvegarder les modifications apportées\r\nà la nouvelle bibliothèque ?");

// The library of a file, read back.
PipeLibrary Reload(const QString& path)
{
    PipeLibraryList water, drainage;
    if (!LoadLibraryFile(path, water, drainage) || water.empty())
        return PipeLibrary{};
    return water[0];
}

QStringList Names(const PipeLibraryList& libraries)
{
    QStringList names;
    for (const PipeLibrary& library : libraries)
        names << library.name;
    return names;
}

TEST_F(LibraryEditorTest, SaveQuestionNamesTheLibraryAndMapsTheAnswers)
{
    StartEditor();
    struct Case {
        QString libraryName;
        int answer;
        QString question;
        QString result;
    };
    const Case cases[] = {
        {"Cuivre", AnswerNo,
         QString::fromUtf8("Désirez-vous sauvegarder les modifications apportées\r\nà la bibliothèque : Cuivre ?"),
         NoSaveMarker},
        {"", AnswerNo, NewLibraryQuestion, NoSaveMarker},
        {"Cuivre", AnswerNone, QString(), QString()},  // neither Yes nor No
        {"", AnswerYes, NewLibraryQuestion, DataPath("choisi.tub")},
    };
    for (const Case& c : cases) {
        messages.clear();
        answers = {c.answer};
        if (c.answer == AnswerYes)
            chosenFiles = {DataPath("choisi")};
        EXPECT_EQ(AskSaveLibrary(DataPath(), false, c.libraryName), c.result) << c.answer;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, "Vorquil III");
        EXPECT_EQ(messages[0].buttons, MessageYesNo);
        if (!c.question.isEmpty()) {
            EXPECT_EQ(messages[0].text, c.question);
        }
    }
    ASSERT_EQ(saveDialogs.size(), 1u);
    EXPECT_EQ(saveDialogs[0], QStringList({"Enregistrer sous...", "Fichiers Tubes|*.tub", DataPath()}));
}

TEST_F(LibraryEditorTest, SaveNeedsTheLibraryFieldsFilledIn)
{
    StartEditor();
    struct Case {
        int field;
        const char* text;
    };
    const Case cases[] = {
        {EditorNameField, ""},         {EditorAbbreviationField, ""}, {EditorSymbolField, ""},
        {EditorRoughnessField, "0"},   {EditorRoughnessField, ""},    {EditorRoughnessField, "-0.1"},
        {EditorRoughnessField, "abc"}, {EditorRoughnessField, "0,0"},
    };
    for (const Case& c : cases) {
        const QString before = GetText(c.field);
        messages.clear();
        Type(c.field, QString::fromUtf8(c.text));
        EXPECT_EQ(AskSaveLibrary(DataPath(), true, "Cuivre"), FillErrorMarker) << c.field << c.text;
        EXPECT_EQ(Texts(), QStringList({"Un ou plusieurs champs ne sont pas renseignés !"})) << c.field;
        EXPECT_EQ(messages.back().title, "Vorquil III");
        Type(c.field, before);
    }
    EXPECT_TRUE(saveDialogs.empty());
    // Forced, all filled: straight to the dialog, no question.
    messages.clear();
    chosenFiles = {DataPath("x")};
    EXPECT_EQ(AskSaveLibrary(DataPath(), true, "Cuivre"), DataPath("x.tub"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(LibraryEditorTest, TheTubExtensionIsAddedUnlessPresentInAnyCase)
{
    StartEditor();
    const char* const cases[][2] = {
        {"neuf", "neuf.tub"},
        {"NEUF.TUB", "NEUF.TUB"},
        {"neuf.Tub", "neuf.Tub"},
        {"neuf.eva", "neuf.eva.tub"},
        {"neuf.tub.bak", "neuf.tub.bak.tub"},
        {"tub", "tub.tub"},
    };
    for (const auto& c : cases) {
        chosenFiles = {DataPath(c[0])};
        EXPECT_EQ(AskSaveLibrary(DataPath(), true, "Cuivre"), DataPath(c[1])) << c[0];
    }
    chosenFiles = {QString()};  // the dialog cancelled
    EXPECT_EQ(AskSaveLibrary(DataPath(), true, "Cuivre"), QString());
    EXPECT_TRUE(messages.empty());
}

TEST_F(LibraryEditorTest, OverwriteQuestionOnlyForTheExactFileName)
{
    StartEditor();
    struct Case {
        const char* chosen;
        bool asked;
        int answer;
        QString result;
    };
    const Case cases[] = {
        {"Cuivre.tub", true, AnswerYes, DataPath("Cuivre.tub")},
        {"Cuivre.tub", true, AnswerNo, QString()},
        {"Cuivre", true, AnswerYes, DataPath("Cuivre.tub")},  // the name after ".tub" is added
        {"cuivre.tub", false, 0, DataPath("cuivre.tub")},
        {"CUIVRE.TUB", false, 0, DataPath("CUIVRE.TUB")},
        {"acier.tub", true, AnswerNo, QString()},
    };
    for (const Case& c : cases) {
        messages.clear();
        chosenFiles = {DataPath(c.chosen)};
        if (c.asked)
            answers = {c.answer};
        EXPECT_EQ(AskSaveLibrary(DataPath(), true, "Cuivre"), c.result) << c.chosen;
        ASSERT_EQ(messages.size(), c.asked ? 1u : 0u) << c.chosen;
        if (c.asked) {
            EXPECT_EQ(messages[0].title, "Enregistrer sous...");
            EXPECT_EQ(messages[0].text, QString::fromUtf8("Le fichier éxiste déjà, voulez-vous le remplacer ?"));
            EXPECT_EQ(messages[0].buttons, MessageYesNo);
        }
    }
}

// Leaving a modified library: each of the four actions with each outcome of the save.
enum class Leave { CloseBox, OkButton, New, Switch };
enum class Outcome { Saved, NotSaved, FieldMissing, DialogCancelled, WriteFailed };

class LeavingModifiedLibrary : public LibraryEditorTest,
                               public testing::WithParamInterface<std::tuple<Leave, Outcome>> {};

TEST_P(LeavingModifiedLibrary, GoesOnOnlyWhenSavedOrNotWanted)
{
    const auto [leave, outcome] = GetParam();
    StartEditor();
    SelectRow(0);
    Click(EditorDeleteButton);  // size "10"
    ASSERT_TRUE(state.editor.modified);

    QString expectedMessage;
    switch (outcome) {
    case Outcome::Saved:
        answers = {AnswerYes, AnswerYes};  // save, then replace Cuivre.tub
        chosenFiles = {DataPath("Cuivre.tub")};
        break;
    case Outcome::NotSaved:
        answers = {AnswerNo};
        break;
    case Outcome::FieldMissing:
        Type(EditorAbbreviationField, QString());
        answers = {AnswerYes};
        expectedMessage = MissingFieldsMessage;
        break;
    case Outcome::DialogCancelled:
        answers = {AnswerYes};
        chosenFiles = {QString()};
        break;
    case Outcome::WriteFailed:
        answers = {AnswerYes};
        chosenFiles = {scratch.path() + QStringLiteral("/absent/neuf.tub")};
        expectedMessage = CannotWriteLibraryMessage + chosenFiles.front();
        break;
    }
    switch (leave) {
    case Leave::CloseBox:
        CloseBox();
        break;
    case Leave::OkButton:
        Click(EditorOkButton);
        break;
    case Leave::New:
        Menu(EditorMenuNew);
        break;
    case Leave::Switch:
        Pick(EditorLibraryList, 0);
        break;  // "Acier"
    }

    const bool goesOn = outcome == Outcome::Saved || outcome == Outcome::NotSaved;
    // The save question first; a save that failed says why, where there is something to say.
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front().buttons, MessageYesNo);
    EXPECT_EQ(messages.size(), expectedMessage.isEmpty() ? 1u + (outcome == Outcome::Saved) : 2u);
    if (!expectedMessage.isEmpty()) {
        EXPECT_EQ(messages.back().text, expectedMessage);
    }
    EXPECT_EQ(state.editor.modified, !goesOn);
    const bool closing = leave == Leave::CloseBox || leave == Leave::OkButton;
    EXPECT_EQ(IsWindowOpen(EditorWindow), !(goesOn && closing));
    EXPECT_EQ(IsWindowEnabled(MainWindow), goesOn && closing);
    if (!goesOn) {
        EXPECT_EQ(state.editor.libraryName, "Cuivre");
        EXPECT_EQ(GetText(EditorLibraryList), "Cuivre");
        EXPECT_EQ(CountRows(EditorSizeList), 10);
        EXPECT_EQ(state.editor.copy.sizes.size(), 10u);
    } else if (leave == Leave::New) {
        EXPECT_TRUE(state.editor.libraryName.isEmpty());
        EXPECT_EQ(GetState(EditorLibraryList), -1);
        EXPECT_EQ(Items(EditorLibraryList), QStringList({"Acier", "Cuivre"}));
        EXPECT_EQ(CountRows(EditorSizeList), 0);
        for (int field : {EditorNameField, EditorAbbreviationField, EditorSymbolField, EditorRoughnessField})
            EXPECT_EQ(GetText(field), QString()) << field;
        EXPECT_TRUE(state.editor.copy.sizes.empty());
        EXPECT_EQ(state.editor.copy.roughness, 0.0f);
    } else if (leave == Leave::Switch) {
        EXPECT_EQ(state.editor.libraryName, "Acier");
        EXPECT_EQ(GetText(EditorLibraryList), "Acier");
        EXPECT_EQ(GetText(EditorNameField), "Acier");
        EXPECT_EQ(RowNames(), QStringList({"15/21", "20/27", "26/34"}));
    }
    // Only a save reaches the file.
    EXPECT_EQ(Reload(DataPath("Cuivre.tub")).sizes.size(), outcome == Outcome::Saved ? 10u : 11u);
    EXPECT_FALSE(QFileInfo::exists(scratch.path() + QStringLiteral("/absent")));
}

INSTANTIATE_TEST_SUITE_P(AllActions, LeavingModifiedLibrary,
                         testing::Combine(testing::Values(Leave::CloseBox, Leave::OkButton, Leave::New, Leave::Switch),
                                          testing::Values(Outcome::Saved, Outcome::NotSaved, Outcome::FieldMissing,
                                                          Outcome::DialogCancelled, Outcome::WriteFailed)));

TEST_F(LibraryEditorTest, SavedChangesReachTheWaterTabWhenTheEditorCloses)
{
    Start();
    EXPECT_EQ(GetText(SizeField), "15");
    ClickEdit();
    SelectRow(3);  // "15"
    Click(EditorDeleteButton);
    Type(EditorSymbolField, "DN");
    answers = {AnswerYes, AnswerYes};
    chosenFiles = {DataPath("Cuivre.tub")};
    Click(EditorOkButton);
    ASSERT_FALSE(IsWindowOpen(EditorWindow));
    EXPECT_TRUE(IsWindowEnabled(MainWindow));
    EXPECT_EQ(Items(WaterLibraryList), QStringList({"Acier", "Cuivre"}));
    EXPECT_EQ(GetText(WaterLibraryList), "Cuivre");
    EXPECT_EQ(state.domain.waterLibraries[1].sizes.size(), 10u);
    EXPECT_EQ(GetText(SizeField), "18");  // the next active size
    EXPECT_EQ(GetText(SymbolLabel), "DN");
}

TEST_F(LibraryEditorTest, ALibraryWithoutSizesIsSavedOnlyOnceConfirmed)
{
    StartEditor();
    while (CountRows(EditorSizeList) > 0) {
        SelectRow(0);
        Click(EditorDeleteButton);
    }
    const Shown empty = {"Vorquil III", SaveEmptyLibraryQuestion, MessageYesNo};
    // No to the empty library keeps it in the editor; Yes goes on to the file.
    answers = {AnswerYes, AnswerNo};
    Click(EditorOkButton);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].title, empty.title);
    EXPECT_EQ(messages[1].text, empty.text);
    EXPECT_EQ(messages[1].buttons, empty.buttons);
    EXPECT_TRUE(saveDialogs.empty());
    EXPECT_TRUE(IsWindowOpen(EditorWindow));
    EXPECT_TRUE(state.editor.modified);

    messages.clear();
    answers = {AnswerYes, AnswerYes};
    chosenFiles = {DataPath("vide")};
    Click(EditorOkButton);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, empty.text);
    EXPECT_FALSE(IsWindowOpen(EditorWindow));
    EXPECT_TRUE(QFile::exists(DataPath("vide.tub")));
    EXPECT_TRUE(Reload(DataPath("vide.tub")).sizes.empty());
}

TEST_F(LibraryEditorTest, ImposedSizesFollowTheSavedFlags)
{
    state.domain.settings.EauCalcMode = 1;
    Start();
    EXPECT_EQ(GetText(LimitField), "10");
    ClickEdit();
    TickRow(0, false);  // "10" no longer active
    answers = {AnswerYes, AnswerYes};
    chosenFiles = {DataPath("Cuivre.tub")};
    CloseBox();
    ASSERT_FALSE(IsWindowOpen(EditorWindow));
    EXPECT_EQ(GetText(LimitField), "12");
    EXPECT_EQ(GetText(SizeField), "12");
    EXPECT_EQ(state.water.imposedSizeIndex, std::vector<int>({1, 3, 5, 6, 7, 8, 9, 10}));
}

TEST_F(LibraryEditorTest, ANewLibrarySavedAsIsListedInTheEditorAndTheWaterTab)
{
    StartEditor();
    Menu(EditorMenuNew);  // nothing modified: no question
    EXPECT_TRUE(messages.empty());
    Type(EditorNameField, "Bronze");
    Type(EditorAbbreviationField, "Br");
    Type(EditorSymbolField, "DN");
    Type(EditorRoughnessField, "0.01");
    EnterSize("DN20", "26.9", "2.6", EditorAddButton);
    EnterSize("DN15", "21.3", "2.6", EditorAddButton);
    EXPECT_EQ(RowNames(), QStringList({"DN15", "DN20"}));

    chosenFiles = {DataPath("bronze")};
    Menu(EditorMenuSaveAs);  // no question, straight to the dialog
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(state.editor.modified);
    const PipeLibrary saved = Reload(DataPath("bronze.tub"));
    EXPECT_EQ(saved.name, "Bronze");
    EXPECT_EQ(saved.abbreviation, "Br");
    EXPECT_EQ(saved.roughness, 0.01f);
    ASSERT_EQ(saved.sizes.size(), 2u);
    EXPECT_EQ(saved.sizes[0].name, "DN15");
    EXPECT_EQ(saved.sizes[0].active, 1);
    EXPECT_NEAR(saved.sizes[0].insideDiameter, 16.1f, 1e-5);
    EXPECT_EQ(Items(EditorLibraryList), QStringList({"Acier", "Bronze", "Cuivre"}));
    EXPECT_EQ(GetText(EditorLibraryList), "Bronze");
    EXPECT_EQ(GetText(EditorNameField), "Bronze");
    EXPECT_EQ(CountRows(EditorSizeList), 2);

    // Nothing left to save: closing asks nothing, and the water tab sizes on the new library.
    Click(EditorOkButton);
    EXPECT_TRUE(messages.empty());
    ASSERT_FALSE(IsWindowOpen(EditorWindow));
    EXPECT_EQ(Items(WaterLibraryList), QStringList({"Acier", "Bronze", "Cuivre"}));
    EXPECT_EQ(GetText(WaterLibraryList), "Bronze");
    EXPECT_EQ(state.water.library, 1);
    EXPECT_EQ(GetText(SizeField), "DN15");
}

TEST_F(LibraryEditorTest, AfterSaveAsTheNewLibraryAndFileAreTheCurrentOnes)
{
    StartEditor();
    Type(EditorNameField, "Cuivre 2");
    chosenFiles = {DataPath("cuivre2")};
    Menu(EditorMenuSaveAs);
    EXPECT_EQ(state.editor.libraryName, "Cuivre 2");
    EXPECT_EQ(GetText(EditorLibraryList), "Cuivre 2");

    SelectRow(0);
    Click(EditorDeleteButton);
    answers = {AnswerYes, AnswerYes};
    chosenFiles = {DataPath("cuivre2.tub")};
    CloseBox();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].text, SaveLibraryQuestion + "Cuivre 2 ?");
    EXPECT_EQ(saveDialogs.back()[2], DataPath("cuivre2.tub"));  // the dialog starts on the new file
    EXPECT_EQ(Reload(DataPath("cuivre2.tub")).sizes.size(), 10u);
    EXPECT_EQ(Reload(DataPath("Cuivre.tub")).sizes.size(), 11u);
}

TEST_F(LibraryEditorTest, SaveAsThatDoesNotSaveChangesNothing)
{
    StartEditor();
    Type(EditorNameField, "Cuivre 2");
    Type(EditorSymbolField, "");
    Menu(EditorMenuSaveAs);
    EXPECT_EQ(Texts(), QStringList({MissingFieldsMessage}));
    Type(EditorSymbolField, "DN");
    chosenFiles = {QString()};
    Menu(EditorMenuSaveAs);
    EXPECT_TRUE(state.editor.modified);
    EXPECT_EQ(GetText(EditorLibraryList), "Cuivre");
    EXPECT_EQ(GetText(EditorNameField), "Cuivre 2");
    EXPECT_EQ(Names(state.domain.waterLibraries), QStringList({"Acier", "Cuivre"}));
}

TEST_F(LibraryEditorTest, PickingTheLibraryBeingEditedDoesNothing)
{
    StartEditor();
    SelectRow(0);
    Click(EditorDeleteButton);
    Pick(EditorLibraryList, 1);  // "Cuivre" again
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(state.editor.modified);
    EXPECT_EQ(CountRows(EditorSizeList), 10);
}

TEST_F(LibraryEditorTest, SwitchFindsThePickedLibraryAfterSavingANewOne)
{
    StartEditor();
    Menu(EditorMenuNew);
    Type(EditorNameField, "Bronze");
    Type(EditorAbbreviationField, "Br");
    Type(EditorSymbolField, "DN");
    Type(EditorRoughnessField, "0.01");
    EnterSize("DN15", "21.3", "2.6", EditorAddButton);
    // "Cuivre" is second in the list; once "Bronze" is saved it is third.
    answers = {AnswerYes};
    chosenFiles = {DataPath("bronze.tub")};
    Pick(EditorLibraryList, 1);
    EXPECT_EQ(messages.front().text, NewLibraryQuestion);
    EXPECT_EQ(state.editor.libraryName, "Cuivre");
    EXPECT_EQ(GetText(EditorNameField), "Cuivre");
    EXPECT_EQ(Items(EditorLibraryList), QStringList({"Acier", "Bronze", "Cuivre"}));
    EXPECT_EQ(GetText(EditorLibraryList), "Cuivre");
    EXPECT_EQ(CountRows(EditorSizeList), 11);
}

TEST_F(LibraryEditorTest, ASizeNamedLikeTheHeaderIsNeverWritten)
{
    StartEditor();
    // Only a working copy changed behind the editor's back can hold one.
    state.editor.copy.sizes[0].name = "Global";
    state.editor.modified = true;
    answers = {AnswerYes, AnswerYes};
    chosenFiles = {DataPath("Cuivre.tub")};
    CloseBox();
    EXPECT_EQ(Texts().last(), ReservedSizeNameMessage);
    EXPECT_TRUE(IsWindowOpen(EditorWindow));
    EXPECT_TRUE(state.editor.modified);
    EXPECT_EQ(Reload(DataPath("Cuivre.tub")).sizes[0].name, "10");
}

}  // namespace

namespace {

// After the editor closes, list 3 and "MatTube" name the library the water
// results come from: the last one saved when it is listed, else the stored one,
// else the last library, as at start.
struct ClosingCase {
    const char* stored;   // "MatTube" at start
    const char* renamed;  // Cuivre's new name, saved at close; none: nothing changed
    const char* file;     // where it is saved, under the scratch folder
    const char* listed;   // list 3 and "MatTube" afterwards
    int library;          // the current water library afterwards
    const char* size;     // field 33 for 100 L/h
};

class ClosingTheEditor : public LibraryEditorTest, public testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingTheEditor, SelectsTheWaterLibraryByName)
{
    const ClosingCase& c = GetParam();
    state.domain.settings.MatTube = c.stored;
    StartEditor();
    if (c.renamed) {
        Type(EditorNameField, c.renamed);
        const QString path = scratch.path() + u'/' + c.file;
        answers = QFileInfo::exists(path) ? std::deque<int>{AnswerYes, AnswerYes} : std::deque<int>{AnswerYes};
        chosenFiles = {path};
    }
    CloseBox();
    ASSERT_FALSE(IsWindowOpen(EditorWindow));
    EXPECT_EQ(GetText(WaterLibraryList), c.listed);
    EXPECT_EQ(GetState(WaterLibraryList), c.library);
    EXPECT_EQ(state.domain.settings.MatTube, c.listed);
    EXPECT_EQ(state.water.library, c.library);
    EXPECT_EQ(GetText(SizeField), c.size);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClosingTheEditor,
    testing::Values(ClosingCase{"Cuivre", "Acajou", "Data/Cuivre.tub", "Acajou", 0, "15"},  // now first
                    ClosingCase{"Cuivre", "Acajou", "Data/acajou.tub", "Acajou", 0, "15"},
                    ClosingCase{"Cuivre", "Acajou", "ailleurs.tub", "Cuivre", 1, "15"},  // not listed
                    ClosingCase{"Cuivre", nullptr, nullptr, "Cuivre", 1, "15"},
                    ClosingCase{"Absent", nullptr, nullptr, "Cuivre", 1, "15"}));  // as shown at start

}  // namespace
