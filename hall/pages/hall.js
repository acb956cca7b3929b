'use strict';
// Every court of the hall, live: the hall sends all of them when the page
// connects, then each court again when it changes. A court's clock runs on
// here from the moment its state was taken (`at`), as the board's own pages
// run it on from the moment a change arrived.
(() => {
  const table = JSON.parse(document.getElementById('words').textContent);
  const t = (text, ...args) =>
    args.reduce((s, arg, i) => s.replace(`%${i + 1}`, String(arg)), table[text] || text);
  const main = document.getElementById('courts');
  const status = document.getElementById('status');
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

  function card(name) {
    const c = { root: document.createElement('section') };
    c.root.className = 'court';
    c.name = element('div', 'name', c.root);
    c.online = element('div', 'online', c.root);
    c.home = element('div', 'team', c.root);
    c.homeScore = element('div', 'score', c.root);
    c.guest = element('div', 'team', c.root);
    c.guestScore = element('div', 'score', c.root);
    c.clock = element('div', 'clock', c.root);
    c.phase = element('div', 'phase', c.root);
    c.timeouts = element('div', 'timeouts', c.root);
    c.name.textContent = t('Court %1', name);
    return c;
  }

  // The clock's milliseconds now: what it showed when taken, moved on by
  // the time since if it runs.
  function clockMs(state) {
    const clock = state.clock;
    const since = Math.max(nowAtHall() - (state.at || nowAtHall()), 0);
    if (clock.timeout) return Math.max(clock.timeout.ms - since, 0);
    if (!clock.running) return clock.ms;
    return clock.countDown ? Math.max(clock.ms - since, 0) : clock.ms + since;
  }

  function clockText(state) {
    const clock = state.clock;
    if (clock.blank && !clock.timeout) return '';
    const down = clock.countDown || !!clock.timeout;
    const ms = clockMs(state);
    const tenths = down ? Math.ceil(Math.round(ms) / 100) : Math.floor(ms / 100);
    const minutes = Math.floor(tenths / 600);
    const seconds = Math.floor(tenths / 10) % 60;
    if (down && minutes === 0) return `${seconds}.${tenths % 10}`;
    return `${minutes}:${String(seconds).padStart(2, '0')}`;
  }

  function phaseText(clock) {
    if (clock.phase === 'final') return t('Final');
    if (clock.phase === 'break') return t('Break after period %1', clock.period);
    if (clock.periods > 0 && clock.period > clock.periods)
      return t('Overtime %1', clock.period - clock.periods);
    return clock.periods > 0 ? t('Period %1', clock.period) : '';
  }

  function score(value) {
    return value === null || value === undefined ? '' : String(value);
  }

  function render(c, court) {
    c.root.classList.toggle('offline', !court.online);
    c.online.textContent = court.online ? t('Online') : t('Offline');
    const state = court.state;
    if (!state) {
      c.home.textContent = c.guest.textContent = c.clock.textContent = '';
      c.homeScore.textContent = c.guestScore.textContent = '';
      c.phase.textContent = c.timeouts.textContent = '';
      return;
    }
    const board = state.board || {};
    c.home.textContent = board.home || '';
    c.guest.textContent = board.guest || '';
    c.homeScore.textContent = score(state.scores[0]);
    c.guestScore.textContent = score(state.scores[1]);
    c.clock.classList.toggle('timeout', !!state.clock.timeout);
    c.clock.textContent = clockText(state);
    c.phase.textContent = phaseText(state.clock);
    const left = state.teams && state.teams.timeoutsLeft;
    let timeouts = left ? t('Timeouts left: %1 - %2', left[0], left[1]) : '';
    if (state.clock.timeout) timeouts = [t('Timeout'), timeouts].filter((s) => s).join(' · ');
    c.timeouts.textContent = timeouts;
  }

  // As many columns as keep the courts about as wide as a 16:9 screen allows.
  function layOut() {
    const n = Math.max(courts.size, 1);
    const columns = Math.max(1, Math.min(n, Math.round(Math.sqrt(n * 1.8))));
    const rows = Math.ceil(n / columns);
    main.style.setProperty('--columns', columns);
    main.style.setProperty('--rows', rows);
    const height = main.clientHeight / rows;
    const width = main.clientWidth / columns;
    main.style.setProperty('--size', `${Math.max(Math.min(height / 7, width / 11), 8)}px`);
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

  function receive(text) {
    let message;
    try {
      message = JSON.parse(text);
    } catch (e) {
      return;
    }
    if (typeof message.now === 'number') offsetMs = message.now - Date.now();
    if (message.type === 'hall') {
      for (const court of message.courts) update(court);
      showEmpty();
    } else if (message.type === 'court') {
      update(message.court);
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

  // The running clocks move on between messages.
  setInterval(() => {
    for (const entry of courts.values()) {
      const state = entry.court.state;
      if (state && (state.clock.running || state.clock.timeout))
        entry.card.clock.textContent = clockText(state);
    }
  }, 100);
  window.addEventListener('resize', layOut);
  showEmpty();
  open();
})();
