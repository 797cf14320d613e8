#include "app/report/PageLayout.h"

#include <algorithm>

namespace pelmar::report {
namespace {

const std::array<QString, kColumns> kHeadings = {
    QStringLiteral("レンズ名"), QStringLiteral("Ｎｏ．"),   QStringLiteral("日時"),
    QStringLiteral("シリアル"), QStringLiteral("測定結果"), QStringLiteral("合否判定")};

std::array<QString, kColumns> laterScreenHeadings() {
    auto headings = kHeadings;
    headings[3] = QStringLiteral("シリアルＮｏ．");
    return headings;
}

// Both printed pages share their columns but for the number cells' width.
std::array<TableColumn, kColumns> printedColumns(int numberWidth) {
    return {{{930, 2535, 960, 2535},
             {3600, 720, 3600, numberWidth},
             {4320, 2265, 4320, 2295},
             {6600, 1275, 6600, 1275},
             {7800, 1680, 7800, 1680},
             {9495, 1320, 9480, 1335}}};
}

constexpr TwipRect kNoRect{0, 0, 0, 0};

}  // namespace

int clearCellWidth(const PageLayout& layout, int column) {
    const auto c = static_cast<std::size_t>(column);
    const TableColumn& cells = layout.columns[c];
    const int leftRule = c == 0 ? layout.frameLeft : layout.columnRules[c - 1];
    const int rightRule = c + 1 == kColumns ? layout.frameRight : layout.columnRules[c];
    // A rule's band lies right of its position and is at most a double rule (30 twips) wide;
    // the text keeps a thin rule's width (15) of room from either band.
    const int left = leftRule + 45;
    const int right = rightRule - 15;
    const int centre2 = 2 * cells.cellLeft + cells.cellWidth;  // twice the centre
    return std::max(0, std::min({cells.cellWidth, centre2 - 2 * left, 2 * right - centre2}));
}

QString reportTitle() {
    return QStringLiteral("検査成績書");
}

const std::array<QString, kCaptions>& captionTexts() {
    static const std::array<QString, kCaptions> texts = {
        QStringLiteral("検査日"), QStringLiteral("温度：湿度"), QStringLiteral("測定器"),
        QStringLiteral("画像処理システム"), QStringLiteral("作成日")};
    return texts;
}

const PageLayout& screenFirstPage() {
    static const PageLayout layout{
        .width = 12660,
        .height = 11145,
        .pageIndicator = {9720, 360, 1215, 255},
        .hasHeader = true,
        .title = {4800, 810, 1755, 390},
        .captions = {{{1080, 1400, 1860, 315},
                      {1080, 1760, 1860, 315},
                      {1080, 2120, 1860, 315},
                      {1080, 2480, 1860, 315},
                      {7560, 1455, 885, 315}}},
        .values = {{{2970, 1395, 1635, 315},
                    {2970, 1760, 1635, 315},
                    {2970, 2120, 1635, 315},
                    {2970, 2480, 1635, 315},
                    {8400, 1455, 2400, 315},
                    {7560, 1815, 3255, 315},
                    {7560, 2175, 3255, 315}}},
        .headings = kHeadings,
        .headingTop = 3360,
        .headingHeight = 375,
        .columns = {{{960, 2535, 960, 2535},
                     {3600, 720, 3600, 720},
                     {4320, 2295, 4320, 2295},
                     {6600, 1275, 6600, 1275},
                     {7800, 1680, 7800, 1680},
                     {9480, 1320, 9480, 1320}}},
        .rows = 20,
        .rowTop = 3840,
        .rowPitch = 360,
        .rowHeight = 255,
        .frameLeft = 960,
        .frameRight = 10800,
        .frameTop = 3240,
        .headingRule = 3720,
        .frameBottom = 10920,
        .columnRules = {3480, 4320, 6600, 7800, 9480},
        .firstRowRule = 4080,
        .buttons = {{"BtnAllDataSave", 10980, 3240},
                    {"BtnNext", 10980, 3840},
                    {"BtnPrint", 10980, 9840},
                    {"BtnEnd", 10980, 10440}},
    };
    return layout;
}

const PageLayout& screenLaterPage() {
    static const PageLayout layout{
        .width = 12660,
        .height = 11145,
        .pageIndicator = {9720, 360, 1215, 255},
        .hasHeader = false,
        .title = kNoRect,
        .captions = {},
        .values = {},
        .headings = laterScreenHeadings(),
        .headingTop = 1080,
        .headingHeight = 375,
        .columns = {{{960, 1575, 960, 1575},
                     {2520, 855, 2520, 855},
                     {3360, 2295, 3360, 2295},
                     {5640, 1875, 5640, 1875},
                     {7440, 2055, 7440, 2055},
                     {9480, 1320, 9480, 1320}}},
        .rows = 25,
        .rowTop = 1560,
        .rowPitch = 360,
        .rowHeight = 255,
        .frameLeft = 960,
        .frameRight = 10800,
        .frameTop = 960,
        .headingRule = 1440,
        .frameBottom = 10440,
        .columnRules = {2520, 3360, 5640, 7440, 9480},
        .firstRowRule = 1800,
        .buttons = {{"BtnPre", 10980, 960}, {"BtnNext", 10980, 1560}},
    };
    return layout;
}

const PageLayout& printedFirstPage() {
    static const PageLayout layout{
        .width = 12030,
        .height = 14175,
        .pageIndicator = {9720, 360, 1215, 255},
        .hasHeader = true,
        .title = {4800, 810, 1755, 390},
        .captions = {{{960, 1695, 1860, 315},
                      {960, 2055, 1860, 315},
                      {960, 2415, 1860, 315},
                      {960, 2790, 1860, 315},
                      {7560, 1695, 885, 315}}},
        .values = {{{2970, 1695, 1875, 330},
                    {2970, 2055, 1635, 315},
                    {2970, 2415, 1635, 315},
                    {2970, 2790, 1635, 330},
                    {8400, 1695, 2400, 315},
                    {7560, 2055, 3255, 315},
                    {7560, 2415, 3255, 315}}},
        .headings = kHeadings,
        .headingTop = 3840,
        .headingHeight = 375,
        .columns = printedColumns(720),
        .rows = 20,
        .rowTop = 4320,
        .rowPitch = 480,
        .rowHeight = 255,
        .frameLeft = 960,
        .frameRight = 10800,
        .frameTop = 3720,
        .headingRule = 4200,
        .frameBottom = 13800,
        .columnRules = {3480, 4320, 6600, 7800, 9480},
        .firstRowRule = 4680,
        .buttons = {},
    };
    return layout;
}

const PageLayout& printedLaterPage() {
    static const PageLayout layout{
        .width = 12030,
        .height = 14175,
        .pageIndicator = {9720, 360, 1215, 255},
        .hasHeader = false,
        .title = kNoRect,
        .captions = {},
        .values = {},
        .headings = kHeadings,
        .headingTop = 1440,
        .headingHeight = 375,
        .columns = printedColumns(735),
        .rows = 25,
        .rowTop = 1920,
        .rowPitch = 480,
        .rowHeight = 255,
        .frameLeft = 960,
        .frameRight = 10800,
        .frameTop = 1320,
        .headingRule = 1800,
        .frameBottom = 13800,
        .columnRules = {3480, 4320, 6600, 7800, 9480},
        .firstRowRule = 2280,
        .buttons = {},
    };
    return layout;
}

}  // namespace pelmar::report
