// How the page calls the engine: a request is one JSON object, {call, …its
// members} (export/page_calls.h names them), and each answer comes back as the
// length of its JSON in four bytes (little-endian), then the JSON; here it comes
// back parsed. Apart from engine.js so that node's tests and benchmarks call the
// engine exactly as the page does.
const utf8 = new TextDecoder();
const bytesOf = new TextEncoder();

// A text's UTF-8 in memory of its own, however long it is, for `use(at, length)`.
function withBytes(engine, text, use) {
  const bytes = bytesOf.encode(text);
  const at = engine._malloc(Math.max(1, bytes.length));
  engine.HEAPU8.set(bytes, at);
  try {
    return use(at, bytes.length);
  } finally {
    engine._free(at);
  }
}

function answerAt(engine, at) {
  const bytes = engine.HEAPU8; // after the call: the memory may have grown
  const length = bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (bytes[at + 3] << 24);
  return JSON.parse(utf8.decode(bytes.subarray(at + 4, at + 4 + length)));
}

// caller(engine)('report', { entry: '2005', form: 'ordinal-masculine', writing: 'unicode',
// language: 'en' }): the engine's answer as an object.
export function caller(engine) {
  return (name, members = {}) => withBytes(engine, JSON.stringify({ call: name, ...members }), (at, length) =>
    answerAt(engine, engine._zefnaro_call(at, length)));
}

// The same requests to the small engine the page loads first (first_bindings.cpp),
// which takes their few members as they are instead of parsing JSON. A call's
// name, form, writing and language come from short lists: each is written into
// the engine's memory once and kept there.
export function firstCaller(engine) {
  const kept = new Map();
  const named = (name) => {
    let at = kept.get(name);
    if (at === undefined) {
      const bytes = bytesOf.encode(name + '\0');
      at = engine._malloc(bytes.length);
      engine.HEAPU8.set(bytes, at);
      kept.set(name, at);
    }
    return at;
  };
  return (name, m = {}) => withBytes(engine, m.entry ?? m.text ?? '', (at, length) => answerAt(engine,
    engine._zefnaro_first(named(name), named(m.form ?? ''), named(m.writing ?? ''), named(m.language ?? ''), at,
      length)));
}

// A form's name on the wire: 'cardinal-masculine' … 'ordinal-feminine'.
export const formName = (ordinal, feminine) =>
  (ordinal ? 'ordinal' : 'cardinal') + '-' + (feminine ? 'feminine' : 'masculine');

// finder(engine)(text): every numeral of a text, as zefnaro-cli --find finds them.
export function finder(engine) {
  return (text) => withBytes(engine, text, (at, length) => answerAt(engine, engine._zefnaro_find(at, length))).found;
}
