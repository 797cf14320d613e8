#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace pelmar::settings {

// The DM's setting data for one lens, as the DM sent it, a file held it or the inspector edited
// it. Values are kept as they come, without range checks; the dialogs show every value on their
// option buttons and collect back only the codes below.
struct SettingData {
    QString lensName;
    std::int32_t measureMode = 0;  // 1 クロス表示, 2 縦線測定, 3 クロス測定, 4 自動測定モード
    std::int32_t startTime = 0;    // seconds
    std::int32_t measureTime = 0;  // seconds
    std::int32_t saveResult = 0;   // the yes/no switches: 1 する, 0 しない
    std::int32_t traceDisplay = 0;
    std::int32_t swingDisplay = 0;
    std::int32_t okNgDisplay = 0;
    std::int32_t scaleReflect = 0;
    std::int32_t inspectImage = 0;  // 0 黒画像, 128 グレイ画像, -1 取込画像
    std::array<QString, 10> workerNames;

    bool operator==(const SettingData&) const = default;
};

// One of the nine numbers and the caption the inspector knows it by.
struct SettingNumber {
    std::int32_t SettingData::*field;
    const char16_t* caption;
};

// The nine numbers in the order of the file's second line and of the record line on the wire.
inline constexpr std::array<SettingNumber, 9> kSettingNumbers{{
    {&SettingData::measureMode, u"測定モード"},
    {&SettingData::startTime, u"開始時間"},
    {&SettingData::measureTime, u"測定時間"},
    {&SettingData::saveResult, u"測定結果保存"},
    {&SettingData::traceDisplay, u"軌跡表示"},
    {&SettingData::swingDisplay, u"振れ幅表示"},
    {&SettingData::okNgDisplay, u"ＯＫ／ＮＧ表示"},
    {&SettingData::scaleReflect, u"１目盛りの値反映"},
    {&SettingData::inspectImage, u"検査表示画像"},
}};

// The option buttons of the setting-data panel. A button is its element within its own frame:
// measureMode 0 to 3 (クロス表示, 縦線測定, クロス測定, 自動測定モード), a yes/no switch 0 しない
// and 1 する, inspectImage 0 to 2 (黒画像, グレイ画像, 取込画像). Every stored value selects a
// button; a selected button is collected as its code, so an unknown value goes out as the code
// of the button it was shown on (measureMode 7 as 4, saveResult 2 as 1, inspectImage 5 as -1).
int measureModeButton(std::int32_t measureMode);
std::int32_t measureModeFromButton(int button);
int yesNoButton(std::int32_t value);
std::int32_t yesNoFromButton(int button);
int inspectImageButton(std::int32_t inspectImage);
std::int32_t inspectImageFromButton(int button);

}  // namespace pelmar::settings
