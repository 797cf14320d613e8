// Every window of the gallery as a screen reader and the keyboard meet it, one rule a test: made
// as the gallery makes it, read through Qt's accessibility interface.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <algorithm>
#include <map>
#include <set>

#include "app/Accessibility.h"
#include "app/Form1.h"
#include "app/PressableLabel.h"
#include "tests/support/PrintQString.h"
#include "tools/screens/Gallery.h"

namespace pelmar {
namespace {

using screens::Shot;

QAccessibleInterface* interfaceOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
    return interfaceOf(object)->text(QAccessible::Name);
}

// The gallery's windows: all its pictures but those of the printed pages.
std::vector<const Shot*> windows() {
    std::vector<const Shot*> found;
    for (const Shot& shot : screens::shots()) {
        if (!shot.name.startsWith(QStringLiteral("report-page"))) found.push_back(&shot);
    }
    return found;
}

const Shot& shotNamed(const char* name) {
    for (const Shot* shot : windows()) {
        if (shot->name == QLatin1String(name)) return *shot;
    }
    throw std::runtime_error(std::string("no shot ") + name);
}

// A window of the gallery, shown and active as when the inspector has just opened it.
struct Shown {
    explicit Shown(const Shot& shot) : gallery(QStringLiteral(PELMAR_BIN_DIR)) {
        window = shot.make(gallery);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
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

// What a label shows, as a screen reader is to read it.
QString shownText(const QLabel& label) {
    QString text = label.textFormat() == Qt::RichText
                       ? QTextDocumentFragment::fromHtml(label.text()).toPlainText()
                       : label.text();
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

TEST(Accessibility, EveryWindowIsAWindowNamedByItsCaptionAndToldApartByItsPurpose) {
    std::map<QString, std::map<std::string, QString>> purposes;  // caption, class: description
    for (const Shot* shot : windows()) {
        SCOPED_TRACE(shot->name.toStdString());
        const Shown shown(*shot);
        QAccessibleInterface* window = interfaceOf(shown.window);
        const QAccessible::Role role = qobject_cast<QMessageBox*>(shown.window)
                                           ? QAccessible::AlertMessage
                                       : qobject_cast<QDialog*>(shown.window) ? QAccessible::Dialog
                                                                              : QAccessible::Window;
        EXPECT_EQ(window->role(), role);
        EXPECT_FALSE(shown.window->windowTitle().isEmpty());
        EXPECT_EQ(window->text(QAccessible::Name), shown.window->windowTitle());
        const std::string windowClass = shown.window->metaObject()->className();
        if (windowClass.starts_with("pelmar::")) {
            purposes[shown.window->windowTitle()][windowClass] =
                window->text(QAccessible::Description);
        }
    }
    for (const auto& [caption, windows] : purposes) {
        if (windows.size() < 2) continue;
        std::set<QString> described;
        for (const auto& [windowClass, description] : windows) {
            EXPECT_FALSE(description.isEmpty())
                << windowClass << " shares " << caption.toStdString();
            described.insert(description);
        }
        EXPECT_EQ(described.size(), windows.size()) << caption.toStdString();
    }
}

TEST(Accessibility, EveryControlThatTakesTheFocusHasAName) {
    for (const Shot* shot : windows()) {
        SCOPED_TRACE(shot->name.toStdString());
        const Shown shown(*shot);
        for (QWidget* control : shown.window->findChildren<QWidget*>()) {
            if (control->isWindow() || !control->isVisibleTo(shown.window) ||
                !(control->focusPolicy() & Qt::TabFocus)) {
                continue;
            }
            EXPECT_FALSE(nameOf(control).trimmed().isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
        }
    }
}

// A value label keeps its value as its name; the caption that explains it labels it.
TEST(Accessibility, EveryLabelReadsWhatItShowsAndIsLabelledByItsCaption) {
    for (const Shot* shot : windows()) {
        SCOPED_TRACE(shot->name.toStdString());
        const Shown shown(*shot);
        for (QLabel* label : shown.window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(shown.window)) continue;
            const auto* pressable = qobject_cast<PressableLabel*>(label);
            const QString name =
                label->text().isEmpty() && pressable && !pressable->whatItHolds().isEmpty()
                    ? emptyName(pressable->whatItHolds())
                    : shownText(*label);
            EXPECT_EQ(nameOf(label), name) << label->objectName().toStdString();
            if (QWidget* value = label->buddy()) {
                const auto labelledBy = interfaceOf(value)->relations(QAccessible::Label);
                EXPECT_TRUE(
                    std::any_of(labelledBy.begin(), labelledBy.end(),
                                [label](const auto& by) { return by.first->object() == label; }))
                    << value->objectName().toStdString();
            }
        }
    }
}

TEST(Accessibility, EnterPressesTheDefaultButtonAndEscapeLeavesTheWindow) {
    // The buttons of each window; a dialog leaves on Escape by itself.
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
    for (const Shot* shot : windows()) {
        SCOPED_TRACE(shot->name.toStdString());
        const Shown shown(*shot);
        // The main window and Qt's own boxes and dialogs are not the program's to wire.
        if (!keys.contains(shot->name)) {
            EXPECT_TRUE(qobject_cast<Form1*>(shown.window) ||
                        !QString::fromLatin1(shown.window->metaObject()->className())
                             .startsWith(QStringLiteral("pelmar::")))
                << "a window without Enter and Escape";
            continue;
        }
        const auto [enterName, escapeName] = keys.at(shot->name);
        // What the buttons do is tested with their windows; here only that the keys press them.
        auto* enter = shown.control<QAbstractButton>(enterName);
        QObject::disconnect(enter, &QAbstractButton::clicked, nullptr, nullptr);
        enter->setEnabled(true);
        QSignalSpy entered(enter, &QAbstractButton::clicked);
        // Enter on a button presses that one: here no control has the focus.
        if (QWidget* focus = shown.window->focusWidget()) focus->clearFocus();
        QTest::keyClick(shown.window, Qt::Key_Return);
        EXPECT_EQ(entered.count(), 1) << "Enter";

        auto* dialog = qobject_cast<QDialog*>(shown.window);
        QAbstractButton* escape = escapeName ? shown.control<QAbstractButton>(escapeName) : nullptr;
        if (escape) QObject::disconnect(escape, &QAbstractButton::clicked, nullptr, nullptr);
        QSignalSpy left = escape ? QSignalSpy(escape, &QAbstractButton::clicked)
                                 : QSignalSpy(dialog, &QDialog::rejected);
        QTest::keyClick(shown.window, Qt::Key_Escape);
        EXPECT_EQ(left.count(), 1) << "Escape";
    }
}

TEST(Accessibility, F10TakesTheKeyboardToTheMainWindowsMenu) {
    const Shown shown(shotNamed("Form1"));
    QMenuBar* menu = static_cast<Form1*>(shown.window)->menuBar();
    QTest::keyClick(shown.window, Qt::Key_F10);
    EXPECT_TRUE(menu->hasFocus());
    ASSERT_NE(menu->activeAction(), nullptr);
    EXPECT_EQ(menu->activeAction()->text(), QStringLiteral("メニュー"));
    QTest::keyClick(menu, Qt::Key_Right);
    EXPECT_EQ(menu->activeAction()->text(), QStringLiteral("検査成績書"));
}

TEST(Accessibility, ControlsAreNamedForWhatTheyDo) {
    const struct {
        const char* shot;
        const char* control;
        QAccessible::Role role;
        QString name;
    } controls[] = {
        {"Form1", "cmdJpgRat", QAccessible::Button, QStringLiteral("Jpeg圧縮率（％）を適用")},
        {"Form1", "Option1_2", QAccessible::RadioButton, QStringLiteral("保存方式：両方")},
        {"frmFile", "Drive1", QAccessible::ComboBox, QStringLiteral("ドライブ")},
        {"frmReadLog", "Drive1", QAccessible::ComboBox, QStringLiteral("ドライブ")},
        {"frmSettingData", "Option2_0", QAccessible::RadioButton,
         QStringLiteral("測定結果保存：しない")},
        {"frmSettingData", "Option3_7", QAccessible::RadioButton,
         QStringLiteral("１目盛りの値反映：する")},
        {"frmSettingDataRead", "Option3_2", QAccessible::RadioButton,
         QStringLiteral("振れ幅表示：しない")},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(std::string(c.shot) + " " + c.control);
        const Shown shown(shotNamed(c.shot));
        QAccessibleInterface* control = interfaceOf(shown.control(c.control));
        EXPECT_EQ(control->role(), c.role);
        EXPECT_EQ(control->text(QAccessible::Name), c.name);
    }
    // The drive list's value is the drive it shows; the options' frame stays their label.
    const Shown picker(shotNamed("frmFile"));
    EXPECT_EQ(interfaceOf(picker.control("Drive1"))->text(QAccessible::Value),
              picker.control<QComboBox>("Drive1")->currentText());
    const Shown editor(shotNamed("frmSettingData"));
    const auto labelledBy = interfaceOf(editor.control("Option3_0"))->relations(QAccessible::Label);
    ASSERT_EQ(labelledBy.size(), 1);
    EXPECT_EQ(labelledBy.front().first->text(QAccessible::Name), QStringLiteral("軌跡表示"));
}

// The result table and the report's pages read row by row, each cell under its heading.
TEST(Accessibility, ResultsAreTablesReadRowByRow) {
    const struct {
        const char* shot;
        int rows;
        int columns;
        QString firstHeading;
        QString firstCell;  // row 0, column 0
    } tables[] = {
        {"Form1", 8, 12, QStringLiteral("Ｎｏ．"), QStringLiteral("005")},
        {"frmSeiseki", 20, 6, QStringLiteral("レンズ名"), QStringLiteral("PL-35F2")},
        {"frmSeiseki2", 25, 6, QStringLiteral("レンズ名"), QStringLiteral("PL-35F2")},
    };
    for (const auto& t : tables) {
        SCOPED_TRACE(t.shot);
        const Shown shown(shotNamed(t.shot));
        auto* grid = shown.window->findChild<LabelTable*>();
        ASSERT_NE(grid, nullptr);
        QAccessibleInterface* table = interfaceOf(grid);
        ASSERT_EQ(table->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = table->tableInterface();
        ASSERT_NE(cells, nullptr);
        ASSERT_EQ(cells->rowCount(), t.rows);
        ASSERT_EQ(cells->columnCount(), t.columns);
        EXPECT_EQ(cells->columnDescription(0), t.firstHeading);
        EXPECT_EQ(cells->cellAt(0, 0)->text(QAccessible::Name), t.firstCell);
        ASSERT_EQ(table->childCount(), (t.rows + 1) * t.columns);
        for (int c = 0; c < t.columns; ++c) {
            QAccessibleInterface* heading = table->child(c);
            EXPECT_EQ(heading->role(), QAccessible::ColumnHeader);
            EXPECT_EQ(heading->text(QAccessible::Name), cells->columnDescription(c));
        }
        for (int r = 0; r < t.rows; ++r) {
            for (int c = 0; c < t.columns; ++c) {
                QAccessibleInterface* cell = table->child((r + 1) * t.columns + c);
                ASSERT_EQ(cell, cells->cellAt(r, c)) << r << "," << c;
                EXPECT_EQ(table->indexOfChild(cell), (r + 1) * t.columns + c);
                QAccessibleTableCellInterface* place = cell->tableCellInterface();
                ASSERT_NE(place, nullptr);
                EXPECT_EQ(place->rowIndex(), r);
                EXPECT_EQ(place->columnIndex(), c);
                EXPECT_EQ(place->columnHeaderCells().value(0), table->child(c));
                EXPECT_EQ(cell->parent(), table);
            }
        }
    }
}

}  // namespace
}  // namespace pelmar
