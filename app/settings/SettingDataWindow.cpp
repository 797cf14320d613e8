#include "app/settings/SettingDataWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/WindowSlot.h"

namespace pelmar::settings {
namespace {

QPushButton* button(const char* name, const QString& caption) {
    auto* made = new QPushButton(caption);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(true);
    return made;
}

}  // namespace

SettingDataWindow::SettingDataWindow(const QString& name, const QString& purpose,
                                     const char* actionName, const QString& actionCaption)
    : panel(new SettingPanel),
      action_(button(actionName, actionCaption)),
      cancel_(button("btnCan", QStringLiteral("キャンセル"))) {
    setObjectName(name);
    setWindowTitle(QStringLiteral("設定データ"));
    setAccessibleDescription(purpose);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(action_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    setWindowKeys(*this, *action_, *cancel_);
}

}  // namespace pelmar::settings
