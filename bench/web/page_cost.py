#!/usr/bin/python3
"""Prints the browser version's cost against a bare page of its shape.

For each page, served from this machine and loaded in headless Chromium: the
bytes it fetched by kind, the time from navigation to the first drawn cell of
the field, and the processor time of all Chromium's processes while it runs
(the game kept moving by an F2 every 2 s, which the bare page is sent too).
The figures are printed, never judged.

usage: page_cost.py SITE_FOLDER BARE_FOLDER [RUNS [SECONDS]]
"""
import os
import statistics
import sys
import tempfile
import time
import shutil

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "web"))
from page_test import ActionChains, Keys, browser, serve  # noqa: E402

# Notes when the first canvas first shows a lit pixel in its top row of cells.
FIRST_DRAWN = """
window.firstDrawn = null;
const look = () => {
  const canvas = document.querySelector('canvas');
  if (canvas && canvas.width) {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, 16).data;
    for (let i = 0; i < data.length; i += 4)
      if (data[i] || data[i + 1] || data[i + 2]) { window.firstDrawn = performance.now(); return; }
  }
  requestAnimationFrame(look);
};
requestAnimationFrame(look);
"""

KINDS = (("wasm", (".wasm",)), ("script", (".js",)), ("page", (".html",)),
         ("pictures", (".bmp", ".png")), ("font", (".ttf",)), ("sounds", (".wav",)))


def processor_seconds(root):
    """User and system time of a process and all its descendants."""
    children = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append((int(pid), fields))
    total, todo = 0, [root]
    while todo:
        for pid, fields in children.get(todo.pop(), []):
            total += int(fields[11]) + int(fields[12])
            todo.append(pid)
    return total / os.sysconf("SC_CLK_TCK")


def measure(folder, page, seconds):
    server = serve(folder)
    profile = tempfile.mkdtemp(prefix="vermilo-cost-")
    driver = browser(profile)
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FIRST_DRAWN})
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/{page}")
        end = time.monotonic() + 20
        while driver.execute_script("return window.firstDrawn") is None and time.monotonic() < end:
            time.sleep(0.05)
        first = driver.execute_script("return window.firstDrawn")
        # Both pages get the same keys: the game starts and restarts, the bare
        # page ignores them.
        ActionChains(driver).send_keys(Keys.F2).perform()
        time.sleep(1)
        chromedriver = driver.service.process.pid
        before, started = processor_seconds(chromedriver), time.monotonic()
        while time.monotonic() - started < seconds:
            time.sleep(2)
            ActionChains(driver).send_keys(Keys.F2).perform()
        used = processor_seconds(chromedriver) - before
        percent = 100 * used / (time.monotonic() - started)
        # By now the sounds, which wait for the first key, have come too.
        sizes = {}
        for url, size in driver.execute_script(
                "return performance.getEntriesByType('navigation').concat("
                "performance.getEntriesByType('resource')).map(e => [e.name, e.encodedBodySize])"):
            kind = next((k for k, ends in KINDS if url.split("?")[0].endswith(ends)), "page")
            sizes[kind] = sizes.get(kind, 0) + size
        return first, sizes, percent
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    site, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 20
    results = {"game": [], "bare page": []}
    for _ in range(runs):  # taking turns, so load from elsewhere weighs on both
        results["game"].append(measure(site, "index.html", seconds))
        results["bare page"].append(measure(bare, "bare.html", seconds))
    for name, rows in results.items():
        sizes = rows[0][1]
        print(f"{name}: bytes fetched " + ", ".join(f"{k} {sizes[k]}" for k, _ in KINDS if k in sizes)
              + f"; total {sum(sizes.values())}")
    print(f"{'figure':44} {'game':>22} {'bare page':>22}")
    for label, index in (("navigation to first drawn cell, ms", 0),
                         ("Chromium's processor while running, % of a core", 2)):
        cells = []
        for rows in results.values():
            values = [row[index] for row in rows if row[index] is not None]
            cells.append(f"{statistics.median(values):.1f} ({min(values):.1f} to {max(values):.1f})"
                         if values else "none")
        print(f"{label:44} {cells[0]:>22} {cells[1]:>22}")
    print(f"medians (range) of {runs} runs each; {seconds:.0f} s of running each run")


if __name__ == "__main__":
    main()
