"""The real Pelmar as a screen reader and a keyboard user meet it today: the main window with its
values and menu, the report opened from the keyboard and closed again, and a header dialog that
takes typed values with Enter and is left with Escape."""

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
        # Alt takes the keyboard to the menu bar, on メニュー; 検査成績書 is the next item.
        self.desktop.keys("alt", "Right", "Return")
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

    def test_main_window_reads_its_caption_values_and_menu(self):
        self.assertEqual(self.main.get_role_name(), "frame")
        address = reader.find(self.main, "text", "DMアドレス")
        self.assertEqual(reader.text(address), "127.0.0.1")
        port = reader.find(self.main, "text", "DMポート")
        self.assertEqual(reader.text(port), self.desktop.dm_port)

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
        self.assertNotIn("showing", reader.states(self.main))
        self.close_report(report)

    def test_temperature_dialog_takes_typed_values_with_enter_and_is_left_with_escape(self):
        report = self.open_report()
        # The cell is found by its tooltip, as it has no name while it is empty.
        cell = next(c for c in reader.descendants(report, "label")
                    if c.get_description() == "クリックすると温度、湿度が入力できます。")
        self.desktop.click(*reader.center(cell))
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

        self.desktop.click(*reader.center(cell))
        reader.window(self.app, TEMPERATURE)
        self.desktop.focus(TEMPERATURE)
        self.desktop.type("99")
        self.desktop.keys("Escape")
        reader.wait_until(lambda: TEMPERATURE not in reader.shown_windows(self.app), 10,
                          lambda: "the dialog gone after Escape")
        self.assertEqual(cell.get_name(), "23.5℃：45.0％")
        self.close_report(report)


if __name__ == "__main__":
    unittest.main()
