"""Mouse and keys on skinned windows under Wine, driven with xdotool: button
looks, click semantics, Tab and Space, the results of the modal loop, the
caption drag and the fatal box of a skin without a root."""
import pathlib

import pytest

from support import screen, wine
from support.skin_viewer import open_viewer

PACKAGE = pathlib.Path(__file__).resolve().parents[2] / "skin" / "package" / "files"
BODY = (0xF8, 0xF8, 0xF8)
# Every click of the tips box's buttons closes the viewer with its own code.
TIPS_CODES = ("--close-on", "closeButton=2", "--close-on", "cancelButton=3", "--close-on", "confirmButton=4")


def confirm_centre(viewer):
    x, y = viewer.origin()
    return x + 224 + 36, y + 69 + 12


def look(name):
    return screen.over(screen.image_pixel(PACKAGE / f"{name}.png", 35, 13), BODY)


def test_button_looks_follow_the_pointer_and_a_click_closes(tools_dir):
    with open_viewer(tools_dir, "TipsBoxWnd.xml", "skin test looks", *TIPS_CODES) as viewer:
        cx, cy = confirm_centre(viewer)
        screen.move(cx - 150, cy + 60)  # away from the window
        steps = [("normal", None, "btn_common_n"), ("hot", lambda: screen.move(cx, cy), "btn_common_h"),
                 ("pushed", lambda: screen.press(cx, cy), "btn_common_p")]
        for name, action, image in steps:
            if action:
                action()

            def shows():
                return screen.near(screen.take("skin", f"button_{name}").pixel(cx, cy), look(image))

            assert screen.wait_for(shows, 5), f"{name} look"
        screen.release()
        code, lines = viewer.finish()
    assert code == 4
    assert "notify click confirmButton" in lines


def test_a_press_released_outside_is_no_click(tools_dir):
    with open_viewer(tools_dir, "TipsBoxWnd.xml", "skin test outside", *TIPS_CODES) as viewer:
        cx, cy = confirm_centre(viewer)
        screen.press(cx, cy)
        screen.move(cx, cy - 40)
        screen.release()
        # Pressed, moved out and back in, released inside: a click.
        screen.press(cx - 20, cy)
        screen.move(cx - 20, cy - 40)
        screen.move(cx + 10, cy)
        screen.release()
        code, lines = viewer.finish()
    assert code == 4
    assert lines.count("notify click confirmButton") == 1


@pytest.mark.parametrize("keys, code, focus", [
    (["space"], 2, ["closeButton"]),                            # the first tab stop holds the focus
    (["Tab", "space"], 3, ["closeButton", "cancelButton"]),
    (["Tab", "Tab", "Return"], 4, ["closeButton", "cancelButton", "confirmButton"]),  # Enter reaches the button
    (["Tab", "Tab", "Tab", "space"], 2, ["closeButton", "cancelButton", "confirmButton", "closeButton"]),  # wraps
    (["shift+Tab", "space"], 4, ["closeButton", "confirmButton"]),
    (["Escape"], 1, ["closeButton"]),
    (["alt+F4"], 0, ["closeButton"]),
])
def test_keys_move_the_focus_and_end_the_modal_loop(tools_dir, keys, code, focus):
    with open_viewer(tools_dir, "TipsBoxWnd.xml", "skin test keys", *TIPS_CODES) as viewer:
        screen.keys(viewer.window, *keys)
        result, lines = viewer.finish()
    assert result == code
    assert [line.split()[-1] for line in lines if line.startswith("notify setfocus")] == focus


def test_hovering_the_close_button_shows_its_tooltip(tools_dir):
    with open_viewer(tools_dir, "TipsBoxWnd.xml", "skin test tooltip") as viewer:
        x, y = viewer.origin()
        before = screen.visible_windows()

        def tooltip():
            for window in screen.visible_windows() - before:
                tx, ty, width, height = screen.geometry(window)
                if abs(tx - (x + 297)) < 80 and abs(ty - (y + 15)) < 80 and width < 120 and height < 40:
                    return window
            return None

        # The pointer comes to rest on the button; the tooltip follows the
        # hover time. A move lost while the window settled is made again.
        for attempt in range(3):
            screen.move(x + 296 - attempt, y + 14)
            screen.move(x + 297 - attempt, y + 15)
            if screen.wait_for(tooltip, 3):
                break
        assert tooltip(), "no tooltip near the pointer"
        shot = screen.take("skin", "tooltip")
        assert screen.near(shot.pixel(x + 297, y + 15),
                           screen.over(screen.image_pixel(PACKAGE / "btn_close_h.png", 7, 7), (0x16, 0x94, 0xFF)))


def test_caption_drags_the_window_except_over_buttons(tools_dir):
    with open_viewer(tools_dir, "LaunchWnd.xml", "skin test drag", "--close-on", "closeButton=2",
                     pos=(200, 150)) as viewer:
        # Over the title label, in the 32-pixel caption: the window follows.
        screen.press(250, 160)
        screen.move(300, 200)
        screen.move(350, 260)
        screen.release()
        assert screen.wait_for(lambda: viewer.origin() == (300, 250), 5), viewer.origin()
        screen.take("skin", "launch_window_dragged")
        # Over the close button (x 290..304, y 8..22): a click, no drag.
        x, y = viewer.origin()
        screen.press(x + 297, y + 15)
        screen.move(x + 297, y + 16)
        screen.release()
        code, _ = viewer.finish()
    assert code == 2


def test_a_skin_without_a_root_ends_the_program_after_the_fatal_box(tools_dir, tmp_path):
    (tmp_path / "broken.xml").write_text("<Window><Label></Window>", encoding="utf-8")
    proc = wine.start(tools_dir / "skin_viewer.exe", "broken.xml", "--title", "skin test broken",
                      "--folder", wine.windows_path(tmp_path) + "\\")
    try:
        box = screen.find_window("Tamsel")
        screen.take("skin", "fatal_box")
        screen.keys(box, "Return")
        result = wine.finish(proc, 30)
    finally:
        wine.stop(proc)
    assert wine.exit_code(result) == 1
    assert "result" not in result.stdout
