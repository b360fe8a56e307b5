#include "network/circuit_edits.h"

#include <QUndoCommand>
#include <algorithm>

#include "network/circuit_tree.h"
#include "network/size_cell.h"

namespace {

// Schedule rows `block` (sorted) moved right after row `after`, the others
// keeping their order; the new index of each old row in `moved`.
void MoveRowsAfter(CircuitSchedule& schedule, const std::vector<int>& block, int after, std::vector<int>& moved)
{
    const int count = static_cast<int>(schedule.rows.size());
    std::vector<bool> inBlock(count, false);
    for (int row : block)
        inBlock[row] = true;
    std::vector<int> order;
    for (int row = 0; row < count; ++row) {
        if (inBlock[row])
            continue;
        order.push_back(row);
        if (row == after)
            order.insert(order.end(), block.begin(), block.end());
    }
    CircuitSchedule sorted = schedule;
    moved.assign(count, 0);
    for (int i = 0; i < count; ++i) {
        sorted.rows[i] = schedule.rows[order[i]];
        if (static_cast<size_t>(order[i]) < schedule.lines.size() && static_cast<size_t>(i) < sorted.lines.size())
            sorted.lines[i] = schedule.lines[order[i]];
        moved[order[i]] = i;
    }
    schedule = std::move(sorted);
}

// The last row of the row's downstream rows (the row itself when it has none).
int LastDownstream(const CircuitTree& tree, int row)
{
    return RowAndDownstream(tree, row).back();
}

QString NewRowId(const CircuitSchedule& schedule)
{
    for (int n = static_cast<int>(schedule.rows.size()) + 1;; ++n) {
        const QString id = QStringLiteral("T%1").arg(n);
        if (RowOfId(schedule, id) < 0)
            return id;
    }
}

bool IsWater(const NetworkInputs& in)
{
    const QString* kind = FindOption(in.rules, "kind");
    return !kind || *kind != QLatin1String("air");
}

}  // namespace

NetworkInputs WithCell(const NetworkInputs& in, int row, const char* column, const QString& text, int& current)
{
    NetworkInputs out = in;
    current = row;
    if (row < 0 || row >= static_cast<int>(in.schedule.rows.size()))
        return out;
    CircuitSchedule& s = out.schedule;
    const QString name = QString::fromLatin1(column);
    const QString typed = text.trimmed();
    if (name == QLatin1String("id")) {
        const QString old = CellOf(s, row, "id").trimmed();
        if (!old.isEmpty() && RowOfId(s, old) == row)
            for (int other = row + 1; other < static_cast<int>(s.rows.size()); ++other)
                if (CellOf(s, other, "upstream").trimmed() == old)
                    SetCellOf(s, other, "upstream", typed);
    }
    if (name == QLatin1String("size")) {
        SetSizeCell(s, row, IsWater(in), typed);
        return out;
    }
    SetCellOf(s, row, column, typed);
    if (!typed.isEmpty() && name == QLatin1String("flow") && s.header.contains(QLatin1String("power")))
        SetCellOf(s, row, "power", QString());
    if (!typed.isEmpty() && name == QLatin1String("power") && s.header.contains(QLatin1String("flow")))
        SetCellOf(s, row, "flow", QString());
    if (name == QLatin1String("upstream")) {
        const int upstream = RowOfId(s, typed);
        const CircuitTree tree = BuildCircuitTree(in.schedule);
        const std::vector<int> block = RowAndDownstream(tree, row);
        if (upstream > row && !std::binary_search(block.begin(), block.end(), upstream)) {
            std::vector<int> moved;
            MoveRowsAfter(s, block, LastDownstream(BuildCircuitTree(s), upstream), moved);
            current = moved[row];
        }
    }
    return out;
}

NetworkInputs WithRowAdded(const NetworkInputs& in, int selected, bool downstream, int& current)
{
    NetworkInputs out = in;
    CircuitSchedule& s = out.schedule;
    if (!s.header.contains(QLatin1String("id")))
        s.header << QStringLiteral("id");
    const int count = static_cast<int>(s.rows.size());
    const bool known = selected >= 0 && selected < count;
    const QString id = NewRowId(s);
    const QString upstream = !known ? QString()
        : downstream                ? CellOf(s, selected, "id").trimmed()
                                    : CellOf(s, selected, "upstream").trimmed();
    current = known ? LastDownstream(BuildCircuitTree(s), selected) + 1 : count;
    s.rows.insert(s.rows.begin() + current, QStringList());
    if (!s.lines.empty())
        s.lines.insert(s.lines.begin() + std::min<size_t>(current, s.lines.size()), 0);
    SetCellOf(s, current, "id", id);
    SetCellOf(s, current, "upstream", upstream);
    return out;
}

NetworkInputs WithoutRow(const NetworkInputs& in, int row, int& current)
{
    NetworkInputs out = in;
    current = -1;
    if (row < 0 || row >= static_cast<int>(in.schedule.rows.size()))
        return out;
    const std::vector<int> gone = RowAndDownstream(BuildCircuitTree(in.schedule), row);
    CircuitSchedule& s = out.schedule;
    for (auto at = gone.rbegin(); at != gone.rend(); ++at) {
        s.rows.erase(s.rows.begin() + *at);
        if (static_cast<size_t>(*at) < s.lines.size())
            s.lines.erase(s.lines.begin() + *at);
    }
    current = s.rows.empty() ? -1 : std::min(row, static_cast<int>(s.rows.size()) - 1);
    return out;
}

NetworkInputs WithRule(const NetworkInputs& in, const char* name, const QString& text)
{
    NetworkInputs out = in;
    std::erase_if(out.rules, [name](const SectionOption& o) { return o.name == QLatin1String(name); });
    if (!text.trimmed().isEmpty())
        out.rules.push_back({QString::fromLatin1(name), text.trimmed()});
    return out;
}

namespace {

// Qt's undo stack takes its steps as objects of this one kind.
class NetworkEdit : public QUndoCommand {
public:
    NetworkEdit(const QString& text, const NetworkInputs& before, int currentBefore, const NetworkInputs& after,
                int currentAfter, const ApplyInputs& apply, int mergeId)
        : QUndoCommand(text), before_(before), after_(after), currentBefore_(currentBefore),
          currentAfter_(currentAfter), apply_(apply), mergeId_(mergeId)
    {
    }
    void undo() override { apply_(before_, currentBefore_); }
    void redo() override { apply_(after_, currentAfter_); }
    int id() const override { return mergeId_; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const NetworkEdit*>(other);
        after_ = next->after_;
        currentAfter_ = next->currentAfter_;
        return true;
    }

private:
    NetworkInputs before_, after_;
    int currentBefore_, currentAfter_;
    ApplyInputs apply_;
    int mergeId_;
};

}  // namespace

void PushNetworkEdit(QUndoStack& stack, const QString& text, const NetworkInputs& before, int currentBefore,
                     const NetworkInputs& after, int currentAfter, const ApplyInputs& apply, int mergeId)
{
    stack.push(new NetworkEdit(text, before, currentBefore, after, currentAfter, apply, mergeId));
}
