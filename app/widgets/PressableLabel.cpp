#include "app/widgets/PressableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace pelmar {

PressableLabel::PressableLabel(const QString& whatItHolds, QWidget* parent)
    : QLabel(parent), whatItHolds_(whatItHolds) {
    setFocusPolicy(Qt::StrongFocus);
}

void PressableLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    press();
}

void PressableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            press();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void PressableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

}  // namespace pelmar
