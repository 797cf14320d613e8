#pragma once

#include <QLabel>

namespace pelmar {

// A label that opens something: a click, or Enter or the space bar while it has the focus,
// presses it (a screen reader offers the same as its Press action). It shows the focus with the
// style's focus frame. What it holds names it for a screen reader while it is empty.
class PressableLabel : public QLabel {
    Q_OBJECT
public:
    // whatItHolds may be empty for a label that needs no name while empty (a table cell, named
    // by its column).
    PressableLabel(const QString& whatItHolds, QWidget* parent);

    const QString& whatItHolds() const { return whatItHolds_; }

    void press() { emit pressed(); }

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString whatItHolds_;
};

}  // namespace pelmar
