'use strict';
// The pages' few words in the browser's language, or the one ?lang= names:
// the board answers with their translations. Until they arrive, and in
// English, the pages keep the words they are written with.
const Texts = (() => {
  let table = {};
  const t = (text, ...args) =>
    args.reduce((s, arg, i) => s.replace(`%${i + 1}`, String(arg)), table[text] || text);
  const translatePage = () => {
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const text = node.nodeValue.trim();
      if (table[text]) node.nodeValue = node.nodeValue.replace(text, table[text]);
    }
  };
  const lang = new URLSearchParams(location.search).get('lang');
  fetch(`/texts.json${lang ? `?lang=${encodeURIComponent(lang)}` : ''}`)
    .then((answer) => {
      document.documentElement.lang = answer.headers.get('Content-Language') || 'en';
      return answer.json();
    })
    .then((texts) => {
      table = texts;
      translatePage();
    })
    .catch(() => {});
  return { t };
})();
