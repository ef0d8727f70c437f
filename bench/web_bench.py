#!/usr/bin/env python3
"""The web face's three figures, side by side in one headless-Chromium run,
printed as rows of the README's Performance table:

- everything the page loads on a first visit (the service worker's own
  fetches included), as sent gzipped;
- navigation to the first paint of the form, when Natija can answer a
  click, against a bare page holding the same eight elements and the same
  stylesheet but no script (the live page's own DOM, saved as HTML);
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
FIRST_PAINT = "performance.getEntriesByName('first-contentful-paint').map(e => e.startTime)[0]"


def bare_copy_of(page, folder):
    """The page as shown, with no script and so no policy to allow one."""
    html = page.js("document.documentElement.outerHTML")
    html = re.sub(r"<script[^>]*></script>|<meta http-equiv=\"Content-Security-Policy\"[^>]*>", "", html)
    with open(os.path.join(folder, "index.html"), "w") as f:
        f.write("<!doctype html>\n" + html)
    for file in ("style.css", "icon.svg", "manifest.webmanifest"):
        shutil.copy(os.path.join(build, file), folder)


def first_paint(page, url):
    page.browser.page("Page.navigate", url=url)
    page.wait_until(f"document.readyState === 'complete' && {FIRST_PAINT} !== undefined")
    return page.js(FIRST_PAINT)


site = Site(build)
page = Page(site.url)
floor_folder = tempfile.mkdtemp(prefix="tenglama-floor-")
try:
    page.open()
    page.wait_until("navigator.serviceWorker.controller !== null")
    transfer = sum(request["bytes"] for request in site.requests)
    bare_copy_of(page, floor_folder)
    floor = Site(floor_folder)

    # Every start a first visit: nothing cached, no service worker.
    page.browser.page("Network.enable")
    page.browser.page("Network.setCacheDisabled", cacheDisabled=True)
    page.browser.page("Network.setBypassServiceWorker", bypass=True)
    first_paint(page, floor.url), first_paint(page, site.url)  # unmeasured: fill the OS's caches
    times = {"page": [], "floor": []}
    for _ in range(runs):
        times["floor"].append(first_paint(page, floor.url))
        times["page"].append(first_paint(page, site.url))
    floor.stop()

    page.browser.page("Runtime.enable")
    page.browser.page("Page.navigate", url=site.url + "bench/answer_web_bench.html")
    while True:
        called = page.browser.wait_for_event("Runtime.consoleAPICalled", timeout=120)
        printed = " ".join(str(argument.get("value", "")) for argument in called["args"])
        if printed.startswith("answer_ns"):
            answer_ns = int(printed.split()[1])
            break
finally:
    page.close()
    site.stop()
    shutil.rmtree(floor_folder)

page_ms, floor_ms = statistics.median(times["page"]), statistics.median(times["floor"])
print(f"| Web: everything the page loads on a first visit, gzipped, KB | {transfer / 1000:.1f} | | | < 64 |")
print(f"| Web: navigation to the form painted, ready to answer, ms (median of {runs}) | {page_ms:.1f} | "
      f"{floor_ms:.1f} | {page_ms / floor_ms:.2f} | ≤ 1.2 |")
print(f"| Web: one answer in WebAssembly (\"2\", \"5\"), ns (median of 5) | {answer_ns} | | | < 2000 |")
