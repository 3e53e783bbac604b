// How the page calls the engine: each C function answers with the length of its
// JSON answer in four bytes (little-endian), then the answer; here it comes back
// parsed. Apart from engine.js so that node's tests and benchmarks call the engine
// exactly as the page does.
const utf8 = new TextDecoder();

// caller(engine)('report', '2005', 'ordinal', 'masculine', 'unicode', 'en'): the engine's
// zefnaro_report with those arguments, its answer as an object.
export function caller(engine) {
  return (name, ...args) => {
    const types = args.map((a) => (typeof a === 'number' ? 'number' : 'string'));
    const at = engine.ccall('zefnaro_' + name, 'number', types, args);
    const bytes = engine.HEAPU8; // after the call: the memory may have grown
    const length = bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (bytes[at + 3] << 24);
    return JSON.parse(utf8.decode(bytes.subarray(at + 4, at + 4 + length)));
  };
}
