"""Under a real window manager, every window the main window owns is transient
for it and stays above it, even when the main window, kept on top, is brought
forward."""
import sys
import time

from harness import (TITLE, Session, WindowManager, click_on_page, run, stacked_above, transient_for,
                     wait_for, write_config)

# Vertical layout, relative to the tab page.
EDIT_BUTTON = (10, 20, 65, 20)
TEMPLATE_HELP_BUTTON = (175, 220, 20, 20)
ABOUT_BUTTON = (75, 320, 75, 20)


def visible(session, title):
    found = session.xdotool("search", "--onlyvisible", "--name", "^%s$" % title.replace(".", "\\."))
    return [int(w) for w in found.stdout.split()]


def main_and_question(session):
    """The main window and the start-up question: both titled like the program,
    the question the smaller."""
    wait_for(lambda: len(visible(session, TITLE)) >= 2, "no start-up question", session, timeout=20)
    by_area = sorted(visible(session, TITLE), key=lambda w: session.geometry(w)[2] * session.geometry(w)[3])
    return by_area[-1], by_area[0]


def check_above(session, main, owned, title):
    assert transient_for(session, owned) == main, "%s is not transient for the main window" % title
    session.xdotool("windowactivate", str(main))  # the user clicks the main window
    time.sleep(0.3)
    assert stacked_above(session, owned, main), "%s is under the main window" % title


def open_and_check(session, main, title, opener):
    opener()
    window = session.find_window(title)
    check_above(session, main, window, title)
    session.close_window(window)
    wait_for(lambda: not visible(session, title), "%s stays open" % title, session)


def test_owned_windows_stay_above_the_main_window(program, scratch):
    with Session(program, scratch, "owned-windows") as session, WindowManager(session):
        write_config(session, ["[Init]", "MatTube = Cuivre", "AlwaysOnTop = 1", "Update = 1", "UpdateAuto = 0"])
        session.start()
        main, question = main_and_question(session)
        check_above(session, main, question, "the update question")
        session.xdotool("windowactivate", str(question))
        session.xdotool("key", "n")  # "&Non"
        wait_for(lambda: question not in visible(session, TITLE), "the question stays open", session)

        open_and_check(session, main, "Editeur Tubes", lambda: click_on_page(session, main, EDIT_BUTTON))
        session.xdotool("windowactivate", str(main))
        open_and_check(session, main, "Console", lambda: session.xdotool("key", "shift+F12"))
        session.xdotool("windowactivate", str(main))
        session.xdotool("key", "ctrl+shift+Tab")  # the last tab, "Options"
        open_and_check(session, main, "Aide", lambda: click_on_page(session, main, TEMPLATE_HELP_BUTTON))
        open_and_check(session, main, "A Propos...", lambda: click_on_page(session, main, ABOUT_BUTTON))

        session.close_window(main)
        code = session.wait_exit()
        assert code == 0, "exit code %d\n%s" % (code, session.output())


if __name__ == "__main__":
    sys.exit(run([test_owned_windows_stay_above_the_main_window]))
