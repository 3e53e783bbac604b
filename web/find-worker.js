// Finds the numerals of a text away from the page, so that a long text never holds
// the page up: the engine's own finder, as zefnaro-cli --find runs it.
import { finder } from './calls.js';
import createZefnaro from './zefnaro.mjs';

const find = finder(await createZefnaro());
onmessage = (e) => postMessage({ id: e.data.id, found: find(e.data.text) });
