#pragma once

#include <QAccessible>

class QWidget;

namespace pelmar {

// Makes the program's own controls answer the desktop's accessibility interface (a screen
// reader, a GUI test tool) as what they are: a window that is no dialog as a window, a label
// that opens something as a button with a Press action, the label grids of the result table and
// of the report as tables read row by row, a drop-down list by what it chooses rather than by
// the item it shows. Call once the QApplication exists and before the first window is made: a
// control keeps the interface it was first given.
void installAccessibleInterfaces();

// Gives a control made just now, before it shows anything, another role than its kind has: the
// label of the status lines a status bar (each change of its text is an event), the picture box
// an image.
void setAccessibleRole(QWidget& widget, QAccessible::Role role);

// What a screen reader hears for a control that shows nothing: what it holds, and that it is
// empty ("作成日（空欄）").
QString emptyName(const QString& whatItHolds);

// The name of an option button that says which choice it makes ("保存方式：両方",
// "軌跡表示：しない"), where its caption alone would not.
QString memberName(const QString& group, const QString& caption);

}  // namespace pelmar
