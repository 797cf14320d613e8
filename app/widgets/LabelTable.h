#pragma once

#include <QLabel>
#include <QWidget>
#include <optional>
#include <vector>

namespace pelmar {

// Where a label stands in a LabelTable: row -1 is the headings.
struct TablePlace {
    int row;
    int column;
};

// A grid of labels under a row of headings, as the result table and the report's table show
// their results. It draws nothing of its own; to a screen reader it is a table with rows,
// columns and header cells, read row by row. Its labels are its children, placed by whoever
// makes them.
class LabelTable : public QWidget {
    Q_OBJECT
public:
    explicit LabelTable(QWidget* parent);
    ~LabelTable() override;

    // Adds a column: its heading and its cells from the top row down (every column as many).
    void addColumn(QLabel* heading, std::vector<QLabel*> cells);

    int columnCount() const { return static_cast<int>(headings_.size()); }
    int rowCount() const;
    QLabel* heading(int column) const;
    QLabel* cell(int row, int column) const;
    std::optional<TablePlace> placeOf(const QObject* label) const;

private:
    std::vector<QLabel*> headings_;
    std::vector<std::vector<QLabel*>> columns_;
};

}  // namespace pelmar
