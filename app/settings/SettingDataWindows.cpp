#include "app/settings/SettingDataWindows.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmar::settings {
namespace {

QPushButton* button(const char* name, const QString& caption) {
    auto* made = new QPushButton(caption);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(true);
    return made;
}

}  // namespace

SettingDataWindow::SettingDataWindow(const QString& name, const char* actionName,
                                     const QString& actionCaption)
    : panel(new SettingPanel),
      action_(button(actionName, actionCaption)),
      cancel_(button("btnCan", QStringLiteral("キャンセル"))) {
    setObjectName(name);
    setWindowTitle(QStringLiteral("設定データ"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(action_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

frmSettingData::frmSettingData(SettingData& data)
    : SettingDataWindow(QStringLiteral("frmSettingData"), "btnSave",
                        QStringLiteral("ファイルに保存")),
      btnSave(action_),
      btnCan(cancel_),
      data_(data) {
    panel->FillSettingPanel(data_);
    connect(btnSave, &QPushButton::clicked, this, [this] {
        panel->ReadSettingPanel(data_);
        emit saveRequested();
        close();
    });
    connect(btnCan, &QPushButton::clicked, this, &QWidget::close);
}

frmSettingDataRead::frmSettingDataRead(SettingData& data, const SettingData& loaded,
                                       SettingSender& sender)
    : SettingDataWindow(QStringLiteral("frmSettingDataRead"), "btnSend",
                        QStringLiteral("画像処理機に送信")),
      btnSend(action_),
      btnCan(cancel_),
      data_(data),
      sender_(sender) {
    data_ = loaded;
    panel->FillSettingPanel(data_);
    connect(btnSend, &QPushButton::clicked, this, [this] {
        if (answer(true)) close();
    });
    connect(btnCan, &QPushButton::clicked, this, [this] {
        if (answer(false)) close();
    });
}

bool frmSettingDataRead::answer(bool send) {
    if (running_ || finished_) return false;
    running_ = true;
    setEnabled(false);
    if (send) {
        panel->ReadSettingPanel(data_);
        sender_.send(data_);
    } else {
        sender_.cancel();
    }
    running_ = false;
    finished_ = true;
    return true;
}

// The DM waits for the dialog's answer: closing it by its frame answers "キャンセル".
void frmSettingDataRead::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    answer(false);
    event->accept();
}

}  // namespace pelmar::settings
