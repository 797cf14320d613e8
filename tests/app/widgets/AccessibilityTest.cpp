// Every window of the gallery, made as the gallery makes it, as a screen reader (through Qt's
// accessibility interface) and the keyboard meet it: one rule a test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <algorithm>
#include <map>
#include <set>

#include "app/Form1.h"
#include "app/widgets/Accessibility.h"
#include "app/widgets/PressableLabel.h"
#include "tools/screens/Gallery.h"

namespace pelmar {
namespace {

QAccessibleInterface* interfaceOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The gallery's windows: all its pictures but those of the printed pages.
std::vector<const screens::Shot*> windows() {
    std::vector<const screens::Shot*> found;
    for (const screens::Shot& shot : screens::shots()) {
        if (!shot.name.startsWith(QStringLiteral("report-page"))) found.push_back(&shot);
    }
    return found;
}

const screens::Shot& shotNamed(const char* name) {
    for (const screens::Shot* shot : windows()) {
        if (shot->name == QLatin1String(name)) return *shot;
    }
    throw std::runtime_error(std::string("no shot ") + name);
}

// A window of the gallery, shown and active as when the inspector has just opened it.
struct Shown {
    explicit Shown(const screens::Shot& shot) : gallery(QStringLiteral(PELMAR_BIN_DIR)) {
        window = shot.make(gallery);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    explicit Shown(const char* name) : Shown(shotNamed(name)) {}
    ~Shown() { delete window; }

    template <class Control = QWidget>
    Control* control(const char* name) const {
        auto* found = window->findChild<Control*>(QLatin1String(name));
        if (!found) throw std::runtime_error(std::string("no control ") + name);
        return found;
    }

    screens::Gallery gallery;
    QWidget* window = nullptr;
};

TEST(Accessibility, EveryWindowIsAWindowNamedByItsCaptionAndToldApartByItsPurpose) {
    std::map<QString, std::map<std::string, QString>> purposes;  // caption, class: description
    for (const screens::Shot* shot : windows()) {
        SCOPED_TRACE(shot->name.toStdString());
        const Shown shown(*shot);
        QAccessibleInterface* window = interfaceOf(shown.window);
        EXPECT_EQ(window->role(), qobject_cast<QMessageBox*>(shown.window)
                                      ? QAccessible::AlertMessage
                                  : qobject_cast<QDialog*>(shown.window) ? QAccessible::Dialog
                                                                         : QAccessible::Window);
        EXPECT_FALSE(shown.window->windowTitle().isEmpty());
        EXPECT_EQ(window->text(QAccessible::Name), shown.window->windowTitle());
        const std::string windowClass = shown.window->metaObject()->className();
        if (windowClass.starts_with("pelmar::")) {
            purposes[shown.window->windowTitle()][windowClass] =
                window->text(QAccessible::Description);
        }
    }
    for (const auto& [caption, windows] : purposes) {
        std::set<QString> described;
        for (const auto& window : windows) described.insert(window.second);
        EXPECT_EQ(described.size(), windows.size()) << caption.toStdString();
    }
}

TEST(Accessibility, EveryControlThatTakesTheFocusHasAName) {
    for (const screens::Shot* shot : windows()) {
        SCOPED_TRACE(shot->name.toStdString());
        const Shown shown(*shot);
        for (QWidget* control : shown.window->findChildren<QWidget*>()) {
            if (!control->isWindow() && control->isVisibleTo(shown.window) &&
                (control->focusPolicy() & Qt::TabFocus)) {
                EXPECT_FALSE(interfaceOf(control)->text(QAccessible::Name).trimmed().isEmpty())
                    << control->objectName().toStdString();
            }
        }
    }
}

// A label that shows a value reads the value; the caption that explains it labels it.
TEST(Accessibility, EveryLabelReadsWhatItShowsAndIsLabelledByItsCaption) {
    for (const screens::Shot* shot : windows()) {
        SCOPED_TRACE(shot->name.toStdString());
        const Shown shown(*shot);
        for (QLabel* label : shown.window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(shown.window)) continue;
            const auto* pressable = qobject_cast<PressableLabel*>(label);
            QString shows = label->textFormat() == Qt::RichText
                                ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                : label->text();
            shows.remove(QRegularExpression(QStringLiteral("&(?!&)")));  // a mnemonic's mark
            if (shows.isEmpty() && pressable && !pressable->whatItHolds().isEmpty()) {
                shows = emptyName(pressable->whatItHolds());
            }
            EXPECT_EQ(interfaceOf(label)->text(QAccessible::Name), shows)
                << label->objectName().toStdString();
            if (QWidget* value = label->buddy()) {
                const auto by = interfaceOf(value)->relations(QAccessible::Label);
                EXPECT_TRUE(std::any_of(by.begin(), by.end(), [label](auto& l) {
                    return l.first->object() == label;
                })) << value->objectName().toStdString();
            }
        }
    }
}

// Enter presses the button with the focus, else the default; Escape the way out. A dialog
// leaves by itself on Escape.
TEST(Accessibility, EnterPressesTheDefaultButtonAndEscapeLeavesTheWindow) {
    const std::map<QString, std::pair<const char*, const char*>> keys = {
        {QStringLiteral("frmSeiseki"), {"BtnNext", "BtnEnd"}},
        {QStringLiteral("frmSeiseki2"), {"BtnNext", "BtnPre"}},
        {QStringLiteral("frmNameInp"), {"btnKettei", nullptr}},
        {QStringLiteral("frmHizukeR"), {"btnKettei", nullptr}},
        {QStringLiteral("Temperture"), {"btnKettei", nullptr}},
        {QStringLiteral("frmSaveFolder"), {"btnMakeFolder", "btnCancel"}},
        {QStringLiteral("frmFile"), {"cmdOpen", "cmdCan"}},
        {QStringLiteral("frmReadLog"), {"cmdOpen", "cmdCan"}},
        {QStringLiteral("frmSaveLog"), {"btnSave", "btnCancel"}},
        {QStringLiteral("frmSaveSetting"), {"btnSave", "btnCancel"}},
        {QStringLiteral("frmSettingData"), {"btnSave", "btnCan"}},
        {QStringLiteral("frmSettingDataRead"), {"btnSend", "btnCan"}},
    };
    for (const screens::Shot* shot : windows()) {
        SCOPED_TRACE(shot->name.toStdString());
        const Shown shown(*shot);
        if (!keys.contains(shot->name)) {
            // The main window has its menu; message boxes and file dialogs are Qt's own.
            EXPECT_TRUE(qobject_cast<Form1*>(shown.window) ||
                        !QString::fromLatin1(shown.window->metaObject()->className())
                             .startsWith(QStringLiteral("pelmar::")));
            continue;
        }
        // Only that the keys press the buttons: what the buttons do is tested with the windows.
        const auto [enterName, escapeName] = keys.at(shot->name);
        auto* enter = shown.control<QAbstractButton>(enterName);
        auto* escape = escapeName ? shown.control<QAbstractButton>(escapeName) : nullptr;
        for (QAbstractButton* button : {enter, escape}) {
            if (button) QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
        }
        enter->setEnabled(true);
        QSignalSpy entered(enter, &QAbstractButton::clicked);
        if (QWidget* focus = shown.window->focusWidget()) focus->clearFocus();
        QTest::keyClick(shown.window, Qt::Key_Return);
        EXPECT_EQ(entered.count(), 1) << "Enter";
        auto* dialog = qobject_cast<QDialog*>(shown.window);
        QSignalSpy left = escape ? QSignalSpy(escape, &QAbstractButton::clicked)
                                 : QSignalSpy(dialog, &QDialog::rejected);
        QTest::keyClick(shown.window, Qt::Key_Escape);
        EXPECT_EQ(left.count(), 1) << "Escape";
        if (escape) {
            escape->setFocus();
            QTest::keyClick(escape, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(left.count(), 2) << "Enter on the way out";
        }
    }
}

TEST(Accessibility, F10TakesTheKeyboardToTheMainWindowsMenu) {
    const Shown shown("Form1");
    QMenuBar* menu = static_cast<Form1*>(shown.window)->menuBar();
    QTest::keyClick(shown.window, Qt::Key_F10);
    EXPECT_TRUE(menu->hasFocus());
    ASSERT_NE(menu->activeAction(), nullptr);
    EXPECT_EQ(menu->activeAction()->text(), Form1::kMenuCaption);
    QTest::keyClick(menu, Qt::Key_Right);
    // The first item on the bar itself, after "メニュー".
    const auto first =
        std::ranges::find(Form1::menuItems(), Form1::MenuPlace::Bar, &Form1::MenuItem::place);
    EXPECT_EQ(menu->activeAction()->text(), first->caption);
}

TEST(Accessibility, ControlsAreNamedForWhatTheyDo) {
    const struct {
        const char* shot;
        const char* control;
        QString name;
    } controls[] = {
        {"Form1", "cmdJpgRat", QStringLiteral("Jpeg圧縮率（％）を適用")},
        {"Form1", "Option1_2", QStringLiteral("保存方式：両方")},
        {"frmReadLog", "Drive1", QStringLiteral("ドライブ")},
        {"frmSettingData", "Option2_0", QStringLiteral("測定結果保存：しない")},
        {"frmSettingDataRead", "Option3_7", QStringLiteral("１目盛りの値反映：する")},
    };
    for (const auto& c : controls) {
        const Shown shown(c.shot);
        EXPECT_EQ(interfaceOf(shown.control(c.control))->text(QAccessible::Name), c.name);
    }
    // The drive list's value is the drive it shows; an option's frame stays its label.
    const Shown picker("frmFile");
    EXPECT_EQ(interfaceOf(picker.control("Drive1"))->text(QAccessible::Value),
              picker.control<QComboBox>("Drive1")->currentText());
    const Shown editor("frmSettingData");
    EXPECT_EQ(interfaceOf(editor.control("Option3_0"))
                  ->relations(QAccessible::Label)
                  .value(0)
                  .first->text(QAccessible::Name),
              QStringLiteral("軌跡表示"));
}

// The result table and the report's pages read row by row, each cell under its heading.
TEST(Accessibility, ResultsAreTablesReadRowByRow) {
    const struct {
        const char* shot;
        int rows;
        int columns;
        QString firstCell;  // under the first heading
    } tables[] = {
        {"Form1", 8, 12, QStringLiteral("005")},  // the last 8 of 12 results
        {"frmSeiseki", 20, 6, QStringLiteral("PL-35F2")},
        {"frmSeiseki2", 25, 6, QStringLiteral("PL-35F2")},
    };
    for (const auto& t : tables) {
        SCOPED_TRACE(t.shot);
        const Shown shown(t.shot);
        auto* grid = shown.window->findChild<LabelTable*>();
        ASSERT_NE(grid, nullptr);
        QAccessibleInterface* table = interfaceOf(grid);
        ASSERT_EQ(table->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = table->tableInterface();
        ASSERT_EQ(cells->rowCount(), t.rows);
        ASSERT_EQ(cells->columnCount(), t.columns);
        EXPECT_EQ(cells->cellAt(0, 0)->text(QAccessible::Name), t.firstCell);
        ASSERT_EQ(table->childCount(), (t.rows + 1) * t.columns);
        for (int i = 0; i < table->childCount(); ++i) {
            const int r = i / t.columns - 1;
            const int c = i % t.columns;
            QAccessibleInterface* child = table->child(i);
            EXPECT_EQ(table->indexOfChild(child), i);
            EXPECT_EQ(child->parent(), table);
            if (r < 0) {
                EXPECT_EQ(child->role(), QAccessible::ColumnHeader);
                EXPECT_EQ(child->text(QAccessible::Name), cells->columnDescription(c));
                continue;
            }
            ASSERT_EQ(child, cells->cellAt(r, c));
            EXPECT_EQ(child->role(), QAccessible::Cell);
            QAccessibleTableCellInterface* cell = child->tableCellInterface();
            EXPECT_EQ(std::pair(cell->rowIndex(), cell->columnIndex()), std::pair(r, c));
            EXPECT_EQ(cell->columnHeaderCells().value(0), table->child(c));
        }
        // A screen reader that asks past the edges gets nothing, and the program runs on.
        EXPECT_EQ(cells->cellAt(t.rows, 0), nullptr);
        EXPECT_EQ(cells->cellAt(0, t.columns), nullptr);
        EXPECT_EQ(table->child(table->childCount()), nullptr);
    }
}

}  // namespace
}  // namespace pelmar
