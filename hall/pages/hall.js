'use strict';
// Every court of the hall, live: the hall sends all of them when the page
// connects, then each court again when it changes, its own link to the
// broker, and the day (each court's next game, each group's standings). A
// court's clock runs on here from the moment its state was taken (`at`),
// as the board's own pages run it on from the moment a change arrived.
(() => {
  const table = JSON.parse(document.getElementById('words').textContent);
  const t = (text, ...args) =>
    args.reduce((s, arg, i) => s.replace(`%${i + 1}`, String(arg)), table[text] || text);
  const main = document.getElementById('courts');
  const status = document.getElementById('status');
  const link = document.getElementById('link');
  const day = document.getElementById('day');
  const courts = new Map();
  // The hall's clock minus this browser's: a lobby TV's clock may be off.
  let offsetMs = 0;

  function nowAtHall() {
    return Date.now() + offsetMs;
  }

  function element(tag, className, parent) {
    const e = document.createElement(tag);
    e.className = className;
    parent.appendChild(e);
    return e;
  }

  // Whether the text's own width, not rounded as scrollWidth is, fits its box.
  function fits(e) {
    const range = document.createRange();
    range.selectNodeContents(e);
    return range.getBoundingClientRect().width <= e.clientWidth &&
      e.scrollHeight <= e.clientHeight + 1;
  }

  // A line of text that shrinks to its box, down to half its size.
  function fit(e) {
    e.style.removeProperty('--fit');
    if (!e.textContent) return;
    for (let scale = 0.95; scale >= 0.5 && !fits(e); scale -= 0.05)
      e.style.setProperty('--fit', scale.toFixed(2));
  }

  function side(parent) {
    const box = element('div', 'side', parent);
    const swatch = element('span', 'swatch', box);
    const name = element('div', 'team fit', box);
    return { swatch, name };
  }

  function card(name) {
    const c = { root: document.createElement('section') };
    c.root.className = 'court';
    c.name = element('div', 'name fit', c.root);
    c.online = element('div', 'online fit', c.root);
    c.home = side(c.root);
    c.homeScore = element('div', 'score fit', c.root);
    c.guest = side(c.root);
    c.guestScore = element('div', 'score fit', c.root);
    c.sets = element('div', 'sets fit', c.root);
    c.clock = element('div', 'clock fit', c.root);
    c.phase = element('div', 'phase fit', c.root);
    c.timeouts = element('div', 'timeouts fit', c.root);
    c.name.textContent = t('Court %1', name);
    return c;
  }

  // The clock's milliseconds now: what it showed when taken, moved on by
  // the time since if it runs and its court is still heard.
  function clockMs(state, stopped) {
    const clock = state.clock;
    const since = stopped ? 0 : Math.max(nowAtHall() - (state.at || nowAtHall()), 0);
    if (clock.timeout) return Math.max(clock.timeout.ms - since, 0);
    if (!clock.running) return clock.ms;
    return clock.countDown ? Math.max(clock.ms - since, 0) : clock.ms + since;
  }

  function clockText(state, stopped) {
    const clock = state.clock;
    if (clock.phase === 'final') return '';
    if (clock.blank && !clock.timeout) return '';
    const down = clock.countDown || !!clock.timeout;
    const ms = clockMs(state, stopped);
    const tenths = down ? Math.ceil(Math.round(ms) / 100) : Math.floor(ms / 100);
    const minutes = Math.floor(tenths / 600);
    const seconds = Math.floor(tenths / 10) % 60;
    if (down && minutes === 0) return `${seconds}.${tenths % 10}`;
    return `${minutes}:${String(seconds).padStart(2, '0')}`;
  }

  function phaseText(state) {
    const clock = state.clock;
    if (clock.phase === 'final') return t('Final');
    if (state.sets) return '';
    if (clock.phase === 'break') return t('Break after period %1', clock.period);
    if (clock.periods > 0 && clock.period > clock.periods)
      return t('Overtime %1', clock.period - clock.periods);
    return clock.periods > 0 ? t('Period %1', clock.period) : '';
  }

  function score(value) {
    return value === null || value === undefined ? '' : String(value);
  }

  function teamName(board, which) {
    const team = board[`${which}Team`];
    return board[which] || (team && team.name) || '';
  }

  function showSide(s, board, which) {
    s.name.textContent = teamName(board, which);
    const team = board[`${which}Team`];
    const color = team && team.color;
    s.swatch.classList.toggle('shown', !!color);
    if (color) s.swatch.style.background = color;
  }

  // "Set 3 · Sets 2 - 1 · 25:20 24:26", or nothing for a game of periods.
  function setsLine(c, state) {
    const sets = state.sets;
    c.sets.textContent = '';
    if (!sets) return;
    const final = state.clock.phase === 'final';
    const parts = final ? [] : [t('Set %1', sets.set)];
    const won = document.createElement('span');
    won.className = 'won';
    won.textContent = t('Sets %1 - %2', sets.won[0], sets.won[1]);
    const played = sets.played.map((p) => `${p[0]}:${p[1]}`).join(' ');
    if (parts.length) c.sets.append(`${parts[0]} · `);
    c.sets.append(won);
    if (played) c.sets.append(` · ${played}`);
  }

  function timeoutsLine(c, state) {
    const board = state.board || {};
    const timeout = state.clock.timeout;
    const left = state.teams && state.teams.timeoutsLeft;
    const parts = [];
    if (timeout && state.clock.phase !== 'final')
      parts.push(t('Timeout %1', teamName(board, timeout.team) || t('Timeout')));
    if (left && state.clock.phase !== 'final')
      parts.push(t('Timeouts left: %1 - %2', left[0], left[1]));
    c.timeouts.textContent = parts.join(' · ');
    c.timeouts.classList.toggle('on', !!timeout);
  }

  function render(c, court) {
    const silent = court.online && court.silent;
    c.root.classList.toggle('offline', !court.online);
    c.root.classList.toggle('silent', !!silent);
    c.online.textContent = !court.online ? t('Offline') : silent ? t('No signal') : t('Online');
    const state = court.state;
    if (!state) {
      for (const s of [c.home, c.guest]) {
        s.name.textContent = '';
        s.swatch.classList.remove('shown');
      }
      c.clock.textContent = c.homeScore.textContent = c.guestScore.textContent = '';
      c.sets.textContent = c.phase.textContent = c.timeouts.textContent = '';
    } else {
      const board = state.board || {};
      showSide(c.home, board, 'home');
      showSide(c.guest, board, 'guest');
      // A match in sets over is told by its sets; the last set's points are
      // among the played ones.
      const scores =
        state.sets && state.clock.phase === 'final' ? state.sets.won : state.scores;
      c.homeScore.textContent = score(scores[0]);
      c.guestScore.textContent = score(scores[1]);
      c.root.classList.toggle('final', state.clock.phase === 'final');
      c.clock.classList.toggle('timeout', !!state.clock.timeout);
      c.clock.textContent = clockText(state, silent);
      c.phase.textContent = phaseText(state);
      setsLine(c, state);
      timeoutsLine(c, state);
    }
    fitCard(c);
  }

  function fitCard(c) {
    for (const e of c.root.querySelectorAll('.fit')) fit(e);
  }

  // As many columns as keep the courts about as wide as the screen allows.
  function layOut() {
    const n = Math.max(courts.size, 1);
    const aspect = main.clientWidth / Math.max(main.clientHeight, 1);
    const columns = Math.max(1, Math.min(n, Math.round(Math.sqrt(n * aspect))));
    const rows = Math.ceil(n / columns);
    main.style.setProperty('--columns', columns);
    main.style.setProperty('--rows', rows);
    const height = main.clientHeight / rows;
    const width = main.clientWidth / columns;
    // A card holds about nine lines of its type and fourteen wide.
    main.style.setProperty('--size', `${Math.max(Math.min(height / 9, width / 14), 8)}px`);
    for (const entry of courts.values()) fitCard(entry.card);
    fitDay();
  }

  function update(court) {
    let entry = courts.get(court.court);
    if (!entry) {
      entry = { card: card(court.court) };
      courts.set(court.court, entry);
      const names = [...courts.keys()].sort((a, b) =>
        a.localeCompare(b, undefined, { numeric: true }));
      const next = courts.get(names[names.indexOf(court.court) + 1]);
      main.insertBefore(entry.card.root, next ? next.card.root : null);
      const empty = main.querySelector('.empty');
      if (empty) empty.remove();
      layOut();
    }
    entry.court = court;
    render(entry.card, court);
  }

  function showEmpty() {
    if (courts.size === 0 && !main.querySelector('.empty'))
      element('div', 'empty', main).textContent = t('No court has reported yet.');
  }

  function showLink(state) {
    link.hidden = !state || state.up;
    link.textContent = link.hidden ? '' : t('Hall link down since %1', state.since);
  }

  function cellRow(parent, tag, texts) {
    const row = element('tr', '', parent);
    for (const text of texts) element(tag, '', row).textContent = String(text);
  }

  // The panel's type shrinks until it all shows.
  function fitDay() {
    day.style.removeProperty('--fit');
    if (day.hidden) return;
    for (let scale = 0.95; scale >= 0.4 && day.scrollHeight > day.clientHeight + 1; scale -= 0.05)
      day.style.setProperty('--fit', scale.toFixed(2));
  }

  function showDay(state) {
    const next = document.getElementById('next');
    const standings = document.getElementById('standings');
    next.textContent = standings.textContent = '';
    const games = (state && state.next) || [];
    const groups = (state && state.standings) || [];
    day.hidden = games.length === 0 && groups.length === 0;
    document.getElementById('next-title').hidden = games.length === 0;
    document.getElementById('standings-title').hidden = groups.length === 0;
    for (const game of games) {
      const item = element('li', '', next);
      element('span', 'when', item).textContent =
        `${t('Court %1', game.court)} · ${game.time} `;
      item.append(`${game.home} – ${game.guest}`);
    }
    for (const group of groups) {
      const grid = element('table', '', standings);
      cellRow(grid, 'th', [t('Group %1', group.group), '', '']);
      for (const team of group.teams) cellRow(grid, 'td', [team.team, team.score, team.points]);
    }
    layOut();
  }

  function receive(text) {
    let message;
    try {
      message = JSON.parse(text);
    } catch (e) {
      return;
    }
    if (typeof message.now === 'number') offsetMs = message.now - Date.now();
    if (message.type === 'hall') {
      showLink(message.link);
      showDay(message.day);
      for (const court of message.courts) update(court);
      showEmpty();
    } else if (message.type === 'court') {
      update(message.court);
    } else if (message.type === 'link') {
      showLink(message.link);
    } else if (message.type === 'day') {
      showDay(message.day);
    }
  }

  let pause = 250;
  function open() {
    const socket = new WebSocket(`ws://${location.host}/live`);
    socket.onopen = () => {
      pause = 250;
      status.classList.add('connected');
    };
    socket.onmessage = (event) => receive(event.data);
    socket.onclose = () => {
      status.classList.remove('connected');
      setTimeout(open, pause);
      pause = Math.min(pause * 2, 5000);
    };
  }

  // The running clocks move on between messages; a silent court's stays.
  setInterval(() => {
    for (const entry of courts.values()) {
      const court = entry.court;
      const state = court.state;
      if (state && !court.silent && (state.clock.running || state.clock.timeout))
        entry.card.clock.textContent = clockText(state, false);
    }
  }, 100);
  window.addEventListener('resize', layOut);
  showEmpty();
  open();
})();
