#pragma once

#include <QFileDialog>
#include <QStringList>

#include "app/seams/Prompts.h"

class QMessageBox;
class QWidget;

namespace pelmar {

// A message box as the program shows it: the title (the program's name when empty), the icon,
// the buttons with Japanese texts and no icons of their own. Not yet shown.
QMessageBox* makeMessageBox(const QString& title, const QString& text, Prompts::Icon icon,
                            Prompts::Buttons buttons, QWidget* parent);

// A filter written "description|pattern|description|pattern..." as Qt's file dialogs take it:
// "description (patterns)" each. "*.*" means every file, as it always has for the program (on
// its own Qt would show only names with a dot, hiding a setting-data file saved as "lens1").
QStringList qtFileFilters(const QString& filter);

// A file dialog as the program shows it, at a folder (opening) or a proposed file (saving): each
// filter's description shown as written, its patterns as qtFileFilters gives them. Not yet shown.
QFileDialog* makeFileDialog(QFileDialog::AcceptMode mode, const QString& start,
                            const QString& filter, QWidget* parent);

// The prompts as Qt's message boxes and file dialogs, over the window in front.
class QtPrompts : public Prompts {
public:
    Button message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> openFile(const QString& initialFolder, const QString& filter) override;
    std::optional<QString> saveFile(const QString& initialPath, const QString& filter) override;
};

}  // namespace pelmar
