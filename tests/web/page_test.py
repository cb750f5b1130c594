#!/usr/bin/python3
"""Plays the browser version in headless Chromium, served from this machine.

One browser session checks, from the field's pixels and the page's elements:
the worm at start-up, F2 and the cursor keys moving it without scrolling the
page, the menu marks after Pause and Sound FX, a death and the count-up, both
panels opening once and closing on Esc, the link's address, and the mean
period of the worm's timer over the ticks of the game.

usage: page_test.py SITE_FOLDER
"""
import functools
import http.server
import os
import shutil
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

COLUMNS, ROWS, CELL = 30, 23, 16
HEADS = {"pWHU": (0, -1), "pWHD": (0, 1), "pWHL": (-1, 0), "pWHR": (1, 0)}
TURNS = {(1, 0): (Keys.UP, Keys.DOWN), (-1, 0): (Keys.UP, Keys.DOWN),
         (0, 1): (Keys.LEFT, Keys.RIGHT), (0, -1): (Keys.LEFT, Keys.RIGHT)}
STEPS = {Keys.UP: (0, -1), Keys.DOWN: (0, 1), Keys.LEFT: (-1, 0), Keys.RIGHT: (1, 0)}
SPRITES = ["pWHU", "pWHD", "pWHL", "pWHR", "pWTU", "pWTD", "pWTL", "pWTR", "pWJLD",
           "pWJLU", "pWJRU", "pWJRD", "pWBUD", "pWBLR", "pNUL", "pWHX"]

# Runs before the page's own script: notes when each of its ticks runs and
# whether the page kept each key from the browser.
PROBE = """
window.probe = {ticks: [], keys: []};
const plainSetTimeout = window.setTimeout;
window.setTimeout = function(callback, delay, ...rest) {
  if (delay < 50) return plainSetTimeout(callback, delay, ...rest);
  return plainSetTimeout(function() {
    window.probe.ticks.push(performance.now());
    return callback.apply(this, arguments);
  }, delay, ...rest);
};
window.addEventListener('keydown', e => window.probe.keys.push([e.key, e.defaultPrevented]));
"""

# Names every cell of the field by the sprite its pixels show exactly:
# "" for black, "?" for anything else.
CELLS = """
const names = arguments[0], headOnly = arguments.length > 2 && arguments[1];
const done = arguments[arguments.length - 1];
const board = document.getElementById('frmMain-picBoard-canvas');
const scale = board.width / 479;
const take = image => {
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = 16;
  const context = canvas.getContext('2d');
  context.drawImage(image, 0, 0);
  return context.getImageData(0, 0, 16, 16).data;
};
const load = name => new Promise(resolve => {
  const image = new Image();
  image.onload = () => resolve(take(image));
  image.src = 'pictures/sprites/' + name + '.bmp';
});
window.spritePixels = window.spritePixels || Promise.all(names.map(load));
window.spritePixels.then(sprites => {
  const field = board.getContext('2d').getImageData(0, 0, board.width, board.height);
  const at = (x, y) => 4 * (y * scale * field.width + x * scale);
  const rows = [];
  for (let row = 0; row < 23; ++row) {
    const line = [];
    for (let column = 0; column < 30; ++column) {
      const width = Math.min(16, 479 - column * 16), height = Math.min(16, 367 - row * 16);
      const same = pixels => {
        for (let y = 0; y < height; ++y)
          for (let x = 0; x < width; ++x)
            for (let c = 0; c < 3; ++c)
              if (field.data[at(column * 16 + x, row * 16 + y) + c] !== pixels[4 * (y * 16 + x) + c])
                return false;
        return true;
      };
      if (headOnly) {
        const head = [0, 1, 2, 3, 15].find(index => same(sprites[index]));
        if (head !== undefined) return done([column, row, names[head]]);
        continue;
      }
      const match = sprites.findIndex(same);
      line.push(match >= 0 ? names[match] : (same(new Uint8ClampedArray(1024)) ? '' : '?'));
    }
    rows.push(line);
  }
  done(headOnly ? null : rows);
});
"""


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-dev-shm-usage",
                 "--autoplay-policy=user-gesture-required", f"--user-data-dir={profile}",
                 "--window-size=800,600"):
        options.add_argument(flag)
    service = Service(shutil.which("chromedriver") or "/usr/bin/chromedriver")
    return webdriver.Chrome(service=service, options=options)


class Page:
    def __init__(self, driver):
        self.driver = driver

    def cells(self):
        return self.driver.execute_async_script(CELLS, SPRITES)

    def find_head(self):
        return self.driver.execute_async_script(CELLS, SPRITES, True)

    def head(self, cells):
        for row, line in enumerate(cells):
            for column, name in enumerate(line):
                if name in HEADS or name == "pWHX":
                    return column, row, name
        return None

    def press(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def control(self, key):
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL).perform()

    def click(self, *ids):
        for element_id in ids:
            self.driver.find_element(By.ID, element_id).click()

    def attribute(self, element_id, name):
        return self.driver.find_element(By.ID, element_id).get_attribute(name)

    def shown(self, element_id):
        return self.driver.execute_script(
            "return document.getElementById(arguments[0])"
            ".checkVisibility({visibilityProperty: true})", element_id)

    def wait(self, condition, seconds=10.0):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            result = condition()
            if result:
                return result
            time.sleep(0.03)
        raise AssertionError(f"timed out waiting for {condition.__doc__ or condition}")

    def steer_clear(self):
        """Turns the worm away from a wall two cells ahead; returns its head."""
        head = self.find_head()
        if head and head[2] in HEADS:
            column, row, name = head
            dx, dy = HEADS[name]
            if not (0 <= column + 3 * dx < COLUMNS and 0 <= row + 3 * dy < ROWS):
                room = lambda key: sum(1 for n in range(1, 40)
                                       if 0 <= column + n * STEPS[key][0] < COLUMNS
                                       and 0 <= row + n * STEPS[key][1] < ROWS)
                self.press(max(TURNS[(dx, dy)], key=room))
        return head


failures = []


def check(what, ok, detail=""):
    print(("ok    " if ok else "FAIL  ") + what + (f": {detail}" if detail else ""))
    if not ok:
        failures.append(what)


def main():
    site = sys.argv[1]
    server = serve(site)
    profile = tempfile.mkdtemp(prefix="vermilo-chromium-")
    driver = browser(profile)
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
        driver.set_script_timeout(20)
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/index.html")
        page = Page(driver)
        page.wait(lambda: driver.execute_script(
            "return getComputedStyle(document.getElementById('game')).visibility") == "visible")
        check("the page is titled as the main window", driver.title == "Vermilo", driver.title)

        cells = page.cells()
        start = ["pWTR", "pWBLR", "pWBLR", "pWBLR", "pWBLR", "pWHR"]
        rest = [name for row, line in enumerate(cells) for column, name in enumerate(line)
                if (row > 0 or column >= len(start)) and name not in ("", "pNUL")]
        check("the start-up worm is drawn from the sprites",
              cells[0][:len(start)] == start and not any(rest), str(cells[0]))

        # A page taller than the window, which the cursor keys would scroll.
        driver.execute_script("document.body.style.height = '3000px'")
        page.press(Keys.F2)
        moved = page.wait(lambda: (h := page.head(page.cells())) and h[0] > 5 and h)
        page.press(Keys.DOWN)
        turned = page.wait(lambda: (h := page.head(page.cells())) and h[2] == "pWHD" and h)
        check("F2 starts the worm and the cursor keys steer it", moved and turned[1] > 0)
        check("the cursor keys do not scroll the page",
              driver.execute_script("return window.scrollY") == 0)

        first_tick = len(driver.execute_script("return window.probe.ticks"))
        lived = time.monotonic()
        while time.monotonic() - lived < 6.5:
            page.steer_clear()
            time.sleep(0.04)
        page.control("p")
        check("Ctrl+P pauses and marks Pause",
              page.attribute("mnuOptionsPause", "aria-checked") == "true")
        ticks = driver.execute_script("return window.probe.ticks")[first_tick:]
        periods = [b - a for a, b in zip(ticks, ticks[1:])]
        mean = (ticks[-1] - ticks[0]) / len(periods) if periods else 0
        print(f"period over {len(periods)} ticks: mean {mean:.3f} ms, "
              f"min {min(periods, default=0):.1f}, max {max(periods, default=0):.1f}")
        check("the worm's timer keeps a mean period of 100 ms over 50 ticks or more",
              len(periods) >= 50 and abs(mean - 100) < 3, f"{mean:.3f} ms")
        paused = page.cells()
        time.sleep(0.35)
        check("a paused worm stays put", page.cells() == paused)
        keys = driver.execute_script("return window.probe.keys")
        kept = {key: prevented for key, prevented in keys}
        check("the page keeps F2, the cursor keys and Ctrl+P from the browser",
              kept.get("F2") and kept.get("ArrowDown") and kept.get("p"), str(kept))

        page.click("mnuOptions", "mnuOptionsSound")
        check("Options > Sound FX takes its mark off",
              page.attribute("mnuOptionsSound", "aria-checked") == "false"
              and not page.shown("mnuOptionsSound"))
        page.click("mnuOptions", "mnuOptionsPause")
        check("Options > Pause resumes",
              page.attribute("mnuOptionsPause", "aria-checked") == "false")

        # Straight on into a wall; the count-up then shows the score rising.
        page.wait(lambda: (h := page.find_head()) and h[2] == "pWHX", 10)
        score = "frmMain-lblScore"
        count = lambda: page.shown(score) and driver.find_element(By.ID, score).text
        counts = [int(page.wait(count))]
        time.sleep(0.35)
        counts.append(int(count()))
        check("a death counts the score up", counts[1] > counts[0] >= 0, str(counts))

        for item, panel in (("mnuHelpInstruct", "frmHelp"), ("mnuHelpAbout", "frmAbout")):
            for _ in range(2):
                page.click("mnuHelp", item)
            opened = driver.find_elements(By.CSS_SELECTOR, f"[role=dialog]#{panel}")
            check(f"{panel} opens once", len(opened) == 1 and page.shown(panel))
            if panel == "frmAbout":
                link = "frmAbout-txtURL"
                check("the link opens the makers' page in a new tab",
                      page.attribute(link, "href") == "https://vermilo.example/"
                      and page.attribute(link, "target") == "_blank")
            page.press(Keys.ESCAPE)
            check(f"Esc closes {panel}", not page.shown(panel))
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
    if failures:
        print(f"{len(failures)} checks failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
