#pragma once

#include <QTranslator>

namespace pelmar {

// Gives Qt's standard buttons and dialogs their Japanese texts (はい, いいえ, キャンセル) and
// Japanese dates, and asks for the windows' font by its Japanese name. False when Qt's Japanese
// translation is missing (the buttons then stay English).
[[nodiscard]] bool installJapanese(QTranslator& translator);

}  // namespace pelmar
