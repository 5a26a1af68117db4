#!/usr/bin/python3
"""Plays the browser's site in headless Chromium over the DevTools protocol, as a player
would by keyboard and mouse: the title with a name typed and composed with an input
method, a new game answered through its box, the training
dialog, the shop, 育成中断; then a reload, 続きから and 育成中断 again, the saved game
read back from the page's storage both times. Then saves cut part-way by a crash of the
tab, and one into a full storage: the next start has one whole save each time; the save
written out with the page's button, carried through the Linux game, and read in; two
battles of a new game sound through one audio context. Last, a phone held sideways, by
touch alone: a new game named with the phone's keyboard, a training order, a purchase, a
battle paused with the on-screen key and an item used, the help opened and closed,
育成中断; then the network gone, a reload, 続きから and the save read back. It prints what
the page sends, each file with brotli and with gzip, and when the title's first frame shows.

    check.py ADDRESS SCREENSHOTS LINUX_GAME SITE      exits 1 with the step that failed
"""
import base64
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.request

import websocket

WIDTH, HEIGHT = 1280, 900
SAVED_VALUES = 208
NAME, COMPOSING = "Zen王", "おう"  # the last letter composed from COMPOSING
SAVED_NAME = "qt-v0-zentar-zentar-velmora/name0"
JOURNAL = "qt-v0-zentar-zentar-velmora-journal"
CUTS = (5, 50, 150)  # writes of a save that land before the tab crashes
PHONE = (844, 390)  # a phone held sideways, in CSS pixels
PHONE_NAME = "タッチ"
BATTLES = 2  # one audio context for the whole run shows from the second battle on


class Failed(Exception):
    pass


class Browser:
    def __init__(self, profile):
        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--no-first-run", "--mute-audio",
             "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0",
             f"--user-data-dir={profile}", f"--window-size={WIDTH},{HEIGHT}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = pathlib.Path(profile, "DevToolsActivePort")
        wait_for(20, port_file.exists, "Chromium did not start")
        port = port_file.read_text().split()[0]
        pages = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list"))
        page = next(p for p in pages if p["type"] == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=60)
        self.next_id = 0

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise Failed(f"{method}: {message['error']}")
                return message["result"]

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        return result["result"].get("value")

    def key(self, key, code=None, vk=0, text="", modifiers=0):
        base = {"key": key, "code": code or key, "windowsVirtualKeyCode": vk,
                "nativeVirtualKeyCode": vk, "modifiers": modifiers}
        self.call("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown", text=text,
                  **base)
        self.call("Input.dispatchKeyEvent", type="keyUp", **base)
        time.sleep(0.3)

    def type(self, word):
        for c in word:
            self.key(c, "Key" + c.upper(), ord(c.upper()), text=c)

    def compose(self, composing):
        # An input method's composition, letter by letter; insert() then puts in the choice.
        for end in range(1, len(composing) + 1):
            self.call("Input.imeSetComposition", text=composing[:end], selectionStart=end,
                      selectionEnd=end)
            time.sleep(0.2)

    def insert(self, text):
        self.call("Input.insertText", text=text)
        time.sleep(0.3)

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        pathlib.Path(path).write_bytes(base64.b64decode(data))
        return data

    def close(self):
        self.process.terminate()
        self.process.wait(10)


def control_on_page(browser, name, entry=-1):
    # The middle of a control of the game's windows on the page, or None while none shows.
    return browser.evaluate(f"(() => {{ const r = zentarGame.zentarControlAt({json.dumps(name)},"
                            f" {entry}); return r && [r.x * zentarPageScale,"
                            " r.y * zentarPageScale]; })()")


def wait_for(seconds, condition, failure):
    until = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > until:
            raise Failed(failure)
        time.sleep(0.1)


F1, F2, F3 = ("F1", "F1", 112), ("F2", "F2", 113), ("F3", "F3", 114)
SPACE = (" ", "Space", 32, " ")
ENTER = ("Enter", "Enter", 13)
ESCAPE = ("Escape", "Escape", 27)
CTRL = 2

# Every write to the page's storage after the first `n` is lost, as when the tab dies.
CUT_AFTER = """(n => { const store = Storage.prototype.setItem;
  Storage.prototype.setItem = function (k, v) { if (n-- > 0) store.call(this, k, v); };
  Storage.prototype.removeItem = function () {}; })(%d)"""
# The page's storage filled with other things, to the last few bytes. A value the storage
# refuses is not there afterwards (the page swallows the refusal itself).
FILL = """(() => { let chunk = "x".repeat(1 << 20), i = 0;
  while (chunk.length >= 16) {
    const key = "filler" + i++;
    try { localStorage.setItem(key, chunk); } catch (e) {}
    if (localStorage.getItem(key) === null) chunk = chunk.slice(chunk.length / 2 | 0); } })()"""
UNFILL = """Object.keys(localStorage).filter(k => k.startsWith("filler"))
  .forEach(k => localStorage.removeItem(k))"""

# Watches the page from its start: the time of its first frame (the title), the audio
# contexts it makes, and Qt's warnings of a window that is none.
WATCH = """(() => {
  window.zentarFirstFrame = 0;
  for (const gl of [WebGLRenderingContext, WebGL2RenderingContext].map(c => c.prototype))
    for (const draw of ["drawArrays", "drawElements"]) {
      const real = gl[draw];
      gl[draw] = function (...a) { zentarFirstFrame ||= performance.now(); return real.apply(this, a); };
    }
  const Context = window.AudioContext;
  window.zentarContexts = [];
  window.AudioContext = window.webkitAudioContext = class extends Context {
    constructor(...a) { super(...a); zentarContexts.push(this); } };
  window.zentarNoWindow = 0;
  for (const level of ["log", "warn", "error"]) {
    const say = console[level];
    console[level] = (...words) => {
      if (String(words[0]).includes("window == 0")) zentarNoWindow++;
      say.apply(console, words); };
  } })()"""

SAVED = """(() => { const s = {};
  for (let i = 0; i < localStorage.length; ++i) {
    const k = localStorage.key(i);
    if (k.includes("zentar") && k.includes("velmora")) s[k] = localStorage.getItem(k); }
  return s; })()"""


def check(address, shots, linux, site):
    profile = tempfile.mkdtemp()
    browser = Browser(profile)
    step = [0]

    def shot(name):
        step[0] += 1
        return browser.screenshot(f"{shots}/{step[0]:02d}-{name}.png")

    def changes(before, seconds, failure, name):
        # The game draws on a canvas: a step shows by the picture changing.
        wait_for(seconds, lambda: shot(name) != before, failure)
        return shot(name)

    def start():
        browser.call("Page.navigate", url=address)
        wait_for(30, lambda: browser.evaluate("typeof qtLoader !== 'undefined' && "
                                              "qtLoader.status") == "Running",
                 "the page did not start the game")
        wait_for(30, lambda: browser.evaluate("zentarFirstFrame"), "the page drew nothing")
        time.sleep(1)  # the title's first paint
        return browser.evaluate("zentarFirstFrame") / 1000

    def quit_and_read(failure):
        browser.key(*F1, modifiers=CTRL)  # 育成中断: saves, then ends
        wait_for(20, lambda: browser.evaluate(
            "!document.getElementById('ended').hidden"), failure)
        shot("ended")
        saved = browser.evaluate(SAVED)
        if len(saved) != SAVED_VALUES:
            raise Failed(f"the page's storage holds {len(saved)} values of the saved game, "
                         f"not {SAVED_VALUES}")
        return saved

    try:
        browser.call("Page.enable")
        browser.call("Page.addScriptToEvaluateOnNewDocument", source=WATCH)
        loaded = start()
        print(f"web check: {transfer(browser)}")
        title = shot("title")
        # A name typed in part and composed in part with an input method, as a player would.
        browser.type(NAME[:-1])
        typed = shot("name-typed")
        browser.compose(COMPOSING)
        changes(typed, 10, "the text being composed did not show in the name box", "composing")
        browser.insert(NAME[-1])
        browser.key(*F2, modifiers=CTRL)  # はじめから
        question = changes(title, 10, "no box after はじめから", "new-game-box")
        browser.key(*ENTER)  # はい
        main = changes(question, 10, "no main screen after the new game", "main")
        browser.key(*F1)  # 命令: the training dialog
        training = changes(main, 10, "no training dialog", "training")
        browser.key(*ESCAPE)
        main = changes(training, 10, "the training dialog did not close", "main-again")
        browser.key(*F2)  # 仕入: the main screen closes and saves, the shop opens
        shop = changes(main, 10, "no shop", "shop")
        if browser.evaluate(SAVED).get(SAVED_NAME) != NAME:
            raise Failed(f"going shopping did not save the game under the name {NAME}")
        leave_shop(browser)
        changes(shop, 10, "the shop did not close", "main-after-shop")
        first = quit_and_read("the page did not end after 育成中断")

        again = start()
        title = shot("title-after-reload")
        browser.key(*F2)  # 続きから
        changes(title, 10, "no main screen after 続きから", "continued")
        second = quit_and_read("the page did not end after 育成中断 of the continued game")
        if second != first:
            raise Failed("the continued game did not save what was saved before")
        print(f"web check: the title's first frame {loaded:.2f} s after navigation"
              f" ({again:.2f} s after a reload);"
              f" a composed name, new game, training, shop, 育成中断; reload, 続きから:"
              f" {len(second)} values"
              " kept in the page's storage")
        for cut in CUTS:
            cut_save(browser, start, shot, cut)
        full_storage(browser, start, shot)
        print(f"web check: saves cut after {', '.join(map(str, CUTS))} writes by a crash of the"
              " tab and one into a full storage: one whole save each time")
        carry(browser, start, shot, profile, linux)
        print("web check: the save written out with セーブを書き出す, carried through the Linux"
              " game and read in with セーブを読み込む, played on with 続きから")
        one_sound_output(browser, start, shot, shots)
        print(f"web check: {BATTLES} battles sound through one audio context; no pointer"
              " warns of a window that is none")
    finally:
        browser.close()
        shutil.rmtree(profile, ignore_errors=True)
    touch_pass(site, shots)


def touch_pass(site, shots):
    # A server of its own, stopped for the network to be gone.
    server = subprocess.Popen([sys.executable, str(pathlib.Path(__file__).with_name("serve.py")),
                               site, "0"], stdout=subprocess.PIPE, text=True)
    address = server.stdout.readline().strip()
    profile = tempfile.mkdtemp()
    phone = Phone(profile)
    taken = [0]

    def shot(name):
        taken[0] += 1
        phone.screenshot(f"{shots}/touch-{taken[0]:02d}-{name}.png")

    try:
        began = time.monotonic()
        phone.open(address)
        shot("title")
        phone.tap_control("NAM")
        if not phone.evaluate("document.activeElement === zentarGame.zentarTextField"):
            raise Failed("a tap on the name box did not give the phone's keyboard a field")
        phone.insert(PHONE_NAME)  # as a phone's keyboard puts text in
        phone.key_for("はじめから", "決定")
        phone.key_for("決定", "命令")
        phone.key_for("命令", "閉じる")  # the training dialog: a training order by taps
        phone.choose("NAIYO", 0)
        phone.tap_control("OK")
        phone.wait_keys("命令")
        phone.key_for("仕入", None)  # the shop: one of the first goods
        phone.wait_control("NO")
        phone.choose("NAIYO", 0)
        phone.tap_control("Text1")
        phone.insert("1")
        phone.tap_control("OK")  # 買う
        phone.key_for("決定", None)  # 毎度あり！！
        phone.tap_control("NO")
        phone.wait_keys("決戦")
        phone.tap_control("KKAze")  # the next country: rival 1
        phone.key_for("決戦", "一時停止")
        phone.battle_order("一時停止", 2)  # アイテム使わせろ！
        phone.choose("AITEM", 0)
        phone.tap_control("Command1")  # 使う: its effect plays, and a box tells of it
        phone.key_for("決定", "一時停止")
        shot("item-used")
        phone.battle_order("一時停止", 3)  # 退却ー！！!
        while not phone.keys_are("命令"):
            phone.key_for("決定", None)
        phone.key_for("お助けヘルプ", "決定")  # a word first, then the manual
        phone.key_for("決定", None)
        wait_for(10, lambda: phone.keys() == ["閉じる"], "the help did not open")
        shot("help")
        phone.close_keyed_window()
        phone.wait_keys("命令")
        phone.key_for("育成中断", None)
        wait_for(20, lambda: phone.evaluate("!document.getElementById('ended').hidden"),
                 "the page did not end after 育成中断 by touch")
        saved = phone.evaluate(SAVED)
        if saved.get(SAVED_NAME) != PHONE_NAME or len(saved) != SAVED_VALUES:
            raise Failed("the game played by touch was not saved whole")
        phone.kept()
        server.terminate()
        server.wait(10)
        phone.open(address)
        phone.key_for("続きから", "命令")
        phone.key_for("育成中断", None)
        wait_for(20, lambda: phone.evaluate(SAVED) == saved,
                 "the game continued offline did not save what was saved before")
        print(f"web check: by touch on a phone held sideways ({PHONE[0]}×{PHONE[1]}): a name from"
              " the phone's keyboard, training, a purchase, a battle paused on screen with an item"
              " used, the help closed by its close box, 育成中断; offline, reload, 続きから:"
              f" {time.monotonic() - began:.0f} s")
    except Failed:
        shot("failed")
        raise
    finally:
        phone.close()
        server.kill()
        shutil.rmtree(profile, ignore_errors=True)


class Phone(Browser):
    """A phone held sideways, in Chromium's mobile emulation, played by touch alone."""

    def __init__(self, profile):
        super().__init__(profile)
        self.call("Page.enable")
        self.call("Emulation.setDeviceMetricsOverride", width=PHONE[0], height=PHONE[1],
                  deviceScaleFactor=3, mobile=True)
        self.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)

    def open(self, address):
        self.call("Page.navigate", url=address)
        wait_for(30, lambda: self.evaluate("typeof qtLoader !== 'undefined' && "
                                           "qtLoader.status") == "Running",
                 "the page did not start the game on the phone")
        wait_for(10, lambda: self.evaluate("!!(window.zentarInUse && zentarInUse.fitted)"),
                 "the page fitted no window")
        time.sleep(1)

    def kept(self):  # once the service worker has kept the page's files
        self.evaluate("navigator.serviceWorker.ready.then(() => { window.zentarKept = true; })")
        wait_for(60, lambda: self.evaluate("!!window.zentarKept"),
                 "the page's files were not kept for offline play")

    def tap(self, x, y):
        self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        time.sleep(0.5)

    def control(self, name, entry=-1):
        return control_on_page(self, name, entry)

    def wait_control(self, name, entry=-1):
        wait_for(10, lambda: self.control(name, entry), f"no control {name} to tap")

    def tap_control(self, name, entry=-1):
        self.wait_control(name, entry)
        self.tap(*self.control(name, entry))

    def choose(self, name, entry):  # a drop-down list opened by a tap, an entry tapped
        self.tap_control(name)
        self.tap_control(name, entry)

    def keys(self):
        return self.evaluate("[...document.querySelectorAll('#keys button')]"
                             ".map((b) => b.firstChild.textContent)")

    def keys_are(self, action):
        return action in self.keys()

    def wait_keys(self, action):
        wait_for(20, lambda: self.keys_are(action), f"no on-screen key {action}")

    def key_for(self, action, then):  # an on-screen key tapped, and the key it leads to
        self.wait_keys(action)
        at = self.evaluate("(() => { const b = [...document.querySelectorAll('#keys button')]"
                           f".find((b) => b.firstChild.textContent === {json.dumps(action)});"
                           " const r = b.getBoundingClientRect();"
                           " return [r.x + r.width / 2, r.y + r.height / 2]; })()")
        self.tap(*at)
        if then:
            self.wait_keys(then)

    def battle_order(self, pause, order):  # the battle paused, a strategy chosen and ordered
        def paused():  # the clock pauses once the opening talk is over
            self.key_for(pause, None)
            return self.control("SENPO")
        wait_for(60, paused, "the battle did not pause")
        self.choose("SENPO", order)
        self.tap_control("II")

    def close_keyed_window(self):  # a tap on the close box of the window with the keyboard
        w = self.evaluate("zentarInUse.keyed")
        bar = w["y"] - w["frameY"]
        scale = self.evaluate("zentarPageScale")
        self.tap((w["frameX"] + w["width"] - bar * 0.7) * scale, (w["frameY"] + bar / 2) * scale)


def train_a_day(browser, start, shot):
    # 続きから, then one day of training: the next save differs from the one before.
    start()
    browser.key(*F2)
    time.sleep(1)
    browser.key(*F1)
    browser.key("ArrowDown", "ArrowDown", 40)
    browser.key(*ENTER)
    time.sleep(3)
    return browser.evaluate(SAVED)


def stored_save(browser):
    journal = browser.evaluate(f"localStorage.getItem('{JOURNAL}')")
    return journal, browser.evaluate(SAVED)


def whole_after_restart(browser, start, expected, failure):
    # The next start completes a save its journal holds, before anything reads it.
    start()
    journal, saved = stored_save(browser)
    if journal is not None or saved != expected:
        raise Failed(failure)


def cut_save(browser, start, shot, cut):
    before = train_a_day(browser, start, shot)
    browser.evaluate(CUT_AFTER % cut)
    browser.key(*F2)  # 仕入: the save the crash cuts
    time.sleep(1)
    journal, _ = stored_save(browser)
    new = {f"qt-v0-zentar-zentar-velmora/{k}": v for k, v in json.loads(journal).items()} \
        if journal else before
    if len(new) != SAVED_VALUES:
        raise Failed(f"the journal of the save cut after {cut} writes holds {len(new)} values")
    try:
        browser.call("Page.crash")
    except Exception:
        pass  # the tab is gone
    whole_after_restart(browser, start, new,
                        f"the save cut after {cut} writes was not whole at the next start")
    shot(f"after-cut-{cut}")


def full_storage(browser, start, shot):
    before = train_a_day(browser, start, shot)
    browser.evaluate(FILL)
    browser.key(*F2)  # 仕入: the save the full storage refuses, and the box that says so
    time.sleep(1)
    shot("full-storage")
    browser.key(*ENTER)
    browser.evaluate(UNFILL)
    journal, saved = stored_save(browser)
    if journal is not None or saved != before:
        raise Failed("a save into a full storage changed the save before")


def carry(browser, start, shot, profile, linux):
    start()
    downloads = pathlib.Path(profile, "downloads")
    browser.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=str(downloads))
    browser.evaluate("document.getElementById('export').click()")
    written = downloads / "zentar-save.ini"
    wait_for(10, written.exists, "セーブを書き出す wrote no file")
    carried = pathlib.Path(profile, "from-linux.ini")
    config = pathlib.Path(profile, "linux")
    env = dict(os.environ, XDG_CONFIG_HOME=str(config), ASAN_OPTIONS="detect_leaks=0")
    for command, file in (("--import-save", written), ("--export-save", carried)):
        subprocess.run([linux, command, str(file)], env=env, check=True,
                       stdout=subprocess.DEVNULL)
    carried.write_text(carried.read_text(encoding="utf-8").replace(
        f"name0={NAME}", "name0=Linux"), encoding="utf-8")
    document = browser.call("DOM.getDocument")["root"]["nodeId"]
    node = browser.call("DOM.querySelector", nodeId=document, selector="#import-file")["nodeId"]
    browser.call("DOM.setFileInputFiles", nodeId=node, files=[str(carried)])
    wait_for(10, lambda: browser.evaluate(SAVED).get(SAVED_NAME) == "Linux",
             "セーブを読み込む did not make the Linux game's save the page's")
    title = shot("carried-in")
    browser.key(*F2)  # 続きから
    wait_for(10, lambda: shot("continued-carried") != title, "no main screen after 続きから")
    if len(browser.evaluate(SAVED)) != SAVED_VALUES:
        raise Failed("the save read in does not hold every value")


def transfer(browser):
    # What the page loaded, as the server sends each file with brotli and with gzip.
    urls = browser.evaluate("[location.href,"
                            " ...performance.getEntriesByType('resource').map(e => e.name)]")
    sent = {coding: [] for coding in ("br", "gzip")}
    for url in urls:
        for coding, sizes in sent.items():
            request = urllib.request.Request(url, headers={"Accept-Encoding": coding})
            sizes.append(len(urllib.request.urlopen(request).read()))
    files = ", ".join(f"{url.rsplit('/', 1)[1] or 'index.html'} {br / 1e6:.3f} / {gz / 1e6:.3f}"
                      for url, br, gz in zip(urls, sent["br"], sent["gzip"]))
    return (f"the page sends {sum(sent['br']) / 1e6:.2f} MB with brotli,"
            f" {sum(sent['gzip']) / 1e6:.2f} MB with gzip (MB, brotli / gzip: {files})")


def one_sound_output(browser, start, shot, shots):
    # Battles of a new game against the first rival, the pointer over the page where no
    # window is between them: one audio context sounds every strike of the run.
    start()
    browser.key(*F2, modifiers=CTRL)  # はじめから
    time.sleep(1)
    browser.key(*ENTER)  # はい
    time.sleep(1)
    browser.key(*SPACE)  # the next country on display: the first rival
    for _ in range(BATTLES):
        fight(browser, f"{shots}/battle.png")
        browser.call("Input.dispatchMouseEvent", type="mouseMoved", x=5, y=5)
    shot("after-battles")
    contexts, warnings = browser.evaluate("[zentarContexts.length, zentarNoWindow]")
    if contexts != 1:
        raise Failed(f"{BATTLES} battles made {contexts} audio contexts, not one")
    if warnings:
        raise Failed(f"Qt warned {warnings} times of a window that is none")


def fight(browser, frame):
    # 決戦 against the country on display; the battle has ended when the box that says so
    # stands still over it, and its OK goes back to the main screen.
    browser.key(*F3)
    time.sleep(3)
    last = [browser.screenshot(frame)]

    def still():
        time.sleep(2)
        now = browser.screenshot(frame)
        before, last[0] = last[0], now
        return now == before

    wait_for(300, still, "the battle did not end")
    browser.key(*ENTER)
    time.sleep(1)


def leave_shop(browser):
    # A click on 帰る, where the page shows it.
    x, y = control_on_page(browser, "NO")
    for kind in ("mousePressed", "mouseReleased"):
        browser.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)


def main():
    try:
        check(*sys.argv[1:5])
    except Failed as failure:
        print(f"web check FAILED: {failure} (screenshots in {sys.argv[2]})", file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
