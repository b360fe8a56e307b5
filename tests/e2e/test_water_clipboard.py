"""The real program puts the summary of each water result on the clipboard: at
start-up, then at every key typed into the flow field."""
import sys
import time

from harness import (TITLE, Session, click_on_page, close, run, wait_for_clipboard,
                     write_config)


# Field 12 ("Debit") in the vertical layout, relative to the water tab page.
FLOW_FIELD = (42, 185, 70, 20)








def click_flow_field(session, window):
    click_on_page(session, window, FLOW_FIELD)




def test_typed_flow_reaches_the_clipboard(program, scratch):
    with Session(program, scratch, "water-clipboard") as session:
        write_config(session, ["[Init]", "MatTube = Cuivre", "TxtCopyAirOnOff = 0"])
        session.start()
        window = session.find_window(TITLE)
        # The first result of the stored defaults: 100 L/h in copper 15 (the air
        # result, sized after it at start-up, is not copied).
        wait_for_clipboard(session, "100L/h-Cu.\u00d815")

        click_flow_field(session, window)
        time.sleep(0.3)  # the focus pause of the field
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "50", "1000")
        # 1000 L/h at 90/70 degC needs 23.9 mm: copper 28 (26.0 mm inside).
        wait_for_clipboard(session, "1000L/h-Cu.\u00d828")
        close(session, window)


def test_template_typed_in_the_options_is_used(program, scratch):
    with Session(program, scratch, "water-clipboard-template") as session:
        write_config(session, ["[Init]", "MatTube = Cuivre", "TxtCopyAirOnOff = 0",
                               "TextToCopyEau = %w|%p|%v|%d %d"])
        session.start()
        window = session.find_window(TITLE)
        wait_for_clipboard(session, "2317W|5.74mmCE/m|0.21m/s|100L/h 100L/h")

        click_flow_field(session, window)
        time.sleep(0.3)
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "50", "50")
        # 50 L/h is held by the smallest size, copper 10 (8.0 mm inside).
        wait_for_clipboard(session, "1159W|17.25mmCE/m|0.28m/s|50L/h 50L/h")
        close(session, window)


if __name__ == "__main__":
    sys.exit(run([test_typed_flow_reaches_the_clipboard, test_template_typed_in_the_options_is_used]))
