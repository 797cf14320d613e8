#include "app/settings/SettingPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Accessibility.h"
#include "app/Named.h"
#include "app/text/Numbers.h"

namespace pelmar::settings {
namespace {

// The yes/no switches of the right column, in the order of their frames.
struct YesNoFrame {
    const char* frame;
    const char16_t* caption;
    std::int32_t SettingData::*field;
};
constexpr std::array<YesNoFrame, 4> kYesNoFrames{{
    {"Frame4", u"軌跡表示", &SettingData::traceDisplay},
    {"Frame5", u"振れ幅表示", &SettingData::swingDisplay},
    {"Frame6", u"ＯＫ／ＮＧ表示", &SettingData::okNgDisplay},
    {"Frame7", u"１目盛りの値反映", &SettingData::scaleReflect},
}};

QGroupBox* frame(const char* name, const QString& caption) {
    return named(new QGroupBox(caption), QString::fromLatin1(name));
}

QLineEdit* textBox(const QString& name, const QString& accessibleName, int width) {
    auto* box = named(new QLineEdit, name);
    box->setAccessibleName(accessibleName);
    box->setFixedWidth(width);
    return box;
}

// A member of a control array, named Name_i.
QRadioButton* option(const char* array, int element, const QString& caption) {
    return named(new QRadioButton(caption),
                 QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(element));
}

// The frame's own group: its buttons are numbered by their place in the frame.
QButtonGroup* groupOf(QWidget* frame, std::initializer_list<QRadioButton*> buttons) {
    auto* group = new QButtonGroup(frame);
    int id = 0;
    for (QRadioButton* button : buttons) group->addButton(button, id++);
    return group;
}

// The button selected in a frame's group, by its place in the frame; -1 when none is.
int selected(const QRadioButton* first) {
    return first->group()->checkedId();
}

}  // namespace

SettingPanel::SettingPanel(QWidget* parent) : QWidget(parent) {
    constexpr int kNameWidth = 220;
    constexpr int kTimeWidth = 64;

    auto* left = new QVBoxLayout;
    Frame9 = frame("Frame9", QStringLiteral("レンズ名"));
    txtLenz = textBox(QStringLiteral("txtLenz"), QStringLiteral("レンズ名"), kNameWidth);
    (new QVBoxLayout(Frame9))->addWidget(txtLenz);
    left->addWidget(Frame9);
    Frame3 = frame("Frame3", QStringLiteral("作業者名"));
    auto* workers = new QVBoxLayout(Frame3);
    for (int i = 0; i < 10; ++i) {
        txtWorker[std::size_t(i)] = textBox(QStringLiteral("txtWorker_%1").arg(i),
                                            QStringLiteral("作業者名%1").arg(i + 1), kNameWidth);
        workers->addWidget(txtWorker[std::size_t(i)]);
    }
    left->addWidget(Frame3);
    left->addStretch();

    auto* middle = new QVBoxLayout;
    Frame1 = frame("Frame1", QStringLiteral("測定モード"));
    auto* modes = new QVBoxLayout(Frame1);
    const std::array<QString, 4> modeCaptions = {
        QStringLiteral("クロス表示モード"), QStringLiteral("縦線測定モード"),
        QStringLiteral("クロス測定モード"), QStringLiteral("自動測定モード")};
    for (int i = 0; i < 4; ++i) {
        Option1[std::size_t(i)] = option("Option1", i, modeCaptions[std::size_t(i)]);
        modes->addWidget(Option1[std::size_t(i)]);
    }
    groupOf(Frame1, {Option1[0], Option1[1], Option1[2], Option1[3]});
    middle->addWidget(Frame1);

    Frame2 = frame("Frame2", QStringLiteral("自動測定モード設定"));
    auto* automatic = new QGridLayout(Frame2);
    const auto label = [](int element, const QString& caption) {
        return named(new QLabel(caption), QStringLiteral("Label2_%1").arg(element));
    };
    Label2[0] = label(0, QStringLiteral("開始時間"));
    Label2[1] = label(1, QStringLiteral("測定時間"));
    Label2[4] = label(4, QStringLiteral("測定結果保存"));
    txtDly = textBox(QStringLiteral("txtDly"), QStringLiteral("開始時間"), kTimeWidth);
    txtLim = textBox(QStringLiteral("txtLim"), QStringLiteral("測定時間"), kTimeWidth);
    for (int i = 0; i < 2; ++i) {
        Label3[std::size_t(i)] =
            named(new QLabel(QStringLiteral("ＳＥＣ")), QStringLiteral("Label3_%1").arg(i));
        QLineEdit* box = i == 0 ? txtDly : txtLim;
        Label2[std::size_t(i)]->setBuddy(box);
        automatic->addWidget(Label2[std::size_t(i)], i, 0);
        automatic->addWidget(box, i, 1);
        automatic->addWidget(Label3[std::size_t(i)], i, 2);
    }
    automatic->addWidget(Label2[4], 2, 0, 1, 3);
    Option2 = {option("Option2", 0, QStringLiteral("しない")),
               option("Option2", 1, QStringLiteral("する"))};
    // Their names say which switch the buttons set; their frame stays their label.
    for (QRadioButton* button : Option2) {
        button->setAccessibleName(memberName(Label2[4]->text(), button->text()));
    }
    auto* saveRow = new QHBoxLayout;
    saveRow->addWidget(Option2[0]);
    saveRow->addWidget(Option2[1]);
    automatic->addLayout(saveRow, 3, 0, 1, 3);
    groupOf(Frame2, {Option2[0], Option2[1]});
    middle->addWidget(Frame2);
    middle->addStretch();

    auto* right = new QVBoxLayout;
    for (std::size_t k = 0; k < kYesNoFrames.size(); ++k) {
        yesNoFrames[k] = frame(kYesNoFrames[k].frame, QString::fromUtf16(kYesNoFrames[k].caption));
        const int no = int(2 * k);
        Option3[std::size_t(no)] = option("Option3", no, QStringLiteral("しない"));
        Option3[std::size_t(no + 1)] = option("Option3", no + 1, QStringLiteral("する"));
        for (QRadioButton* button : {Option3[std::size_t(no)], Option3[std::size_t(no + 1)]}) {
            button->setAccessibleName(memberName(yesNoFrames[k]->title(), button->text()));
        }
        auto* pair = new QHBoxLayout(yesNoFrames[k]);
        pair->addWidget(Option3[std::size_t(no)]);
        pair->addWidget(Option3[std::size_t(no + 1)]);
        groupOf(yesNoFrames[k], {Option3[std::size_t(no)], Option3[std::size_t(no + 1)]});
        right->addWidget(yesNoFrames[k]);
    }
    Frame8 = frame("Frame8", QStringLiteral("検査表示画像"));
    Option4 = {option("Option4", 0, QStringLiteral("黒画像")),
               option("Option4", 1, QStringLiteral("グレイ画像")),
               option("Option4", 2, QStringLiteral("取込画像"))};
    auto* images = new QGridLayout(Frame8);
    images->addWidget(Option4[0], 0, 0);
    images->addWidget(Option4[1], 0, 1);
    images->addWidget(Option4[2], 1, 0);
    groupOf(Frame8, {Option4[0], Option4[1], Option4[2]});
    right->addWidget(Frame8);
    right->addStretch();

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
}

void SettingPanel::FillSettingPanel(const SettingData& data) {
    txtLenz->setText(data.lensName);
    for (std::size_t n = 0; n < txtWorker.size(); ++n) txtWorker[n]->setText(data.workerNames[n]);
    Option1[std::size_t(measureModeButton(data.measureMode))]->setChecked(true);
    txtDly->setText(text::signedBlank(data.startTime));
    txtLim->setText(text::signedBlank(data.measureTime));
    Option2[std::size_t(yesNoButton(data.saveResult))]->setChecked(true);
    for (std::size_t k = 0; k < kYesNoFrames.size(); ++k) {
        Option3[2 * k + std::size_t(yesNoButton(data.*kYesNoFrames[k].field))]->setChecked(true);
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
    for (std::size_t k = 0; k < kYesNoFrames.size(); ++k) {
        data.*kYesNoFrames[k].field = yesNoFromButton(selected(Option3[2 * k]));
    }
    data.inspectImage = inspectImageFromButton(selected(Option4[0]));
}

}  // namespace pelmar::settings
