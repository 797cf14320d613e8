#include "app/widgets/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

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

QStringList qtFileFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
        }
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' ')));
    }
    return filters;
}

QFileDialog* makeFileDialog(QFileDialog::AcceptMode mode, const QString& start,
                            const QString& filter, QWidget* parent) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setDirectory(start);
    } else {
        const QFileInfo proposed(start);
        dialog->setDirectory(proposed.absolutePath());
        dialog->selectFile(proposed.fileName());
    }
    // The descriptions already name their patterns ("BMPファイル(*.bmp)"), and Qt's own would
    // show "*" for "*.*".
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters(qtFileFilters(filter));
    return dialog;
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
    // A box belongs to the window in front, which may be closed while the box waits (a screen
    // reader's actions reach windows behind a modal box): the box then goes with it and counts as
    // closed without a button.
    const QPointer<QMessageBox> box =
        makeMessageBox(title, text, icon, buttons, QApplication::activeWindow());
    const int result = box->exec();
    const auto pressed =
        box ? static_cast<QMessageBox::StandardButton>(result) : QMessageBox::NoButton;
    delete box.data();
    for (const auto& [ours, qt] : kButtons) {
        if (qt == pressed) return ours;
    }
    // Closed without a button: the box's way out.
    if (buttons.testFlag(Cancel)) return Cancel;
    if (buttons.testFlag(No)) return No;
    return Ok;
}

namespace {

std::optional<QString> askFile(QFileDialog::AcceptMode mode, const QString& start,
                               const QString& filter) {
    // Like a message box, the dialog may go with the window it stands over: a cancel.
    const QPointer<QFileDialog> dialog =
        makeFileDialog(mode, start, filter, QApplication::activeWindow());
    const bool accepted = dialog->exec() == QDialog::Accepted;
    std::optional<QString> chosen;
    if (dialog && accepted && !dialog->selectedFiles().isEmpty()) {
        chosen = dialog->selectedFiles().front();
    }
    delete dialog.data();
    return chosen;
}

}  // namespace

std::optional<QString> QtPrompts::openFile(const QString& initialFolder, const QString& filter) {
    return askFile(QFileDialog::AcceptOpen, initialFolder, filter);
}

std::optional<QString> QtPrompts::saveFile(const QString& initialPath, const QString& filter) {
    return askFile(QFileDialog::AcceptSave, initialPath, filter);
}

}  // namespace pelmar
