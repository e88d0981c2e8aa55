#!/usr/bin/env python3
"""Puts the page together in BUILD/site: its HTML, CSS and JavaScript from
src/web/site, the core compiled for the Worker (BUILD/page/lineer_page.js,
the wasm inside) as a string the page starts a Worker from, the examples,
and the names of the catalogue's rows (the texts themselves come from the
core). Only classic scripts: a page opened from the file system may load
no module and fetch nothing.

    scripts/web-site.py BUILD"""
import json, pathlib, re, shutil, sys

root = pathlib.Path(__file__).resolve().parent.parent
build = pathlib.Path(sys.argv[1]).resolve()
site = build / "site"
site.mkdir(parents=True, exist_ok=True)
for name in ("index.html", "page.css", "page.js"):
    shutil.copyfile(root / "src/web/site" / name, site / name)

catalogue = (root / "src/texts/catalogue.h").read_text(encoding="utf-8")
body = catalogue[catalogue.index("enum class Text : int {"):catalogue.index("Count_")]
keys = re.findall(r"^\s+([A-Z][A-Za-z0-9_]*),", body, re.M)
(site / "texts.js").write_text("var LINEER_TEXT_KEYS = " + json.dumps(keys) + ";\n", encoding="utf-8")

examples = {p.name: p.read_text(encoding="utf-8") for p in sorted((root / "examples").glob("*.txt"))}
(site / "examples.js").write_text("var LINEER_EXAMPLES = " + json.dumps(examples, ensure_ascii=False) + ";\n",
                                  encoding="utf-8")

core = (build / "page/lineer_page.js").read_text(encoding="utf-8")
worker = (root / "src/web/site/worker.js").read_text(encoding="utf-8")
(site / "core.js").write_text("var LINEER_CORE_SOURCE = " + json.dumps(core) + ";\nvar LINEER_WORKER_SOURCE = " +
                              json.dumps(worker) + ";\n", encoding="utf-8")
size = sum(p.stat().st_size for p in site.iterdir())
print(f"site: {site} ({size} bytes, {len(keys)} texts, {len(examples)} examples)")
