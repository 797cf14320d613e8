#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <functional>

#include "app/widgets/WindowSlot.h"

namespace pelmar {
namespace {

// A window that refuses to close while it is busy, as the send dialog does while it sends.
class Window : public QWidget {
public:
    Window() { setWindowTitle(QStringLiteral("窓")); }
    bool busy = false;

protected:
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!busy); }
};

TEST(WindowSlot, TheOpenerShowsAgainWhateverEndsTheWindowStandingInForIt) {
    const struct {
        const char* way;
        std::function<void(QWidget&)> end;
        bool ends;
    } cases[] = {
        {"closed", [](QWidget& w) { w.close(); }, true},
        {"refusing to close",
         [](QWidget& w) {
             static_cast<Window&>(w).busy = true;
             w.close();
         },
         false},
        {"deleted", [](QWidget& w) { delete &w; }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        QWidget opener;
        opener.show();
        WindowSlot<Window> slot;
        Window& window = slot.openInPlaceOf(opener, [] { return new Window; });
        EXPECT_FALSE(opener.isVisible());
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.parentWidget(), &opener);
        EXPECT_EQ(window.windowType(), Qt::Window);
        EXPECT_EQ(window.accessibleName(), QStringLiteral("窓"));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
        c.end(window);
        EXPECT_EQ(opener.isVisible(), c.ends);
        EXPECT_EQ(slot.get() == nullptr, c.ends);
    }
}

TEST(WindowSlot, ADialogEndsByEscapeAndTheOpenerWaitsForTheLastWindowInItsPlace) {
    QWidget opener;
    opener.show();
    WindowSlot<QDialog> first;
    WindowSlot<QDialog> second;
    QDialog& one = first.openInPlaceOf(opener, [] { return new QDialog; });
    EXPECT_EQ(&first.openInPlaceOf(opener, [] { return new QDialog; }), &one) << "raised, not made";
    EXPECT_EQ(one.windowType(), Qt::Dialog);
    QDialog& two = second.openInPlaceOf(opener, [] { return new QDialog; });
    one.reject();  // what Escape does
    EXPECT_FALSE(opener.isVisible());
    EXPECT_EQ(first.get(), nullptr);
    two.reject();
    EXPECT_TRUE(opener.isVisible());
}

TEST(WindowSlot, OpeningAnOpenWindowAgainBringsItToTheFront) {
    QWidget owner;
    owner.show();
    WindowSlot<Window> slot;
    WindowSlot<Window> other;
    Window& window = slot.open(owner, [] { return new Window; });
    const auto active = [](QWidget& w) {
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; });
    };
    ASSERT_TRUE(active(other.open(owner, [] { return new Window; })));
    EXPECT_EQ(&slot.open(owner, [] { return new Window; }), &window);
    EXPECT_TRUE(active(window)) << "still behind the other window";
}

TEST(WindowSlot, AWindowDeletedWithItsOpenerGoesQuietly) {
    auto* opener = new QWidget;
    opener->show();
    WindowSlot<Window> slot;
    QPointer<Window> window = &slot.openInPlaceOf(*opener, [] { return new Window; });
    delete opener;
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(slot.get(), nullptr);
}

}  // namespace
}  // namespace pelmar
