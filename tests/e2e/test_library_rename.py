"""A library renamed in the editor and saved over its own file stays the water
tab's library once the editor is closed: list 3, the results and "MatTube"."""
import os
import subprocess
import sys
import time

from harness import Session, click_on_page, close, config_path, run, wait_for, wait_for_clipboard, write_config


EDIT_BUTTON = (10, 20, 65, 20)   # vertical layout, on the water tab page
FLOW_FIELD = (42, 185, 70, 20)
NAME_FIELD = (335, 30, 115, 20)  # editor, below its menu bar
EDITOR_HEIGHT = 432


def other_window(session, title, known):
    """The visible window of that title that is none of the known ones."""
    def found():
        ids = session.xdotool("search", "--onlyvisible", "--name", "^%s$" % title.replace(".", "\\.")).stdout.split()
        return [int(i) for i in ids if int(i) not in known]
    wait_for(found, "no new window titled %r" % title, session)
    return found()[0]


def answer(session, window, typed=""):
    """Types into the window that asks, then Return (Yes, the default button)."""
    session.xdotool("windowactivate", "--sync", str(window))
    time.sleep(0.3)
    if typed:
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "30", typed)
    session.xdotool("key", "--clearmodifiers", "Return")


def set_clipboard(session, text):
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode(), env=session.env(),
                   timeout=10, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def test_renamed_library_stays_selected(program, scratch):
    with Session(program, scratch, "library-rename") as session:
        write_config(session, ["[Init]", "MatTube = Cuivre", "TxtCopyAirOnOff = 0"],
                     libraries=("Acier.tub", "Cuivre.tub", "Inox.tub"))
        session.start()
        main = session.find_window("Vorquil III")
        wait_for_clipboard(session, "100L/h-Cu.\u00d815")

        click_on_page(session, main, EDIT_BUTTON)
        editor = session.find_window("Editeur Tubes")
        menu = session.geometry(editor)[3] - EDITOR_HEIGHT
        x, y, w, h = NAME_FIELD
        session.xdotool("mousemove", "--window", str(editor), str(x + w // 2), str(menu + y + h // 2))
        session.xdotool("click", "1")
        time.sleep(0.3)
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "50", "Zinc")
        time.sleep(0.3)

        set_clipboard(session, "-")
        session.close_window(editor)
        answer(session, other_window(session, "Vorquil III", {main}))   # save the changes? Yes
        dialog = session.find_window("Enregistrer sous...")
        answer(session, dialog, "Cuivre.tub")
        answer(session, other_window(session, "Enregistrer sous...", {dialog}))  # replace it? Yes

        # Cuivre's sizes under the name Zinc, not those of the library now at its old place.
        wait_for_clipboard(session, "100L/h-Cu.\u00d815")
        click_on_page(session, main, FLOW_FIELD)
        time.sleep(0.3)
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "50", "1000")
        wait_for_clipboard(session, "1000L/h-Cu.\u00d828")

        close(session, main)
        with open(config_path(session), "rb") as f:
            assert b"MatTube = Zinc\r\n" in f.read(), "MatTube does not follow list 3"
        with open(os.path.join(session.data_folder, "Data", "Cuivre.tub"), "rb") as f:
            assert b"TubeName = Zinc\r\n" in f.read()


if __name__ == "__main__":
    sys.exit(run([test_renamed_library_stays_selected]))
