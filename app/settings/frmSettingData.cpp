#include "app/settings/frmSettingData.h"

#include <QPushButton>

namespace pelmar::settings {

frmSettingData::frmSettingData(SettingData& data)
    : SettingDataWindow(QStringLiteral("frmSettingData"),
                        QStringLiteral("画像処理機から受け取った設定データの確認と保存"), "btnSave",
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

}  // namespace pelmar::settings
