// The web page's engine in node: the work of bench/report_lines.cpp (the same
// 200,000 entries, each the whole answer the page asks for at a keystroke) in
// WebAssembly, through the small engine that answers the number's view, as the
// page calls it: the call alone, then with its answer decoded and parsed as the
// page does. Three rounds each.
// Usage: node bench/web_engine.mjs [SITE_DIR]  (NODE_PATH=/usr/share/nodejs)
import { readFileSync } from 'fs';
import { createRequire } from 'module';
import { resolve } from 'path';

const site = resolve(process.argv[2] ?? 'build-web/site');
globalThis.__dirname = site; // emscripten 3.1.6's ES module still asks for these in node
globalThis.require = createRequire(import.meta.url);
const { default: createFirst } = await import(site + '/first.mjs');
const z = await createFirst({ wasmBinary: readFileSync(site + '/first.wasm') });
const { firstCaller } = await import(site + '/calls.js');
const call = firstCaller(z);
const entry = (i) => String(Number(BigInt(i) * 7919n * 7919n % 999999999n) + 1);
const count = 200000;

// The call alone: the entry's bytes in, the answer's address out.
const bytes = new TextEncoder();
const text = (s) => { const b = bytes.encode(s + '\0'); const at = z._malloc(b.length); z.HEAPU8.set(b, at); return at; };
const names = ['report', 'cardinal-masculine', 'unicode', 'en'].map(text);
const box = z._malloc(16);
const rate = (start) => (count / ((performance.now() - start) / 1000)).toFixed(0);
for (let round = 0; round < 3; ++round) {
  let start = performance.now();
  for (let i = 0; i < count; ++i) {
    const e = bytes.encode(entry(i));
    z.HEAPU8.set(e, box);
    z._zefnaro_first(names[0], names[1], names[2], names[3], box, e.length);
  }
  const alone = rate(start);
  start = performance.now();
  let length = 0;
  for (let i = 0; i < count; ++i)
    length += call('report', { entry: entry(i), form: 'cardinal-masculine', writing: 'unicode', language: 'en' })
      .html.length;
  console.log(`WebAssembly: ${alone} calls a second alone, ${rate(start)} reports a second decoded and parsed`);
}
