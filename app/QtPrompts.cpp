#include "app/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace pelmar {
namespace {

// "description|pattern" as Qt writes it: "description (pattern)". The program's descriptions
// already end in their pattern ("BMPファイル(*.bmp)"), which Qt reads as it stands.
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2) return filter;
    if (parts[0].endsWith(u'(' + parts[1] + u')')) return parts[0];
    return QStringLiteral("%1 (%2)").arg(parts[0], parts[1]);
}

QMessageBox::Icon qtIcon(Prompts::Icon icon) {
    switch (icon) {
        case Prompts::Icon::Information:
            return QMessageBox::Information;
        case Prompts::Icon::Warning:
            return QMessageBox::Warning;
        case Prompts::Icon::Critical:
            return QMessageBox::Critical;
        case Prompts::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

constexpr std::pair<Prompts::Button, QMessageBox::StandardButton> kButtons[] = {
    {Prompts::Ok, QMessageBox::Ok},       {Prompts::Yes, QMessageBox::Yes},
    {Prompts::No, QMessageBox::No},       {Prompts::Cancel, QMessageBox::Cancel},
    {Prompts::Retry, QMessageBox::Retry},
};

}  // namespace

Prompts::Button QtPrompts::message(const QString& title, const QString& text, Icon icon,
                                   Buttons buttons) {
    QMessageBox box(qtIcon(icon), title.isEmpty() ? kProgramTitle : title, text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    for (const auto& [ours, qt] : kButtons) {
        if (buttons.testFlag(ours)) box.addButton(qt);
    }
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& [ours, qt] : kButtons) {
        if (qt == pressed) return ours;
    }
    // Closed without a button: the box's way out.
    if (buttons.testFlag(Cancel)) return Cancel;
    if (buttons.testFlag(No)) return No;
    return Ok;
}

std::optional<QString> QtPrompts::openFile(const QString& initialFolder, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                      initialFolder, qtFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtPrompts::saveFile(const QString& initialPath, const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                      initialPath, qtFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace pelmar
