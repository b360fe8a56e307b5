"""The real program chooses the drainage size for a typed flow: its row turns
amber in the capacity table and, with the copy box ticked, the summary of the
choice reaches the clipboard."""
import sys
import time

from Xlib import X, display as xdisplay

from harness import PAGE_ORIGIN, TITLE, Session, click_on_page, close, run, wait_for, wait_for_clipboard, write_config

# Drainage tab controls in the vertical layout, relative to the tab page.
CAPACITY_LIST = (7, 197, 202, 98)
FLOW_FIELD = (55, 297, 40, 20)
COPY_CHECK = (9, 321, 15, 15)
CHOSEN_ROW = (0xFF, 0xD9, 0x66)  # red, green, blue


def amber_pixels(session, window):
    """How many pixels of the capacity list show the chosen row's colour."""
    d = xdisplay.Display(session.display)
    try:
        x, y, w, h = CAPACITY_LIST
        image = d.create_resource_object("window", window).get_image(PAGE_ORIGIN[0] + x, PAGE_ORIGIN[1] + y, w, h,
                                                                      X.ZPixmap, 0xFFFFFFFF)
        data = bytes(image.data)
        # 32 bits a pixel, blue first.
        return sum(1 for i in range(0, len(data) - 3, 4) if (data[i + 2], data[i + 1], data[i]) == CHOSEN_ROW)
    finally:
        d.close()


def test_typed_flow_highlights_and_copies_the_chosen_size(program, scratch):
    with Session(program, scratch, "drainage-choice") as session:
        write_config(session, ["[Init]", "MatTube = Cuivre", "TxtCopyEauOnOff = 0", "TxtCopyAirOnOff = 0",
                               "EvacType = PVC", "Pente = 4", "FillType = 0", "ConformDTU = 1"],
                     libraries=("Cuivre.tub", "PVC.eva"))
        session.start()
        window = session.find_window(TITLE)
        for _ in range(2):  # from "Eau" over "Air" to "Evac."
            session.xdotool("key", "--clearmodifiers", "ctrl+Tab")
            time.sleep(0.3)
        assert amber_pixels(session, window) == 0, "a row is marked before any flow"

        click_on_page(session, window, COPY_CHECK)
        click_on_page(session, window, FLOW_FIELD)
        time.sleep(0.3)  # the focus pause of the field
        session.xdotool("type", "--delay", "50", "2.45")
        # 2.45 l/s at 2.0 cm/m, half full, code roughness: PVC 100 (94 mm inside, 3.20 l/s).
        wait_for_clipboard(session, "2.45l/s-PVC.\u00d8100")
        wait_for(lambda: amber_pixels(session, window) > 100, "no row marked for 2.45 l/s", session)
        close(session, window)


if __name__ == "__main__":
    sys.exit(run([test_typed_flow_highlights_and_copies_the_chosen_size]))
