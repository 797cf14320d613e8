#include "app/ResultTableModel.h"

#include "app/folders/FolderMaking.h"

namespace pelmar {

int ResultTableModel::shownRows() const {
    return history_.historyCount > kRows - 1 ? kRows : history_.historyCount + 1;
}

int ResultTableModel::entryOf(int row) const {
    return (history_.historyCount > kRows - 1 ? history_.historyTop : 0) + row;
}

ResultRow ResultTableModel::row(int row) const {
    const int e = entryOf(row);
    const ResultEntry& entry = history_.entries[static_cast<std::size_t>(e)];
    return {e,
            {entryNumberText(e), rowDateText(entry.dateTime), modeText(entry.modeCode),
             entry.result, entry.judgement, entry.tolerance, entry.scaleDivision, entry.lensName,
             entry.serialNo, entry.processorModel, entry.workerName, entry.instrumentModel},
            entry.checked == 1};
}

void ResultTableModel::setChecked(int row, bool checked) {
    history_.entries[static_cast<std::size_t>(entryOf(row))].checked = checked ? 1 : 0;
}

bool ResultTableModel::scrollUp() {
    if (history_.historyTop < 1) return false;
    --history_.historyTop;
    return true;
}

bool ResultTableModel::scrollDown() {
    if (history_.historyTop + kRows - 1 >= history_.historyCount - 1) return false;
    ++history_.historyTop;
    return true;
}

std::optional<EntryImage> ResultTableModel::image(int row) const {
    const int e = entryOf(row);
    const ResultEntry& entry = history_.entries[static_cast<std::size_t>(e)];
    if (entry.jpegPath.isEmpty()) return std::nullopt;
    EntryImage image{e + 1, QString()};
    if (folders::FileExists(entry.jpegPath)) {
        image.file = entry.jpegPath;
    } else if (folders::FileExists(entry.bitmapPath)) {
        image.file = entry.bitmapPath;
    }
    return image;
}

}  // namespace pelmar
