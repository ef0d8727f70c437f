"""The web face in headless Chromium: the shared cases where the page owns
a part (tests/window_cases.h, from cases.json): its elements, their text,
focus, drawing and events; the rows of the bad-input catalogue that carry
text through its boxes and its UTF-16 edge; then what only the web has: the
phone layout, colours light and dark, the form shown before its program,
the live region, offline use and no request after load.

Usage: test_page.py SITE_FOLDER CASES_JSON SERVER_SCRIPT [TEST...]
"""

import json
import os
import sys
import unittest

from page import CONTROL, LIVE, SHIFT, Page, Site, pixels

site_folder, cases_file = sys.argv[1:3]
with open(cases_file) as f:
    cases = json.load(f)

TAGS = {"button": "BUTTON", "text_box": "INPUT", "label": "LABEL"}
GOOD = ("2", "5", "tenglama yagona yechimga ega   X=2,5")
# The catalogue's rows that the page's boxes and its UTF-16 edge could
# change: NUL, control characters, line breaks and separators, characters
# of two, three and four bytes, a lone surrogate, 32,767 units and one more.
# The core's suite runs every row.
EDGE_ROWS = ("nul_inside", "control_characters", "c1_control", "newline_after", "invisible_characters", "emoji",
             "unpaired_surrogate", "longest_number", "longest_spaces_then_1")


def rgb(colour, ground=(255, 255, 255)):
    """A computed CSS colour as (r, g, b), laid over `ground` where it is
    not opaque."""
    parts = [float(part) for part in colour[colour.index("(") + 1:-1].replace("/", ",").split(",")]
    alpha = parts[3] if len(parts) > 3 else 1
    return tuple(alpha * part + (1 - alpha) * under for part, under in zip(parts[:3], ground))


def contrast(one, other):
    """WCAG's contrast ratio of two colours."""
    def luminance(colour):
        linear = [c / 255 / 12.92 if c / 255 <= 0.04045 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in colour]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    lighter, darker = sorted((luminance(one), luminance(other)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def least_changed(width, height):
    """What a visible focus must change at least: a 2-pixel-thick perimeter
    of the control (tests/focus_contrast.h)."""
    return 4 * (width + height) - 16


class OnePage(unittest.TestCase):
    """Each test opens the page afresh in one shared browser."""

    @classmethod
    def setUpClass(cls):
        cls.site = Site(site_folder)
        cls.page = Page(cls.site.url)

    @classmethod
    def tearDownClass(cls):
        cls.page.close()
        cls.site.stop()

    def setUp(self):
        self.page.view()
        self.page.open()

    def solve_good(self):
        self.page.solve(*GOOD[:2])
        self.assertEqual(self.page.answer(), GOOD[2])

    # After an error: the box says it, closes with `closer`, and the user is
    # back in the box at fault (or where the click left the focus), its
    # text selected; the previous answer stays.
    def check_error(self, message, focus, closer):
        page = self.page
        shown = page.error_box()
        self.assertIsNotNone(shown, "no error box")
        self.assertEqual(shown[0], cases["title"])
        self.assertEqual(shown[1], message)
        self.assertEqual(page.focused(), "error-ok")
        closer()
        page.wait_until("!document.getElementById('error').open")
        page.wait_until(f"document.activeElement.id === {json.dumps(focus or 'Command1')}")
        if page.js("document.activeElement.tagName") == "INPUT":
            self.assertTrue(page.selected_all())
        self.assertEqual(page.answer(), GOOD[2])


class BehaviourCases(OnePage):
    # Where the screen holds it, the form as stored: each control at its
    # place, in the stored form's pixels, which are CSS pixels at the
    # browser's default text size (16 pixels) and scale with the size the
    # reader chose, as with the browser's zoom: at 200 % on a 1280-pixel
    # window, every control and its text twice as large, nothing cut off or
    # to scroll to sideways.
    def test_form_as_stored(self):
        page = self.page
        # The title element holds the caption as it is; browsers trim the
        # spaces around it where they show it.
        self.assertEqual(page.js("document.querySelector('title').textContent"), cases["title"])
        sizes = "Object.fromEntries([...document.querySelectorAll('#form > *')]" \
                ".map(e => [e.id, parseFloat(getComputedStyle(e).fontSize)]))"
        first = None
        for window, height, text_size, zoom in [(1024, 768, 16, 1), (1024, 768, 24, 1), (1280, 800, 16, 2)]:
            page.view(window, height, text_size=text_size, zoom=zoom)
            page.open()
            scale = text_size / 16
            self.assertEqual(page.rect("form")[2:], [length * scale for length in cases["client"]])
            self.assertFalse(page.scrolls_sideways())
            shown = page.js(sizes)
            first = first or shown
            for control in cases["controls"]:
                with self.subTest(f"{control['name']}, text {text_size} pixels, zoom {zoom}"):
                    name = control["name"]
                    self.assertEqual(page.element(name, "e.tagName"), TAGS[control["kind"]])
                    # Exactly its text, however it is drawn; a label's copied only through its menu.
                    self.assertEqual(page.element(name, "e.tagName === 'INPUT' ? e.value : e.textContent"),
                                     control["text"])
                    if control["kind"] == "label":
                        self.assertEqual(page.element(name, "getComputedStyle(e).userSelect"), "none")
                    else:  # the page's default for controls, 10 points
                        self.assertAlmostEqual(shown[name], 40 / 3 * scale, places=3)
                    self.assertAlmostEqual(shown[name], first[name] * scale, places=3)
                    expected = control["box"] if name != "Label5" else control["box"][:2]
                    self.assertEqual(page.rect(name)[:len(expected)], [length * scale for length in expected])

    # Exactly by their captions: a label's lines are how it is drawn only.
    def test_screen_readers_read_boxes_by_their_labels(self):
        page = self.page
        document = page.browser.page("DOM.getDocument")["root"]["nodeId"]
        for name, expected in ((named["control"], named["name"]) for named in cases["accessible_names"]):
            with self.subTest(name):
                node = page.browser.page("DOM.querySelector", nodeId=document, selector="#" + name)["nodeId"]
                tree = page.browser.page("Accessibility.getPartialAXTree", nodeId=node, fetchRelatives=False)
                self.assertEqual(tree["nodes"][0]["name"]["value"], expected)
        self.assertEqual(page.js("[...document.querySelectorAll('label[for]')].map(l => [l.id, l.htmlFor])"),
                         [["Label3", "Text1"], ["Label4", "Text2"]])

    def test_clicking_a_caption_focuses_its_box(self):
        page = self.page
        for click in cases["label_clicks"]:
            page.mouse(click["label"])
            self.assertEqual(page.focused(), click["focus"], click["label"])

    # Load sets five sizes; a caption too big for its box is set smaller
    # and shows whole inside the part of its box the form shows.
    def test_font_sizes_and_whole_captions(self):
        sizes = {size["label"]: size["points"] for size in cases["load_font_sizes"]}
        client_width = cases["client"][0]
        for control in cases["controls"]:
            name = control["name"]
            with self.subTest(name):
                points = self.page.element(name, "parseFloat(getComputedStyle(e).fontSize)") * 72 / 96
                if name not in sizes:
                    self.assertAlmostEqual(points, 10, places=3)  # the page's default for controls
                    continue
                self.assertLessEqual(points, sizes[name])
                self.assertGreaterEqual(points, 6)
                left, _, width, height = self.page.box(name)
                text_width, text_height = self.page.text_extent(name)
                self.assertLessEqual(text_width, min(width, client_width - left))
                self.assertLessEqual(text_height, height)

    # The Tab order is the creation order, round the form as on the
    # desktop: from the last control back to the first, and back again.
    def test_tab_order(self):
        cycle = cases["tab_cycle"]
        self.assertEqual(self.page.focused(), cycle[0])
        for step in range(1, len(cycle) + 1):
            self.page.key("Tab")
            self.assertEqual(self.page.focused(), cycle[step % len(cycle)])
        for step in range(len(cycle) - 1, -2, -1):
            self.page.key("Tab", SHIFT)
            self.assertEqual(self.page.focused(), cycle[step])

    def test_bad_inputs_are_reported_and_nothing_is_lost(self):
        closers = [lambda: self.page.key("Enter"), lambda: self.page.key("Escape"),
                   lambda: self.page.mouse("error-ok")]
        for index, bad in enumerate(cases["bad_inputs"]):
            with self.subTest(bad["a"] + " / " + bad["b"]):
                self.solve_good()
                self.page.solve(bad["a"], bad["b"])
                self.check_error(bad["message"], bad["focus"], closers[index % len(closers)])
                self.assertEqual([self.page.value("Text1"), self.page.value("Text2")], [bad["a"], bad["b"]])
                self.assertEqual(self.page.js("document.querySelectorAll('#error button').length"), 1)
                self.assertTrue(self.page.js("!!document.querySelector('#error svg')"))

    # The form widens to show the whole answer on one line as far as the
    # page is wide, measured in the same pixels as its layout whatever the
    # text size or the browser's zoom (200 % of 1280 pixels: 640), and
    # "Nusxa olish" in Label5's menu copies it exactly.
    def test_longest_answers_show_whole_and_copy_exactly(self):
        page = self.page
        for window, text_size, zoom in [(1024, 16, 1), (800, 24, 1), (1280, 16, 2)]:
            width = page.view(window, text_size=text_size, zoom=zoom)
            page.open()
            for click in cases["longest_answers"]:
                with self.subTest(f"{click['a']} / {click['b']}, {width} pixels, text {text_size} pixels"):
                    page.solve(click["a"], click["b"])
                    self.assertEqual(page.answer(), click["answer"])
                    left, _, label_width, label_height = page.rect("Label5")
                    _, _, form_width, _ = page.rect("form")
                    self.assertLessEqual(left + label_width, form_width)
                    self.assertLessEqual(form_width, width)
                    text_width, text_height = page.text_extent("Label5")
                    self.assertLessEqual(text_width, label_width + 1)  # the canvas's rounding
                    self.assertLessEqual(text_height, label_height)
                    size = page.element("Label5", "parseFloat(getComputedStyle(e).fontSize)")
                    self.assertLess(label_height, 2 * size)  # one line
                    page.browser.evaluate("navigator.clipboard.writeText('')", user_gesture=True)
                    page.mouse("Label5", "right")
                    self.assertEqual(page.js("[...document.querySelectorAll('#menu:not([hidden]) > *')]"
                                             ".map(item => item.textContent)"), ["Nusxa olish"])
                    page.mouse("menu")
                    self.assertTrue(page.js("document.getElementById('menu').hidden"))
                    page.wait_until(f"navigator.clipboard.readText().then(t => t === {json.dumps(click['answer'])})")

    # Only a focused Natija answers Enter or Space, once a press; nothing is
    # a default or cancel button.
    def test_keys(self):
        for focus, key, answers in [("Text1", "Enter", False), ("Text2", "Escape", False), ("Command1", " ", True),
                                    ("Command1", "Enter", True), ("Command1", "Escape", False)]:
            with self.subTest(focus + " " + key):
                self.page.open()
                self.page.type_into("Text1", "2")
                self.page.type_into("Text2", "5")
                self.page.element(focus, "e.focus()")
                self.page.count_writes("Label5")
                self.page.key(key)
                self.assertEqual(self.page.answer(), GOOD[2] if answers else "Javob")
                self.assertEqual(self.page.js("writes"), 1 if answers else 0)
                self.assertEqual(self.page.focused(), focus)
        # Enter that ends an input method's composing presses nothing.
        self.page.count_writes("Label5")
        self.page.element("Command1", "e.dispatchEvent(new KeyboardEvent('keydown',"
                                      " {key: 'Enter', isComposing: true, bubbles: true, cancelable: true}))")
        self.assertEqual(self.page.js("writes"), 0)


class Catalogue(OnePage):
    """The catalogue's edge rows: typed where keys can type them, pasted
    otherwise; each box keeps what the core's rule keeps, the core reads
    it exactly, and the answer or the message quoting it shows exactly."""

    def test_catalogue(self):
        page = self.page
        rows = {entry["name"]: entry for entry in cases["catalogue"]}
        for name in EDGE_ROWS:
            entry = rows[name]
            with self.subTest(name):
                page.put_into("Text1", entry["typed_a"])
                page.put_into("Text2", entry["typed_b"])
                self.assertEqual([page.value("Text1"), page.value("Text2")], [entry["a"], entry["b"]])
                page.mouse("Command1")
                shown = page.error_box()
                if shown:  # closed first, and the focus back, so that the next row starts afresh
                    page.key("Enter")
                    page.wait_until(f"document.activeElement.id === {json.dumps(entry['focus'])}")
                self.assertEqual(shown, [cases["title"], entry["shown"]] if entry["error"] else None)
                if not entry["error"]:
                    self.assertEqual(page.answer(), entry["shown"])
                self.assertEqual([page.value("Text1"), page.value("Text2")], [entry["a"], entry["b"]])


class WebOnly(OnePage):
    """What only the page has."""

    # Narrower than the form, as a phone is, or any touch screen, or a
    # desktop window at 300 % (1280 pixels, 427 to the page): the same
    # controls in one column, in tab order with each caption just above its
    # box, as wide as the screen up to a readable measure, centred; nothing
    # smaller than the browser's text size or than the form sets it as
    # stored, boxes and "Natija" 44 pixels tall at least (more as the text
    # size grows). The form as stored needs more room as the text size
    # grows: at 24 pixels, 700 is too narrow. A long answer wraps at its
    # spaces only, each word of it whole on one line, the widest set just
    # small enough to fit the column where it would not; nothing scrolls
    # sideways.
    def test_phone_layout(self):
        page = self.page
        answers = [cases["longest_answers"][0], cases["longest_answers"][2]]
        for window, height, text_size, touch, zoom in [
                (320, 640, 16, False, 1), (375, 667, 16, False, 1), (320, 640, 24, False, 1),
                (375, 667, 24, False, 1), (667, 375, 16, True, 1), (700, 640, 24, False, 1), (1280, 800, 16, False, 3)]:
            with self.subTest(f"{window} x {height} pixels, text {text_size} pixels, zoom {zoom}" +
                              (", touch" if touch else "")):
                # A phone's screen is twice as dense; the desktop's, zoomed, is not.
                page.view(window, height, scale=2 if zoom == 1 else 1, text_size=text_size, touch=touch, zoom=zoom)
                page.open()
                for answer in answers:
                    page.solve(answer["a"], answer["b"])
                    self.assertEqual(page.answer(), answer["answer"])
                    self.assertFalse(page.scrolls_sideways())
                    column = page.element("Label5", "(r => [r.left, r.right])(e.getBoundingClientRect())")
                    for word, left, right, lines in page.words("Label5"):
                        self.assertEqual(lines, 1, word)
                        self.assertGreaterEqual(left, column[0], word)
                        self.assertLessEqual(right, column[1], word)
                shown = page.js("[...document.querySelectorAll('#form > *')].map(e => ((r, s) => [e.id, e.tagName,"
                                " r.left, r.right, r.top, r.bottom, parseFloat(s.fontSize),"
                                " parseFloat(s.getPropertyValue('--size'))])"
                                "(e.getBoundingClientRect(), getComputedStyle(e)))")
                self.assertEqual(sorted(name for name, *_ in shown), sorted(c["name"] for c in cases["controls"]))
                focusable = [name for name, tag, *_ in shown if tag != "LABEL"]
                self.assertEqual(focusable, cases["tab_cycle"])
                left, right = shown[0][2:4]
                page_width = page.js("document.documentElement.clientWidth")  # its scroll bar aside
                self.assertAlmostEqual(left, page_width - right, delta=1)  # centred
                for (name, tag, *box, size, stored), before in zip(shown, [None] + shown):
                    self.assertEqual(box[:2], [left, right], name)  # one column
                    self.assertGreaterEqual(left, 0, name)
                    widest = max((r - l for _, l, r, _ in page.words(name)), default=0)
                    if tag == "LABEL" and widest >= right - left - text_size - 1:
                        self.assertGreaterEqual(size, 12, name)  # set smaller to fit, still read
                    else:
                        self.assertGreaterEqual(size, max(text_size, stored * 4 / 30 * text_size / 16), name)
                    if before is not None:
                        self.assertGreaterEqual(box[2], before[5], name)
                    if tag != "LABEL":
                        self.assertGreaterEqual(box[3] - box[2], 44 * text_size / 16, name)
                for box in ("Text1", "Text2"):
                    self.assertEqual(page.element(box, "e.previousElementSibling.htmlFor"), box)
        page.view()

    # In the light scheme and the dark one, every control stands out from
    # its ground: edges at least 3:1, text at least 4.5:1 (WCAG 1.4.11 and
    # 1.4.3); the error box and its OK too, over the dimmed page.
    def test_contrast_light_and_dark(self):
        page = self.page
        colours = ("(s => [s.color, s.backgroundColor, s.borderTopColor])(getComputedStyle(e))")
        for scheme in ("light", "dark"):
            with self.subTest(scheme):
                page.browser.page("Emulation.setEmulatedMedia", features=[{"name": "prefers-color-scheme",
                                                                            "value": scheme}])
                page.open()
                ground = rgb(page.js("getComputedStyle(document.body).backgroundColor"))
                for control in cases["controls"]:
                    text, fill, edge = (rgb(c, ground) for c in page.element(control["name"], colours))
                    self.assertGreaterEqual(contrast(text, fill), 4.5, control["name"])
                    if control["kind"] != "label":
                        self.assertGreaterEqual(contrast(edge, ground), 3, control["name"])
                page.solve("", "5")
                dimmed = rgb(page.element("error", "getComputedStyle(e, '::backdrop').backgroundColor"), ground)
                text, box, edge = (rgb(c, dimmed) for c in page.element("error", colours))
                self.assertGreaterEqual(contrast(edge, dimmed), 3)
                self.assertGreaterEqual(contrast(text, box), 4.5)
                for part in ("error-title", "error-message", "error-ok"):
                    text, fill, edge = (rgb(c, box) for c in page.element(part, colours))
                    self.assertGreaterEqual(contrast(text, fill), 4.5, part)
                self.assertGreaterEqual(contrast(rgb(page.element("error-ok", colours)[2], box), box), 3)
        page.browser.page("Emulation.setEmulatedMedia", features=[])

    # The focus can be seen: each control that takes it, focused with Tab or
    # with the mouse, changes from its unfocused look by 3:1 or more over at
    # least a 2-pixel-thick perimeter's worth of its region grown by the
    # outline's reach (WCAG 2.4.7, 1.4.11); light and dark, desktop and
    # phone. The boxes' caret is made transparent here, so that its blink
    # does not count.
    def test_focus_can_be_seen(self):
        page = self.page
        cycle = cases["tab_cycle"]
        for width, scheme in [(1024, "light"), (1024, "dark"), (375, "light"), (375, "dark")]:
            page.view(width, 667, scheme=scheme)
            page.open()
            page.type_into("Text1", "2")
            page.type_into("Text2", "5")
            for name in cycle:
                page.element(name, "e.style.caretColor = 'transparent'")
            for name, way in [(name, way) for name in cycle for way in ("Tab", "mouse")]:
                with self.subTest(f"{name} by {way}, {width} pixels, {scheme}"):
                    x, y, w, h = page.rect(name)
                    reach = page.element(name, "(e.focus(), (s => parseFloat(s.outlineWidth) + "
                                               "parseFloat(s.outlineOffset))(getComputedStyle(e)))")
                    region = (x - reach, y - reach, w + 2 * reach, h + 2 * reach)
                    page.js("document.activeElement.blur()")
                    unfocused = pixels(page.capture(*region))
                    if way == "Tab":
                        page.element(cycle[cycle.index(name) - 1], "e.focus()")
                        page.key("Tab")
                    else:
                        page.mouse(name)
                    self.assertEqual(page.focused(), name)
                    focused = pixels(page.capture(*region))
                    changed = sum(contrast(one, other) >= 3 for one, other in zip(unfocused, focused))
                    self.assertGreaterEqual(changed, least_changed(round(w), round(h)))
        page.view()

    # Before the program runs, the page's own markup shows the form, each
    # control where the program then keeps it, and takes what is typed;
    # "Natija" cannot be pressed until the program has taken it over.
    def test_the_form_shows_before_its_program(self):
        page, browser = self.page, self.page.browser
        boxes = "[...document.querySelectorAll('#form > *')].map(e => (r => [e.id, r.x, r.y, r.width, r.height])" \
                "(e.getBoundingClientRect()))"
        for width in (375, 1024):
            with self.subTest(f"{width} pixels"):
                browser.page("Emulation.setDeviceMetricsOverride", width=width, height=667, deviceScaleFactor=1,
                             mobile=width < 507)
                browser.page("Network.enable")
                browser.page("Network.setBypassServiceWorker", bypass=True)
                browser.page("Fetch.enable", patterns=[{"urlPattern": "*tenglama.wasm"}])
                browser.page("Page.navigate", url=page.url)
                held = browser.wait_for_event("Fetch.requestPaused")["requestId"]
                page.wait_until("performance.getEntriesByName('first-contentful-paint').length")
                before = page.js(boxes)
                self.assertEqual(len(before), len(cases["controls"]))
                self.assertTrue(page.element("Command1", "e.disabled"))
                page.type_into("Text1", "2")
                page.type_into("Text2", "5")
                browser.page("Fetch.continueRequest", requestId=held)
                page.wait_until(LIVE)
                browser.page("Fetch.disable")
                self.assertEqual(page.js(boxes), before)
                self.assertEqual([page.value("Text1"), page.value("Text2"), page.focused()], ["2", "5", "Text2"])
                page.mouse("Command1")
                self.assertEqual(page.answer(), GOOD[2])
        browser.page("Network.setBypassServiceWorker", bypass=False)
        browser.page("Emulation.clearDeviceMetricsOverride")

    # Screen readers hear each answer: Label5, and only Label5, is a polite
    # live region, and each answer is written into it once, the same answer
    # again too.
    def test_answer_is_a_polite_live_region(self):
        live = "[...document.querySelectorAll('[aria-live]')].map(e => [e.id, e.getAttribute('aria-live')])"
        self.assertEqual(self.page.js(live), [["Label5", "polite"]])
        self.page.count_writes("Label5")
        for written in (1, 2):
            self.solve_good()
            self.assertEqual(self.page.js("writes"), written)

    # Text with line breaks (CRLF, a lone CR, LF), pasted or dropped into
    # a box: the box keeps the first line, the caret after it, and undo
    # takes back the paste or drop alone. A drop goes into the middle of
    # "78"; a paste (Ctrl+V through the clipboard) goes at the end of what
    # the user typed into the box, or over all of it, after clearing what it
    # held before.
    def test_paste_and_drop_keep_the_first_line(self):
        page = self.page
        for case in cases["pastes"]:
            first_line = case["kept"] if case["over_typed"] else case["kept"][len(case["typed"]):]
            with self.subTest("drop " + repr(case["pasted"])):
                page.type_into("Text2", "78")
                x, y = page.element("Text2", "(r => [r.x + 12, r.y + r.height / 2])(e.getBoundingClientRect())")
                data = {"items": [{"mimeType": "text/plain", "data": case["pasted"]}], "dragOperationsMask": 1}
                for kind in ("dragEnter", "dragOver", "drop"):
                    page.browser.page("Input.dispatchDragEvent", type=kind, x=x, y=y, data=data)
                self.assertEqual(page.value("Text2"), "7" + first_line + "8")
                # The caret after what was kept (a whole drop the browser leaves selected).
                self.assertEqual(page.element("Text2", "e.selectionEnd"), 1 + len(first_line))
                page.key("z", CONTROL, ["undo"])
                self.assertEqual(page.value("Text2"), "78")
            with self.subTest("paste " + repr(case["pasted"]) + (" over " if case["over_typed"] else " after ") +
                              repr(case["typed"])):
                page.type_into("Text2", cases["held_before_paste"])
                page.type_into("Text2", case["typed"])
                if case["over_typed"]:
                    page.key("a", CONTROL, ["selectAll"])
                page.browser.evaluate(f"navigator.clipboard.writeText({json.dumps(case['pasted'])})", user_gesture=True)
                page.key("v", CONTROL, ["paste"])
                self.assertEqual(page.value("Text2"), case["kept"])
                self.assertEqual(page.element("Text2", "e.selectionEnd"), len(case["kept"]))
                page.key("z", CONTROL, ["undo"])
                self.assertEqual(page.value("Text2"), case["typed"])


class Offline(unittest.TestCase):
    """Nothing leaves the page once it has loaded, and the service worker
    serves it again with no server at all."""

    def test_no_request_after_load_and_offline_reload(self):
        site = Site(site_folder)
        page = Page(site.url)
        try:
            page.open()
            page.wait_until("navigator.serviceWorker.controller !== null")
            loaded = len(site.requests)
            page.solve("2", "5")
            page.solve("", "5")
            page.key("Enter")
            page.mouse("Label5", "right")
            page.mouse("menu")
            self.assertEqual(site.quiet_for(0.5), [])
            self.assertEqual(len(site.requests), loaded)

            site.stop()
            page.open()
            page.solve("2", "5")
            self.assertEqual(page.answer(), GOOD[2])
        finally:
            page.close()
            site.stop()


class StartUpFailure(unittest.TestCase):
    """A form that cannot be built is explained in the error box, alone."""

    def test_a_form_that_cannot_be_built_is_explained_in_a_box(self):
        site = Site(os.path.join(os.path.dirname(cases_file), "broken"))
        page = Page(site.url)
        try:
            page.browser.page("Page.navigate", url=site.url)
            page.wait_until("document.getElementById('error')?.open")
            self.assertEqual(page.error_box(), [cases["broken"]["title"], cases["broken"]["message"]])
            self.assertEqual(page.js("document.getElementById('form').childElementCount"), 0)
            self.assertEqual(page.focused(), "error-ok")
        finally:
            page.close()
            site.stop()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
