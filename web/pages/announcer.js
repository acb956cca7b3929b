'use strict';
// The announcer's screen: the whole game at a glance, read-only. The board
// comes over the live channel; its "story" part brings the figures as they
// stand and the last steps as the game's record has them.
const Announcer = (() => {
  const byId = (id) => document.getElementById(id);

  function two(n) {
    return String(n).padStart(2, '0');
  }

  // A clock as the sheet reads it, "12:34".
  function clockText(ms) {
    const seconds = Math.floor(ms / 1000);
    return `${Math.floor(seconds / 60)}:${two(seconds % 60)}`;
  }

  function periodText(period, periods, sets) {
    if (sets) return Texts.t('Set %1', period);
    if (periods > 0 && period > periods) return Texts.t('OT%1', period - periods);
    return Texts.t('P%1', period);
  }

  function teamName(state, team) {
    if (state.board && state.board[team]) return state.board[team];
    return team === 'home' ? Texts.t('Home') : Texts.t('Guest');
  }

  function cell(row, text, head) {
    const c = document.createElement(head ? 'th' : 'td');
    c.textContent = text;
    row.appendChild(c);
    return c;
  }

  // "Guest #12, 2 minutes, P2 12:34": who, what, when.
  function stepText(state, step, periods, sets) {
    const parts = [];
    if (step.team) parts.push(teamName(state, step.team) + (step.player ? ` #${step.player}` : ''));
    // The board's words may name the player already ("Penalty #12").
    const what = (step.label || step.action).replace(step.player ? `#${step.player}` : '', '').trim();
    parts.push(step.kind === 'undo' ? Texts.t('Undone: %1', what) : what);
    parts.push(`${periodText(step.period, periods, sets)} ${clockText(step.clockMs)}`);
    return parts.join(', ');
  }

  function showTeams(state) {
    const teams = state.teams || {};
    for (const [i, team] of ['home', 'guest'].entries()) {
      byId(`${team}Name`).textContent = teamName(state, team);
      const facts = [];
      if (teams.timeoutsLeft) facts.push(Texts.t('Timeouts left: %1', teams.timeoutsLeft[i]));
      if (teams.fouls) facts.push(Texts.t('Team fouls: %1', state.scores[2 + i] ?? 0));
      if (teams.bonus && teams.bonus[i]) facts.push(Texts.t('BONUS'));
      byId(`${team}Team`).textContent = facts.join(' \u00b7 ');
    }
    const score = (s) => (s === null || s === undefined ? '-' : s);
    byId('score').textContent = `${score(state.scores[0])} : ${score(state.scores[1])}`;
    const clock = state.clock;
    byId('clock').textContent = clock.blank ? '' : clockText(Live.clockMs(clock));
    byId('period').textContent = clock.phase === 'final' ? Texts.t('Final')
      : state.sets ? '' : periodText(clock.period, clock.periods, false);
    byId('sets').textContent = state.sets
      ? `${Texts.t('Set %1', state.sets.set)}  (${Texts.t('Sets')} ${state.sets.won.join(':')})` : '';
  }

  function showPlayers(state) {
    const players = state.players || {};
    const any = ['home', 'guest'].some((team) => (players[team] || []).length > 0);
    byId('playersPart').hidden = !any;
    for (const team of ['home', 'guest']) {
      const table = byId(`${team}Players`);
      table.replaceChildren();
      const head = document.createElement('tr');
      cell(head, teamName(state, team), true);
      cell(head, Texts.t('Pts'), true);
      cell(head, Texts.t('Fouls'), true);
      table.appendChild(head);
      for (const p of players[team] || []) {
        const row = document.createElement('tr');
        cell(row, `#${p.number}${p.name ? ` ${p.name}` : ''}`);
        cell(row, p.points);
        cell(row, p.fouls);
        if (p.out || p.disqualified) row.classList.add('out');
        table.appendChild(row);
      }
    }
    const lines = [];
    for (const team of ['home', 'guest']) {
      const running = Live.penaltyLines(state, team);
      if (running.length) lines.push(`${teamName(state, team)}: ${running.join(', ')}`);
    }
    byId('penaltiesPart').hidden = lines.length === 0;
    byId('penalties').textContent = lines.join(' \u00b7 ');
  }

  function showStory(state) {
    const story = state.story;
    const list = byId('steps');
    if (!story || !story.steps) return;
    const sets = !!state.sets || story.figures.sets;
    // The newest first: the one the announcer wants is on top.
    list.replaceChildren(...story.steps.slice().reverse().map((step) => {
      const item = document.createElement('li');
      item.textContent = stepText(state, step, story.periods, sets);
      item.dataset.step = step.n;
      return item;
    }));
    const f = story.figures;
    const table = byId('figures');
    table.replaceChildren();
    const head = document.createElement('tr');
    cell(head, '', true);
    cell(head, teamName(state, 'home'), true);
    cell(head, teamName(state, 'guest'), true);
    table.appendChild(head);
    const moment = (at) => (sets ? periodText(at.period, story.periods, true)
      : `${periodText(at.period, story.periods, false)} ${clockText(at.clockMs)}`);
    const row = (name, values) => {
      const r = document.createElement('tr');
      cell(r, name, true);
      for (const v of values) cell(r, v).colSpan = values.length === 1 ? 2 : 1;
      table.appendChild(r);
    };
    row(Texts.t('Lead changes'), [f.leadChanges]);
    row(Texts.t('Times tied'), [f.timesTied]);
    const teams = [f.home, f.guest];
    row(Texts.t('Largest lead'), teams.map((x) => (x.largestLead ? `${x.largestLead} (${moment(x.largestLeadAt)})` : '\u2013')));
    row(Texts.t('Longest run'), teams.map((x) => (x.longestRun ? `${x.longestRun} (${moment(x.longestRunFrom)})` : '\u2013')));
    if (f.playedMs > 0) row(Texts.t('Time leading'), teams.map((x) => clockText(x.leadingMs)));
    const points = f.periods.map((p) => `${periodText(p.period, story.periods, sets)} ${p.points[0]}:${p.points[1]}`);
    row(sets ? Texts.t('Points per set') : Texts.t('Points per period'), [points.join('  ')]);
    byId('figuresPart').hidden = story.steps.length === 0;
  }

  let current = null;
  function show(state) {
    current = state;
    showTeams(state);
    showPlayers(state);
    showStory(state);
  }

  function tick() {
    if (current && !current.clock.blank) byId('clock').textContent = clockText(Live.clockMs(current.clock));
    requestAnimationFrame(tick);
  }

  Live.connect({
    status(connected) {
      byId('status').hidden = connected;
    },
    state: show,
  });
  requestAnimationFrame(tick);
  return { stepText };
})();
