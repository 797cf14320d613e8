#pragma once

#include "app/link/Prompts.h"

class QMessageBox;
class QWidget;

namespace pelmar {

// A message box as the program shows it: the title (the program's name when empty), the icon,
// the buttons with Japanese texts and no icons of their own. Not yet shown.
QMessageBox* makeMessageBox(const QString& title, const QString& text, Prompts::Icon icon,
                            Prompts::Buttons buttons, QWidget* parent);

// A filter written "description|pattern" as Qt's file dialogs take it.
QString qtFileFilter(const QString& filter);

// The prompts as Qt's message boxes and file dialogs, over the window in front.
class QtPrompts : public Prompts {
public:
    Button message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> openFile(const QString& initialFolder, const QString& filter) override;
    std::optional<QString> saveFile(const QString& initialPath, const QString& filter) override;
};

}  // namespace pelmar
