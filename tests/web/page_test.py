#!/usr/bin/python3
"""The page as a user meets it: opened from file:// in headless Chromium,
an example through Gauss, a link fragment in English, a bad file's
message, the keyboard path, a picture, and a downloaded transcript, each
against what the command line prints for the same file. Screenshots at a
desktop's and a phone's width land in BUILD/screenshots.

    tests/web/page_test.py BUILD"""
import pathlib, subprocess, sys, tempfile, time, unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILD = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build-web").resolve()
PAGE = (BUILD / "site/index.html").as_uri()
DOWNLOADS = pathlib.Path(tempfile.mkdtemp())


def cli(*args, stdin_file=None):
    """What the command line prints: stdout, stderr, status."""
    r = subprocess.run(["node", str(BUILD / "lineer.js"), *args], cwd=ROOT / "examples", capture_output=True)
    return r.stdout.decode(), r.stderr.decode(), r.returncode


def browser(width, height):
    o = webdriver.ChromeOptions()
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", f"--window-size={width},{height}",
              "--allow-file-access-from-files"):
        o.add_argument(a)
    o.add_experimental_option("prefs", {"download.default_directory": str(DOWNLOADS),
                                        "download.prompt_for_download": False})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.d = browser(1280, 900)

    @classmethod
    def tearDownClass(cls):
        cls.d.quit()

    def open(self, fragment=""):
        self.d.get("about:blank")
        self.d.get(PAGE + fragment)
        WebDriverWait(self.d, 20).until(lambda d: d.execute_script(
            "return window.lineerPage && window.lineerPage.catalogue !== null"))

    def runs(self):
        return int(self.d.execute_script("return +(document.body.dataset.runs || 0)"))

    def wait_run(self, before):
        WebDriverWait(self.d, 30).until(lambda d: self.runs() > before)

    def transcript(self):
        return self.d.execute_script("return window.lineerPage.transcript()")

    def test_example_through_gauss(self):
        self.open()
        Select(self.d.find_element(By.ID, "example")).select_by_value("uc-denklem.txt")
        Select(self.d.find_element(By.ID, "method")).select_by_value("gauss")
        before = self.runs()
        self.d.find_element(By.ID, "calculate").click()
        self.wait_run(before)
        self.assertEqual(self.transcript(), cli("--method", "gauss", "uc-denklem.txt")[0])
        shown = self.d.find_element(By.ID, "rows").text
        self.assertIn("Lineer denklem takımının kökleri", shown)

    def test_fragment_in_english_with_analysis(self):
        self.open("#example=hilbert-10.txt&method=gauss&analysis=1&lang=en")
        self.wait_run(0)
        self.assertEqual(self.transcript(), cli("--lang", "en", "--method", "gauss", "--analysis", "hilbert-10.txt")[0])
        self.assertEqual(self.d.find_element(By.ID, "calculate").text, "Calculate")
        remarks = self.d.find_element(By.ID, "remarks").text.split("\n") if self.d.find_element(By.ID, "remarks").text else []
        expected = [l for l in cli("--lang", "en", "--method", "gauss", "--analysis", "hilbert-10.txt")[1].split("\n") if l]
        self.assertEqual(remarks, expected)
        self.d.set_window_size(1280, 900)
        self.d.save_screenshot(str(BUILD / "screenshots/desktop-en.png"))
        self.d.execute_script("localStorage.removeItem('lineer-lang')")

    def test_bad_file_says_what_the_loader_says(self):
        self.open()
        bad = "3 4\n1 2 x 4\n"
        area = self.d.find_element(By.ID, "matrix")
        area.clear()
        area.send_keys(bad)
        before = self.runs()
        self.d.find_element(By.ID, "calculate").click()
        self.wait_run(before)
        path = pathlib.Path(tempfile.mkdtemp()) / "matrix.txt"
        path.write_text(bad)
        r = subprocess.run(["node", str(BUILD / "lineer.js"), "--method", "gauss", "matrix.txt"], cwd=path.parent,
                           capture_output=True)
        shown = self.d.find_element(By.ID, "messages").text
        self.assertTrue(shown)
        self.assertEqual(shown, r.stderr.decode().strip())

    def test_keyboard_path(self):
        self.open("#lang=tr")
        seen = []
        for _ in range(25):
            ActionChains(self.d).send_keys(Keys.TAB).perform()
            seen.append(self.d.switch_to.active_element.get_attribute("id"))
            if seen[-1] == "calculate":
                break
        for control in ("lang", "example", "file", "matrix", "method", "steps", "analysis", "compare", "calculate"):
            self.assertIn(control, seen)
        # An example and a method chosen with the keys alone, then Enter.
        self.d.find_element(By.ID, "example").send_keys("u")  # uc-denklem.txt, the first with u
        self.d.find_element(By.ID, "method").send_keys("Gauss e")
        before = self.runs()
        self.d.find_element(By.ID, "calculate").send_keys(Keys.ENTER)
        self.wait_run(before)
        self.assertIn("Katsayılar matrisi", self.transcript())

    def test_picture_is_drawn(self):
        self.open("#example=hilbert-10.txt&draw=1")
        self.wait_run(0)
        inked = self.d.execute_script("""
            const c = document.getElementById('picture');
            if (c.hidden) return 0;
            const p = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            let n = 0;
            for (let i = 0; i < p.length; i += 4) if (p[i] < 250 || p[i + 1] < 250 || p[i + 2] < 250) ++n;
            return n;""")
        self.assertGreater(inked, 1000)

    def test_downloaded_transcript_is_the_command_lines(self):
        self.open("#example=kosegen-baskin.txt&method=sor&w=1.2&steps=1")
        self.wait_run(0)
        self.d.find_element(By.ID, "save").click()
        target = DOWNLOADS / "kosegen-baskin-sonuç.log"
        deadline = time.time() + 15
        while not target.exists() and time.time() < deadline:
            time.sleep(0.2)
        self.assertEqual(target.read_text(encoding="utf-8"),
                         cli("--method", "sor", "--w", "1.2", "--steps", "kosegen-baskin.txt")[0])

    def test_phone_width(self):
        # A window no narrower than headless Chromium's least: the phone's
        # screen is emulated.
        self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
        try:
            self.open("#example=uc-denklem.txt&method=gauss-jordan")
            self.wait_run(0)
            width = self.d.execute_script("return [innerWidth, document.documentElement.scrollWidth]")
            self.d.save_screenshot(str(BUILD / "screenshots/phone.png"))
            self.assertEqual(width, [390, 390])
        finally:
            self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


if __name__ == "__main__":
    (BUILD / "screenshots").mkdir(exist_ok=True)
    unittest.main(argv=sys.argv[:1], verbosity=2)
