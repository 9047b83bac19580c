"""Finding the updater's windows on the screen and their controls' places."""
from support import update_screen as screen, wine

ENGLISH_TITLE = "Update Program"
CHINESE_TITLE = "\u5347\u7ea7\u7a0b\u5e8f"
TIPS_TITLE = "fenlo\u63d0\u793a"
TITLE_BAR_BLUE = (0x16, 0x94, 0xFF)
BODY_GREY = (0xF8, 0xF8, 0xF8)

# Client-area centres of the updater window's buttons (310 wide).
INSTALL_BUTTON = (264, 77)
SKIP_BUTTON = (264, 75)
CLOSE_BUTTON = (293, 15)


def window_of_size(title, width, height, timeout=30.0):
    """A visible window with this title and size (the updater window and the
    launch window share their title)."""
    def look():
        for window in screen.visible_windows(title):
            if screen.geometry(window)[2:] == (width, height):
                return window
        return None
    return wine.wait_for(look, timeout=timeout, interval=0.2)


def updater_window(title, timeout=30.0):
    return window_of_size(title, 310, 100, timeout)


def launch_window(title, timeout=60.0):
    return window_of_size(title, 420, 210, timeout)


def skinned_shot(name, window, body_y=45, timeout=5.0):
    """A screenshot once the skinned window shows its title bar and body where
    it stands (a window is found before its first paint and its placement)."""
    shots = []

    def painted():
        x, y, _, _ = screen.geometry(window)
        shots.append(screen.screenshot(name))
        return (screen.pixel(shots[-1], x + 5, y + 5) == TITLE_BAR_BLUE and
                screen.pixel(shots[-1], x + 5, y + body_y) == BODY_GREY)
    assert wine.wait_for(painted, timeout=timeout, interval=0.2), f"{name}: window not painted"
    return shots[-1]
