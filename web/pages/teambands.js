'use strict';
// A library team's name on the pages: in its text colour on a band of its
// colour, outlined where the two read poorly together, its logo beside it,
// as the desktop board draws it. A plain caption has no band.
const TeamBands = (() => {
  const svgNs = 'http://www.w3.org/2000/svg';
  // Below this a name on its band gets an outline, as on the desktop.
  const minReadableContrast = 4.5;

  function luminance(hex) {
    const value = parseInt(hex.slice(1), 16);
    const channel = (c) => {
      const v = c / 255;
      return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
    };
    return 0.2126 * channel((value >> 16) & 255) + 0.7152 * channel((value >> 8) & 255) +
      0.0722 * channel(value & 255);
  }

  function contrast(a, b) {
    const [la, lb] = [luminance(a), luminance(b)];
    return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05);
  }

  // Black or white, whichever stands out more from `color`.
  function outlineFor(color) {
    return contrast(color, '#000000') >= contrast(color, '#ffffff') ? '#000000' : '#ffffff';
  }

  // The name's colour and its outline (null for none); `caption` is the
  // colour a plain caption of that side has.
  function colors(team, caption) {
    const text = team.textColor || (team.color ? outlineFor(team.color) : caption);
    const outline = team.color && contrast(text, team.color) < minReadableContrast
      ? outlineFor(text) : null;
    return { text, outline };
  }

  // The logo's address for this team: the board serves each side's logo at
  // one address, so the team's name tells the browser when it is another.
  function logoUrl(team) {
    return team.logo ? `${team.logo}?team=${encodeURIComponent(team.name)}` : '';
  }

  // Hidden with the attribute the style sheet hides, never an inline style
  // (which the pages' policy drops).
  function show(e, on) {
    e.toggleAttribute('hidden', !on);
  }

  function element(name, attributes, parent) {
    const e = document.createElementNS(svgNs, name);
    for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, value);
    parent.appendChild(e);
    return e;
  }

  // A band over a caption's box (in the drawing's units), with the caption's
  // font size in points.
  function create(parent, name, x, y, w, h, points) {
    const group = element('g', { 'data-name': `${name}Band`, class: 'teamBand', hidden: '' }, parent);
    const rect = element('rect', { x, y, width: w, height: h }, group);
    const logo = element('image', { 'data-name': `${name}Logo`, preserveAspectRatio: 'xMaxYMid meet' },
      group);
    const text = element('text', {
      class: 'caption', 'data-name': `${name}Name`, y: y + h / 2, 'dominant-baseline': 'central',
      'paint-order': 'stroke', 'stroke-linejoin': 'round',
    }, group);
    return { group, rect, logo, text, box: { x, y, w, h }, size: points * 20, shown: '' };
  }

  // Lays the logo (a square as tall as the name's line) and the name out
  // side by side in the middle of the box, both smaller where they do not fit.
  function arrange(band, hasLogo) {
    const { x, y, w, h } = band.box;
    let size = Math.min(band.size, h * 0.8);
    band.text.setAttribute('font-size', size);
    let logo = hasLogo ? size * 1.15 : 0;
    const gap = logo * 0.2;
    const needed = logo + gap + (band.text.textContent ? band.text.getComputedTextLength() : 0);
    const room = w * 0.94;
    const shrink = needed > room ? room / needed : 1;
    size *= shrink;
    logo *= shrink;
    band.text.setAttribute('font-size', size);
    const left = x + (w - needed * shrink) / 2;
    band.logo.setAttribute('x', left);
    band.logo.setAttribute('y', y + (h - logo) / 2);
    band.logo.setAttribute('width', logo);
    band.logo.setAttribute('height', logo);
    band.text.setAttribute('x', left + (logo + gap * shrink));
    band.text.setAttribute('stroke-width', size / 10);
  }

  // Shows `team` on the band, or hides the band for a plain caption (null).
  // `label` is the name to show (the short one in narrow places). Returns
  // whether the band shows.
  function render(band, team, label, caption) {
    show(band.group, !!team);
    if (!team) return false;
    const { text, outline } = colors(team, caption);
    band.rect.setAttribute('fill', team.color || 'none');
    band.text.setAttribute('fill', text);
    band.text.setAttribute('stroke', outline || 'none');
    const url = logoUrl(team);
    const shown = `${label}\n${url}\n${band.group.ownerSVGElement.clientWidth}`;
    if (band.shown === shown) return true;
    band.shown = shown;
    band.text.textContent = label;
    if (url) band.logo.setAttribute('href', url);
    else band.logo.removeAttribute('href');
    show(band.logo, !!url);
    arrange(band, !!url);
    return true;
  }

  // A team's name in an HTML box (the remote's): the team's colours on the
  // box and its logo in `logo`, an <img> beside the name; a plain caption
  // (null) leaves the box as the page styles it.
  function styleBox(box, logo, team) {
    const c = team ? colors(team, '') : { text: '', outline: null };
    box.classList.toggle('teamBox', !!team);
    box.style.background = team && team.color ? team.color : '';
    box.style.color = c.text;
    const o = c.outline;
    box.style.textShadow = o ? `-1px -1px 0 ${o}, 1px -1px 0 ${o}, -1px 1px 0 ${o}, 1px 1px 0 ${o}`
      : '';
    const url = team ? logoUrl(team) : '';
    logo.hidden = !url;
    if (url && logo.getAttribute('src') !== url) logo.src = url;
  }

  return { create, render, styleBox, colors, logoUrl };
})();
