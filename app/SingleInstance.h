#pragma once

#include <QPointer>
#include <QWidget>

namespace pelmar {

// A modeless window that exists at most once: made on first use, brought to the front unchanged
// while it is open, forgotten when it closes (it is deleted on close).
template <class Window>
class SingleInstance {
public:
    // Shows the window, making it with make() when there is none. Returns it.
    template <class Make>
    Window& open(Make make) {
        if (!window_) {
            window_ = make();
            window_->setAttribute(Qt::WA_DeleteOnClose);
        }
        raise();
        return *window_;
    }

    // Shows the open window unchanged and brings it to the front; nothing when there is none.
    void raise() {
        if (!window_) return;
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

    // The open window, or nullptr.
    Window* get() const { return window_.data(); }

private:
    QPointer<Window> window_;
};

}  // namespace pelmar
