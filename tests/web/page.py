"""The page, driven as a user drives it: mouse clicks, key presses, the
clipboard, read back through the DOM."""

import base64
import json
import os
import runpy
import subprocess
import threading
import time
import urllib.parse

from cdp import Browser

# The site's own server; a script, not a module (its name has a hyphen).
_server = runpy.run_path(os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "web-server.py"))

KEYS = {  # key: (code, Windows virtual-key code, text it types)
    "Tab": ("Tab", 9, None), "Enter": ("Enter", 13, "\r"), "Escape": ("Escape", 27, None),
    " ": ("Space", 32, " "), "Delete": ("Delete", 46, None),
}
SHIFT, CONTROL = 8, 2
# The program has taken the page's form over: "Natija" can be pressed.
LIVE = "(b => b !== null && !b.disabled)(document.getElementById('Command1'))"


class Page:
    """One browser tab on the page at `url`, opened afresh by open()."""

    def __init__(self, url, width=1024, height=768):
        self.url = url
        self.browser = Browser(width, height)
        address = urllib.parse.urlsplit(url)
        self.browser.send("Browser.grantPermissions", origin=f"{address.scheme}://{address.netloc}",
                          permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        self.browser.page("Page.enable")

    def close(self):
        self.browser.close()

    def open(self):
        self.browser.page("Page.navigate", url=self.url)
        self.browser.wait_until(LIVE)
        self.browser.page("Page.bringToFront")

    def js(self, expression):
        return self.browser.evaluate(expression)

    def view(self, width=1024, height=768, scale=1, text_size=16, touch=False, scheme="light", zoom=1):
        """The screen the page is shown on: its size in CSS pixels, device
        pixels to the CSS pixel, the browser's text size, a touch screen
        (a coarse pointer) or not, the colour scheme, and the browser's own
        zoom (Ctrl+plus) of a window `width` x `height` pixels. Narrower
        than 507 pixels, or touch, is a phone's. The page follows at once.
        Returns the page's width in CSS pixels.

        Chromium's protocol has no command for the browser's zoom (its page
        scale factor is a pinch's, which lays nothing out again), but Blink
        applies a screen's density as the same zoom as Ctrl+plus: a window
        `zoom` times as dense, `width / zoom` CSS pixels wide, stands for it."""
        self.browser.page("Emulation.setDeviceMetricsOverride", width=round(width / zoom),
                          height=round(height / zoom), deviceScaleFactor=scale * zoom, mobile=width < 507 or touch)
        self.browser.page("Emulation.setTouchEmulationEnabled", enabled=touch, maxTouchPoints=5 if touch else 1)
        self.browser.page("Page.setFontSizes", fontSizes={"standard": text_size})
        self.browser.page("Emulation.setEmulatedMedia", features=[{"name": "prefers-color-scheme", "value": scheme}])
        return round(width / zoom)

    def element(self, name, expression):
        """`expression` about the element named `name`, as `e`."""
        return self.js(f"(e => {expression})(document.getElementById({json.dumps(name)}))")

    def box(self, name):
        return self.element(name, "[e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight]")

    def rect(self, name):
        """The element's border box in the page, in CSS pixels: x, y, width, height."""
        return self.element(name, "(r => [r.x + scrollX, r.y + scrollY, r.width, r.height])(e.getBoundingClientRect())")

    def capture(self, x, y, width, height):
        """What the page draws in a region (CSS pixels), as PNG."""
        clip = dict(x=x, y=y, width=width, height=height, scale=1)
        shot = self.browser.page("Page.captureScreenshot", format="png", clip=clip)
        return base64.b64decode(shot["data"])

    def mouse(self, name, button="left"):
        """A click in the middle of the element, scrolled to first where it
        is out of sight."""
        x, y = self.element(name, "(e.scrollIntoView({block: 'nearest'}),"
                                  " (r => [r.x + r.width / 2, r.y + r.height / 2])(e.getBoundingClientRect()))")
        for kind in ("mousePressed", "mouseReleased"):
            self.browser.page("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button, clickCount=1)

    def key(self, key, modifiers=0, commands=()):
        if key in KEYS:
            code, virtual_key, text = KEYS[key]
        elif key.isascii() and key.isalnum():
            code, virtual_key, text = ("Digit" if key.isdigit() else "Key") + key.upper(), ord(key.upper()), key
        else:  # the character alone, as a keyboard layout types it
            code, virtual_key, text = "", 0, key
        if modifiers & CONTROL:
            text = None
        down = dict(key=key, code=code, windowsVirtualKeyCode=virtual_key, modifiers=modifiers, commands=list(commands))
        self.browser.page("Input.dispatchKeyEvent", type="keyDown", **down, **({"text": text} if text else {}))
        self.browser.page("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                          windowsVirtualKeyCode=virtual_key, modifiers=modifiers)

    def clear(self, name):
        """Click into the box, select all and delete it."""
        self.mouse(name)
        self.key("a", CONTROL, ["selectAll"])
        self.key("Delete", commands=["deleteForward"])

    def type_into(self, name, text):
        self.clear(name)
        for character in text:
            self.key(character)

    def paste_into(self, name, text):
        """Select all and paste over it, through the real clipboard."""
        self.mouse(name)
        self.browser.evaluate(f"navigator.clipboard.writeText({json.dumps(text)})", user_gesture=True)
        self.key("a", CONTROL, ["selectAll"])
        self.key("v", CONTROL, ["paste"])

    def put_into(self, name, text):
        """Short plain text is typed, anything else pasted. No clipboard or
        keyboard carries a lone surrogate: such a text is set by script."""
        if any(0xD800 <= ord(c) <= 0xDFFF for c in text):
            self.element(name, f"e.value = {json.dumps(text)}")
        elif len(text) <= 64 and all(" " <= c <= "~" for c in text):
            self.type_into(name, text)
        else:
            self.paste_into(name, text)

    def text_extent(self, name):
        """The width and height of the text the element shows."""
        return self.element(name, "(walker => { const r = document.createRange(); let x = [], y = [];"
                                  " for (let n; (n = walker.nextNode());) { r.selectNodeContents(n);"
                                  " for (const b of r.getClientRects()) x.push(b.left, b.right), y.push(b.top, b.bottom); }"
                                  " return [Math.max(...x) - Math.min(...x), Math.max(...y) - Math.min(...y)]; })"
                                  "(document.createTreeWalker(e, NodeFilter.SHOW_TEXT))")

    def words(self, name):
        """Each run of non-spaces of the element's text, as drawn: the word,
        its left and right edges, and on how many lines it stands."""
        return self.element(name, "(walker => { const at = []; for (let n; (n = walker.nextNode());)"
                                  " for (let i = 0; i < n.length; ++i) at.push([n, i]);"
                                  " return [...e.textContent.matchAll(/[^ ]+/g)].map(m => {"
                                  " const r = document.createRange(), [n, i] = at[m.index + m[0].length - 1];"
                                  " r.setStart(...at[m.index]); r.setEnd(n, i + 1);"
                                  " const b = [...r.getClientRects()].filter(b => b.width > 0);"
                                  " return [m[0], Math.min(...b.map(b => b.left)), Math.max(...b.map(b => b.right)),"
                                  " new Set(b.map(b => Math.round(b.top))).size]; }); })"
                                  "(document.createTreeWalker(e, NodeFilter.SHOW_TEXT))")

    def scrolls_sideways(self):
        """The page is wider than the browser shows, its scroll bar aside."""
        return self.js("(d => d.scrollWidth > d.clientWidth)(document.documentElement)")

    def count_writes(self, name):
        """From now on, `writes` in the page counts each time the element's
        content is written."""
        self.element(name, "(window.watcher?.disconnect(), window.writes = 0,"
                           " (window.watcher = new MutationObserver(records => writes += records.length))"
                           ".observe(e, {childList: true}))")

    def value(self, name):
        return self.element(name, "e.value")

    def answer(self):
        return self.element("Label5", "e.textContent")

    def solve(self, a, b):
        self.type_into("Text1", a)
        self.type_into("Text2", b)
        self.mouse("Command1")

    def focused(self):
        return self.js("document.activeElement.id")

    def selected_all(self):
        return self.js("(e => e.selectionStart === 0 && e.selectionEnd === e.value.length)(document.activeElement)")

    def error_box(self):
        """The error box's title and message while it is open, else None."""
        return self.js("(d => d.open ? [document.getElementById('error-title').textContent,"
                       " document.getElementById('error-message').textContent] : null)"
                       "(document.getElementById('error'))")

    def wait_until(self, expression):
        self.browser.wait_until(expression)


def pixels(png):
    """A PNG's pixels as (r, g, b) tuples, row by row, as ImageMagick reads them."""
    raw = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=png, capture_output=True,
                         check=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


class Site:
    """build/web/ served on localhost (scripts/web-server.py), each request
    noted."""

    def __init__(self, folder):
        self.requests = []
        self.server = _server["serve"](folder, 0, self)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def write(self, line):  # the server's request log
        if line.strip():
            self.requests.append(json.loads(line))

    def flush(self):
        pass

    def stop(self):
        self.server.shutdown()
        self.server.server_close()

    def quiet_for(self, seconds):
        """The requests that arrive within `seconds`."""
        before = len(self.requests)
        time.sleep(seconds)
        return self.requests[before:]
