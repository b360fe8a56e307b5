#include <gtest/gtest.h>

#include <QRegularExpression>

#include "network/circuit_copy.h"
#include "network/circuit_table.h"
#include "network/sample_circuit.h"

namespace {

TEST(CircuitCopy, GivesTheChosenRowsAsTabSeparatedColumnsWithDecimalCommas)
{
    SampleCircuit sample;
    ASSERT_NO_FATAL_FAILURE(SizeSample(sample));
    // A tab or a line break typed into a cell must not shift the columns.
    sample.schedule.rows[2][sample.schedule.header.indexOf(QStringLiteral("fittings"))] = QStringLiteral("a\tb\nc");
    const std::vector<CircuitColumnInfo> columns = CircuitColumns(true);
    QStringList titles;
    for (const CircuitColumnInfo& info : columns)
        titles << CircuitColumnTitle(info.column, true);
    titles.insert(1, QStringLiteral("Amont"));  // the window's column after the id

    const struct {
        std::vector<int> rows;
        QStringList ids;
        QStringList upstream;
    } cases[] = {
        {{}, {"T1", "Départ", "R2"}, {"", "T1", "T1"}},
        {{2, 0}, {"R2", "T1"}, {"T1", ""}},
        {{1}, {"Départ"}, {"T1"}},
    };
    const QRegularExpression pointDecimal(QStringLiteral("^-?[0-9]+\\.[0-9]+$"));
    for (const auto& c : cases) {
        const QString text = CircuitCopyText(sample.schedule, sample.result, true, c.rows);
        ASSERT_TRUE(text.endsWith(u'\n'));
        const QStringList lines = text.chopped(1).split(u'\n');
        ASSERT_EQ(lines.size(), c.ids.size() + 1) << text.toStdString();
        EXPECT_EQ(lines[0], titles.join(u'\t'));
        for (int i = 0; i < c.ids.size(); ++i) {
            const QStringList cells = lines[i + 1].split(u'\t');
            ASSERT_EQ(cells.size(), titles.size()) << lines[i + 1].toStdString();
            EXPECT_EQ(cells[0], c.ids[i]);
            EXPECT_EQ(cells[1], c.upstream[i]);
            const int row = c.rows.empty() ? i : c.rows[i];
            for (size_t k = 1; k < columns.size(); ++k) {
                const QString& cell = cells[k + 1];
                EXPECT_FALSE(pointDecimal.match(cell).hasMatch()) << cell.toStdString();
                // The results are the table's digits, with the comma.
                if (!columns[k].editable) {
                    QString shown = CircuitCellText(sample.schedule, sample.result, row, columns[k], false);
                    EXPECT_EQ(cell, shown.replace(u'.', u','));
                }
            }
        }
    }
    const QString whole = CircuitCopyText(sample.schedule, sample.result, true, {});
    EXPECT_TRUE(whole.contains(QStringLiteral("\nDépart\tT1\t5,5\t"))) << whole.toStdString();
    EXPECT_TRUE(whole.contains(QStringLiteral("\ta b c\t"))) << whole.toStdString();
}

}  // namespace
