// The web page's engine in node: the work of bench/report_lines.cpp (the same
// 200,000 entries, each the whole answer the page asks for at a keystroke, decoded
// and parsed as the page does) in WebAssembly.
// Usage: node bench/web_engine.mjs [SITE_DIR]  (NODE_PATH=/usr/share/nodejs)
import { readFileSync } from 'fs';
import { createRequire } from 'module';
import { resolve } from 'path';

const site = resolve(process.argv[2] ?? 'build-web/site');
globalThis.__dirname = site; // emscripten 3.1.6's ES module still asks for these in node
globalThis.require = createRequire(import.meta.url);
const { default: createZefnaro } = await import(site + '/zefnaro.mjs');
const z = await createZefnaro({ wasmBinary: readFileSync(site + '/zefnaro.wasm') });
const { caller } = await import(site + '/calls.js');
const call = caller(z);
const report = (entry) => call('report', { entry, form: 'cardinal-masculine', writing: 'unicode', language: 'en' });
const count = 200000;
let bytes = 0;
const start = performance.now();
for (let i = 0; i < count; ++i) bytes += report(String(Number(BigInt(i) * 7919n * 7919n % 999999999n) + 1)).html.length;
console.log(`WebAssembly: ${(count / ((performance.now() - start) / 1000)).toFixed(0)} reports a second`);
