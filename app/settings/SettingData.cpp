#include "app/settings/SettingData.h"

namespace pelmar::settings {

int measureModeButton(std::int32_t measureMode) {
    return measureMode >= 1 && measureMode <= 3 ? measureMode - 1 : 3;
}

std::int32_t measureModeFromButton(int button) {
    return button >= 0 && button <= 2 ? button + 1 : 4;
}

int yesNoButton(std::int32_t value) {
    return value == 0 ? 0 : 1;
}

std::int32_t yesNoFromButton(int button) {
    return button == 0 ? 0 : 1;
}

int inspectImageButton(std::int32_t inspectImage) {
    return inspectImage == 0 ? 0 : inspectImage == 128 ? 1 : 2;
}

std::int32_t inspectImageFromButton(int button) {
    return button == 0 ? 0 : button == 1 ? 128 : -1;
}

}  // namespace pelmar::settings
