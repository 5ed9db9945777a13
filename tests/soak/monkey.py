#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A child and a parent at the real game for a while, under a virtual display.

Drives the game with a seeded random sequence of mouse clicks and releases
(every button, anywhere in the window and outside it, with and without Shift,
Ctrl and Alt), key presses, typing, the close box at random moments, and
answers to whatever box the game opens. Meanwhile it checks that the game is
alive, answers the window system's ping within two seconds, never leaves an
answer file or Pimukaro.Set unreadable or half-written, and keeps its memory
bounded. A fault prints the seed and the last 50 actions.

usage: monkey.py GAME WORKDIR SECONDS SEED   (DISPLAY must name a server)
"""

import collections
import os
import random
import re
import select
import subprocess
import sys
import time

from Xlib import X, Xatom, display, error, protocol

TITLE = "ぴむかろ Ver.2.00"
PING_LIMIT = 2.0           # seconds the game may take to answer a ping
CLOSE_LIMIT = 8.0          # seconds a close may take, beside time spent in boxes
MEMORY_LIMIT = 250 * 2**20  # resident bytes
TIME_CHOICES = {30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 180, 240, 300}
ANSWER_LINE = re.compile(r"^(?=.{15}$)-?\d+ *-?\d+ *-?\d+ *$")

# Places a child aims at (client coordinates of the window): the buttons of
# the title, the result panel, play and the answer-setting mode, the blue
# title and the question list.
TARGETS = {
    "はじめる": (261, 344), "やめる": (549, 344), "もんだいをかえる": (176, 268),
    "は　い": (566, 353), "result やめる": (410, 353), "こうさん": (705, 66),
    "ぴむかろ": (513, 26), "CB_Q": (188, 34), "LB_Ans": (430, 40),
    "追加/修正": (599, 23), "削除": (659, 20), "確認": (708, 20), "終了": (708, 64),
    "保存": (659, 64), "CB_Time": (597, 65), "↑": (522, 23), "↓": (522, 50),
    "←": (497, 36), "→": (547, 36), "－": (497, 62), "＋": (547, 62),
}
SETTING = ["追加/修正", "追加/修正", "削除", "確認", "終了", "保存", "保存", "CB_Time", "LB_Ans", "CB_Q",
           "↑", "↓", "←", "→", "－", "＋"]
PICTURE_A = (13, 90, 350, 350)
PICTURE_B = (381, 90, 350, 350)
KEYS = ["Return", "KP_Enter", "space", "Escape", "Tab", "shift+Tab", "Up", "Down", "Left", "Right",
        "Home", "End", "Prior", "Next", "BackSpace", "Delete", "F1", "F4", "alt+F4", "ctrl+w", "ctrl+q",
        "alt+y", "alt+n", "y", "n", "a", "q", "1", "9", "Menu", "ctrl+a", "ctrl+z", "ctrl+v"]
WORDS = ["q1", "q", "Q2", "neko", "zz", "123", "いぬ", " ", "abc\n"]
MODIFIERS = [[], [], [], ["shift"], ["ctrl"], ["alt"], ["shift", "ctrl"], ["shift", "ctrl"],
             ["shift", "alt"], ["ctrl", "alt"], ["shift", "ctrl", "alt"]]


class Fault(Exception):
    pass


class Monkey:
    def __init__(self, game, work, seconds, seed):
        self.game, self.work, self.seconds, self.seed = game, work, seconds, seed
        self.rng = random.Random(seed)
        self.history = collections.deque(maxlen=50)
        self.stats = collections.Counter()
        self.max_rss = 0
        self.proc = None
        self.window = None
        self.close_deadline = None
        self.seen_files = {}
        self.original_files = set()
        self.laid_out_lines = set()  # a bad line a parent saves again is not the game's
        self.d = display.Display()
        self.root = self.d.screen().root
        # The game answers a ping by sending it back to the root window, to the
        # clients that watch its structure.
        self.root.change_attributes(event_mask=X.StructureNotifyMask)
        atom = self.d.intern_atom
        self.WM_PROTOCOLS, self.PING = atom("WM_PROTOCOLS"), atom("_NET_WM_PING")
        self.DELETE, self.PID = atom("WM_DELETE_WINDOW"), atom("_NET_WM_PID")
        self.NAME, self.UTF8 = atom("_NET_WM_NAME"), atom("UTF8_STRING")
        self.stamp = 0

    # --- the game process and its windows ---

    def start_game(self):
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)
        env["SDL_AUDIODRIVER"] = "none"  # no audio device: sounds cost no time
        log = open(os.path.join(self.work, "game.log"), "ab")
        self.proc = subprocess.Popen([self.game], cwd=self.work, env=env, stdout=log, stderr=log)
        log.close()
        self.window = None
        self.close_deadline = None
        self.stats["starts"] += 1
        deadline = time.monotonic() + 15
        while self.window is None:
            self.check_alive()
            self.window = self.main_window()
            if self.window is None:
                if self.boxes():
                    self.answer_box()  # an error box can come before the window
                if time.monotonic() > deadline:
                    raise Fault("the window did not appear within 15 s")
                time.sleep(0.1)

    def toplevels(self):
        """The game's mapped top-level windows, as (window, geometry)."""
        found = []
        try:
            children = self.root.query_tree().children
        except error.XError:
            return found
        for w in children:
            try:
                if w.get_attributes().map_state != X.IsViewable:
                    continue
                pid = w.get_full_property(self.PID, Xatom.CARDINAL)
                if pid is None or pid.value[0] != self.proc.pid:
                    continue
                found.append((w, w.get_geometry()))
            except error.XError:
                continue  # gone meanwhile
        return found

    def name_of(self, w):
        try:
            prop = w.get_full_property(self.NAME, self.UTF8)
            return prop.value.decode("utf-8", "replace") if prop else ""
        except error.XError:
            return ""

    def main_window(self):
        for w, geometry in self.toplevels():
            if self.name_of(w) == TITLE and geometry.width > 700:
                return w, geometry
        return None

    def boxes(self):
        main = self.window[0].id if self.window else None
        return [(w, g) for w, g in self.toplevels() if w.id != main and g.width > 60 and g.height > 40]

    def send_protocol(self, w, what, *data):
        message = protocol.event.ClientMessage(
            window=w, client_type=self.WM_PROTOCOLS, data=(32, [what, *data] + [0] * (4 - len(data))))
        w.send_event(message, event_mask=0, onerror=error.CatchError())
        self.d.flush()

    # --- checks ---

    def check_alive(self):
        code = self.proc.poll()
        if code is None:
            return True
        self.d.sync()
        if code != 0:
            raise Fault(f"the game ended with status {code}")
        return False

    def ping(self):
        """The window system's ping: a hung event loop never answers it."""
        w = self.window[0]
        self.stamp += 1
        self.send_protocol(w, self.PING, self.stamp, w.id)
        deadline = time.monotonic() + PING_LIMIT
        while True:
            while self.d.pending_events():
                e = self.d.next_event()
                if (e.type == X.ClientMessage and e.client_type == self.WM_PROTOCOLS
                        and e.data[1][0] == self.PING and e.data[1][1] == self.stamp):
                    self.stats["pings answered"] += 1
                    return
            left = deadline - time.monotonic()
            if left <= 0:
                if self.proc.poll() is not None or self.main_window() is None:
                    return  # it was closing; the exit check judges that
                raise Fault(f"the window did not answer a ping within {PING_LIMIT} s")
            select.select([self.d.fileno()], [], [], left)

    def check_memory(self):
        try:
            with open(f"/proc/{self.proc.pid}/status") as status:
                for line in status:
                    if line.startswith("VmRSS:"):
                        rss = int(line.split()[1]) * 1024
                        self.max_rss = max(self.max_rss, rss)
                        if rss > MEMORY_LIMIT:
                            raise Fault(f"resident memory {rss / 2**20:.0f} MB is over {MEMORY_LIMIT / 2**20:.0f} MB")
        except FileNotFoundError:
            pass

    def check_files(self, game_running):
        for folder, _, names in os.walk(self.work):
            for name in names:
                path = os.path.join(folder, name)
                try:
                    with open(path, "rb") as f:
                        data = f.read()
                except FileNotFoundError:
                    continue
                if self.seen_files.get(path) == data:
                    continue
                first = path not in self.seen_files
                self.seen_files[path] = data
                if path in self.original_files and first:
                    continue  # laid out by the monkey, maybe broken on purpose
                rel = os.path.relpath(path, self.work)
                if name.lower().endswith("_ans.txt"):
                    self.stats["answer files written"] += 1
                    problem = answer_file_problem(data, self.laid_out_lines)
                elif name == "Pimukaro.Set":
                    self.stats["Pimukaro.Set written"] += 1
                    problem = set_file_problem(data)
                elif name == "game.log":
                    continue
                elif not game_running:
                    problem = "a file the game left behind"
                else:
                    self.seen_files.pop(path)  # a save in progress: look again later
                    continue
                if problem:
                    raise Fault(f"{rel}: {problem}: {data[:200]!r}")

    def check(self):
        if self.check_alive():
            self.check_memory()
            if self.window:
                self.ping()
        self.check_files(game_running=self.proc.poll() is None)

    # --- actions ---

    def act(self, text, command):
        self.history.append(f"{time.monotonic() - self.t0:8.2f}s {text}")
        self.stats["actions"] += 1
        result = subprocess.run(["xdotool"] + command, capture_output=True, timeout=30)
        if result.returncode != 0:
            raise Fault(f"xdotool failed: {' '.join(command)}: {result.stderr.decode(errors='replace')}")

    def point(self, targets=None):
        """A point on the screen: mostly where the game's controls are."""
        x0, y0 = self.window[1].x, self.window[1].y
        roll = self.rng.random()
        if roll < 0.35 or (targets and roll < 0.6):
            name = self.rng.choice(targets or list(TARGETS))
            x, y = TARGETS[name]
            return x0 + x + self.rng.randint(-4, 4), y0 + y + self.rng.randint(-4, 4), name
        if roll < 0.6 or (targets and roll < 0.9):
            px, py, w, h = self.rng.choice([PICTURE_B, PICTURE_B, PICTURE_A])
            x, y = px + self.rng.randrange(w), py + self.rng.randrange(h)
            return x0 + x, y0 + y, f"picture ({x}, {y})"
        if roll < 0.9:
            x, y = self.rng.randrange(self.window[1].width), self.rng.randrange(self.window[1].height)
            return x0 + x, y0 + y, f"window ({x}, {y})"
        x, y = self.rng.randrange(1024), self.rng.randrange(768)
        return x, y, f"screen ({x}, {y})"

    def with_modifiers(self, mods, command):
        down = ["keydown", "+".join(mods)] if mods else []
        up = ["keyup", "+".join(mods)] if mods else []
        return down + command + up

    def mouse(self, targets=None):
        x, y, where = self.point(targets)
        mods = self.rng.choice(MODIFIERS)
        button = self.rng.choice([1, 1, 1, 1, 3, 3, 2, 4, 5, 8, 9])
        label = f"{'+'.join(mods + [''])}button {button} at {where}"
        if self.rng.random() < 0.2:  # pressed here, released elsewhere
            x2, y2, where2 = self.point()
            self.act(f"{label}, released at {where2}", self.with_modifiers(
                mods, ["mousemove", str(x), str(y), "mousedown", str(button),
                       "sleep", str(self.rng.choice([0, 0.1, 0.5])),
                       "mousemove", str(x2), str(y2), "mouseup", str(button)]))
        else:
            clicks = self.rng.choice([1, 1, 1, 2])
            self.act(f"{label} x{clicks}", self.with_modifiers(
                mods, ["mousemove", str(x), str(y), "click", "--repeat", str(clicks), str(button)]))

    def key(self):
        key = self.rng.choice(KEYS)
        self.act(f"key {key}", ["key", "--clearmodifiers", key])

    def type_word(self):
        word = self.rng.choice(WORDS)
        self.act(f"type {word!r}", ["type", "--delay", "20", word])

    def parent_gesture(self):
        """Shift+Ctrl on the start button (answer setting) or the title (clock)."""
        x0, y0 = self.window[1].x, self.window[1].y
        name = self.rng.choice(["はじめる", "はじめる", "ぴむかろ"])
        x, y = TARGETS[name]
        button = self.rng.choice([1, 1, 3, 2])
        self.act(f"shift+ctrl+button {button} on {name}", self.with_modifiers(
            ["shift", "ctrl"], ["mousemove", str(x0 + x), str(y0 + y), "click", str(button)]))
        if name == "はじめる":  # then marks the differences, as a parent would
            for _ in range(self.rng.randrange(12)):
                self.mouse(SETTING)
                self.check()

    def choose_folder(self):
        """もんだいをかえる, then a few steps through the folder tree and a choice."""
        self.mouse(["もんだいをかえる"])
        time.sleep(0.3)
        for _ in range(self.rng.randrange(6)):
            key = self.rng.choice(["Down", "Down", "Right", "Up", "Left", "End"])
            self.act(f"key {key}", ["key", "--clearmodifiers", key])
        self.act("key Return", ["key", "--clearmodifiers", "Return"])

    def close_box(self, w, label):
        self.history.append(f"{time.monotonic() - self.t0:8.2f}s close box of {label}")
        self.stats["actions"] += 1
        self.send_protocol(w, self.DELETE, X.CurrentTime)

    def answer_box(self):
        """Whatever box is open: Enter, Escape, a click in it or its close box."""
        w, g = self.rng.choice(self.boxes() or [(None, None)])
        if w is None:
            return
        self.stats["boxes answered"] += 1
        roll = self.rng.random()
        if roll < 0.3:
            self.act("box: Return", ["key", "--clearmodifiers", "Return"])
        elif roll < 0.45:
            self.act("box: Escape", ["key", "--clearmodifiers", "Escape"])
        elif roll < 0.55:
            key = self.rng.choice(["alt+y", "alt+n", "Down", "Right", "Tab", "space", "Up"])
            self.act(f"box: {key}", ["key", "--clearmodifiers", key])
        elif roll < 0.9:
            x, y = g.x + self.rng.randrange(g.width), g.y + self.rng.randrange(g.height)
            self.act(f"box {g.width}x{g.height}: click at ({x - g.x}, {y - g.y})",
                     ["mousemove", str(x), str(y), "click", "1"])
        else:
            self.close_box(w, f"a box {g.width}x{g.height}")

    def close_game(self):
        w = self.window[0]
        blocked = bool(self.boxes())  # a box open blocks the close, as on every desktop
        self.close_box(w, "the window" + (" (a box is open)" if blocked else ""))
        if not blocked and self.close_deadline is None:
            self.close_deadline = time.monotonic() + CLOSE_LIMIT
        self.stats["close box"] += 1

    def step(self):
        boxes = self.boxes()
        if boxes and self.rng.random() < 0.6:
            self.answer_box()
            return
        roll = self.rng.random()
        if roll < 0.55:
            self.mouse()
        elif roll < 0.72:
            self.key()
        elif roll < 0.78:
            self.type_word()
        elif roll < 0.84:
            self.parent_gesture()
        elif roll < 0.86:
            self.choose_folder()
        elif roll < 0.875:
            self.close_game()
        elif roll < 0.885:
            idle = self.rng.choice([3, 5, 10, 32])  # a long look, or the clock running out
            self.history.append(f"{time.monotonic() - self.t0:8.2f}s idle {idle} s")
            end = time.monotonic() + idle
            while time.monotonic() < end and self.check_alive():
                self.check()
                time.sleep(0.5)
        else:
            time.sleep(self.rng.choice([0, 0.05, 0.2, 0.5, 1.0]))

    def after_exit(self):
        """The game ended (its close box or やめる): whole files, then start again."""
        self.check_files(game_running=False)
        self.stats["restarts"] += 1
        self.start_game()

    def run(self):
        self.t0 = time.monotonic()
        for folder, _, names in os.walk(self.work):
            for name in names:
                path = os.path.join(folder, name)
                self.original_files.add(path)
                if name.endswith("_Ans.txt"):
                    with open(path, "rb") as f:
                        self.laid_out_lines.update(f.read().decode("ascii").splitlines()[:-1])
        self.check_files(game_running=False)
        self.start_game()
        end = self.t0 + self.seconds
        tick = time.monotonic()
        while time.monotonic() < end:
            last, tick = tick, time.monotonic()
            if not self.check_alive():
                self.after_exit()
                continue
            if self.window and self.main_window() is None and not self.boxes():
                # The window is gone: the process must follow at once.
                if self.proc.wait_timeout(5) is None:
                    raise Fault("the window closed but the game did not end")
                continue
            if self.close_deadline is not None:
                if self.boxes():
                    self.close_deadline += tick - last  # the time a box waits for its answer is not the game's
                elif time.monotonic() > self.close_deadline:
                    raise Fault(f"the game did not end within {CLOSE_LIMIT} s of its close box")
            self.step()
            self.check()
        self.stats["seconds"] = int(time.monotonic() - self.t0)
        self.check()
        self.finish()

    def finish(self):
        """The last close box: the game ends on its own, its files whole."""
        deadline = time.monotonic() + 60
        while self.check_alive():
            if time.monotonic() > deadline:
                raise Fault("the game did not end at the close of the run")
            if self.boxes():
                self.answer_box()
            elif self.window and self.main_window():
                self.close_box(self.window[0], "the window, to end the run")
            time.sleep(0.5)
        self.check_files(game_running=False)


def wait_timeout(proc, seconds):
    try:
        return proc.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        return None


subprocess.Popen.wait_timeout = wait_timeout


def answer_file_problem(data, laid_out_lines):
    if not data.endswith(b"\r\n"):
        return "not ended by a line break (half-written?)"
    lines = data[:-2].split(b"\r\n")
    try:
        text = [line.decode("ascii") for line in lines]
    except UnicodeDecodeError:
        return "not ASCII"
    if len(text) < 2:
        return "no answer line before the limit"
    for line in text[:-1]:
        if not ANSWER_LINE.match(line) and line not in laid_out_lines:
            return f"bad answer line {line!r}"
    if not text[-1].isdigit() or int(text[-1]) not in TIME_CHOICES:
        return f"bad limit line {text[-1]!r}"
    return None


def set_file_problem(data):
    if not data.endswith(b"\r\n") or data.count(b"\r\n") != 1:
        return "not one line"
    try:
        folder = data[:-2].decode("utf-8")
    except UnicodeDecodeError:
        return "not UTF-8"
    if not folder.endswith("/") or not os.path.isdir(folder):
        return "does not name a folder"
    return None


def main():
    game, work, seconds, seed = sys.argv[1], sys.argv[2], float(sys.argv[3]), int(sys.argv[4])
    print(f"monkey: seed {seed}, {seconds / 60:.1f} minutes", flush=True)
    monkey = Monkey(game, work, seconds, seed)
    try:
        monkey.run()
    except Fault as fault:
        print(f"FAIL: {fault}", file=sys.stderr)
        print(f"seed {seed}; the last {len(monkey.history)} actions:", file=sys.stderr)
        for line in monkey.history:
            print("  " + line, file=sys.stderr)
        print(f"replay: tests/soak/run.sh MINUTES {seed}", file=sys.stderr)
        if monkey.proc and monkey.proc.poll() is None:
            monkey.proc.kill()
        return 1
    s = monkey.stats
    print(f"monkey: {s['seconds'] / 60:.1f} minutes, {s['actions']} actions, {s['restarts']} restarts, "
          f"{s['close box']} close boxes, {s['boxes answered']} boxes answered, "
          f"{s['pings answered']} pings answered, {s['answer files written']} answer files and "
          f"{s['Pimukaro.Set written']} Pimukaro.Set written and checked, "
          f"peak memory {monkey.max_rss / 2**20:.0f} MB")
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
