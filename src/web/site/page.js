// The page: the window's controls in HTML, the core in a Worker, the
// results list drawn a screenful at a time. Every text comes from the
// core's catalogue (LINEER_TEXT_KEYS names its rows).
'use strict';
(function () {
  var $ = function (id) { return document.getElementById(id); };
  var ROW = 18;                 // a line's height in the results list, px
  var state = { text: '', bytes: new Uint8Array(0), starts: new Uint32Array(1), count: 0, kinds: '', lang: 0, catalogue: null, methods: [], lines: [], remarks: [], picture: [], name: '',
                busy: false, id: 0, pending: {}, started: 0, haveRun: false };
  var keyIndex = {};
  LINEER_TEXT_KEYS.forEach(function (k, i) { keyIndex[k] = i; });
  function T(key) { return state.catalogue ? state.catalogue[state.lang][keyIndex[key]] : ''; }
  // A menu's "&" marks its Alt letter in the window; the page has none.
  function plain(s) { return s.replace(/&(?=\S)/g, '').trim(); }
  function fill(key) {
    var s = T(key), args = arguments;
    return s.replace(/\{(\d)\}/g, function (_, d) { return args[+d + 1]; });
  }

  // The core, in a Worker made from a Blob: a page from file:// can start
  // no Worker from a file. Terminated and started again by the stop button.
  var worker = null;
  function startWorker() {
    var source = ['var Module = {};\n', LINEER_CORE_SOURCE, '\n', LINEER_WORKER_SOURCE];
    worker = new Worker(URL.createObjectURL(new Blob(source, { type: 'text/javascript' })));
    worker.onmessage = function (e) {
      var m = e.data;
      if (m.op === 'ready') ready(m);
      else if (state.pending[m.id]) { var f = state.pending[m.id]; delete state.pending[m.id]; f(m); }
    };
  }
  function ask(request, then) {
    request.id = ++state.id;
    state.pending[request.id] = then;
    worker.postMessage(request);
  }

  function ready(m) {
    var first = !state.catalogue;
    state.catalogue = m.catalogue;
    state.methods = m.methods;
    if (first) {
      fillExamples();
      readFragment();
      showTexts();
      $('calculate').disabled = false;
      if (state.autoRun) run(true);
    }
  }

  function showTexts() {
    document.documentElement.lang = state.lang ? 'en' : 'tr';
    $('lang').value = String(state.lang);
    document.title = 'lineer \u2013 ' + T('WindowCaption');
    $('title').textContent = 'lineer \u2013 ' + T('WindowCaption');
    document.querySelectorAll('[data-t]').forEach(function (el) { el.textContent = plain(T(el.dataset.t)); });
    fillMethods();
    showCount();
  }

  function fillExamples() {
    var sel = $('example');
    sel.innerHTML = '';
    var none = document.createElement('option');
    none.value = ''; none.textContent = '\u2014';
    sel.appendChild(none);
    Object.keys(LINEER_EXAMPLES).sort().forEach(function (name) {
      var o = document.createElement('option');
      o.value = name; o.textContent = name;
      sel.appendChild(o);
    });
  }

  // The methods under the window's group headings; the textbook ones
  // under their own.
  function fillMethods() {
    var sel = $('method'), chosen = sel.value;
    sel.innerHTML = '';
    var none = document.createElement('option');
    none.value = ''; none.textContent = T('PageNoMethod');
    sel.appendChild(none);
    var groups = ['DeterminantGroup', 'InverseGroup', 'LinearSystemGroup'];
    var made = {};
    state.methods.forEach(function (m) {
      var label = m[4] ? plain(T('TextbookMenu')) : T(groups[m[3]]).trim();
      if (!made[label]) {
        made[label] = document.createElement('optgroup');
        made[label].label = label;
        sel.appendChild(made[label]);
      }
      var o = document.createElement('option');
      o.value = m[0];
      o.textContent = state.catalogue[state.lang][m[1]].trim();
      o.title = state.catalogue[state.lang][m[2]];
      made[label].appendChild(o);
    });
    sel.value = chosen;
    showBoxes();
  }
  function methodRow(name) {
    for (var i = 0; i < state.methods.length; ++i) if (state.methods[i][0] === name) return state.methods[i];
    return null;
  }
  // The boxes a method reads, as the window shows them.
  function showBoxes() {
    var m = methodRow($('method').value);
    $('maxIterBox').hidden = !(m && m[5]);
    $('wBox').hidden = !(m && m[6]);
  }

  // #example=hilbert-10.txt&method=gauss&analysis=1&lang=en (also file=,
  // w=, max-iter=, steps=1, compare=1, draw=1).
  function readFragment() {
    var stored = null;
    try { stored = localStorage.getItem('lineer-lang'); } catch (e) {}
    if (stored === '0' || stored === '1') state.lang = +stored;
    var p = new URLSearchParams(location.hash.replace(/^#/, ''));
    if (p.get('lang') === 'en') state.lang = 1;
    if (p.get('lang') === 'tr') state.lang = 0;
    if (p.has('method')) $('method').value = p.get('method');
    fillMethods();
    if (p.has('method')) $('method').value = p.get('method');
    if (p.has('max-iter')) $('maxIter').value = p.get('max-iter');
    if (p.has('w')) $('w').value = p.get('w');
    ['steps', 'analysis', 'compare', 'draw'].forEach(function (k) { if (p.get(k) === '1') $(k).checked = true; });
    showBoxes();
    var example = p.get('example');
    if (example && LINEER_EXAMPLES[example] !== undefined) {
      useText(example, LINEER_EXAMPLES[example]);
      $('example').value = example;
      state.autoRun = true;
    } else if (p.get('file')) {
      // A file beside the page, where the host lets the page read it.
      var name = p.get('file');
      fetch(name).then(function (r) { if (!r.ok) throw new Error(r.status); return r.text(); })
        .then(function (t) { useText(name.split('/').pop(), t); run(true); })
        .catch(function () { showMessages([fill('FileNotOpened', name)]); });
    }
  }

  function useText(name, text) {
    state.name = name;
    $('matrix').value = text;
  }

  function showMessages(list) {
    var box = $('messages');
    box.innerHTML = '';
    list.forEach(function (t) { var p = document.createElement('p'); p.textContent = t; box.appendChild(p); });
  }
  function showCount() {
    $('count').textContent = state.haveRun ? fill('PageLines', String(state.count)) : '';
  }

  function run(withMethod) {
    if (state.busy || !state.catalogue) return;
    state.busy = true;
    $('stop').hidden = false;
    $('calculate').disabled = $('list').disabled = true;
    $('status').textContent = T('PageRunning');
    state.started = performance.now();
    ask({ op: 'run', text: $('matrix').value, name: state.name || 'matrix.txt',
          method: withMethod ? $('method').value : '', maxIter: $('maxIter').value, w: $('w').value,
          steps: $('steps').checked, analysis: $('analysis').checked, compare: $('compare').checked,
          draw: $('draw').checked, lang: state.lang }, function (m) {
      state.replyAt = performance.now() - state.started;
      var r = JSON.parse(m.answer);
      state.bytes = m.bytes;
      state.starts = m.starts;
      state.text = null;
      state.count = m.starts.length - 1;
      state.kinds = r.kinds;
      state.coreMs = m.ms;
      state.remarks = r.remarks; state.picture = r.picture; state.haveRun = true;
      finish();
      showMessages(r.messages);
      showResults();
      drawPicture();
      state.shownAt = performance.now() - state.started;
      document.body.dataset.runs = String((+document.body.dataset.runs || 0) + 1);
    });
  }
  function finish() {
    state.busy = false;
    $('stop').hidden = true;
    $('calculate').disabled = $('list').disabled = false;
    $('status').textContent = '';
  }

  // The results list: only the rows in view (and a screenful around them)
  // are in the document, so 30,000 lines scroll as lightly as 30.
  function showResults() {
    $('sizer').style.height = (state.count * ROW) + 'px';
    $('results').scrollTop = 0;
    state.drawn = null;
    drawRows();
    var ul = $('remarks');
    ul.innerHTML = '';
    state.remarks.forEach(function (t) { var li = document.createElement('li'); li.textContent = t; ul.appendChild(li); });
    showCount();
  }
  function drawRows() {
    var box = $('results');
    var first = Math.max(0, Math.floor(box.scrollTop / ROW) - 20);
    var last = Math.min(state.count, Math.ceil((box.scrollTop + box.clientHeight) / ROW) + 20);
    if (state.drawn && state.drawn[0] === first && state.drawn[1] === last) return;
    state.drawn = [first, last];
    var rows = $('rows'), html = document.createDocumentFragment();
    rows.style.transform = 'translateY(' + (first * ROW) + 'px)';
    for (var i = first; i < last; ++i) {
      var d = document.createElement('div');
      var k = state.kinds.charCodeAt(i) - 48;
      d.className = 'k' + (k >> 2) + ' p' + (k & 3);
      d.textContent = line(i);
      html.appendChild(d);
    }
    rows.replaceChildren(html);
  }

  // The transcript's bytes are read into text a line at a time, as the
  // list shows them, and whole only to be copied.
  var decoder = new TextDecoder();
  function line(i) { return decoder.decode(state.bytes.subarray(state.starts[i], state.starts[i + 1] - 1)); }
  function transcript() {
    if (state.text === null) state.text = decoder.decode(state.bytes);
    return state.text;
  }
  state.transcript = transcript;
  function download(name, text, type) {
    var a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([text], { type: type }));
    a.download = name;
    document.body.appendChild(a);
    a.click();
    setTimeout(function () { URL.revokeObjectURL(a.href); a.remove(); }, 1000);
  }
  function baseName() {
    var n = (state.name || '').replace(/\.[^.]*$/, '');
    return n ? fill('ResultsFileNameOf', n) : T('ResultsFileName');
  }
  function today() {
    var d = new Date();
    return d.getFullYear() + '-' + String(d.getMonth() + 1).padStart(2, '0') + '-' + String(d.getDate()).padStart(2, '0');
  }
  function exportAs(kind) {
    var send = function (png) {
      ask({ op: 'export', kind: kind, date: today(), png: png }, function (m) {
        download(baseName() + (kind === 1 ? '.tex' : '.html'), m.text,
                 kind === 1 ? 'application/x-tex' : 'text/html');
      });
    };
    if (kind === 2 && state.picture.length > 1) {
      $('picture').toBlob(function (b) { b.arrayBuffer().then(function (a) { send(new Uint8Array(a)); }); });
    } else {
      send(null);
    }
  }

  // The picture box drawn again from the core's operations, twice its
  // size: boxes and circles in user coordinates, printed lines one under
  // another.
  function drawPicture() {
    var c = $('picture'), g = c.getContext('2d'), ops = state.picture;
    var k = 2, W = 233, H = 217, sx = [0, 0, W, H], line = 0;
    c.hidden = ops.length <= 1;
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.fillStyle = '#fff'; g.fillRect(0, 0, c.width, c.height);
    g.scale(k, k);
    var px = function (x) { return (x - sx[0]) / (sx[2] - sx[0]) * W; };
    var py = function (y) { return (y - sx[1]) / (sx[3] - sx[1]) * H; };
    g.font = '11px sans-serif'; g.textBaseline = 'top';
    ops.forEach(function (o) {
      if (o[0] === 'clear') { g.fillStyle = '#fff'; g.fillRect(0, 0, W, H); line = 0; }
      else if (o[0] === 'scale') sx = o.slice(1, 5);
      else if (o[0] === 'box') {
        g.fillStyle = 'rgb(' + o[5] + ',' + o[6] + ',' + o[7] + ')';
        var x1 = px(o[1]), y1 = py(o[2]), x2 = px(o[3]), y2 = py(o[4]);
        g.fillRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1), Math.abs(y2 - y1));
      } else if (o[0] === 'circle') {
        var r = Math.abs(o[3] / (sx[2] - sx[0]) * W);
        g.strokeStyle = '#000'; g.lineWidth = 0.5;
        g.beginPath(); g.arc(px(o[1]), py(o[2]), Math.max(r, 0.5), 0, 2 * Math.PI); g.stroke();
      } else if (o[0] === 'print') {
        g.fillStyle = '#000'; g.fillText(o[1], 3, 3 + 13 * line++);
      }
    });
  }

  function readFile(file) {
    if (!file) return;
    var reader = new FileReader();
    reader.onload = function () { useText(file.name, reader.result); $('example').value = ''; };
    reader.readAsText(file);
  }

  startWorker();
  $('calculate').disabled = true;
  $('calculate').onclick = function () { run(true); };
  $('list').onclick = function () { run(false); };
  $('stop').onclick = function () {
    worker.terminate();
    state.pending = {};
    finish();
    startWorker();
  };
  $('method').onchange = showBoxes;
  $('results').addEventListener('scroll', drawRows, { passive: true });
  window.addEventListener('resize', function () { state.drawn = null; drawRows(); });
  $('lang').onchange = function () {
    state.lang = +$('lang').value;
    try { localStorage.setItem('lineer-lang', String(state.lang)); } catch (e) {}
    showTexts();
  };
  $('example').onchange = function () {
    var n = $('example').value;
    if (n) useText(n, LINEER_EXAMPLES[n]);
  };
  $('file').onchange = function () { readFile($('file').files[0]); };
  $('matrix').oninput = function () { if ($('example').value) { $('example').value = ''; state.name = ''; } };
  var drop = $('drop');
  drop.addEventListener('dragover', function (e) { e.preventDefault(); drop.classList.add('over'); });
  drop.addEventListener('dragleave', function () { drop.classList.remove('over'); });
  drop.addEventListener('drop', function (e) {
    e.preventDefault(); drop.classList.remove('over');
    readFile(e.dataTransfer.files[0]);
  });
  $('copy').onclick = function () {
    navigator.clipboard.writeText(transcript()).then(function () { $('status').textContent = T('PageCopied'); });
  };
  $('save').onclick = function () { download(baseName() + '.log', state.bytes, 'text/plain'); };
  $('latex').onclick = function () { exportAs(1); };
  $('html').onclick = function () { exportAs(2); };
  $('print').onclick = function () { window.print(); };
  // Printing sets the whole list out as text, and only then.
  window.addEventListener('beforeprint', function () { $('printed').textContent = transcript(); });
  window.addEventListener('afterprint', function () { $('printed').textContent = ''; });
  window.addEventListener('hashchange', function () { readFragment(); showTexts(); if (state.autoRun) run(true); });
  // For the tests and the measurement: the page's own state.
  window.lineerPage = state;
})();
