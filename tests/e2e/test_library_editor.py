"""The "Edit" button of the water tab opens the library editor at its stored
position over a main window that takes no input until the editor is closed."""
import sys
import time

from harness import Session, click_on_page, clipboard, run, wait_for, write_config


# Vertical layout, relative to the water tab page.
EDIT_BUTTON = (10, 20, 65, 20)
FLOW_FIELD = (42, 185, 70, 20)










def type_flow(session, window, digits):
    click_on_page(session, window, FLOW_FIELD)
    time.sleep(0.3)  # the focus pause of the field
    session.xdotool("key", "--clearmodifiers", "ctrl+a")
    session.xdotool("type", "--delay", "50", digits)


def test_editor_opens_over_a_disabled_main_window(program, scratch):
    with Session(program, scratch, "library-editor") as session:
        write_config(session, ["[Init]", "MatTube = Cuivre", "TxtCopyAirOnOff = 0", "xPosEdit = 300", "yPosEdit = 120"])
        session.start()
        main = session.find_window("Vorquil III")
        wait_for(lambda: clipboard(session) == "100L/h-Cu.\u00d815", "no first result", session)

        click_on_page(session, main, EDIT_BUTTON)
        editor = session.find_window("Editeur Tubes")
        x, y, width, height = session.geometry(editor)
        assert (x, y, width) == (300, 120, 457), session.geometry(editor)
        assert height > 432, height  # the client area below the menu bar

        # Typing into the main window changes nothing while the editor is open.
        type_flow(session, main, "1000")
        time.sleep(0.5)
        assert clipboard(session) == "100L/h-Cu.\u00d815", clipboard(session)

        # Nothing was modified: the close box closes the editor without a question.
        session.close_window(editor)
        wait_for(lambda: not session.xdotool("search", "--onlyvisible", "--name", "^Editeur Tubes$").stdout.strip(),
                 "the editor stays open", session)
        type_flow(session, main, "1000")
        wait_for(lambda: clipboard(session) == "1000L/h-Cu.\u00d828", "the main window takes no input", session)

        session.close_window(main)
        code = session.wait_exit()
        assert code == 0, "exit code %d\n%s" % (code, session.output())


if __name__ == "__main__":
    sys.exit(run([test_editor_opens_over_a_disabled_main_window]))
