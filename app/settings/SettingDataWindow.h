#pragma once

#include <QString>
#include <QWidget>

#include "app/settings/SettingPanel.h"

class QPushButton;

namespace pelmar::settings {

// A window of the setting-data panel (caption "設定データ") with its two buttons at the right
// edge, one above the other: the window's action (Enter) and "キャンセル" (Escape). The editor and
// the send dialog share the caption; a screen reader tells them apart by what each is for, their
// accessible description.
class SettingDataWindow : public QWidget {
    Q_OBJECT
public:
    SettingPanel* panel;

protected:
    SettingDataWindow(const QString& name, const QString& purpose, const char* actionName,
                      const QString& actionCaption);

    QPushButton* action_;
    QPushButton* cancel_;
};

}  // namespace pelmar::settings
