#include "network/circuit_tree.h"

#include <QHash>
#include <algorithm>

CircuitTree BuildCircuitTree(const CircuitSchedule& schedule)
{
    const int count = static_cast<int>(schedule.rows.size());
    CircuitTree tree;
    tree.parent.assign(count, -1);
    tree.position.assign(count, 0);
    tree.children.resize(count);
    const qsizetype idColumn = schedule.header.indexOf(QLatin1String("id"));
    const qsizetype upColumn = schedule.header.indexOf(QLatin1String("upstream"));
    QHash<QString, int> firstRow;  // id -> earliest row of that id
    for (int row = 0; row < count; ++row) {
        const QString up = upColumn >= 0 ? schedule.rows[row].value(upColumn).trimmed() : QString();
        const auto found = up.isEmpty() ? firstRow.cend() : firstRow.constFind(up);
        if (found != firstRow.cend()) {
            tree.parent[row] = found.value();
            tree.position[row] = static_cast<int>(tree.children[found.value()].size());
            tree.children[found.value()].push_back(row);
        } else {
            tree.position[row] = static_cast<int>(tree.roots.size());
            tree.roots.push_back(row);
        }
        const QString id = idColumn >= 0 ? schedule.rows[row].value(idColumn).trimmed() : QString();
        if (!id.isEmpty() && !firstRow.contains(id))
            firstRow.insert(id, row);
    }
    return tree;
}

QString CellOf(const CircuitSchedule& schedule, int row, const char* column)
{
    const qsizetype at = schedule.header.indexOf(QLatin1String(column));
    if (at < 0 || row < 0 || row >= static_cast<int>(schedule.rows.size()))
        return QString();
    return schedule.rows[row].value(at);
}

void SetCellOf(CircuitSchedule& schedule, int row, const char* column, const QString& text)
{
    qsizetype at = schedule.header.indexOf(QLatin1String(column));
    if (at < 0) {
        schedule.header << QString::fromLatin1(column);
        at = schedule.header.size() - 1;
    }
    QStringList& cells = schedule.rows[row];
    while (cells.size() <= at)
        cells << QString();
    cells[at] = text;
}

std::vector<int> RowAndDownstream(const CircuitTree& tree, int row)
{
    std::vector<int> rows = {row};
    for (size_t i = 0; i < rows.size(); ++i)
        for (int child : tree.children[rows[i]])
            rows.push_back(child);
    std::sort(rows.begin(), rows.end());
    return rows;
}

int RowOfId(const CircuitSchedule& schedule, const QString& id)
{
    const qsizetype at = schedule.header.indexOf(QLatin1String("id"));
    if (at < 0 || id.trimmed().isEmpty())
        return -1;
    for (int row = 0; row < static_cast<int>(schedule.rows.size()); ++row)
        if (schedule.rows[row].value(at).trimmed() == id.trimmed())
            return row;
    return -1;
}
