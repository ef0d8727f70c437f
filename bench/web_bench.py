#!/usr/bin/env python3
"""The web face's figures, side by side in one headless-Chromium run,
printed as rows of the README's Performance table:

- everything the page loads on a first visit (the service worker's own
  fetches included), as sent gzipped;
- on each emulated link, at 375 x 667 as a phone, every load a first
  visit: navigation to the form painted, and to the first press of
  "Natija" the page answers (a and b typed, pressed the moment the button
  can be pressed), each against the floor: the same page without its
  script, what its markup and stylesheet alone paint;
- the layout shift while the program takes over (cumulative, the worst
  load of all);
- one answer in WebAssembly.

Usage: web_bench.py BUILD_DIR [RUNS]   (build/web of the web preset)
"""

import os
import re
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from page import Page, Site  # noqa: E402

build = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
# Name, round trip in ms, download and upload in kbit/s.
LINKS = [("3G", 300, 400, 400), ("Slow 4G", 150, 1600, 750)]
FIRST_PAINT = "performance.getEntriesByName('first-contentful-paint').map(e => e.startTime)[0]"
ANSWER = "tenglama yagona yechimga ega   X=2,5"  # the decimal comma, as the program writes it

# Runs in every document before its own scripts: sums the layout shifts,
# and types a and b and presses "Natija" as soon as the button can be
# pressed, noting when the answer shows.
WATCH = """
window.bench = {shift: 0, answered: undefined};
new PerformanceObserver(list => {
  for (const shift of list.getEntries()) if (!shift.hadRecentInput) bench.shift += shift.value;
}).observe({type: 'layout-shift', buffered: true});
let pressed = false;
function answered() {
  const answer = document.getElementById('Label5');
  if (bench.answered === undefined && answer && answer.textContent === %r) bench.answered = performance.now();
}
new MutationObserver(() => {
  const button = document.getElementById('Command1');
  if (!pressed && button && !button.disabled) {
    pressed = true;
    document.getElementById('Text1').value = '2';
    document.getElementById('Text2').value = '5';
    button.click();
  }
  answered();
}).observe(document, {subtree: true, childList: true, attributes: true, characterData: true});
""" % ANSWER


def floor_of(folder):
    """The page as its markup and stylesheet paint it, with no script."""
    with open(os.path.join(build, "index.html")) as f:
        html = f.read()
    html = re.sub(r"<script[^>]*></script>\n?|<link rel=\"preload\"[^>]*>\n?", "", html)
    with open(os.path.join(folder, "index.html"), "w") as f:
        f.write(html)
    for file in ("style.css", "icon.svg", "manifest.webmanifest"):
        shutil.copy(os.path.join(build, file), folder)


def load(page, url, program):
    page.browser.page("Page.navigate", url=url)
    done = f"{FIRST_PAINT} !== undefined" + (" && bench.answered !== undefined" if program else "")
    page.browser.wait_until(f"document.readyState === 'complete' && {done}", timeout=60)
    return page.js(f"[{FIRST_PAINT}, bench.answered, bench.shift]")


site = Site(build)
page = Page(site.url)
floor_folder = tempfile.mkdtemp(prefix="tenglama-floor-")
try:
    page.open()
    page.wait_until("navigator.serviceWorker.controller !== null")
    transfer = sum(request["bytes"] for request in site.requests)
    floor_of(floor_folder)
    floor = Site(floor_folder)

    browser = page.browser
    browser.page("Network.enable")
    browser.page("Network.setCacheDisabled", cacheDisabled=True)
    browser.page("Network.setBypassServiceWorker", bypass=True)
    browser.page("Emulation.setDeviceMetricsOverride", width=375, height=667, deviceScaleFactor=2, mobile=True)
    browser.page("Page.addScriptToEvaluateOnNewDocument", source=WATCH)
    figures = {}
    for name, round_trip, down, up in LINKS:
        browser.page("Network.emulateNetworkConditions", offline=False, latency=round_trip,
                     downloadThroughput=down * 1000 / 8, uploadThroughput=up * 1000 / 8)
        load(page, floor.url, False), load(page, site.url, True)  # unmeasured: fill the OS's caches
        floors, pages = [], []
        for _ in range(runs):
            floors.append(load(page, floor.url, False))
            pages.append(load(page, site.url, True))
        figures[name] = floors, pages
    browser.page("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1,
                 uploadThroughput=-1)
    browser.page("Emulation.clearDeviceMetricsOverride")
    floor.stop()

    browser.page("Runtime.enable")
    browser.page("Page.navigate", url=site.url + "bench/answer_web_bench.html")
    while True:
        called = browser.wait_for_event("Runtime.consoleAPICalled", timeout=120)
        printed = " ".join(str(argument.get("value", "")) for argument in called["args"])
        if printed.startswith("answer_ns"):
            answer_ns = int(printed.split()[1])
            break
finally:
    page.close()
    site.stop()
    shutil.rmtree(floor_folder)


def row(what, value, floor_value, target):
    print(f"| {what} | {value:.0f} | {floor_value:.0f} | {value / floor_value:.2f} | ≤ {target} |")


print(f"| Web: everything the page loads on a first visit, gzipped, KB | {transfer / 1000:.1f} | | | ≤ 64 |")
shift = 0
for name, round_trip, down, _ in LINKS:
    floors, pages = figures[name]
    floor_paint = statistics.median(paint for paint, _, _ in floors)
    link = f"Web, {name} ({round_trip} ms, {down} kbit/s)"
    row(f"{link}: navigation to the form painted, ms (median of {runs})",
        statistics.median(paint for paint, _, _ in pages), floor_paint, 1.15)
    row(f"{link}: navigation to a press of \"Natija\" answered, ms (median of {runs})",
        statistics.median(answered for _, answered, _ in pages), floor_paint, 1.7)
    shift = max([shift] + [moved for _, _, moved in pages])
print(f"| Web: layout shift while the program takes over, CLS (worst of {2 * runs} loads) | {shift:.3f} | | | ≤ 0.1 |")
print(f"| Web: one answer in WebAssembly (\"2\", \"5\"), ns (median of 5) | {answer_ns} | | | < 2000 |")
