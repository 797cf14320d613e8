#pragma once

#include <QString>
#include <QWidget>

#include "app/settings/SettingPanel.h"

class QPushButton;

namespace pelmar::settings {

// A window of the setting-data panel (caption "設定データ") with its two buttons at the right
// edge, one above the other: the window's action and "キャンセル".
class SettingDataWindow : public QWidget {
    Q_OBJECT
public:
    SettingPanel* panel;

protected:
    SettingDataWindow(const QString& name, const char* actionName, const QString& actionCaption);

    QPushButton* action_;
    QPushButton* cancel_;
};

}  // namespace pelmar::settings
