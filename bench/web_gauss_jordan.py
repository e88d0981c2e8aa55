#!/usr/bin/python3
"""How long the page takes from "Hesapla" to the 99-equation Gauss-Jordan
transcript on screen, in headless Chromium from file://: the click, the
run in the Worker, the answer read, the first rows drawn and painted.

    bench/web_gauss_jordan.py [BUILD] [RUNS]"""
import pathlib, statistics, sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

root = pathlib.Path(__file__).resolve().parent.parent
build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else root / "build-web").resolve()
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
o = webdriver.ChromeOptions()
for a in ("--headless=new", "--no-sandbox", "--window-size=1280,900"):
    o.add_argument(a)
d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
try:
    d.get((build / "site/index.html").as_uri() + "#example=buyuk-99.txt&method=gauss-jordan")
    WebDriverWait(d, 30).until(lambda d: d.execute_script("return +(document.body.dataset.runs || 0) >= 1"))
    times, cores, lines = [], [], 0
    for _ in range(runs):
        ms, lines, core, reply, shown = d.execute_async_script("""
            const done = arguments[arguments.length - 1];
            const before = +document.body.dataset.runs;
            const t0 = performance.now();
            document.getElementById('calculate').click();
            (function wait() {
              if (+document.body.dataset.runs > before)
                requestAnimationFrame(() => setTimeout(() => done([performance.now() - t0,
                                                                   window.lineerPage.count, window.lineerPage.coreMs, window.lineerPage.replyAt, window.lineerPage.shownAt])));
              else setTimeout(wait, 1);
            })();""")
        times.append(ms)
        cores.append(core)
        print(f'  {ms:.0f} ms: core {core:.0f}, reply at {reply:.0f}, shown at {shown:.0f}')
    print(f"99-equation Gauss-Jordan, {lines} lines: median {statistics.median(times):.0f} ms, "
          f"best {min(times):.0f} ms, worst {max(times):.0f} ms over {runs} runs "
          f"(the core's run in the Worker: median {statistics.median(cores):.0f} ms)")
finally:
    d.quit()
