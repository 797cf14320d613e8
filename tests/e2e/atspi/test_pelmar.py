"""The real Pelmar as a screen reader and a keyboard user meet it today: the main window with its
values and menu, and the report opened from the keyboard and closed again."""

import os
import unittest

import screenreader as reader
from desktop import Desktop


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
        self.desktop.focus("Pelmar")
        # Alt takes the keyboard to the menu bar, on メニュー; 検査成績書 is the next item.
        self.desktop.keys("alt", "Right", "Return")
        report = reader.window(self.app, "検査成績書")
        events.wait(lambda e: e.source.get_name() == "検査成績書", 10, "report activated")
        self.assertNotIn("showing", reader.states(self.main))

        # A screen reader user moves to 終了 and presses it with the space bar.
        end = reader.find(report, "push button", "終\u3000了")
        reader.act(end, "SetFocus")
        reader.wait_until(lambda: "focused" in reader.states(end), 10, lambda: "focus on 終了")
        self.desktop.keys("space")
        reader.window(self.app, "Pelmar")
        self.assertEqual(reader.shown_windows(self.app), ["Pelmar"])


if __name__ == "__main__":
    unittest.main()
