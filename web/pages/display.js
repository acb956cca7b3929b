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
Board.run(document.getElementById('board'), document.body.dataset.kind || 'full');
