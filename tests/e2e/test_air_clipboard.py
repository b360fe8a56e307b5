"""The real program puts the summary of each air result on the clipboard: at
start-up, after the water result, then at every key typed into the air flow
field 107."""
import sys
import time

from harness import TITLE, Session, click_on_page, clipboard, close, run, wait_for_clipboard, write_config

# Field 107 ("Debit") in the vertical layout, relative to the air tab page.
AIR_FLOW_FIELD = (135, 20, 70, 20)


def show_air_tab(session):
    """Ctrl+Tab brings the next tab forward, from the water tab to the air tab."""
    session.xdotool("key", "--clearmodifiers", "ctrl+Tab")
    time.sleep(0.3)


def click_air_flow_field(session, window):
    click_on_page(session, window, AIR_FLOW_FIELD)
    time.sleep(0.3)  # the focus pause of the field


def test_typed_air_flow_reaches_the_clipboard(program, scratch):
    with Session(program, scratch, "air-clipboard") as session:
        write_config(session, ["[Init]", "MatTube = Cuivre"])
        session.start()
        window = session.find_window(TITLE)
        # Sized after the water at start-up: 100 m3/h in a 125 mm duct.
        wait_for_clipboard(session, "100m3/h-\u00d8125")

        show_air_tab(session)
        click_air_flow_field(session, window)
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "50", "1000")
        # 1000 m3/h at 0.80 Pa/m needs 290 mm: the standard 315.
        wait_for_clipboard(session, "1000m3/h-\u00d8315")
        # A key the field refuses changes nothing.
        session.xdotool("type", "--delay", "50", "x")
        time.sleep(0.5)
        assert clipboard(session) == "1000m3/h-\u00d8315"
        close(session, window)


def test_air_template_and_rectangle(program, scratch):
    with Session(program, scratch, "air-clipboard-rectangle") as session:
        write_config(session, ["[Init]", "MatTube = Cuivre", "CircRect = 1", "MatGaine = Autre",
                               "AutreRugo = 5", "TextToCopyAir = %c|%p|%v|%d"])
        session.start()
        window = session.find_window(TITLE)
        # Side A 100 mm, 5 mm roughness: side B 200.
        wait_for_clipboard(session, "100x200|0.53Pa/m|1.39m/s|100m3/h")

        show_air_tab(session)
        click_air_flow_field(session, window)
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "50", "50")
        wait_for_clipboard(session, "100x150|0.28Pa/m|0.93m/s|50m3/h")
        close(session, window)


if __name__ == "__main__":
    sys.exit(run([test_typed_air_flow_reaches_the_clipboard, test_air_template_and_rectangle]))
