"""The page, driven as a user drives it: mouse clicks, key presses, the
clipboard, read back through the DOM."""

import json
import os
import runpy
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

    def element(self, name, expression):
        """`expression` about the element named `name`, as `e`."""
        return self.js(f"(e => {expression})(document.getElementById({json.dumps(name)}))")

    def box(self, name):
        return self.element(name, "[e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight]")

    def mouse(self, name, button="left"):
        x, y = self.element(name, "(r => [r.x + r.width / 2, r.y + r.height / 2])(e.getBoundingClientRect())")
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
