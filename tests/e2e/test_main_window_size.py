"""The real program opens its main window in the layout that "AffMode" stores:
555 x 181 when it is 1 (horizontal), 227 x 376 for anything else (vertical)."""
import os
import sys

from harness import BOM, TITLE, Session, run



def client_size(program, scratch, name, aff_mode):
    with Session(program, scratch, name) as session:
        if aff_mode is not None:
            data = os.path.join(session.data_folder, "Data")
            os.makedirs(data)
            with open(os.path.join(data, "Config.cfg"), "wb") as f:
                f.write(BOM + ("[Init]\r\nAffMode = %d\r\n" % aff_mode).encode())
        session.start()
        window = session.find_window(TITLE)
        _, _, width, height = session.geometry(window)
        session.close_window(window)
        code = session.wait_exit()
        assert code == 0, "exit code %d\n%s" % (code, session.output())
        return width, height


def test_horizontal_layout_when_aff_mode_is_1(program, scratch):
    size = client_size(program, scratch, "layout-horizontal", 1)
    assert size == (555, 181), "client size %r" % (size,)


def test_vertical_layout_otherwise(program, scratch):
    for name, aff_mode in (("layout-none", None), ("layout-0", 0), ("layout-2", 2)):
        size = client_size(program, scratch, name, aff_mode)
        assert size == (227, 376), "AffMode %r: client size %r" % (aff_mode, size)


if __name__ == "__main__":
    sys.exit(run([test_horizontal_layout_when_aff_mode_is_1, test_vertical_layout_otherwise]))
