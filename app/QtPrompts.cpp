#include "app/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace pelmar {
namespace {

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

// "description|pattern" as Qt writes it: "description (pattern)". The program's descriptions
// already end in their pattern ("BMPファイル(*.bmp)"), which Qt reads as it stands.
QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2) return filter;
    if (parts[0].endsWith(u'(' + parts[1] + u')')) return parts[0];
    return QStringLiteral("%1 (%2)").arg(parts[0], parts[1]);
}

QMessageBox* makeMessageBox(const QString& title, const QString& text, Prompts::Icon icon,
                            Prompts::Buttons buttons, QWidget* parent) {
    auto* box = new QMessageBox(qtIcon(icon), title.isEmpty() ? kProgramTitle : title, text,
                                QMessageBox::NoButton, parent);
    for (const auto& [ours, qt] : kButtons) {
        // The system's own message boxes carry plain text buttons.
        if (buttons.testFlag(ours)) box->addButton(qt)->setIcon(QIcon());
    }
    // A box without an icon keeps no empty room for one: Qt indents its text by a spacer.
    if (icon == Prompts::Icon::None) {
        QLayout* grid = box->layout();
        for (int i = 0; grid && i < grid->count(); ++i) {
            if (QSpacerItem* indent = grid->itemAt(i)->spacerItem()) {
                indent->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
            }
        }
    }
    return box;
}

Prompts::Button QtPrompts::message(const QString& title, const QString& text, Icon icon,
                                   Buttons buttons) {
    std::unique_ptr<QMessageBox> box(
        makeMessageBox(title, text, icon, buttons, QApplication::activeWindow()));
    const auto pressed = static_cast<QMessageBox::StandardButton>(box->exec());
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
                                                      initialFolder, qtFileFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtPrompts::saveFile(const QString& initialPath, const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                      initialPath, qtFileFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace pelmar
