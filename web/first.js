// The small engine the page loads first: the number's report, readings, the
// language's texts and the facts (first_bindings.cpp). The whole engine loads
// through index.js, as other programs load it, when another view opens.
import createFirst from './first.mjs';
import { firstCaller } from './calls.js';

export async function loadFirst() {
  const engine = await createFirst();
  return { engine, call: firstCaller(engine) };
}
