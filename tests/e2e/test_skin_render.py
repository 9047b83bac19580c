"""The three skins of the package and a test skin, drawn by the toolkit in
real windows under Wine: screenshots checked at known pixels."""
import pathlib

import pytest

from support import png, screen, wine
from support.skin_viewer import open_viewer

PACKAGE = pathlib.Path(__file__).resolve().parents[2] / "skin" / "package" / "files"
TITLE_BLUE = (0x16, 0x94, 0xFF)
BODY = (0xF8, 0xF8, 0xF8)


def image_centre(name, background):
    """The colour the centre of a package image shows when drawn 1:1."""
    width, height = {"btn_close": (14, 14), "btn_skip": (71, 26), "btn_install": (71, 26),
                     "btn_common": (71, 26), "btn_cancel": (72, 24), "btn_launch": (71, 26),
                     "progress": (40, 2)}[name.rsplit("_", 1)[0]]
    return screen.over(screen.image_pixel(PACKAGE / f"{name}.png", width // 2, height // 2), background)


def assert_colour(shot, x, y, expected, what):
    assert screen.near(shot.pixel(x, y), expected), f"{what} at {x},{y}: {shot.pixel(x, y)} != {expected}"


def test_updater_window_while_downloading(tools_dir):
    with open_viewer(tools_dir, "UpdaterWnd.xml", "skin test updater",
                     "--attr", "tipsLabel:text=新版本下载中，建议下载完成后再进入教室...37%",
                     "--attr", "downloadProgress:value=37",
                     "--check-glyphs", "titleLabel", "--check-glyphs", "tipsLabel") as viewer:
        assert viewer.size() == (310, 100)
        x, y = viewer.origin()
        shot = screen.take("skin", "updater_downloading")
        for px, py in [(1, 1), (150, 15), (309, 29), (280, 25)]:
            assert_colour(shot, x + px, y + py, TITLE_BLUE, "title bar")
        for px, py in [(1, 31), (5, 99), (309, 99), (305, 60)]:
            assert_colour(shot, x + px, y + py, BODY, "body")
        # Progress bar x 10..220, y 74..77: 37 % of 210 pixels is 77.
        fore, back = image_centre("progress_fg", BODY), image_centre("progress_bg", BODY)
        assert_colour(shot, x + 10, y + 75, fore, "filled bar start")
        assert_colour(shot, x + 86, y + 75, fore, "filled bar end")
        assert_colour(shot, x + 87, y + 75, back, "empty bar")
        assert_colour(shot, x + 219, y + 76, back, "bar end")
        assert_colour(shot, x + 220, y + 75, BODY, "after the bar")
        assert_colour(shot, x + 100, y + 73, BODY, "above the bar")
        assert_colour(shot, x + 100, y + 77, BODY, "below the bar")
        # Skip button x 229..300, y 62..88, its image drawn 1:1.
        assert_colour(shot, x + 229 + 35, y + 62 + 13, image_centre("btn_skip_n", BODY), "skip button")
        # The tips text is drawn: dark pixels in its row.
        dark = [shot.pixel(x + px, y + py) for px in range(10, 300) for py in range(30, 60)]
        assert sum(1 for p in dark if max(p) < 0x90) > 30
        screen.keys(viewer.window, "Escape")
        _, lines = viewer.finish()
    assert "glyphs titleLabel missing 0" in lines
    assert "glyphs tipsLabel missing 0" in lines


def test_updater_window_ready_to_install(tools_dir):
    with open_viewer(tools_dir, "UpdaterWnd.xml", "skin test installable",
                     "--attr", "progressLayout:visible=false", "--attr", "buttonLayout:visible=true",
                     "--attr", "closeButton:visible=true") as viewer:
        x, y = viewer.origin()
        shot = screen.take("skin", "updater_installable")
        assert_colour(shot, x + 229 + 35, y + 64 + 13, image_centre("btn_install_n", BODY), "install button")
        assert_colour(shot, x + 229 + 35, y + 62, BODY, "above the install button")
        assert_colour(shot, x + 286 + 7, y + 8 + 7, image_centre("btn_close_n", TITLE_BLUE), "close button")
        assert_colour(shot, x + 100, y + 75, BODY, "no progress bar")


def test_tips_box(tools_dir):
    with open_viewer(tools_dir, "TipsBoxWnd.xml", "skin test tips box",
                     "--check-glyphs", "tipsLabel") as viewer:
        assert viewer.size() == (310, 100)
        x, y = viewer.origin()
        shot = screen.take("skin", "tips_box")
        assert_colour(shot, x + 290 + 7, y + 8 + 7, image_centre("btn_close_n", TITLE_BLUE), "close button")
        assert_colour(shot, x + 144 + 36, y + 69 + 12, image_centre("btn_cancel_n", BODY), "cancel button")
        assert_colour(shot, x + 224 + 36, y + 69 + 12, image_centre("btn_common_n", BODY), "confirm button")
        assert_colour(shot, x + 220, y + 81, BODY, "between the buttons")
        assert_colour(shot, x + 305, y + 15, TITLE_BLUE, "right of the close button")
        screen.keys(viewer.window, "Escape")
        _, lines = viewer.finish()
    assert "glyphs tipsLabel missing 0" in lines


def test_launch_window(tools_dir):
    with open_viewer(tools_dir, "LaunchWnd.xml", "skin test launch") as viewer:
        assert viewer.size() == (420, 210)
        x, y = viewer.origin()
        shot = screen.take("skin", "launch_window")
        assert_colour(shot, x + 400, y + 31, TITLE_BLUE, "last title bar row")
        assert_colour(shot, x + 400, y + 32, BODY, "first body row")
        assert_colour(shot, x + 290 + 7, y + 8 + 7, image_centre("btn_close_n", TITLE_BLUE), "close button")
        # The 71 x 26 images stretched to 80 x 36 at 0..80, 62..98.
        assert_colour(shot, x + 40, y + 80, image_centre("btn_launch_n", BODY), "launch button")
        assert_colour(shot, x + 85, y + 80, BODY, "right of the launch button")
        assert_colour(shot, x + 40, y + 100, BODY, "below the launch button")


@pytest.fixture
def progress_skin(tmp_path):
    """A test skin with three 270-pixel bars for the values 37, 150 and -5."""
    (tmp_path / "back.png").write_bytes(png.solid_png(40, 2, (0xCC, 0xCC, 0xCC, 255)))
    (tmp_path / "fore.png").write_bytes(png.solid_png(40, 2, (0x20, 0x40, 0xE0, 255)))
    bars = "".join(
        f'<HorizontalLayout height="10"><Progress name="p{i}" width="270" height="3" padding="10,4,0,0" '
        f'bkimage="back.png" foreimage="fore.png" value="{value}"/></HorizontalLayout>'
        for i, value in enumerate([37, 150, -5]))
    (tmp_path / "bars.xml").write_text(
        f'<Window size="300,40"><VerticalLayout bkcolor="#FFFFFFFF">{bars}</VerticalLayout></Window>',
        encoding="utf-8")
    return tmp_path


def test_progress_bar_fill_in_a_test_skin(tools_dir, progress_skin):
    with open_viewer(tools_dir, "bars.xml", "skin test bars", "--folder", wine.windows_path(progress_skin) + "\\") as viewer:
        x, y = viewer.origin()
        shot = screen.take("skin", "progress_bars")
        fore, back = (0x20, 0x40, 0xE0), (0xCC, 0xCC, 0xCC)
        for row, filled in enumerate([99, 270, 0]):
            bar_y = y + row * 10 + 5
            if filled:
                assert_colour(shot, x + 10, bar_y, fore, f"bar {row} start")
                assert_colour(shot, x + 10 + filled - 1, bar_y, fore, f"bar {row} last filled pixel")
            if filled < 270:
                assert_colour(shot, x + 10 + filled, bar_y, back, f"bar {row} first empty pixel")
            assert_colour(shot, x + 280, bar_y, (255, 255, 255), f"bar {row} end")
