#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;

namespace pelmar {

// How every window of the program but the main window is owned: its parent is the window that
// opens it (the main window for the windows the DM's commands open), and it is a window of its
// own there, a dialog (QDialog) as Qt::Dialog and any other as Qt::Window. It is deleted when it
// closes, and with its parent. Its caption is its accessible name (a window that is no dialog
// answers in the role of a window, see installAccessibleInterfaces).
void ownWindow(QWidget& window, QWidget& owner);

// The keys of a window that is no dialog, as a dialog has them: Escape presses `escape` (its
// キャンセル, or what leaves the window as that does); Enter presses the button that has the focus,
// else `enter`, its default action. A control that takes a key itself (a folder tree entering a
// folder, a pressable label) keeps it. Neither button looks any different for being named here.
void setWindowKeys(QWidget& window, QAbstractButton& enter, QAbstractButton& escape);

// The window stands in for its opener: the opener hides, and shows again once no window stands
// in for it any more, whatever ended the window: its own buttons, the frame, Escape, its
// deletion. A window deleted with its opener shows nothing.
void standIn(QWidget& window, QWidget& opener);

// A window given its owner here that has closed since (it is deleted at the next turn of the
// events).
bool hasClosed(const QWidget& window);

// A modeless window that exists at most once: made on first use, brought to the front unchanged
// while it is open, forgotten once it has closed.
template <class Window>
class WindowSlot {
public:
    // Shows the window owned by `owner`, making it with make() when none is open. Returns it.
    template <class Make>
    Window& open(QWidget& owner, Make make) {
        if (!get()) {
            window_ = make();
            ownWindow(*window_, owner);
        }
        raise();
        return *window_;
    }

    // The same, the window standing in for `opener`, its owner.
    template <class Make>
    Window& openInPlaceOf(QWidget& opener, Make make) {
        opener.hide();
        if (get()) return open(opener, make);
        Window& window = open(opener, make);
        standIn(window, opener);
        return window;
    }

    // Shows the open window unchanged and brings it to the front; nothing when there is none.
    void raise() {
        if (!get()) return;
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

    // The open window, or nullptr.
    Window* get() const { return window_ && !hasClosed(*window_) ? window_.data() : nullptr; }

private:
    QPointer<Window> window_;
};

}  // namespace pelmar
