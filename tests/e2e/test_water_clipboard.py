"""The real program puts the summary of each water result on the clipboard: at
start-up, then at every key typed into the flow field."""
import os
import shutil
import subprocess
import sys
import time

from harness import Session, run

BOM = b"\xef\xbb\xbf"
TITLE = "Vorquil III"
DELIVERED = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")

# Field 12 ("Debit") in the vertical layout, relative to the water tab page, and
# where that page starts in the client area (tab panel at 3, 3 plus its tab bar).
FLOW_FIELD = (42, 185, 70, 20)
PAGE_ORIGIN = (5, 28)


def write_config(session, lines):
    """The configuration and the copper library, as a user's data folder holds them."""
    data = os.path.join(session.data_folder, "Data")
    os.makedirs(data, exist_ok=True)
    shutil.copy(os.path.join(DELIVERED, "Cuivre.tub"), data)
    with open(os.path.join(data, "Config.cfg"), "wb") as f:
        f.write(BOM + b"\r\n" + "".join(line + "\r\n" for line in lines).encode("utf-8"))


def clipboard(session):
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=session.env(),
                            capture_output=True, timeout=10)
    return result.stdout.decode("utf-8", errors="replace")


def wait_for_clipboard(session, expected, timeout=10):
    deadline = time.time() + timeout
    seen = None
    while time.time() < deadline:
        seen = clipboard(session)
        if seen == expected:
            return
        time.sleep(0.1)
    raise AssertionError("clipboard holds %r, expected %r\n%s" % (seen, expected, session.output()))


def click_flow_field(session, window):
    x, y, w, h = FLOW_FIELD
    session.xdotool("mousemove", "--window", str(window), str(PAGE_ORIGIN[0] + x + w // 2),
                    str(PAGE_ORIGIN[1] + y + h // 2))
    session.xdotool("click", "1")


def close(session, window):
    session.close_window(window)
    code = session.wait_exit()
    assert code == 0, "exit code %d\n%s" % (code, session.output())


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
