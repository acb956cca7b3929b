'use strict';
// Draws the board as SVG in the desktop board's own coordinates (twips), so
// it has the same layout and stays sharp at any size.
const Board = (() => {
  const svgNs = 'http://www.w3.org/2000/svg';
  // Segments a to g lit for each digit.
  const litSegments = [
    [1, 1, 1, 1, 1, 1, 0], [0, 1, 1, 0, 0, 0, 0], [1, 1, 0, 1, 1, 0, 1], [1, 1, 1, 1, 0, 0, 1],
    [0, 1, 1, 0, 0, 1, 1], [1, 0, 1, 1, 0, 1, 1], [1, 0, 1, 1, 1, 1, 1], [1, 1, 1, 0, 0, 0, 0],
    [1, 1, 1, 1, 1, 1, 1], [1, 1, 1, 1, 0, 1, 1],
  ];

  function element(name, attributes, parent) {
    const e = document.createElementNS(svgNs, name);
    for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, value);
    if (parent) parent.appendChild(e);
    return e;
  }

  // Shows or hides a part with the `hidden` attribute, which the style sheet
  // turns into display: none. The pages' policy drops inline style
  // attributes, so nothing is ever hidden with one.
  function show(e, on) {
    e.toggleAttribute('hidden', !on);
  }

  // Seven slanted-end segments in a w x h box.
  function segmentPoints(w, h) {
    const t = w * 0.16;
    const g = t * 0.12;
    const m = h / 2;
    const horizontal = (y) => [[g + t / 2, y], [t + g, y - t / 2], [w - t - g, y - t / 2],
      [w - g - t / 2, y], [w - t - g, y + t / 2], [t + g, y + t / 2]];
    const vertical = (x, y0, y1) => [[x, y0 + g], [x + t / 2, y0 + t / 2 + g],
      [x + t / 2, y1 - t / 2 - g], [x, y1 - g], [x - t / 2, y1 - t / 2 - g],
      [x - t / 2, y0 + t / 2 + g]];
    const top = t / 2;
    const bottom = h - t / 2;
    const left = t / 2;
    const right = w - t / 2;
    return [horizontal(top), vertical(right, top, m), vertical(right, m, bottom),
      horizontal(bottom), vertical(left, m, bottom), vertical(left, top, m), horizontal(m)]
      .map((points) => points.map((p) => p.join(',')).join(' '));
  }

  // A digit of the desktop board: its box (twips), a margin, and segments.
  function digit(parent, name, x, y, w, h, margin) {
    const group = element('g', { class: 'digit', 'data-name': name, 'data-value': '' }, parent);
    const inner = element('g', { transform: `translate(${x + margin},${y + margin})` }, group);
    const segments = segmentPoints(w - 2 * margin, h - 2 * margin)
      .map((points) => element('polygon', { points }, inner));
    return { group, segments, value: null, lit: null };
  }

  function setDigit(d, value, lit, unlit) {
    if (d.value === value && d.lit === lit && d.unlit === unlit) return;
    d.value = value;
    d.lit = lit;
    d.unlit = unlit;
    d.group.setAttribute('data-value', value < 0 ? '' : String(value));
    d.segments.forEach((s, i) => s.setAttribute('fill',
      value >= 0 && litSegments[value][i] ? lit : unlit));
  }

  function text(parent, name, x, y, w, h, points) {
    return element('text', {
      class: 'caption', 'data-name': name, x: x + w / 2, y: y + h / 2,
      'font-size': points * 20, 'text-anchor': 'middle', 'dominant-baseline': 'central',
      'data-width': w, 'data-size': points * 20,
    }, parent);
  }

  // A caption shows its whole text inside its box: one too long for it gets
  // a smaller font, as on the desktop board, and never reaches a score.
  function setText(t, value) {
    if (t.textContent === value) return;
    t.textContent = value;
    fitText(t);
  }

  function fitText(t) {
    const size = Number(t.dataset.size);
    t.setAttribute('font-size', size);
    const room = Number(t.dataset.width) * 0.96;
    const needed = t.textContent ? t.getComputedTextLength() : 0;
    if (needed > room) t.setAttribute('font-size', size * room / needed);
  }

  // The whole board, as laid out on the desktop (9480 x 6795 twips).
  function createFull(svg) {
    svg.setAttribute('viewBox', '0 0 9480 6795');
    const b = { digits: {}, texts: {}, backs: [], outlines: [], dots: [] };
    b.form = element('rect', { x: -100000, y: -100000, width: 200000, height: 200000 }, svg);
    b.outlines.push(element('rect', {
      x: 120, y: 120, width: 9255, height: 6495, 'data-name': 'frame',
    }, svg));
    b.outlines.push(element('rect', { x: 1800, y: 120, width: 5895, height: 1815 }, svg));
    b.texts.home = text(svg, 'home', 600, 1980, 2295, 615, 24);
    b.texts.guest = text(svg, 'guest', 6600, 1980, 2295, 615, 24);
    b.bands = { home: TeamBands.create(svg, 'home', 600, 1980, 2295, 615, 24),
      guest: TeamBands.create(svg, 'guest', 6600, 1980, 2295, 615, 24) };
    b.backs.push(element('rect', { x: 1980, y: 240, width: 5595, height: 1575 }, svg));
    b.clock = [0, 960, 2280, 3240, 4560].map((left, i) =>
      digit(svg, `clock${i + 1}`, 1980 + left, 240, 1035, 1575, 120));
    for (const [x, y] of [[2040, 360], [2040, 1080], [4320, 1200]]) {
      b.dots.push(element('circle', { cx: 1980 + x + 97.5, cy: 240 + y + 97.5, r: 97.5 }, svg));
    }
    const scorePanels = [[600, 2640], [6600, 2640], [600, 4560], [6600, 4560]];
    // Section 2 as one part: a sport with one score hides it.
    b.section2 = element('g', { 'data-name': 'section2' }, svg);
    b.scores = scorePanels.map(([x, y], i) => {
      const parent = i < 2 ? svg : b.section2;
      b.backs.push(element('rect', { x, y, width: 2280, height: 1785 }, parent));
      return [digit(parent, `score${i}tens`, x + 120, y + 60, 1065, 1605, 120),
        digit(parent, `score${i}units`, x + 1080, y + 60, 1065, 1605, 120)];
    });
    // Section 1 on three smaller digits, for scores past 99.
    b.wide = element('g', { 'data-name': 'threeDigits' }, svg);
    b.wideScores = scorePanels.slice(0, 2).map(([x, y], i) => [0, 1, 2].map((k) =>
      digit(b.wide, `score${i}wide${k}`, x + 95 + 672 * k, y + 330, 746, 1124, 84)));
    b.narrow = b.scores.slice(0, 2).map((pair) => pair.map((d) => d.group));
    // With three digits above them, section 2's two take their size, centred
    // between where the three stand: the fouls never outsize the score.
    const scale = 84 / 120;
    b.section2Small = scorePanels.slice(2).map(([x, y]) => [[120, 431], [1080, 1103]].map(
      ([from, to]) => `translate(${x + to - scale * (x + from)},${y + 330 - scale * (y + 60)}) ` +
        `scale(${scale})`));
    createTimeoutParts(b, svg);
    createShotClockParts(b, svg);
    createPlayerParts(b, svg);
    b.texts.section1 = text(svg, 'section1', 3120, 3120, 3315, 615, 24);
    b.texts.section2 = text(b.section2, 'section2', 3120, 5040, 3315, 615, 24);
    b.texts.createdBy = text(svg, 'createdBy', 4200, 4200, 1215, 615, 9.75);
    // A match in sets: the serve mark beside each team's name, the sets
    // played in small type below section 2.
    b.serve = [text(svg, 'homeServe', 180, 1980, 420, 615, 18),
      text(svg, 'guestServe', 8895, 1980, 420, 615, 18)];
    b.texts.setScores = text(svg, 'setScores', 2895, 5700, 3705, 375, 12);
    // A game with periods: what is played and the period's number, in the
    // corner above the home team.
    b.period = element('g', { 'data-name': 'period' }, svg);
    b.texts.phase = text(b.period, 'phase', 240, 240, 1440, 375, 12);
    b.backs.push(element('rect', { x: 360, y: 660, width: 1320, height: 1155 }, b.period));
    b.periodDigits = [digit(b.period, 'period1', 400, 700, 690, 1050, 40),
      digit(b.period, 'period0', 1020, 700, 690, 1050, 40)];
    createLastFoul(b, svg);
    return b;
  }

  // Whose timeout runs (top right), the dots of the timeouts left beside
  // each team's first score, and the bonus of team fouls below section 2.
  function createTimeoutParts(b, svg) {
    b.timeout = element('g', { 'data-name': 'timeout' }, svg);
    b.texts.timeout = text(b.timeout, 'timeout', 7695, 240, 1440, 375, 12);
    b.texts.timeoutTeam = text(b.timeout, 'timeoutTeam', 7695, 660, 1440, 555, 14);
    b.timeoutDots = [285, 9030].map((x) => [0, 1, 2, 3, 4].map((i) =>
      element('circle', { cx: x + 97.5, cy: 2760 + 345 * i + 97.5, r: 97.5 }, svg)));
    b.bonus = [text(svg, 'homeBonus', 3120, 5700, 1560, 375, 12),
      text(svg, 'guestBonus', 4875, 5700, 1560, 375, 12)];
  }

  // With the shot clock on: its two digits in the top right corner, where a
  // timeout's caption takes over while it runs, and the possession arrow
  // between the names, as on the desktop board.
  function createShotClockParts(b, svg) {
    b.shot = element('g', { 'data-name': 'shotClock' }, svg);
    b.backs.push(element('rect', { x: 7770, y: 300, width: 1560, height: 1440 }, b.shot));
    b.shotDigits = [20, 820].map((left, i) =>
      digit(b.shot, `shot${i + 1}`, 7770 + left, 430, 754, 1137, 85));
    b.shotDot = element('circle', { 'data-name': 'shotDot', cx: 7770 + 775, cy: 300 + 1200, r: 60 }, b.shot);
    b.texts.possession = text(svg, 'possession', 4140, 1980, 1200, 615, 24);
  }

  // With the players on: the penalties beside each team between the
  // sections' captions, as on the desktop board, and over section 1's middle
  // a player's foul that reached the limit, for a few seconds.
  function createPlayerParts(b, svg) {
    b.penaltyTexts = [[3120, 'start'], [5430, 'end']].map(([x, anchor], team) =>
      [0, 1, 2].map((i) => {
        const t = text(svg, `penalty${team}_${i}`, x, 3780 + 360 * i, 1005, 360, 12);
        t.setAttribute('text-anchor', anchor);
        t.setAttribute('x', anchor === 'start' ? x : x + 1005);
        return t;
      }));
  }

  // Over everything else, drawn last.
  function createLastFoul(b, svg) {
    b.fouledOut = element('g', { 'data-name': 'fouledOut', hidden: '' }, svg);
    b.fouledOutBack = element('rect', { x: 2940, y: 2700, width: 3600, height: 1020 }, b.fouledOut);
    b.texts.fouledOut = text(b.fouledOut, 'fouledOutText', 2940, 2700, 3600, 1020, 30);
  }

  // How long a player's last foul stays on the board.
  const FouledOutMs = 5000;

  // Players newly out since the last state: {team, number, fouls}.
  function newlyOut(b, state) {
    const out = [];
    const seen = new Set();
    for (const team of ['home', 'guest']) {
      for (const p of (state.players && state.players[team]) || []) {
        if (!p.out) continue;
        const key = `${team}#${p.number}`;
        seen.add(key);
        if (b.outSeen && !b.outSeen.has(key)) out.push({ team, number: p.number, fouls: p.fouls });
      }
    }
    b.outSeen = seen;
    return out;
  }

  // Redrawn every frame while the clock runs, like the clock.
  function renderPenalties(b, state) {
    const c = state.board.colors;
    b.penaltyTexts.forEach((lines, team) => {
      const shown = Live.penaltyLines(state, team ? 'guest' : 'home');
      if (b.penaltyBacks) {
        show(b.penaltyBacks[team], shown.length);
        b.penaltyBacks[team].setAttribute('fill', c.form);
      }
      lines.forEach((t, i) => {
        setText(t, lines.length === 1 ? shown.join('  ') : shown[i] || '');
        t.setAttribute('fill', c.text);
      });
    });
  }

  function renderPlayers(b, state) {
    const c = state.board.colors;
    if (b.penaltyTexts) renderPenalties(b, state);
    const out = newlyOut(b, state);
    if (!b.fouledOut || !out.length) return;
    const last = out[out.length - 1];
    setText(b.texts.fouledOut, `#${last.number}  ${Texts.t('%1 FOULS', last.fouls)}`);
    b.texts.fouledOut.setAttribute('fill', c[last.team]);
    b.fouledOutBack.setAttribute('fill', c.back);
    show(b.fouledOut, true);
    clearTimeout(b.fouledOutTimer);
    b.fouledOutTimer = setTimeout(() => show(b.fouledOut, false), FouledOutMs);
  }

  // What a game with periods is at: "PERIOD", "BREAK", "OVERTIME" or "FINAL",
  // and the number shown beside it. A match over has no set to number.
  function phaseOf(clock, sets) {
    if (sets) {
      return clock.phase === 'final' ? [Texts.t('FINAL'), null] : [Texts.t('SET'), clock.period];
    }
    const overtime = clock.period > clock.periods;
    const number = overtime ? clock.period - clock.periods : clock.period;
    const names = { break: Texts.t('BREAK'), final: Texts.t('FINAL') };
    return [names[clock.phase] || Texts.t(overtime ? 'OVERTIME' : 'PERIOD'), number];
  }

  // The strip for streaming: team names, the two main scores, the clock.
  function createStrip(svg) {
    svg.setAttribute('viewBox', '0 0 9600 900');
    const b = { digits: {}, texts: {}, backs: [], outlines: [], dots: [] };
    b.form = element('rect', { x: 0, y: 0, width: 9600, height: 900, rx: 120 }, svg);
    // Mirrored about the middle: each name has the same room beside its score.
    b.texts.home = text(svg, 'home', 60, 0, 2130, 900, 20);
    b.backs.push(element('rect', { x: 2250, y: 60, width: 1080, height: 780 }, svg));
    b.backs.push(element('rect', { x: 3450, y: 60, width: 2700, height: 780 }, svg));
    b.backs.push(element('rect', { x: 6270, y: 60, width: 1080, height: 780 }, svg));
    b.scores = [[2250, 0], [6270, 1]].reduce((scores, [x, i]) => {
      scores[i] = [digit(svg, `score${i}tens`, x, 60, 540, 780, 60),
        digit(svg, `score${i}units`, x + 540, 60, 540, 780, 60)];
      return scores;
    }, []);
    b.clock = [3490, 3950, 4510, 4970, 5650].map((left, i) =>
      digit(svg, `clock${i + 1}`, left, 60, 460, 780, 50));
    for (const [x, y, r] of [[4480, 330, 45], [4480, 570, 45], [5570, 770, 45]]) {
      b.dots.push(element('circle', { cx: x, cy: y, r }, svg));
    }
    b.texts.guest = text(svg, 'guest', 7410, 0, 2130, 900, 20);
    // A team's short name fits the strip.
    b.bands = { home: TeamBands.create(svg, 'home', 60, 0, 2130, 900, 20),
      guest: TeamBands.create(svg, 'guest', 7410, 0, 2130, 900, 20), short: true };
    b.wide = element('g', { 'data-name': 'threeDigits' }, svg);
    b.wideScores = [2250, 6270].map((x, i) => [0, 1, 2].map((k) =>
      digit(b.wide, `score${i}wide${k}`, x + 360 * k, 60, 360, 780, 45)));
    b.narrow = b.scores.map((pair) => pair.map((d) => d.group));
    b.timeoutDots = [[2130, -110], [7470, 110]].map(([x, step]) => [0, 1, 2, 3, 4].map((i) =>
      element('circle', { cx: x + step * i, cy: 830, r: 40 }, svg)));
    b.bonus = [text(svg, 'homeBonus', 60, 760, 900, 140, 5),
      text(svg, 'guestBonus', 8640, 760, 900, 140, 5)];
    // With periods, a line below the strip says which one, or the break.
    b.period = element('g', { 'data-name': 'period' }, svg);
    element('rect', { x: 3450, y: 930, width: 2700, height: 330, rx: 60 }, b.period)
      .setAttribute('class', 'phaseBack');
    b.texts.phase = text(b.period, 'phase', 3450, 930, 2700, 330, 9);
    b.stripHeight = (periods) => svg.setAttribute('viewBox', `0 0 9600 ${periods ? 1260 : 900}`);
    // With the shot clock on, a box below the guest's score holds it and one
    // below the home score the possession arrow.
    b.shot = element('g', { 'data-name': 'shotClock' }, svg);
    b.backs.push(element('rect', { x: 6270, y: 930, width: 1080, height: 330, rx: 60 }, b.shot));
    b.shotDigits = [6550, 6810].map((left, i) =>
      digit(b.shot, `shot${i + 1}`, left, 930, 260, 330, 30));
    b.shotDot = element('circle', { 'data-name': 'shotDot', cx: 6810, cy: 1225, r: 18 }, b.shot);
    b.arrowBox = element('g', { 'data-name': 'possessionBox' }, svg);
    element('rect', { x: 2250, y: 930, width: 1080, height: 330, rx: 60 }, b.arrowBox)
      .setAttribute('class', 'shotBack');
    b.texts.possession = text(b.arrowBox, 'possession', 2250, 930, 1080, 330, 11);
    // With penalties, a line below each name lists them.
    b.penaltyBacks = [60, 7410].map((x) =>
      element('rect', { x, y: 930, width: 2130, height: 330, rx: 60 }, svg));
    b.penaltyTexts = [[60], [7410]].map(([x]) => [text(svg, `penalty${x}`, x, 930, 2130, 330, 9)]);
    return b;
  }

  // The shot clock alone, for a screen above a basket: two digits filling a
  // black page, and the dot for tenths.
  function createShotOnly(svg) {
    svg.setAttribute('viewBox', '0 0 1640 1300');
    const b = { shotOnly: true, texts: {} };
    b.shotDigits = [[20, 0], [840, 1]].map(([left, i]) =>
      digit(svg, `shot${i + 1}`, left, 20, 780, 1260, 40));
    b.shotDot = element('circle', { 'data-name': 'shotDot', cx: 820, cy: 1190, r: 60 }, svg);
    return b;
  }

  function render(b, state) {
    if (b.shotOnly) return;
    const c = state.board.colors;
    b.form.setAttribute('fill', c.form);
    for (const o of b.outlines) {
      o.setAttribute('fill', 'none');
      o.setAttribute('stroke', c.text);
      o.setAttribute('stroke-width', 15);
    }
    for (const back of b.backs) back.setAttribute('fill', c.back);
    for (const dot of b.dots) dot.setAttribute('fill', c.text);
    const captions = { home: [state.board.home, c.home], guest: [state.board.guest, c.guest],
      section1: [state.board.section1, c.text], section2: [state.board.section2, c.text],
      createdBy: [state.board.credit || '', c.text] };
    for (const [name, [value, color]] of Object.entries(captions)) {
      const t = b.texts[name];
      if (!t) continue;
      setText(t, value);
      t.setAttribute('fill', color);
    }
    if (b.section2) b.section2.style.display = state.board.section2Shown === false ? 'none' : '';
    const three = Live.threeDigits(state);
    show(b.wide, three);
    for (const pair of b.narrow) for (const g of pair) show(g, !three);
    if (b.section2Small) {
      b.section2Small.forEach((moves, i) => b.scores[2 + i].forEach((d, k) => {
        if (three) d.group.setAttribute('transform', moves[k]);
        else d.group.removeAttribute('transform');
      }));
    }
    b.scores.forEach((pair, i) => {
      if (!pair) return;
      const digits = three && i < 2 ? b.wideScores[i] : pair;
      Live.scoreDigits(state.scores[i], digits.length === 3)
        .forEach((v, k) => setDigit(digits[k], v, c.score, c.back));
    });
    renderBands(b, state);
    renderTeams(b, state);
    renderPeriod(b, state);
    renderPossession(b, state);
    renderPlayers(b, state);
    renderSets(b, state);
    renderClock(b, state);
  }

  function renderSets(b, state) {
    const c = state.board.colors;
    const sets = state.sets;
    if (sets && b.texts.section2) setText(b.texts.section2, Texts.t('Sets'));
    if (b.serve) {
      b.serve.forEach((mark, team) => {
        const serving = sets && state.clock.phase !== 'final' &&
          sets.serving === ['home', 'guest'][team];
        setText(mark, serving ? '\u25CF' : '');
        mark.setAttribute('fill', c.text);
      });
    }
    if (b.texts.setScores) {
      setText(b.texts.setScores, Live.setScores(state));
      b.texts.setScores.setAttribute('fill', c.text);
    }
  }

  // A library team's band over its caption; a plain caption shows as it is.
  function renderBands(b, state) {
    for (const side of ['home', 'guest']) {
      const team = state.board[`${side}Team`] || null;
      const label = team && (b.bands.short ? team.short : team.name);
      const shown = TeamBands.render(b.bands[side], team, label, state.board.colors[side]);
      show(b.texts[side], !shown);
    }
  }

  function renderPossession(b, state) {
    const arrow = Live.possessionArrow(state);
    // No arrow yet, no box: an empty one reads as a fault on the stream.
    if (b.arrowBox) show(b.arrowBox, Live.hasShotClock(state) && arrow !== '');
    setText(b.texts.possession, arrow);
    b.texts.possession.setAttribute('fill', state.board.colors.text);
    if (b.arrowBox) {
      for (const back of b.arrowBox.querySelectorAll('.shotBack')) {
        back.setAttribute('fill', state.board.colors.form);
      }
    }
  }

  // Hidden with the shot clock off; on the full board a timeout's caption
  // takes its corner.
  function renderShotClock(b, state, flashOff) {
    const c = state.board.colors;
    const shot = state.shotClock || { enabled: false };
    if (b.shot) show(b.shot, shot.enabled && !(b.timeout && state.clock.timeout));
    const [tens, units, dot] = Live.shotClockDigits(shot, flashOff);
    setDigit(b.shotDigits[0], tens, c.time, c.back);
    setDigit(b.shotDigits[1], units, c.time, c.back);
    b.shotDot.setAttribute('fill', c.time);
    show(b.shotDot, dot);
  }

  function renderTeams(b, state) {
    const c = state.board.colors;
    const teams = state.teams || {};
    b.timeoutDots.forEach((dots, team) => dots.forEach((dot, i) => {
      show(dot, teams.timeoutsLeft && i < teams.timeoutsLeft[team]);
      dot.setAttribute('fill', c.text);
    }));
    b.bonus.forEach((t, team) => {
      setText(t, teams.bonus && teams.bonus[team] ? Texts.t('BONUS') : '');
      t.setAttribute('fill', c.text);
    });
    const timeout = state.clock.timeout;
    if (!b.timeout) return;
    show(b.timeout, timeout);
    if (!timeout) return;
    setText(b.texts.timeout, Texts.t('TIMEOUT'));
    b.texts.timeout.setAttribute('fill', c.text);
    setText(b.texts.timeoutTeam, state.board[timeout.team]);
    b.texts.timeoutTeam.setAttribute('fill', c[timeout.team]);
  }

  function renderPeriod(b, state) {
    const c = state.board.colors;
    const timeout = state.clock.timeout;
    // The strip tells a timeout on the line below it.
    const on = state.clock.periods > 0 || !!state.sets || (!b.timeout && !!timeout);
    show(b.period, on);
    const penalties = state.penalties &&
      (state.penalties.home.length > 0 || state.penalties.guest.length > 0);
    if (b.stripHeight) b.stripHeight(on || Live.hasShotClock(state) || penalties);
    if (!on) return;
    const [phase, number] = phaseOf(state.clock, state.sets);
    // The strip numbers what is played; a break or the final needs no number.
    const numbered = state.clock.phase !== 'break' && state.clock.phase !== 'final';
    let label = b.periodDigits || !numbered ? phase : `${phase} ${number}`;
    // The strip has no room below section 2: the sets played follow the set.
    if (!b.periodDigits && state.sets) label = `${label}  ${Live.setScores(state)}`.trim();
    if (!b.timeout && timeout) label = `${Texts.t('TIMEOUT')} ${state.board[timeout.team]}`;
    setText(b.texts.phase, label);
    b.texts.phase.setAttribute('fill', c.text);
    for (const back of b.period.querySelectorAll('.phaseBack')) back.setAttribute('fill', c.form);
    if (b.periodDigits) {
      Live.scoreDigits(number).forEach((v, k) => setDigit(b.periodDigits[k], v, c.score, c.back));
    }
  }

  function renderClock(b, state) {
    const c = state.board.colors;
    Live.clockDigits(state.clock).forEach((v, i) => setDigit(b.clock[i], v, c.time, c.back));
  }

  // The shot clock alone is drawn when its face changes, on a timer set to
  // the moment it next does, rather than every frame: in step with the board,
  // whose clock does the same, and light on a cheap screen.
  function shotClockTicks(state, draw, flash) {
    const tick = () => {
      let wait = 100;
      const current = state();
      if (current) {
        const shot = current.shotClock || { enabled: false };
        draw(current, flash(shot));
        if (shot.enabled && shot.running) {
          const ms = Live.shotClockMs(shot);
          const step = ms > 5000 ? 1000 : 100;
          // At the change or just past it (a timer never fires early), so
          // the value read then is the new one.
          wait = Math.ceil(ms % step) || step;
        }
      }
      setTimeout(tick, wait);
    };
    tick();
  }

  // Shows the board and keeps it live; the clock is redrawn every frame from
  // the page's own clock, so tenths move as smoothly as on the desktop.
  // `watch`, when given, sees every new state after the board has drawn it.
  function run(svg, kind, watch) {
    const makers = { strip: createStrip, shot: createShotOnly };
    const b = (makers[kind] || createFull)(svg);
    const flash = Live.shotClockFlash();
    const status = document.getElementById('status');
    let current = null;
    Live.connect({
      status(connected) {
        status.hidden = connected;
        document.body.classList.toggle('offline', !connected);
      },
      state(state) {
        current = state;
        render(b, state);
        if (b.shotOnly) renderShotClock(b, state, flash(state.shotClock || { enabled: false }));
        if (watch) watch(state);
      },
    });
    if (b.shotOnly) {
      shotClockTicks(() => current, (state, flashOff) => renderShotClock(b, state, flashOff),
        flash);
      return;
    }
    const frame = () => {
      if (current) {
        renderClock(b, current);
        if (b.penaltyTexts) renderPenalties(b, current);
        renderShotClock(b, current, flash(current.shotClock || { enabled: false }));
      }
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  }

  return { run, phaseOf };
})();
