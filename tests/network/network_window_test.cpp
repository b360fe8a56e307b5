#include <QColor>
#include <QUndoStack>

#include "network/circuit_files.h"
#include "network_window_fixture.h"
#include "platform/colour_contrast.h"

namespace {

int Rgb(const QColor& colour)
{
    return static_cast<int>(colour.rgb() & 0xFFFFFF);
}

}  // namespace

// Every edit of the table is one step that Ctrl+Z undoes and Ctrl+Y redoes,
// the tree and the index circuit (the status line's first line) included.
TEST_F(NetworkWindowTest, EditsAreUndoneAndRedoneOneByOne)
{
    const struct {
        const char* keys;    // a shortcut, or empty to type in a cell
        int row;             // the cell typed in (schedule row)
        const char* column;  // its schedule column
        const char* text;
        const char* shape;               // the tree after the step
        const char* sized = nullptr;     // « Taille » and « Taille retenue » of the row typed in
        const char* velocity = nullptr;  // its « Vitesse » (m/s), worked out by hand
    } steps[] = {
        {"Ctrl+N", 0, nullptr, nullptr, "T1"},
        {"", 0, "length", "12", "T1"},
        {"Ctrl+Shift+N", 0, nullptr, nullptr, "T1(T2)"},
        {"", 1, "flow", "800", "T1(T2)"},
        {"", 1, "fittings", "coude90*2", "T1(T2)"},
        {"Ctrl+N", 1, nullptr, nullptr, "T1(T2,T3)"},
        {"", 2, "power", "9000", "T1(T2,T3)"},
        {"", 2, "fixed", "10kPa", "T1(T2,T3)"},
        {"", 0, "id", "P", "P(T2,T3)"},
        {"", 2, "upstream", "T2", "P(T2(T3))"},
        {"Del", 1, nullptr, nullptr, "P"},    // with T3 downstream: asked first
        {"Alt+I", 0, nullptr, nullptr, "P"},  // « Air », round ducts
        {"", 0, "flow", "1000", "P"},
        // v = 1000 / 3600 / (pi / 4 * 0.25^2) = 5.659; 1000 / 3600 / (0.4 * 0.2) = 3.472
        {"", 0, "size", "250", "P", "250", "5,66"},
        {"", 0, "size", "400 x 200", "P", "400x200", "3,47"},
    };
    auto head = [this] { return status->text().section(u'\n', 0, 0).toStdString(); };
    std::vector<std::string> statuses = {head()};
    QStringList shapes = {Shape()};
    for (const auto& step : steps) {
        if (*step.keys) {
            view->setCurrentIndex(model->IndexOfRow(step.row, 0));
            Keys(step.keys);
        } else {
            Type(step.row, step.column, QString::fromUtf8(step.text));
        }
        EXPECT_EQ(Shape().toStdString(), step.shape) << step.keys << step.text;
        if (step.sized) {
            const int size = Column("size");  // « Taille », then « Taille retenue » and « Vitesse »
            for (int column : {size, size + 1})
                EXPECT_EQ(model->IndexOfRow(step.row, column).data().toString().toStdString(), step.sized) << step.text;
            EXPECT_EQ(model->IndexOfRow(step.row, size + 2).data().toString().toStdString(), step.velocity)
                << step.text;
        }
        statuses.push_back(head());
        shapes << Shape();
    }
    EXPECT_NE(statuses[8].find("mmCE"), std::string::npos) << statuses[8];
    EXPECT_EQ(questions, 1);
    Keys("F1");
    EXPECT_EQ(helpOpened, 1);
    for (int i = static_cast<int>(std::size(steps)); i > 0; --i) {
        Keys("Ctrl+Z");
        EXPECT_EQ(Shape().toStdString(), shapes[i - 1].toStdString()) << "undo " << i;
        EXPECT_EQ(head(), statuses[i - 1]) << "undo " << i;
    }
    for (int i = 1; i <= static_cast<int>(std::size(steps)); ++i) {
        Keys("Ctrl+Y");
        EXPECT_EQ(Shape().toStdString(), shapes[i].toStdString()) << "redo " << i;
    }
    EXPECT_EQ(head(), statuses.back());
}

// Bad input marks its cell, says the row's error in the cell's tooltip and
// in the status line, and loses nothing else: the other cells keep what was
// typed, the other rows their results.
TEST_F(NetworkWindowTest, BadInputIsMarkedAndLosesNothing)
{
    const struct {
        const char* column;
        const char* text;
        bool air = false;  // typed once the circuit has turned to air
    } cases[] = {
        {"fittings", "coude91"}, {"fittings", "coude90*0"}, {"fixed", "12"},        {"length", "-3"},
        {"flow", "beaucoup"},    {"upstream", "X9"},        {"size", "400x200"},    {"size", "abc", true},
        {"size", "0", true},     {"size", "-250", true},    {"size", "400x", true}, {"size", "x200", true},
    };
    Keys("Ctrl+N");
    Type(0, "length", QStringLiteral("10"));
    Type(0, "flow", QStringLiteral("600"));
    Keys("Ctrl+N");
    Type(1, "length", QStringLiteral("4"));
    Type(1, "flow", QStringLiteral("300"));
    Type(1, "fittings", QStringLiteral("coude90"));
    auto cells = [this](int row, int role) {
        QStringList texts;
        for (int column = 0; column < model->columnCount(); ++column)
            texts << model->IndexOfRow(row, column).data(role).toString();
        return texts;
    };
    const QStringList typedInWater = cells(1, Qt::EditRole);
    QStringList otherRow = cells(0, Qt::DisplayRole), typed = typedInWater;
    const QColor marked = model->colours.errorBackground;
    for (const auto& c : cases) {
        if (c.air && model->shown.water) {
            Keys("Alt+I");
            otherRow = cells(0, Qt::DisplayRole);
            typed = cells(1, Qt::EditRole);
        }
        Type(1, c.column, QString::fromUtf8(c.text));
        const QModelIndex cell = model->IndexOfRow(1, Column(c.column));
        EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), marked) << c.column << " " << c.text;
        const QString error = cell.data(Qt::ToolTipRole).toString();
        EXPECT_FALSE(error.isEmpty()) << c.text;
        view->setCurrentIndex(cell);
        EXPECT_TRUE(status->text().contains(error)) << status->text().toStdString();
        QStringList expected = typed;
        expected[Column(c.column)] = QString::fromUtf8(c.text);
        EXPECT_EQ(cells(1, Qt::EditRole), expected) << c.text;
        EXPECT_EQ(cells(0, Qt::DisplayRole), otherRow) << c.text;
        Keys("Ctrl+Z");
    }
    Keys("Ctrl+Z");  // back to water
    // A rule the rows refuse is marked where it is typed, at the top.
    QLineEdit* supply = nullptr;
    for (QLineEdit* field : NetworkWindowWidget()->findChildren<QLineEdit*>())
        if (field->accessibleName() == QStringLiteral("Température aller (°C)"))
            supply = field;
    ASSERT_NE(supply, nullptr);
    supply->selectAll();
    QTest::keyClicks(supply, QStringLiteral("chaud"));
    Settle();
    EXPECT_TRUE(supply->toolTip().startsWith(QStringLiteral("supply"))) << supply->toolTip().toStdString();
    EXPECT_EQ(supply->palette().color(QPalette::Base), marked);
    EXPECT_EQ(cells(1, Qt::EditRole), typedInWater);
}

// The index circuit's text and a refused cell's text read at 4.5:1 or more on
// a light and on a dark base.
TEST(NetworkColours, ReadOnLightAndDarkPalettes)
{
    for (const QColor& base :
         {QColor(Qt::white), QColor(0x2A, 0x2A, 0x2A), QColor(0xF0, 0xF0, 0xF0), QColor(Qt::black)}) {
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        const TableColours colours = TableColoursFor(palette);
        EXPECT_GE(ContrastRatio(Rgb(colours.index), Rgb(base)), 4.5) << base.name().toStdString();
        EXPECT_GE(ContrastRatio(Rgb(colours.errorText), Rgb(colours.errorBackground)), 4.5);
    }
}

// Screen readers name the table, every field of the top (water's and air's)
// and a cell being typed, by its column's title.
TEST_F(NetworkWindowTest, TableAndEveryFieldHaveAnAccessibleName)
{
    QWidget* window = NetworkWindowWidget();
    int fields = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->inherits("QLineEdit") || widget->inherits("QComboBox") || widget->inherits("QTreeView")
            || widget->inherits("QRadioButton")) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
            ++fields;
        }
    }
    EXPECT_GE(fields, 18);  // project, 2 fluids, 6 water and 9 air rules, the table
    EXPECT_FALSE(view->accessibleName().isEmpty());
    Keys("Ctrl+N");
    view->setCurrentIndex(model->IndexOfRow(0, Column("fittings")));
    view->edit(view->currentIndex());
    auto* editor = view->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->accessibleName(), QStringLiteral("Singularités"));
}

// A session that ends (SIGTERM at logout) leaves the unsaved circuit in a
// recovery copy, which the next opening offers and restores, unsaved.
TEST_F(NetworkWindowTest, SessionEndKeepsARecoveryCopyOfferedAtNextOpening)
{
    Keys("Ctrl+N");
    Type(0, "length", QStringLiteral("7"));
    Type(0, "flow", QStringLiteral("450"));
    const QString head = status->text();
    EndNetworkWindow(true);
    Settle();
    EXPECT_FALSE(FoundRecoveryCopy(QString(), state.folders.data).isEmpty());
    QString asked;
    SetMessageHook([&asked](const QString&, const QString& text, MessageButtons) {
        asked = text;
        return int(AnswerYes);
    });
    OpenNetworkWindow(state, [] {});
    SetMessageHook(nullptr);
    status = nullptr;
    for (QLabel* label : NetworkWindowWidget()->findChildren<QLabel*>())
        if (!label->accessibleDescription().isEmpty())
            status = label;
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(asked.contains(QStringLiteral("copie de secours"))) << asked.toStdString();
    EXPECT_EQ(status->text(), head);
    EXPECT_TRUE(NetworkWindowWidget()->windowTitle().endsWith(u'*'));
}
