#include "app/widgets/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QTextDocument>

#include "app/widgets/LabelTable.h"
#include "app/widgets/PressableLabel.h"

namespace pelmar {
namespace {

constexpr char kRole[] = "pelmarAccessibleRole";

QAccessibleInterface* interfaceOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// A label's text as it reads, without the markup that colours a status line.
QString shownText(const QLabel& label) {
    const QString text = label.text();
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (!rich) return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// A label in a role of its own, read out by what it shows (an accessible name of its own wins).
// A pressable label offers Press and, while it is empty, is named by what it holds.
class LabelInterface : public QAccessibleWidget {
public:
    LabelInterface(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (!label()->accessibleName().isEmpty()) return label()->accessibleName();
        const QString shown = shownText(*label());
        const PressableLabel* pressable = pressableLabel();
        if (shown.isEmpty() && pressable && !pressable->whatItHolds().isEmpty()) {
            return emptyName(pressable->whatItHolds());
        }
        return shown;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressableLabel()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        PressableLabel* pressable = pressableLabel();
        if (action != pressAction() || !pressable) {
            QAccessibleWidget::doAction(action);
        } else if (pressable->isEnabled()) {
            pressable->press();
        }
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && pressableLabel()) {
            return {QKeySequence(Qt::Key_Return).toString()};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }

protected:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    PressableLabel* pressableLabel() const { return qobject_cast<PressableLabel*>(widget()); }
};

// A label of a LabelTable: a heading is a column header, any other label a cell that knows its
// row, its column and its heading.
class CellInterface : public LabelInterface, public QAccessibleTableCellInterface {
public:
    explicit CellInterface(QLabel* label) : LabelInterface(label, QAccessible::Cell) {}

    QAccessible::Role role() const override {
        return place().row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && place().row >= 0) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return LabelInterface::interface_cast(type);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        if (place().row < 0) return {};
        return {interfaceOf(grid()->heading(place().column))};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return place().column; }
    int rowIndex() const override { return place().row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return interfaceOf(grid()); }

private:
    LabelTable* grid() const { return static_cast<LabelTable*>(widget()->parentWidget()); }
    // A label the table has not been given yet (or no longer holds) counts as a heading.
    TablePlace place() const { return grid()->placeOf(widget()).value_or(TablePlace{-1, 0}); }
};

// A LabelTable: its headings, then its cells row by row. Nothing in it is ever selected.
class TableInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableInterface(LabelTable* table) : QAccessibleWidget(table, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return columnCount() * (rowCount() + 1); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        const int row = index / columnCount() - 1;
        const int column = index % columnCount();
        return interfaceOf(row < 0 ? grid()->heading(column) : grid()->cell(row, column));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::optional<TablePlace> place =
            child ? grid()->placeOf(child->object()) : std::nullopt;
        return place ? (place->row + 1) * columnCount() + place->column : -1;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        return interfaceOf(grid()->cell(row, column));
    }
    QString columnDescription(int column) const override {
        if (column < 0 || column >= columnCount()) return QString();
        return shownText(*grid()->heading(column));
    }
    QString rowDescription(int) const override { return QString(); }
    int columnCount() const override { return grid()->columnCount(); }
    int rowCount() const override { return grid()->rowCount(); }

    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    LabelTable* grid() const { return static_cast<LabelTable*>(widget()); }
};

// A drop-down list named by what it chooses (its accessible name, or the label for it): on this
// desktop Qt names every one by the item it shows, which is its value.
class ComboBoxInterface : public QAccessibleWidget {
public:
    explicit ComboBoxInterface(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? interfaceOf(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    // One that has no name of its own is named by its item, as Qt names it.
    QString text(QAccessible::Text t) const override {
        const QString text = t == QAccessible::Value ? QString() : QAccessibleWidget::text(t);
        const bool value = t == QAccessible::Value || (t == QAccessible::Name && text.isEmpty());
        return value ? box()->currentText() : text;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (box()->view()->isVisible()) {
            box()->hidePopup();
        } else {
            box()->showPopup();
        }
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// A widget of the program's own that Qt has no better interface for: a window while it is one
// and no dialog (a screen reader then says that a window opened), a pane otherwise. Which it is
// can change after the interface is made: a control made without a parent is a window until it
// is placed.
class WidgetInterface : public QAccessibleWidget {
public:
    explicit WidgetInterface(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override {
        return widget()->windowType() == Qt::Window ? QAccessible::Window : QAccessible::Client;
    }
};

// Asked for each class of the object, its own first; Qt's factory answers after this one.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRole);
    if (className == QLatin1String("pelmar::LabelTable")) {
        return new TableInterface(static_cast<LabelTable*>(widget));
    }
    if (className == QLatin1String("pelmar::PressableLabel") ||
        className == QLatin1String("QLabel")) {
        auto* label = static_cast<QLabel*>(widget);
        if (qobject_cast<LabelTable*>(label->parentWidget())) return new CellInterface(label);
        if (qobject_cast<PressableLabel*>(label)) {
            return new LabelInterface(label, QAccessible::Button);
        }
        if (role.isValid())
            return new LabelInterface(label, static_cast<QAccessible::Role>(role.toInt()));
        return nullptr;
    }
    if (className == QLatin1String("QComboBox")) {
        auto* box = static_cast<QComboBox*>(widget);
        return box->isEditable() ? nullptr : new ComboBoxInterface(box);
    }
    if (className == QLatin1String("QWidget")) {
        if (role.isValid())
            return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
        return new WidgetInterface(widget);
    }
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(interfaceFor);
}

void setAccessibleRole(QWidget& widget, QAccessible::Role role) {
    widget.setProperty(kRole, static_cast<int>(role));
}

QString emptyName(const QString& whatItHolds) {
    return whatItHolds + QStringLiteral("（空欄）");
}

QString memberName(const QString& group, const QString& caption) {
    return group + QStringLiteral("：") + caption;
}

}  // namespace pelmar
