'use strict';
// The pages' few words in the browser's language, or the one ?lang= names.
// The board writes their translations into this script as it serves it, and
// has already put them into the page: nothing shows in English first.
const Texts = (() => {
  const table = /* words */ {};
  const t = (text, ...args) =>
    args.reduce((s, arg, i) => s.replace(`%${i + 1}`, String(arg)), table[text] || text);
  return { t };
})();
