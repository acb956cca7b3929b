'use strict';
// The overlay's size and corner come from its address, for example
// /overlay?size=small&corner=top-left. Sizes are a share of the page's width;
// "full" (the default) runs along the whole top or bottom edge. Anything
// unknown is the default: full width, top left.
const Overlay = (() => {
  const sizes = ['full', 'large', 'medium', 'small'];
  const corners = ['top-left', 'top-right', 'bottom-left', 'bottom-right'];
  function placement(search) {
    const query = new URLSearchParams(search);
    const size = query.get('size');
    const corner = query.get('corner');
    return { size: sizes.includes(size) ? size : sizes[0],
      corner: corners.includes(corner) ? corner : corners[0] };
  }
  return { placement };
})();
if (document.body.dataset.kind === 'strip') {
  const { size, corner } = Overlay.placement(location.search);
  document.body.classList.add(`size-${size}`, `corner-${corner}`);
}
// A tap puts the shot clock's page on the whole screen: a tablet above a
// basket shows nothing else.
if (document.body.dataset.kind === 'shot') {
  document.body.addEventListener('click', () => {
    if (!document.fullscreenElement && document.documentElement.requestFullscreen) {
      document.documentElement.requestFullscreen().catch(() => {});
    }
  });
}
// Sponsors, while the board shows them on the audience display: each slide
// full screen in turn, timed by the board's own phase time, above a strip
// with the score and the running clock.
const Sponsors = (() => {
  let count = 0;
  let current = null;
  let shownSlide = -1;
  let wasShowing = false;
  const slides = document.getElementById('sponsors');
  const image = document.getElementById('sponsorSlide');
  const strip = document.getElementById('sponsorStrip');

  function slideAt(sponsors) {
    if (!count || !sponsors.slideMs) return -1;
    const moved = sponsors.running ? performance.now() - sponsors.receivedAt : 0;
    return Math.floor((sponsors.phaseMs + moved) / sponsors.slideMs) % count;
  }

  function stripText(state) {
    const face = Live.clockDigits(state.clock).map((d) => (d < 0 ? '' : String(d)));
    const score = (i) => (state.scores[i] === null ? '-' : String(state.scores[i]));
    return `${state.board.home}  ${score(0)} : ${score(1)}  ${state.board.guest}     ` +
      `${face[0]}${face[1]}:${face[2]}${face[3]}.${face[4]}`;
  }

  function render() {
    const sponsors = current && current.sponsors;
    const showing = !!sponsors && sponsors.showing && count > 0;
    slides.hidden = !showing;
    if (showing) {
      const slide = slideAt(sponsors);
      if (slide !== shownSlide) {
        shownSlide = slide;
        image.src = `/sponsors/${slide}`;
      }
      strip.textContent = stripText(current);
    }
    requestAnimationFrame(render);
  }

  function watch(state) {
    if (!slides) return;
    // The live channel changes one state object in place: what it showed
    // before is remembered here.
    const showing = !!(state.sponsors && state.sponsors.showing);
    current = state;
    // The folder is counted again at each phase that shows slides.
    if (showing && !wasShowing) {
      fetch('/sponsors.json', { cache: 'no-store' })
        .then((answer) => answer.json())
        .then((list) => { count = list.count; shownSlide = -1; })
        .catch(() => { count = 0; });
    }
    wasShowing = showing;
  }

  if (slides) requestAnimationFrame(render);
  return { watch };
})();
Board.run(document.getElementById('board'), document.body.dataset.kind || 'full',
  Sponsors.watch);
