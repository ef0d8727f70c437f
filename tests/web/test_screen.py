"""What the page draws, read back as pixels: one state reached two ways
must draw the same. Each of the shared redraw cases (tests/window_cases.h,
from cases.json) shows its second answer alone on a fresh page, and after
its first answer: on the same screen, after the page was resized between
the two, or after the screen's density changed between them. The answer's
row is compared across the width of the narrower form, so that what an
earlier, wider answer left beside a narrower one shows; the whole form too
where it stands as stored, or is the same size both ways.

The caret and the focus ring are left out: the focus is taken off the
page before each capture. (It would end on "Natija", pressed last, where
Chromium shades a pixel of the ring's rounded corner one way or another
from one paint to the next.) The rounded corners of the boxes and the
button it shades a level apart at times too: "the same" allows that much.

Usage: test_screen.py SITE_FOLDER CASES_JSON [TEST...]
"""

import json
import os
import sys
import unittest

from page import Page, Site, pixels

site_folder, cases_file = sys.argv[1:3]
with open(cases_file) as f:
    cases = json.load(f)

# Where a region's two drawings are left when they differ.
DIFFERENCES = os.path.join(os.path.dirname(cases_file), "screen")

SCREENS = {1024: 768, 375: 667}  # a desktop's and a phone's, CSS pixels
SHADE = 2  # the most a channel of a pixel may differ, of 255


def same(one, other):
    """Two PNGs of one region draw the same, to a shade."""
    return one == other or all(abs(a - b) <= SHADE for p, q in zip(pixels(one), pixels(other)) for a, b in zip(p, q))


def changes(width, height):
    """What changes on the screen once the first answer is shown: nothing;
    its width, to the other screen's; its density, doubled."""
    other = next(w for w in SCREENS if w != width)
    return {"after the first": dict(width=width, height=height),
            "after a resize": dict(width=other, height=SCREENS[other]),
            "after a density change": dict(width=width, height=height, scale=2)}


class Redraws(unittest.TestCase):
    """Two tabs side by side: one shows the second answer alone, the other
    the first answer and then the second."""

    @classmethod
    def setUpClass(cls):
        cls.site = Site(site_folder)
        cls.alone = Page(cls.site.url)
        cls.after = Page(cls.site.url)

    @classmethod
    def tearDownClass(cls):
        cls.alone.close()
        cls.after.close()
        cls.site.stop()

    def answer(self, page, click):
        """Solve for the click's a and b; an empty answer is an error, closed with OK."""
        page.solve(click["a"], click["b"])
        if click["answer"]:
            self.assertEqual(page.answer(), click["answer"])
        else:
            page.wait_until("document.getElementById('error').open")
            page.mouse("error-ok")  # and the focus back in the box at fault, before the next click
            page.wait_until("document.activeElement.tagName === 'INPUT'")

    def regions(self):
        """The regions both tabs must draw alike: the answer's row across
        the narrower form, and the whole form where it is stable."""
        forms = [page.rect("form") for page in (self.alone, self.after)]
        rows = [page.rect("Label5") for page in (self.alone, self.after)]
        top = min(row[1] for row in rows)
        x, y = forms[0][:2]
        regions = {"answer row": (x, top, min(form[2] for form in forms), max(r[1] + r[3] for r in rows) - top)}
        if self.alone.js("getComputedStyle(document.getElementById('form')).display") == "block":
            regions["stored form"] = (x, y, *cases["client"])
        elif forms[0] == forms[1]:
            regions["whole form"] = forms[0]
        return regions

    def test_an_answer_after_another_draws_as_that_answer_alone(self):
        for width, height in SCREENS.items():
            for way, screen in changes(width, height).items():
                for case in cases["redraws"]:
                    with self.subTest(f"{case['name']} {way}, {width} pixels"):
                        for page in (self.alone, self.after):
                            page.view(width, height)
                            page.open()
                        self.answer(self.after, case["first"])
                        for page in (self.alone, self.after):
                            page.view(**screen)
                            self.answer(page, case["second"])
                            page.js("document.activeElement.blur()")
                        for region, clip in self.regions().items():
                            drawn = [page.capture(*clip) for page in (self.alone, self.after)]
                            if not same(*drawn):
                                # Left to be looked at.
                                stem = os.path.join(DIFFERENCES, f"{case['name']}-{way}-{width}-{region}")
                                os.makedirs(DIFFERENCES, exist_ok=True)
                                for name, png in zip(("alone", "after"), drawn):
                                    with open(f"{stem}-{name}.png".replace(" ", "-"), "wb") as f:
                                        f.write(png)
                                self.fail(f"{region} differs: {stem}-{{alone,after}}.png".replace(" ", "-"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
