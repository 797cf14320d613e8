#pragma once

#include <QFlags>
#include <QString>
#include <optional>

namespace pelmar {

// Everything modal the program asks or tells the inspector: message boxes and the file and
// folder questions. Real: the Qt dialogs. Tests: answers from a script and a record of what was
// asked. No window and no command handler opens a message box or file dialog any other way.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Critical };
    enum Button { Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8, Retry = 0x10 };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~Prompts() = default;

    // A message box; returns the button pressed (closing the box answers its Cancel, else No,
    // else Ok). A box without a title of its own shows the program's name.
    virtual Button message(const QString& title, const QString& text, Icon icon,
                           Buttons buttons) = 0;

    // Filters are written "description|pattern" (e.g. "BMPファイル(*.bmp)|*.bmp"), as the
    // program has always written them. Nothing when the inspector cancels.
    virtual std::optional<QString> openFile(const QString& initialFolder,
                                            const QString& filter) = 0;
    virtual std::optional<QString> saveFile(const QString& initialPath, const QString& filter) = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Prompts::Buttons)

// The title every message box without one of its own carries.
inline const QString kProgramTitle = QStringLiteral("Pelmar");

}  // namespace pelmar
