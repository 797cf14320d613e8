#pragma once

#include "app/link/Prompts.h"

namespace pelmar {

// The prompts as Qt's message boxes and file dialogs, over the window in front.
class QtPrompts : public Prompts {
public:
    Button message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> openFile(const QString& initialFolder, const QString& filter) override;
    std::optional<QString> saveFile(const QString& initialPath, const QString& filter) override;
};

}  // namespace pelmar
