#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "app/settings/SettingData.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace Ui {
class SettingPanel;
}

namespace pelmar::settings {

// The controls that show one setting-data record, shared by the editor and the send dialog, in
// three columns of frames: the lens name and the ten worker names; the measurement mode and the
// automatic mode's settings; the four yes/no displays and the inspection image. Each frame is a
// group of its own in which exactly one option button is selected.
class SettingPanel : public QWidget {
    Q_OBJECT
public:
    explicit SettingPanel(QWidget* parent = nullptr);
    ~SettingPanel() override;

    // Shows the record; values outside the codes select the button they are collected back as
    // (a mode of 7 shows "自動測定モード").
    void FillSettingPanel(const SettingData& data);
    // Stores what the panel shows into the record: texts as they stand, the two times as their
    // leading numbers, the codes of the selected buttons.
    void ReadSettingPanel(SettingData& data) const;

    QGroupBox* Frame9;  // レンズ名
    QLineEdit* txtLenz;
    QGroupBox* Frame3;  // 作業者名
    std::array<QLineEdit*, 10> txtWorker;
    QGroupBox* Frame1;  // 測定モード
    std::array<QRadioButton*, 4> Option1;
    QGroupBox* Frame2;  // 自動測定モード設定
    // Elements 0 "開始時間", 1 "測定時間" and 4 "測定結果保存"; 2 and 3 are not part of it.
    std::array<QLabel*, 5> Label2{};
    QLineEdit* txtDly;
    QLineEdit* txtLim;
    std::array<QLabel*, 2> Label3;  // "ＳＥＣ" after each time
    std::array<QRadioButton*, 2> Option2;
    // 軌跡表示, 振れ幅表示, ＯＫ／ＮＧ表示, １目盛りの値反映: elements 2k "しない", 2k+1 "する".
    std::array<QGroupBox*, 4> yesNoFrames;  // Frame4 to Frame7
    std::array<QRadioButton*, 8> Option3;
    QGroupBox* Frame8;  // 検査表示画像
    std::array<QRadioButton*, 3> Option4;

private:
    std::unique_ptr<Ui::SettingPanel> ui_;
};

}  // namespace pelmar::settings
