#include <gtest/gtest.h>

#include "network/circuit_edits.h"
#include "network/circuit_tree.h"
#include "network/network_rules.h"

namespace {

QStringList Sorted(const SectionOptions& options)
{
    QStringList pairs;
    for (const SectionOption& option : options)
        pairs << option.name + u'=' + option.value;
    pairs.sort();
    return pairs;
}

}  // namespace

// A circuit saved with its rules in every row opens with the same rules at
// the top and the same cells in the rows, whatever the rules of the window
// that opens it; the rows of imposed size keep their mode "dn" and no limit,
// an imposed duct its own shape and sides.
TEST(NetworkRules, SavedRulesOpenAsTheyWere)
{
    const SectionOptions other = {{"kind", "water"}, {"library", "PER"}, {"mode", "vitesse"}, {"limit", "0.80"}};
    const struct {
        SectionOptions rules;
        std::vector<QStringList> rows;  // id, upstream, length, size, mode, shape, diameter, side-a, side-b
    } cases[] = {
        {{{"kind", "water"},
          {"library", "Cuivre"},
          {"mode", "pdc"},
          {"limit", "18"},
          {"supply", "70"},
          {"return", "50"}},
         {{"T1", "", "10", "", ""}, {"T2", "T1", "4", "22", "dn"}, {"T3", "T1", "6", "", ""}}},
        {{{"kind", "water"}, {"library", "Acier"}, {"mode", "dn"}, {"antifreeze", "30"}},
         {{"A", "", "3", "26x34", ""}, {"B", "A", "2", "20x27", ""}}},
        {{{"kind", "air"},
          {"shape", "circ"},
          {"material", "Galva"},
          {"temp", "20"},
          {"mode", "vitesse"},
          {"limit", "3.50"}},
         {{"G1", "", "8", "", ""}, {"G2", "G1", "5", "", ""}}},
        {{{"kind", "air"},
          {"shape", "rect"},
          {"side-a", "300"},
          {"material", "Galva"},
          {"mode", "pdc"},
          {"limit", "1"}},
         {{"G1", "", "8", "", ""},
          {"G2", "G1", "5", "", "dn", "circ", "250"},
          {"G3", "G1", "5", "", "dn", "rect", "", "400", "200"}}},
    };
    for (const auto& c : cases) {
        CircuitSchedule schedule;
        schedule.header =
            QStringList{"id", "upstream", "length", "size", "mode", "shape", "diameter", "side-a", "side-b"};
        schedule.rows = c.rows;
        const CircuitSchedule saved = ScheduleWithRules(schedule, c.rules);
        for (int row = 0; row < static_cast<int>(saved.rows.size()); ++row)
            EXPECT_EQ(CellOf(saved, row, "limit").isEmpty(), CellOf(saved, row, "mode") == QLatin1String("dn"))
                << CellOf(saved, row, "id").toStdString();
        const NetworkInputs opened = InputsFromFile(saved, other);
        EXPECT_EQ(Sorted(opened.rules), Sorted(c.rules)) << Sorted(opened.rules).join(u' ').toStdString();
        for (int row = 0; row < static_cast<int>(schedule.rows.size()); ++row)
            for (const QString& column : schedule.header) {
                const QByteArray name = column.toLatin1();
                EXPECT_EQ(CellOf(opened.schedule, row, name.constData()).toStdString(),
                          CellOf(schedule, row, name.constData()).toStdString())
                    << name.constData() << " " << row;
            }
    }
}

// A hand-written file whose rows differ in a rule keeps each row's own cell;
// the top keeps the window's rule for the rows that give none.
TEST(NetworkRules, CellsThatDifferStayInTheirRows)
{
    const SectionOptions other = {{"kind", "water"}, {"library", "PER"}, {"mode", "pdc"}, {"limit", "18"}};
    const struct {
        QStringList limits;
    } cases[] = {{{"", "2"}}, {{"2", ""}}, {{"", "", "2"}}};
    for (const auto& c : cases) {
        CircuitSchedule schedule;
        schedule.header = QStringList{"id", "upstream", "kind", "limit"};
        for (int row = 0; row < c.limits.size(); ++row)
            schedule.rows.push_back({QStringLiteral("T%1").arg(row), row ? "T0" : "", "water", c.limits[row]});
        const NetworkInputs opened = InputsFromFile(schedule, other);
        const QString* limit = FindOption(opened.rules, "limit");
        EXPECT_EQ(limit ? *limit : QString(), QStringLiteral("18")) << c.limits.join(u',').toStdString();
        for (int row = 0; row < c.limits.size(); ++row)
            EXPECT_EQ(CellOf(opened.schedule, row, "limit"), c.limits[row]) << c.limits.join(u',').toStdString();
    }
}
