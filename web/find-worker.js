// Finds the numerals of a text away from the page, so that a long text never holds
// the page up: the engine's own finder, as zefnaro-cli --find runs it.
import { load } from './index.js';

const zefnaro = await load();
onmessage = (e) => postMessage({ id: e.data.id, found: zefnaro.find(e.data.text) });
