#pragma once

#include <QString>
#include <array>
#include <vector>

namespace pelmar::report {

// A rectangle on a report page, in twips (1/1440 inch) from the page's top-left corner.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// A table column: the heading cell and the row cells, left and width in twips.
struct TableColumn {
    int headingLeft;
    int headingWidth;
    int cellLeft;
    int cellWidth;
};

// Where a screen page puts one of its buttons: the top-left corner in twips. Every button is
// kButtonWidth × kButtonHeight.
struct ButtonPlace {
    const char* name;
    int left;
    int top;
};
constexpr int kButtonWidth = 1500;
constexpr int kButtonHeight = 480;

constexpr int kColumns = 6;  // lens, number, date and time, serial, result, judgement
constexpr int kCaptions = 5;  // 検査日, 温度：湿度, 測定器, 画像処理システム, 作成日
constexpr int kHeaderValues = 7;

// The fixed layout of one kind of report page: where every text goes and where the rules run,
// in twips. The screen pages place their labels by it, the printed pages draw by it. Table cells
// and the title are centred, header cells left-aligned; every text hangs from the top of its box.
struct PageLayout {
    int width;  // the page area
    int height;

    TwipRect pageIndicator;
    bool hasHeader;  // page 1: the title and the header block
    TwipRect title;
    std::array<TwipRect, kCaptions> captions;
    std::array<TwipRect, kHeaderValues> values;

    std::array<QString, kColumns> headings;
    int headingTop;
    int headingHeight;
    std::array<TableColumn, kColumns> columns;
    int rows;
    int rowTop;  // of row 0
    int rowPitch;
    int rowHeight;

    // The frame has double rules all round and a double rule under the headings; the column
    // rules run from its top to its bottom, a thin rule between every two rows.
    int frameLeft;
    int frameRight;
    int frameTop;
    int headingRule;
    int frameBottom;
    std::array<int, kColumns - 1> columnRules;
    int firstRowRule;  // then one every rowPitch, rows - 1 of them

    std::vector<ButtonPlace> buttons;  // on the screen pages only
};

// The width in twips that a text centred in a row cell of the column can take and stay clear of
// the rules on either side of the column (the cells reach over them here and there).
int clearCellWidth(const PageLayout& layout, int column);

// Point sizes of the report's texts, all in "ＭＳ Ｐゴシック" at normal weight.
constexpr double kTitlePoints = 15.75;
constexpr double kHeaderPoints = 11.25;
constexpr double kHeadingPoints = 14.25;
constexpr double kRowPoints = 11.25;
constexpr double kPageIndicatorPoints = 9.0;

// The report's title and the caption cells of the header block.
QString reportTitle();
const std::array<QString, kCaptions>& captionTexts();

// The screen pages: page 1 (frmSeiseki) and the later pages (frmSeiseki2).
const PageLayout& screenFirstPage();
const PageLayout& screenLaterPage();
// The printed pages: page 1 and the later pages, on a 12030 x 14175 twip area.
const PageLayout& printedFirstPage();
const PageLayout& printedLaterPage();

}  // namespace pelmar::report
