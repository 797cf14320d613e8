#include "app/settings/SettingPanel.h"

#include <QButtonGroup>

#include "app/text/Numbers.h"
#include "ui_SettingPanel.h"

namespace pelmar::settings {
namespace {

// The yes/no switches of the right column, in the order of their frames.
constexpr std::array<std::int32_t SettingData::*, 4> kYesNoFields{
    &SettingData::traceDisplay, &SettingData::swingDisplay, &SettingData::okNgDisplay,
    &SettingData::scaleReflect};

// The frame's own group: its buttons are numbered by their place in the frame.
void groupOf(QWidget* frame, std::initializer_list<QRadioButton*> buttons) {
    auto* group = new QButtonGroup(frame);
    int id = 0;
    for (QRadioButton* button : buttons) group->addButton(button, id++);
}

// The button selected in a frame's group, by its place in the frame; -1 when none is.
int selected(const QRadioButton* first) {
    return first->group()->checkedId();
}

}  // namespace

SettingPanel::SettingPanel(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SettingPanel>()) {
    ui_->setupUi(this);
    Frame9 = ui_->Frame9;
    txtLenz = ui_->txtLenz;
    Frame3 = ui_->Frame3;
    txtWorker = {ui_->txtWorker_0, ui_->txtWorker_1, ui_->txtWorker_2, ui_->txtWorker_3,
                 ui_->txtWorker_4, ui_->txtWorker_5, ui_->txtWorker_6, ui_->txtWorker_7,
                 ui_->txtWorker_8, ui_->txtWorker_9};
    Frame1 = ui_->Frame1;
    Option1 = {ui_->Option1_0, ui_->Option1_1, ui_->Option1_2, ui_->Option1_3};
    Frame2 = ui_->Frame2;
    Label2 = {ui_->Label2_0, ui_->Label2_1, nullptr, nullptr, ui_->Label2_4};
    txtDly = ui_->txtDly;
    txtLim = ui_->txtLim;
    Label3 = {ui_->Label3_0, ui_->Label3_1};
    Option2 = {ui_->Option2_0, ui_->Option2_1};
    yesNoFrames = {ui_->Frame4, ui_->Frame5, ui_->Frame6, ui_->Frame7};
    Option3 = {ui_->Option3_0, ui_->Option3_1, ui_->Option3_2, ui_->Option3_3,
               ui_->Option3_4, ui_->Option3_5, ui_->Option3_6, ui_->Option3_7};
    Frame8 = ui_->Frame8;
    Option4 = {ui_->Option4_0, ui_->Option4_1, ui_->Option4_2};

    groupOf(Frame1, {Option1[0], Option1[1], Option1[2], Option1[3]});
    groupOf(Frame2, {Option2[0], Option2[1]});
    for (std::size_t k = 0; k < yesNoFrames.size(); ++k) {
        groupOf(yesNoFrames[k], {Option3[2 * k], Option3[2 * k + 1]});
    }
    groupOf(Frame8, {Option4[0], Option4[1], Option4[2]});
}

SettingPanel::~SettingPanel() = default;

void SettingPanel::FillSettingPanel(const SettingData& data) {
    txtLenz->setText(data.lensName);
    for (std::size_t n = 0; n < txtWorker.size(); ++n) txtWorker[n]->setText(data.workerNames[n]);
    Option1[std::size_t(measureModeButton(data.measureMode))]->setChecked(true);
    txtDly->setText(text::signedBlank(data.startTime));
    txtLim->setText(text::signedBlank(data.measureTime));
    Option2[std::size_t(yesNoButton(data.saveResult))]->setChecked(true);
    for (std::size_t k = 0; k < kYesNoFields.size(); ++k) {
        Option3[2 * k + std::size_t(yesNoButton(data.*kYesNoFields[k]))]->setChecked(true);
    }
    Option4[std::size_t(inspectImageButton(data.inspectImage))]->setChecked(true);
}

void SettingPanel::ReadSettingPanel(SettingData& data) const {
    data.lensName = txtLenz->text();
    for (std::size_t n = 0; n < txtWorker.size(); ++n) data.workerNames[n] = txtWorker[n]->text();
    data.measureMode = measureModeFromButton(selected(Option1[0]));
    data.startTime = text::leadingInt32(txtDly->text());
    data.measureTime = text::leadingInt32(txtLim->text());
    data.saveResult = yesNoFromButton(selected(Option2[0]));
    for (std::size_t k = 0; k < kYesNoFields.size(); ++k) {
        data.*kYesNoFields[k] = yesNoFromButton(selected(Option3[2 * k]));
    }
    data.inspectImage = inspectImageFromButton(selected(Option4[0]));
}

}  // namespace pelmar::settings
