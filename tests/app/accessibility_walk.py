"""Drives the trainer through its accessibility interface alone, as a screen
reader would: walks the shown screen's tree, checks what its buttons and
labels tell, and presses buttons by their action to go from screen to screen.
Run by accessibility_test.sh inside a private D-Bus session.
Usage: accessibility_walk.py PROGRAM"""

import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# Atspi 2.46 marks the action calls deprecated, though it has no others.
warnings.filterwarnings("ignore", category=DeprecationWarning)

failures = []


def fail(message):
    print("FAIL: " + message)
    failures.append(message)


def children(node):
    try:
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except gi.repository.GLib.Error:
        return []


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def wait_for(what, probe, seconds=20, seen=lambda: ""):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit("FAIL: %s did not come%s" % (what, seen()))


def application(pid):
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def screen(app, name):
    """The top-level screen `name`, when it is showing."""
    app.clear_cache()
    for window in children(app):
        if window is not None and window.get_name() == name and showing(window):
            return window
    return None


def shown_screens(app):
    app.clear_cache()
    return sorted(w.get_name() for w in children(app) if w is not None and showing(w))


def descendants(node):
    for child in children(node):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def buttons(window):
    """The showing push buttons of a screen, by name."""
    found = {}
    for node in descendants(window):
        if node.get_role() == Atspi.Role.PUSH_BUTTON and showing(node):
            name = node.get_name()
            if not name.strip():
                x, y = node.get_position(Atspi.CoordType.WINDOW).x, node.get_position(Atspi.CoordType.WINDOW).y
                fail("%s: a button at %d,%d has no name" % (window.get_name(), x, y))
            found.setdefault(name, []).append(node)
    return found


def labels(window):
    return [n.get_name() for n in descendants(window) if n.get_role() == Atspi.Role.LABEL and showing(n)]


checked = []


def expect_buttons(window, expected):
    """`expected`: caption -> key; every caption is a button described by its key."""
    found = buttons(window)
    checked.append("%s %d" % (window.get_name(), sum(len(nodes) for nodes in found.values())))
    for caption, key in expected.items():
        if caption not in found:
            fail("%s: no button named %s (found %s)" % (window.get_name(), caption, sorted(found)))
            continue
        for button in found[caption]:
            if button.get_description() != key:
                fail("%s: %s is described by %r, not %r" % (window.get_name(), caption, button.get_description(), key))
            bindings = [Atspi.Action.get_key_binding(button, i) for i in range(Atspi.Action.get_n_actions(button))]
            if bindings != [key]:
                fail("%s: %s's press is bound to %r, not %r" % (window.get_name(), caption, bindings, key))
    return found


def press(window, caption):
    found = buttons(window).get(caption)
    if not found:
        raise SystemExit("FAIL: %s has no button %s to press" % (window.get_name(), caption))
    button = found[0]
    names = [Atspi.Action.get_action_name(button, i).lower() for i in range(Atspi.Action.get_n_actions(button))]
    if "press" not in names:
        raise SystemExit("FAIL: %s's %s offers no press action (%s)" % (window.get_name(), caption, names))
    Atspi.Action.do_action(button, names.index("press"))


def go(app, window, caption, target, left=None):
    """Presses `caption` on `window` and waits for `target` (and `left` gone)."""
    press(window, caption)

    def arrived():
        shown = screen(app, target)
        if shown and (left is None or screen(app, left) is None):
            return shown
        return None

    return wait_for("%s after pressing %s" % (target, caption), arrived,
                    seen=lambda: "; shown: %s" % ", ".join(shown_screens(app)))


def main():
    program = sys.argv[1]
    trainer = subprocess.Popen([program], cwd="/")
    try:
        app = wait_for("the trainer on the accessibility bus", lambda: application(trainer.pid))
        menu = wait_for("the main menu", lambda: screen(app, "bjzMainForm"))

        # The main menu: five buttons, named by their captions; it has no keys.
        found = expect_buttons(menu, {"句子训练": "", "单词训练": "", "主页": "", "帮助": "", "退出": ""})
        if len(found) != 5:
            fail("the main menu shows %d buttons: %s" % (len(found), sorted(found)))
        if "Version 7.2" not in labels(menu):
            fail("the main menu's version label is not told: %s" % labels(menu))

        # The sentence course, pressed through the accessibility action.
        chooser = go(app, menu, "句子训练", "ChoiceClassForm", left="bjzMainForm")
        expect_buttons(chooser, {"跟读": "", "听写": "", "连词成句": "", "整课播放": "", "返回": ""})

        reading = go(app, chooser, "跟读", "bjzReadForm", left="ChoiceClassForm")
        expect_buttons(reading, {"开始": "Ctrl+S", "暂停": "Ctrl+D", "上一句": "PageUp", "下一句": "PageDown",
                                 "选课": "Esc", "返回": "Esc", "显示英文": "", "显示中文": ""})
        told = labels(reading)
        if not any(any(c.isascii() and c.isalpha() for c in text) for text in told):
            fail("the read-along tells no English sentence: %s" % told)
        chooser = go(app, reading, "选课", "ChoiceClassForm", left="bjzReadForm")

        dictation = go(app, chooser, "听写", "bjzTypeSenForm", left="ChoiceClassForm")
        expect_buttons(dictation, {"F1 首字母": "F1", "F5 抄写": "F5", "重听": "Enter", "下一句": "PageDown"})
        chooser = go(app, dictation, "返回", "ChoiceClassForm", left="bjzTypeSenForm")
        menu = go(app, chooser, "返回", "bjzMainForm", left="ChoiceClassForm")

        # The word course: the list, one drill over it, and back.
        words = go(app, menu, "单词训练", "bdcChoiceForm", left="bjzMainForm")
        expect_buttons(words, {"全部播放": "", "停止": "", "选择词库": "", "跟读": "", "打字练习": "",
                               "拼写测试": "", "闪卡": "", "英文": "", "中文": "", "返回": ""})
        if len([text for text in labels(words) if text.strip()]) < 10:
            fail("the word list tells too few of its rows: %s" % labels(words))
        test = go(app, words, "拼写测试", "bdcTestForm")
        expect_buttons(test, {"再听一遍": "F5", "返回词表": "Esc", "返回": "Esc", "发音": "", "词义": "", "音标": ""})
        words = go(app, test, "返回词表", "bdcChoiceForm", left="bdcTestForm")
        menu = go(app, words, "返回", "bjzMainForm", left="bdcChoiceForm")

        # The exit button ends the program the orderly way.
        press(menu, "退出")
        code = trainer.wait(timeout=20)
        if code != 0:
            fail("the exit button gave exit code %d" % code)
    finally:
        if trainer.poll() is None:
            trainer.kill()
            trainer.wait()

    print("accessibility: buttons walked on " + ", ".join(checked))
    print("accessibility: %s" % ("all checks passed" if not failures else "%d failed" % len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    result = main()
    # Everything is told by now; the accessibility library's threads can hold
    # up the interpreter's shutdown for ever, so the walk ends at once.
    sys.stdout.flush()
    sys.stderr.flush()
    os._exit(result)
