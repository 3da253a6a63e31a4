#!/usr/bin/env python3
"""Writes the seeds of the reply fuzz target that need the operator's actions
between the replies: the menu lists read again, the menu edits, a playlist
entry assigned and a playlist loaded, timer events saved, toggled, created,
deleted and re-read under a filter, the browser's operations and the marks.
Run from the repository root; writes tests/fuzz/corpus/<name>.

An input is a run of records: a length byte and that many bytes fed to the
link as one read, or a zero byte, an action's number and its argument. The
numbers are those of the action table in tests/fuzz/FuzzSession.cpp."""

import os

ACTIONS = [
    "logIn", "logout", "close", "appState", "requestPermission", "returnPermission",
    "displayMode", "markRequest", "trackSkip", "timeSkip", "search",
    "requestMenuList", "drawMenu", "menuData", "rereadCd", "rereadStereoMono", "rereadLevel", "editMenu",
    "startTimerEvent", "showAll", "showToday", "showDate", "setFocus", "editEvent", "saveEvent",
    "toggleEvent", "newEvent", "deleteEvent", "cancelEvent",
    "initAll", "initPpl", "initEntry", "assignEntry", "clearEntry", "loadPpl", "createPpl", "renamePpl",
    "entryInfo", "deletePpl",
    "restartBrowse", "openFolder", "upFolder", "goToCurrentFolder", "setToCurrentFolder", "sort",
    "createFolder", "renameFolder", "deleteFolder", "selectFile", "renameFile", "deleteFile", "copyOrUndo",
    "answerPhantom",
]
CORPUS = "tests/fuzz/corpus"


class Seed:
    def __init__(self):
        self.data = b""
        self.pending = []

    def lines(self, *replies):
        """Reply lines as the recorder writes them, without the leading "0"."""
        self.pending += [("0" + reply + "\r\n").encode() for reply in replies]
        return self

    def act(self, name, argument=0):
        self.flush()
        self.data += bytes([0, ACTIONS.index(name), argument])
        return self

    def flush(self):
        # Whole lines, as many as fit in one read.
        chunk = b""
        for line in self.pending:
            if len(chunk) + len(line) > 255:
                self.data += bytes([len(chunk)]) + chunk
                chunk = b""
            chunk += line
        if chunk:
            self.data += bytes([len(chunk)]) + chunk
        self.pending = []

    def write(self, name):
        self.flush()
        with open(os.path.join(CORPUS, name), "wb") as out:
            out.write(self.data)


def n4(n):
    """A four-digit number, low pair first."""
    return "%02d%02d" % (n % 100, n // 100)


def nodes(*numbers):
    return "".join("%02d00" % n for n in numbers)


# The menu's replies on page 0.
def page_count(count): return "FF6AFA10%02d" % count
def page_name(name): return "FF6AFA20" + nodes(0) + name
def item_count(count): return "FF6AFA11" + nodes(0) + "%02d00" % count
def item_name(j, name): return "FF6AFA21" + nodes(0, j) + name
def subitem_count(j, count): return "FF6AFA13" + nodes(0, j) + "%02d00" % count
def subitem_name(j, k, name): return "FF6AFA23" + nodes(0, j, k) + name
def parameters(j, k, count): return "FF6AFA14" + nodes(0, j, k) + n4(count) + "000001"
def option(j, k, i, name): return "FF6AFA24" + nodes(0, j, k) + n4(i) + name
def value(j, k, v): return "FF6AFA01" + nodes(0, j, k) + n4(v)


def menu_tree(seed, items):
    """A one-page menu: items of (name, [(subitem name, [options])])."""
    seed.lines(page_count(1), page_name("INPUT"), item_count(len(items)))
    for j, (name, subitems) in enumerate(items):
        seed.lines(item_name(j, name), subitem_count(j, len(subitems)))
        for k, (subitem, options) in enumerate(subitems):
            seed.lines(subitem_name(j, k, subitem))
            list_read(seed, j, k, options)


def list_read(seed, j, k, options):
    seed.lines(parameters(j, k, len(options)))
    seed.lines(*(option(j, k, i, name) for i, name in enumerate(options)))


def menu_reread_cd():
    """The CD and STEREO/MONO lists read again on the recorder's notices and
    on the operator's actions, each re-read ending on its own lists."""
    s = Seed().act("logIn", 1)
    menu_tree(s, [("PLAY AREA", [("PLAY AREA", ["ALL", "FOLDER"])]),
                  ("REC FORMAT", [("REC FORMAT", ["WAV", "MP3"])]),
                  ("STEREO/MONO", [("STEREO/MONO", ["STEREO", "MONO"])])])
    s.lines(value(0, 0, 1), value(1, 0, 0), value(2, 0, 0))
    s.lines("FF6AF650")
    list_read(s, 0, 0, ["ALL", "FOLDER", "PLAYLIST"])
    list_read(s, 1, 0, ["WAV", "MP3", "WAV16+MP3"])
    s.lines(value(0, 0, 2), value(1, 0, 1), value(2, 0, 1))
    s.lines("FF6AF651")
    list_read(s, 2, 0, ["MONO", "STEREO"])
    s.act("rereadCd").act("rereadStereoMono")
    list_read(s, 2, 0, ["STEREO", "MONO"])
    list_read(s, 0, 0, ["ALL", "FOLDER"])
    list_read(s, 1, 0, ["WAV", "MP3"])
    s.lines(value(0, 0, 0), value(1, 0, 0), value(2, 0, 0))
    s.write("menu-reread-cd")


def menu_reread_level():
    """The LEVEL lists read again after the input changed, by the operator's
    edit and by the recorder's value, and once more after a stale option
    name shows that they changed meanwhile."""
    levels = ["-10dB", "0dB", "+4dB"]
    s = Seed().act("logIn")
    menu_tree(s, [("INPUT SELECT", [("INPUT SELECT", ["ANALOG", "DIGITAL"])]),
                  ("INPUT GAIN", [("INPUT GAIN Lch", ["0dB", "+20dB"]), ("INPUT GAIN Rch", ["0dB", "+20dB"])]),
                  ("PHANTOM", [("PHANTOM(+48V)Lch", ["OFF", "ON"]), ("PHANTOM(+48V)Rch", ["OFF", "ON"])]),
                  ("LEVEL", [("INPUT LEVEL(L)", levels), ("INPUT LEVEL(R)", levels)])])
    s.lines(value(0, 0, 0), value(1, 0, 0), value(1, 1, 0), value(2, 0, 0), value(2, 1, 0),
            value(3, 0, 1), value(3, 1, 1))
    s.act("editMenu", 0x10)  # INPUT SELECT to DIGITAL
    s.lines(value(0, 0, 1))  # taken: the LEVEL lists are read again
    s.lines(parameters(3, 0, 2), parameters(3, 1, 2))
    s.act("editMenu", 0x11)  # a gain during the re-read: the row goes back
    s.lines(option(3, 0, 0, "-20dBFS"), option(3, 0, 5, "STALE"), option(3, 0, 1, "-18dBFS"),
            option(3, 1, 0, "-20dBFS"), option(3, 1, 1, "-18dBFS"))
    list_read(s, 3, 0, levels)
    list_read(s, 3, 1, levels)
    s.lines(value(3, 0, 2), value(3, 1, 2))
    s.lines(value(0, 0, 0))  # the recorder's own change of input
    list_read(s, 3, 0, ["0dB"])
    list_read(s, 3, 1, ["0dB"])
    s.act("rereadLevel")
    list_read(s, 3, 0, levels[:2])
    list_read(s, 3, 1, levels[:2])
    s.write("menu-reread-level")


def menu_edit():
    """Edits, phantom power held back on input 1 with a gain, the values
    asked again after a refused change, and a new download."""
    s = Seed().act("logIn")
    menu_tree(s, [("INPUT SELECT", [("INPUT SELECT", ["ANALOG", "MIC", "DIGITAL"])]),
                  ("INPUT GAIN", [("INPUT GAIN Lch", ["0dB", "+20dB"]), ("INPUT GAIN Rch", ["0dB", "+20dB"])]),
                  ("PHANTOM", [("PHANTOM(+48V)Lch", ["OFF", "ON"]), ("PHANTOM(+48V)Rch", ["OFF", "ON"])]),
                  ("FADE", [("FADE IN", ["1", "2"])])])
    s.lines(value(0, 0, 1), value(1, 0, 1), value(1, 1, 0), value(2, 0, 0), value(2, 1, 1), value(3, 0, 0))
    s.act("editMenu", 0x13)  # PHANTOM Lch on: held back
    s.act("answerPhantom", 1)  # and confirmed
    s.lines(value(2, 0, 1))
    s.act("editMenu", 0x12)  # GAIN Rch up with phantom on: held back
    s.act("editMenu", 0x11)  # GAIN Lch too: the Rch row goes back
    s.act("answerPhantom", 0)  # refused: the values are asked again
    s.lines(value(1, 0, 1), value(1, 1, 0))
    s.act("editMenu", 0x00)  # INPUT SELECT to ANALOG
    s.act("editMenu", 0x15)
    s.lines("FF6AFAF001", "FF6AF640", "FF6AF601", "FF6AFAF003")
    s.act("menuData")
    s.lines(value(0, 0, 0), value(2, 0, 1))
    s.act("requestMenuList")
    s.lines(page_count(0))
    s.write("menu-edit")


def playlist_assign():
    """The playlists and entries read, an entry assigned and one cleared (the
    recorder refuses the second), a playlist loaded, created, renamed and
    deleted, each answered."""
    occupancy = "FF4592" + "03" + "00" * 12
    s = Seed().act("logIn")
    s.lines("D010", "FF0100", "FF6AFE11")
    s.lines("FF45800000", "FF45840200", "FF458501002026/12/01 08:30Morning", "FF458502002026/12/02 09:15Evening",
            "FF45830100", "FF45900200", occupancy, "FF45910000Take 1", "FF45910100\t")
    s.act("assignEntry", 1).lines("FF31CB01010011")
    s.lines("FF45900200", occupancy, "FF45910000Take 1", "FF45910100Take 2")
    s.act("clearEntry", 0).lines("FF31CB00000012")
    s.lines("FF45900200", occupancy, "FF45910000Take 1", "FF45910100Take 2")
    s.act("entryInfo", 1).lines("FF45930100A/Concert\tB/x\t2026/12/01\tA:\\Concert")
    s.act("loadPpl", 0).lines("FF318000")
    s.act("loadPpl", 1).lines("FF318001")
    s.act("createPpl", 1).lines("FF45C011", "FF45840300")
    s.act("renamePpl", 2).lines("FF45C312")
    s.act("deletePpl", 1).lines("FF6BA600", "FF6BA611")
    s.lines("FF45804000", "FF45805000", "FF45900100", "FF4592" + "00" * 13)
    s.write("playlist-assign")


def timer_record(enable, kind, date, time, option=""):
    return enable + kind + date + "00" + time + "00" + "00" + "0000" + "01" + option


EVENTS = [timer_record("01", "00", "240517", "100000", "A:/Concert/Aria.wav"),
          timer_record("01", "02", "000000", "063000"),
          timer_record("00", "03", "240601", "120000")]


def timer_list(seed, selection, events):
    seed.lines("FF47DD" + selection + n4(len(events)))
    seed.lines(*("FF47D7" + n4(i + 1) + event for i, event in enumerate(events)))


def timerevent_save():
    """The list read, the focused event saved, another toggled, one created
    and two deleted, each followed by the recorder's notice and the list
    read again with the focus it names."""
    s = Seed().act("logIn")
    s.lines("D010", "FF0100", "FF07CF00", "CE00", "FF6AFE11")
    timer_list(s, "AA0000", EVENTS)
    s.act("setFocus", 1).act("editEvent", 3 + 7 * 5).act("saveEvent")
    s.lines("FF47C20100", "FF47F6")
    timer_list(s, "AA0000", EVENTS)
    s.act("editEvent", 6 + 7).act("cancelEvent").act("toggleEvent", 2)
    s.lines("FF47C20200", "FF47F6")
    timer_list(s, "AA0000", EVENTS)
    s.act("newEvent").lines("FF47C00400", "FF47F6")
    timer_list(s, "AA0000", EVENTS + [timer_record("00", "00", "240517", "000000")])
    s.act("deleteEvent", 3).lines("FF47C40300", "FF47F6")
    timer_list(s, "AA0000", EVENTS)
    s.act("deleteEvent", 0).lines("FF47C40000", "FF47F6")
    timer_list(s, "AA0000", [])
    s.write("timerevent-save")


def timerevent_reread():
    """Focusing under a filter reads the event again from the whole list and
    restores the filter; a save and a toggle asked for meanwhile wait for it.
    An event that is no longer there only restores the filter."""
    s = Seed().act("logIn")
    s.lines("D010", "FF0100", "FF07CF00", "CE01", "FF6AFE11")
    timer_list(s, "AA0000", EVENTS)
    s.act("showToday")
    timer_list(s, "DD0000", EVENTS[:2])
    s.act("setFocus", 2).act("editEvent", 4 + 7 * 3).act("saveEvent").act("toggleEvent", 1)
    s.lines("FF47D50200", "FF47DDAA00000300", "FF47D70200" + EVENTS[1], "FF47DDDD00000200")
    s.lines("FF47C20200", "FF47F6")
    timer_list(s, "DD0000", EVENTS[:2])
    s.act("showDate", 15)
    timer_list(s, "240601", EVENTS[2:])
    s.act("setFocus", 1)
    s.lines("FF47D50900", "FF47DDAA00000300", "FF47DD24060100000100")
    s.act("deleteEvent", 1).lines("FF47C40100", "FF47F6")
    timer_list(s, "240601", [])
    s.write("timerevent-reread")


def folder_listing(seed, folder, name, files):
    seed.lines("FF6B80" + n4(folder), "FF6B9100" + n4(folder) + "0" + name,
               "FF6B9000" + n4(folder) + n4(1) + n4(0) + n4(0),
               "FF6BA000" + n4(folder) + n4(1) + n4(len(files)) + n4(1 if files else 0))
    seed.lines(*("FF6BA100" + n4(i + 1) + "0" + name + "\\" + f for i, f in enumerate(files)))


def browse_operations():
    """A folder listed, then the operations on it, each answered with its
    progress and result and followed by the folder listed again."""
    files = ["Aria.wav", "Finale.wav"]
    s = Seed().act("logIn")
    s.lines("D010", "FF0100", "FF6AFE11")
    folder_listing(s, 1, "Concert", files)
    s.act("createFolder").lines("FF6B9500", "FF6B9511")
    folder_listing(s, 1, "Concert", files)
    s.act("renameFile", 1).lines("FF6BA300", "F600", "FF6BA311")
    folder_listing(s, 1, "Concert", ["Finale.wav", "Finale.wav"])
    s.act("deleteFile", 2).lines("FF6BA412")
    s.act("sort", 1).lines("FF6B8311")
    folder_listing(s, 1, "Concert", files)
    s.act("selectFile", 1).lines("FF6B85" + n4(1), "FF6BA200" + n4(1) + "0096kHz\t24bit")
    s.act("copyOrUndo", 0).lines("FF6B8400", "D000", "FF6B8411", "D010")
    folder_listing(s, 1, "Concert", files)
    s.act("openFolder", 2).act("upFolder").act("goToCurrentFolder")
    folder_listing(s, 1, "Concert", files[:1])
    s.act("deleteFolder", 2).lines("FF6B9411")
    s.lines("FF6B82000200")
    folder_listing(s, 2, "Concert\\Encore", [])
    s.write("browse-operations")


def marks_redraw():
    """Marks asked for by the operator, drawn again once the display mode
    changed, the track top came back and the total time changed."""
    s = Seed().act("logIn")
    s.lines("D011", "D5000100", "DD0200", "D8000100000000", "D8010200000000")
    s.act("markRequest")
    s.lines("FF03DD0300", "FF03D801000001023000", "FF03D802000002030000", "FF03D803000010000000")
    s.act("displayMode", 1).lines("FF6AE31A2B", "D8020200000000", "D8030300000000")
    s.act("trackSkip", 1).act("trackSkip", 0).act("search", 0).act("search", 2)
    s.act("logout").lines("D010")
    s.write("marks-redraw")


for make in (menu_reread_cd, menu_reread_level, menu_edit, playlist_assign, timerevent_save, timerevent_reread,
             browse_operations, marks_redraw):
    make()
