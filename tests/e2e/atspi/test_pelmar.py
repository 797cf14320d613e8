"""The real Pelmar as a screen reader and a keyboard user meet it: the main window with its
values, status lines, results table and menu; the report opened from the keyboard, a header
dialog opened with Enter, typed into, accepted with Enter and left with Escape, and the report
closed with Escape."""

import os
import unittest

import screenreader as reader
from desktop import Desktop

REPORT = "検査成績書"
TEMPERATURE = "温度、湿度入力"


class MainWindowAndReport(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(Desktop(os.environ["PELMAR_BIN_DIR"]))
        reader.start()
        cls.app = reader.application("pelmar")
        cls.main = reader.window(cls.app, "Pelmar")

    @classmethod
    def tearDownClass(cls):
        print("pelmar said:\n" + cls.desktop.pelmar_output())

    def open_report(self):
        self.desktop.focus("Pelmar")
        # F10 takes the keyboard to the menu bar, on メニュー; 検査成績書 is the next item.
        self.desktop.keys("F10", "Right", "Return")
        return reader.window(self.app, REPORT)

    def close_report(self, report):
        # A screen reader user moves to 終了 and presses it with the space bar.
        self.desktop.focus(REPORT)
        end = reader.find(report, "push button", "終\u3000了")
        reader.act(end, "SetFocus")
        reader.wait_until(lambda: "focused" in reader.states(end), 10, lambda: "focus on 終了")
        self.desktop.keys("space")
        reader.window(self.app, "Pelmar")
        self.assertEqual(reader.shown_windows(self.app), ["Pelmar"])

    def test_main_window_reads_its_caption_values_status_results_and_menu(self):
        self.assertEqual(self.main.get_role_name(), "frame")
        address = reader.find(self.main, "text", "DMアドレス")
        self.assertEqual(reader.text(address), "127.0.0.1")
        port = reader.find(self.main, "text", "DMポート")
        self.assertEqual(reader.text(port), self.desktop.dm_port)

        # The status lines are a status bar, and a screen reader hears each new one.
        names = reader.Events("object:property-change:accessible-name")
        self.addCleanup(names.close)
        status = reader.find(self.main, "status bar")
        self.assertIn("接続開始", status.get_name())
        names.wait(lambda e: e.source.get_role_name() == "status bar", 10, "a new status line")

        results = reader.find(self.main, "table", "測定結果の一覧")
        self.assertEqual((results.get_n_rows(), results.get_n_columns()), (8, 12))
        self.assertEqual(results.get_column_header(0).get_name(), "Ｎｏ．")
        self.assertEqual(results.get_accessible_at(0, 0).get_role_name(), "table cell")

        menu_bar = reader.find(self.main, "menu bar")
        self.assertEqual([item.get_name() for item in reader.children(menu_bar)],
                         ["メニュー", "検査成績書", "ログデータ読み込み", "データクリア", "ヘルプ"])
        menu = reader.find(menu_bar, "popup menu")
        self.assertEqual([item.get_name() for item in reader.children(menu)],
                         ["保存場所", "設定保存", "終了"])

    def test_report_opens_from_the_keyboard_and_closes_again(self):
        events = reader.Events("window:activate")
        self.addCleanup(events.close)
        report = self.open_report()
        events.wait(lambda e: e.source.get_name() == REPORT, 10, "report activated")
        self.assertEqual(report.get_role_name(), "frame")
        self.assertNotIn("showing", reader.states(self.main))
        table = reader.find(report, "table", "測定結果の一覧")
        self.assertEqual((table.get_n_rows(), table.get_n_columns()), (20, 6))
        self.close_report(report)

    def test_report_header_is_edited_and_the_report_left_with_the_keyboard_alone(self):
        report = self.open_report()
        self.desktop.focus(REPORT)
        # The first header cell that opens a dialog has the focus; empty, it says what it holds.
        cell = reader.find(report, "push button", "温度：湿度（空欄）")
        self.assertIn(("labelled-by", ["温度：湿度"]), reader.relations(cell))
        self.assertIn("Press", reader.actions(cell))
        reader.wait_until(lambda: "focused" in reader.states(cell), 10, lambda: "focus on the cell")
        self.desktop.keys("Return")
        dialog = reader.window(self.app, TEMPERATURE)
        self.assertEqual(dialog.get_role_name(), "dialog")
        self.desktop.focus(TEMPERATURE)
        self.desktop.type("23.46")
        self.desktop.keys("Tab")
        self.desktop.type("45")
        self.desktop.keys("Return")
        reader.wait_until(lambda: cell.get_name() == "23.5℃：45.0％", 10,
                          lambda: f"the entered values in the cell, which reads {cell.get_name()!r}")
        self.assertNotIn(TEMPERATURE, reader.shown_windows(self.app))

        # The space bar opens it too; Escape leaves it unchanged.
        self.desktop.focus(REPORT)
        reader.wait_until(lambda: "focused" in reader.states(cell), 10, lambda: "focus back")
        self.desktop.keys("space")
        reader.window(self.app, TEMPERATURE)
        self.desktop.focus(TEMPERATURE)
        self.desktop.type("99")
        self.desktop.keys("Escape")
        reader.wait_until(lambda: TEMPERATURE not in reader.shown_windows(self.app), 10,
                          lambda: "the dialog gone after Escape")
        self.assertEqual(cell.get_name(), "23.5℃：45.0％")

        # Escape on the report is its 終了: the main window comes back, where the save folder
        # reads as the value of the label under its caption.
        self.desktop.focus(REPORT)
        self.desktop.keys("Escape")
        reader.window(self.app, "Pelmar")
        self.assertEqual(reader.shown_windows(self.app), ["Pelmar"])
        folder = reader.find(self.main, "label", self.desktop.save_folder)
        self.assertIn(("labelled-by", ["現在の保存場所"]), reader.relations(folder))


if __name__ == "__main__":
    unittest.main()
