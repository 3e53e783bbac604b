// Finds the numerals of a text away from the page, so that a long text never holds
// the page up: the engine's own finder, as zefnaro-cli --find runs it.
import { caller } from './calls.js';
import createZefnaro from './zefnaro.mjs';

const engine = await createZefnaro();
const call = caller(engine);
const utf8 = new TextEncoder();
// The text's bytes in memory of their own, however long it is.
onmessage = (e) => {
  const bytes = utf8.encode(e.data.text);
  const at = engine._malloc(Math.max(1, bytes.length));
  engine.HEAPU8.set(bytes, at);
  const found = call('find', at, bytes.length).found;
  engine._free(at);
  postMessage({ id: e.data.id, found });
};
