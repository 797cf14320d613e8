#include "app/widgets/WindowSlot.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace pelmar {
namespace {

// How many windows stand in for an opener, kept on the opener.
constexpr char kStandIns[] = "pelmarStandIns";

// Enter and Escape of a window that is no dialog, seen once the control with the focus has left
// them to its window.
class WindowKeys : public QObject {
public:
    WindowKeys(QWidget& window, QAbstractButton& enter, QAbstractButton& escape)
        : QObject(&window), window_(window), enter_(&enter), escape_(&escape) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        QAbstractButton* button = nullptr;
        switch (key->key()) {
            case Qt::Key_Escape:
                button = escape_;
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // A button with the focus that leaves Enter to its window is pressed by it.
                button = qobject_cast<QPushButton*>(window_.focusWidget());
                if (!button) button = enter_;
                break;
            default:
                return false;
        }
        if (button && button->isEnabled() && button->isVisible()) button->click();
        return true;
    }

private:
    QWidget& window_;
    QPointer<QAbstractButton> enter_;
    QPointer<QAbstractButton> escape_;
};

// Watches one window from the moment it is given its owner: notices when it has closed, however
// that came about, and then lets the window it stands in for show again.
class WindowWatch : public QObject {
    Q_OBJECT
public:
    explicit WindowWatch(QWidget& window) : QObject(&window), window_(window) {
        // A dialog ends by done(), which its buttons, Escape and the frame all come to, and
        // which closes it without a close event.
        if (auto* dialog = qobject_cast<QDialog*>(&window)) {
            connect(dialog, &QDialog::finished, this, &WindowWatch::ended);
        } else {
            window.installEventFilter(this);
        }
    }
    // Deleted with its window: closed or not, the window is gone.
    ~WindowWatch() override { ended(); }

    static WindowWatch* of(const QWidget& window) {
        return window.findChild<WindowWatch*>(QString(), Qt::FindDirectChildrenOnly);
    }

    bool hasClosed() const { return closed_; }

    void standFor(QWidget& opener) {
        opener_ = &opener;
        opener.setProperty(kStandIns, opener.property(kStandIns).toInt() + 1);
        // The opener says it goes before it deletes the windows it owns, this one among them.
        connect(&opener, &QObject::destroyed, this, [this] { opener_ = nullptr; });
    }

protected:
    // The window itself decides whether a close event closes it (the send dialog refuses one
    // while it sends); it has closed once it has accepted the event.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_ || event->type() != QEvent::Close) return false;
        static_cast<QObject&>(window_).event(event);
        if (event->isAccepted()) ended();
        return true;
    }

private:
    void ended() {
        if (closed_) return;
        closed_ = true;
        if (!opener_) return;
        const int standIns = opener_->property(kStandIns).toInt() - 1;
        opener_->setProperty(kStandIns, standIns);
        if (standIns == 0) opener_->show();
        opener_ = nullptr;
    }

    QWidget& window_;
    QWidget* opener_ = nullptr;
    bool closed_ = false;
};

}  // namespace

void ownWindow(QWidget& window, QWidget& owner) {
    const Qt::WindowType type = qobject_cast<QDialog*>(&window) ? Qt::Dialog : Qt::Window;
    window.setParent(&owner, (window.windowFlags() & ~Qt::WindowType_Mask) | type);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setAccessibleName(window.windowTitle());
    if (!WindowWatch::of(window)) new WindowWatch(window);
}

void standIn(QWidget& window, QWidget& opener) {
    opener.hide();
    if (WindowWatch* watch = WindowWatch::of(window)) watch->standFor(opener);
}

void setWindowKeys(QWidget& window, QAbstractButton& enter, QAbstractButton& escape) {
    new WindowKeys(window, enter, escape);
}

bool hasClosed(const QWidget& window) {
    const WindowWatch* watch = WindowWatch::of(window);
    return watch && watch->hasClosed();
}

}  // namespace pelmar

#include "WindowSlot.moc"
