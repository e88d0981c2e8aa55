// The Worker's side: appended to the core's script in the Worker made
// from a Blob (a page opened from the file system may start no Worker
// from a file). Runs one request at a time and posts back the answer.
'use strict';
function lineerString(text) {
  var size = lengthBytesUTF8(text) + 1;
  var p = _malloc(size);
  stringToUTF8(text, p, size);
  return p;
}
Module.onRuntimeInitialized = function () {
  postMessage({ op: 'ready',
                catalogue: [JSON.parse(UTF8ToString(_lineer_catalogue(0))),
                            JSON.parse(UTF8ToString(_lineer_catalogue(1)))],
                methods: JSON.parse(UTF8ToString(_lineer_methods())) });
};
onmessage = function (e) {
  var r = e.data;
  if (r.op === 'run') {
    var t0 = performance.now();
    var args = [r.text, r.name, r.method, r.maxIter, r.w].map(lineerString);
    var answer = UTF8ToString(_lineer_run(args[0], args[1], args[2], args[3], args[4],
                                          r.steps ? 1 : 0, r.analysis ? 1 : 0, r.compare ? 1 : 0,
                                          r.draw ? 1 : 0, r.lang));
    args.forEach(function (p) { _free(p); });
    var ms = performance.now() - t0;
    // The transcript (tens of megabytes for the largest) goes as bytes,
    // handed over rather than copied.
    var count = JSON.parse(answer).kinds.length;
    var q = _lineer_line_starts() >> 2;
    var starts = HEAPU32.slice(q, q + count + 1);
    var p = _lineer_transcript();
    var bytes = HEAPU8.slice(p, p + starts[count]);
    postMessage({ op: 'run', id: r.id, answer: answer, bytes: bytes, starts: starts, ms: ms },
                [bytes.buffer, starts.buffer]);
  } else if (r.op === 'export') {
    var png = r.png || new Uint8Array(0);
    var p = _malloc(png.length + 1);
    HEAPU8.set(png, p);
    var date = lineerString(r.date);
    var text = UTF8ToString(_lineer_export(r.kind, 0, date, p, png.length));
    _free(p); _free(date);
    postMessage({ op: 'export', id: r.id, kind: r.kind, text: text });
  }
};
