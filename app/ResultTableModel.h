#pragma once

#include <QString>
#include <array>
#include <optional>

#include "app/records/ResultHistory.h"

namespace pelmar {

// One row of the result table: the entry it shows, the texts of its cells in the table's column
// order (Ｎｏ．, 日時, 測定モード, 測定結果, 判定, 許容値, １目盛り, レンズ名, シリアル, 画像処理,
// 作業者名, 偏芯測定器) and its check mark.
struct ResultRow {
    static constexpr int kColumns = 12;

    int entry = 0;
    std::array<QString, kColumns> cells;
    bool checked = false;
};

// What a click on a row recalls: the entry's number and its stored image, the JPEG file when it
// is there, else the bitmap; empty when neither is.
struct EntryImage {
    int number = 0;
    QString file;
};

// The main window's result table over the result history, without its widgets: eight rows, the
// first showing entry historyTop once the history holds more results than rows, the scroll
// buttons moving historyTop, each row's check box its entry's check mark.
class ResultTableModel {
public:
    static constexpr int kRows = ResultHistory::kRows;

    explicit ResultTableModel(ResultHistory& history) : history_(history) {}

    // The rows that show an entry: every row once the history scrolls, else the rows up to the
    // slot where the next result goes (a new result is drawn there before the count moves on).
    int shownRows() const;
    int entryOf(int row) const;
    ResultRow row(int row) const;

    // A check box clicked: its row's entry is listed on the report and in the merge, or not.
    void setChecked(int row, bool checked);
    // The scroll buttons; true when the rows moved.
    bool scrollUp();
    bool scrollDown();

    // Nothing for an entry without image files.
    std::optional<EntryImage> image(int row) const;

private:
    ResultHistory& history_;
};

}  // namespace pelmar
