#include "app/widgets/LabelTable.h"

#include <algorithm>

namespace pelmar {

LabelTable::LabelTable(QWidget* parent) : QWidget(parent) {}

// A screen reader may ask about the table while its labels are deleted: it is empty by then,
// and still whole.
LabelTable::~LabelTable() {
    std::vector<QLabel*> labels = std::move(headings_);
    for (auto& column : columns_) labels.insert(labels.end(), column.begin(), column.end());
    headings_.clear();
    columns_.clear();
    qDeleteAll(labels);
}

void LabelTable::addColumn(QLabel* heading, std::vector<QLabel*> cells) {
    headings_.push_back(heading);
    columns_.push_back(std::move(cells));
}

int LabelTable::rowCount() const {
    return columns_.empty() ? 0 : static_cast<int>(columns_.front().size());
}

QLabel* LabelTable::heading(int column) const {
    return headings_.at(static_cast<std::size_t>(column));
}

QLabel* LabelTable::cell(int row, int column) const {
    return columns_.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
}

std::optional<TablePlace> LabelTable::placeOf(const QObject* label) const {
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (headings_[c] == label) return TablePlace{-1, static_cast<int>(c)};
        const auto& cells = columns_[c];
        const auto hit = std::find(cells.begin(), cells.end(), label);
        if (hit != cells.end()) {
            return TablePlace{static_cast<int>(hit - cells.begin()), static_cast<int>(c)};
        }
    }
    return std::nullopt;
}

}  // namespace pelmar
