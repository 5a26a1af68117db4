#!/usr/bin/python3
"""Measures the browser's page in headless Chromium, for each site given in turn: what the
page sends (each file with brotli and with gzip), its title's first frame after navigation
(a first visit and a repeat one), the renderer's CPU on the idle main screen over a minute,
fresh and after ten battles, and the audio contexts those battles left.

    figures.py SITE...      as ./tools/web/package.sh leaves it: build/web/site
"""
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.request

import websocket

import check

IDLE_SECONDS = 60
BATTLES = 10


def renderer_seconds(browser_socket):
    # The CPU time of every renderer of the browser, in seconds.
    browser_socket.send(json.dumps({"id": 1, "method": "SystemInfo.getProcessInfo"}))
    processes = json.loads(browser_socket.recv())["result"]["processInfo"]
    return sum(p["cpuTime"] for p in processes if p["type"] == "renderer")


def idle_share(browser_socket):
    # The renderers' share of one core while the page sits idle.
    before = renderer_seconds(browser_socket)
    time.sleep(IDLE_SECONDS)
    return (renderer_seconds(browser_socket) - before) / IDLE_SECONDS


def measure(site):
    server = subprocess.Popen([sys.executable, str(pathlib.Path(__file__).with_name("serve.py")),
                               site, "0"], stdout=subprocess.PIPE, text=True)
    address = server.stdout.readline().strip()
    profile = tempfile.mkdtemp()
    browser = check.Browser(profile)
    try:
        port = pathlib.Path(profile, "DevToolsActivePort").read_text().split()[0]
        version = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/version"))
        browser_socket = websocket.create_connection(version["webSocketDebuggerUrl"], timeout=60)

        def start():
            browser.call("Page.navigate", url=address)
            check.wait_for(60, lambda: browser.evaluate("zentarFirstFrame"), "no first frame")
            time.sleep(2)
            return browser.evaluate("zentarFirstFrame") / 1000

        browser.call("Page.enable")
        browser.call("Page.addScriptToEvaluateOnNewDocument", source=check.WATCH)
        first = start()
        print(f"{site}: {check.transfer(browser)}", flush=True)
        repeat = start()
        print(f"{site}: the title's first frame {first:.2f} s after navigation,"
              f" {repeat:.2f} s on a repeat visit", flush=True)
        browser.key(*check.F2, modifiers=check.CTRL)  # はじめから
        time.sleep(1)
        browser.key(*check.ENTER)  # はい
        time.sleep(3)
        fresh = idle_share(browser_socket)
        browser.key(*check.SPACE)  # the first rival
        for _ in range(BATTLES):
            check.fight(browser, f"{profile}/battle.png")
            browser.call("Input.dispatchMouseEvent", type="mouseMoved", x=5, y=5)
        time.sleep(3)
        fought = idle_share(browser_socket)
        contexts, running, warnings = browser.evaluate(
            "[zentarContexts.length, zentarContexts.filter(c => c.state === 'running').length,"
            " zentarNoWindow]")
        print(f"{site}: the idle main screen's renderer {fresh:.2%} of a core fresh,"
              f" {fought:.2%} after {BATTLES} battles; {contexts} audio contexts made,"
              f" {running} running; {warnings} warnings of a window that is none", flush=True)
    finally:
        browser.close()
        server.terminate()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    for site in sys.argv[1:]:
        measure(site)


if __name__ == "__main__":
    main()
