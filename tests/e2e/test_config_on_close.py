"""The real program, closed as a user closes its window, writes Data/Config.cfg."""
import os
import sys

from harness import Session, config_bytes, config_path, run

DEFAULT_KEYS = [
    "NbrOfDesktop = 1", "xPosMain = 100", "yPosMain = 100", "xPosEdit = 100", "yPosEdit = 100",
    "MatTube = Acier", "EauCalcMode = 0", "TetaAller = 90", "TetaRetour = 70", "AntigelP100 = 30",
    "SurpP100 = 20", "CircRect = 0", "AirCalcMode = 0", "FillType = 0", "Pente = 4",
    "EvacType = PVC", "ConformDTU = 1", "MatGaine = Galva.", "RugoGaine = 0.150000",
    "AutreRugo = 0.001000", "AlwaysOnTop = 1", "SavePos = 1", "AntigelOnOff = 1",
    "TxtCopyEauOnOff = 1", "TxtCopyAirOnOff = 1", "TextToCopyEau = %d-%n.%c",
    "TextToCopyAir = %d-%c", "AffMode = 0", "SaveConfig = 1", "Update = 0", "UpdateAuto = 1",
    "LastUpdate = 1320932884",
]






def open_and_close(session):
    session.start()
    window = session.find_window("Vorquil III")
    position = session.geometry(window)
    session.close_window(window)
    code = session.wait_exit()
    assert code == 0, "exit code %d\n%s" % (code, session.output())
    return position


def test_data_folder_without_configuration_writes_only_the_update_keys(program, scratch):
    # No configuration: every setting is zero, so "SaveConfig" is 0 at the end.
    with Session(program, scratch, "first-start") as session:
        os.makedirs(os.path.dirname(config_path(session)))
        open_and_close(session)
        with open(config_path(session), "rb") as f:
            written = f.read()
        expected = config_bytes(["[Init]", "SaveConfig = 0", "Update = 0", "UpdateAuto = 0",
                                 "LastUpdate = 0"])
        assert written == expected, "written:\n%r" % written


def test_default_configuration_is_written_back_unchanged(program, scratch):
    with Session(program, scratch, "defaults") as session:
        os.makedirs(os.path.dirname(config_path(session)))
        original = config_bytes(["[Init]"] + DEFAULT_KEYS)
        with open(config_path(session), "wb") as f:
            f.write(original)
        x, y, _, _ = open_and_close(session)
        assert (x, y) == (100, 100), "window opened at %r" % ((x, y),)
        with open(config_path(session), "rb") as f:
            written = f.read()
        assert written == original, "written:\n%r" % written


if __name__ == "__main__":
    sys.exit(run([test_data_folder_without_configuration_writes_only_the_update_keys,
                  test_default_configuration_is_written_back_unchanged]))
