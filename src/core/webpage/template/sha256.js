'use strict';
// Answers are compared as SHA-256 of the puzzle's salt and the answer key. Web Crypto does it
// where the page may use it (pages from files and https); elsewhere (a page served over plain
// http, an old browser) the same digest is computed here.
const Sha256 = (() => {
  const K = [];
  const H0 = [];
  for (let n = 2, found = 0; found < 64; n++) {
    let prime = true;
    for (let d = 2; d * d <= n; d++) if (n % d === 0) prime = false;
    if (!prime) continue;
    const frac = (x) => ((x - Math.floor(x)) * 0x100000000) >>> 0;
    if (found < 8) H0.push(frac(Math.sqrt(n)));
    K.push(frac(Math.cbrt(n)));
    found++;
  }

  function digest(bytes) {
    const bitLength = bytes.length * 8;
    const padded = new Uint8Array(((bytes.length + 9 + 63) >> 6) << 6);
    padded.set(bytes);
    padded[bytes.length] = 0x80;
    const view = new DataView(padded.buffer);
    view.setUint32(padded.length - 8, Math.floor(bitLength / 0x100000000));
    view.setUint32(padded.length - 4, bitLength >>> 0);
    const h = H0.slice();
    const w = new Uint32Array(64);
    const rotr = (x, r) => (x >>> r) | (x << (32 - r));
    for (let at = 0; at < padded.length; at += 64) {
      for (let i = 0; i < 16; i++) w[i] = view.getUint32(at + 4 * i);
      for (let i = 16; i < 64; i++) {
        const s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >>> 3);
        const s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >>> 10);
        w[i] = (w[i - 16] + s0 + w[i - 7] + s1) >>> 0;
      }
      let [a, b, c, d, e, f, g, k] = h;
      for (let i = 0; i < 64; i++) {
        const t1 = (k + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + K[i] + w[i]) >>> 0;
        const t2 = ((rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c))) >>> 0;
        [k, g, f, e, d, c, b, a] = [g, f, e, (d + t1) >>> 0, c, b, a, (t1 + t2) >>> 0];
      }
      [a, b, c, d, e, f, g, k].forEach((v, i) => { h[i] = (h[i] + v) >>> 0; });
    }
    return h.map((v) => v.toString(16).padStart(8, '0')).join('');
  }

  const hex = (buffer) => Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');

  // The hexadecimal digest of the UTF-8 text; never fails.
  async function hash(text) {
    const bytes = new TextEncoder().encode(text);
    const subtle = globalThis.crypto && globalThis.crypto.subtle;
    if (subtle) {
      try {
        return hex(await subtle.digest('SHA-256', bytes));
      } catch (e) {
        // fall through to the script's own digest
      }
    }
    return digest(bytes);
  }

  return { hash, digest };
})();
