'use strict';
// The phone remote. Unlocked by the PIN, or by the secret the QR code carries
// after the '#'; the board then hands out a session, kept for this tab only,
// so that a reconnect unlocks again by itself.
(() => {
  const $ = (id) => document.getElementById(id);
  let current = null;
  let pin = '';
  let session = sessionStorage.getItem('session') || '';
  let key = new URLSearchParams(location.hash.slice(1)).get('k') || '';
  // Out of the address bar and the history before anyone sees it.
  if (location.hash) history.replaceState(null, '', location.pathname);
  const unlock = () => {
    if (session) live.send({ type: 'session', session });
    else if (key) live.send({ type: 'key', key });
    else if (pin) live.send({ type: 'pin', pin });
  };
  const show = (unlocked) => {
    $('controls').hidden = !unlocked;
    $('pinForm').hidden = unlocked;
  };
  const live = Live.connect({
    open() {
      unlock();
    },
    status(connected) {
      $('status').hidden = connected;
    },
    state(state) {
      current = state;
      const periods = state.clock.periods > 0;
      const timeout = state.clock.timeout;
      $('phaseText').hidden = !periods && !timeout;
      if (timeout) {
        $('phaseText').textContent = Texts.t('Timeout %1', state.board[timeout.team]);
      } else if (periods) {
        const overtime = state.clock.period > state.clock.periods;
        const number = overtime ? state.clock.period - state.clock.periods : state.clock.period;
        const names = { break: Texts.t('Break after period %1', number), final: Texts.t('Final') };
        $('phaseText').textContent = names[state.clock.phase] ||
          Texts.t(overtime ? 'Overtime %1' : 'Period %1', number);
      }
      // The first row under the teams' names, the second under its own
      // caption, as the board shows them.
      const names = [state.board.home, state.board.guest, state.board.section2,
        state.board.section2];
      // Timeouts left beside the teams' names, the bonus beside their fouls.
      const teams = state.teams || {};
      const marks = [0, 1].map((t) => (teams.timeoutsLeft
        ? ` ${Texts.t('(%1 timeouts)', teams.timeoutsLeft[t])}` : ''))
        .concat([0, 1].map((t) => (teams.bonus && teams.bonus[t]
          ? ` ${Texts.t('BONUS')}` : '')));
      $('shotSection').hidden = !Live.hasShotClock(state);
      showPlayers(state);
      // A match in sets: the set, the sets played and who serves.
      $('setsSection').hidden = !state.sets;
      if (state.sets) {
        const serving = state.clock.phase === 'final' ? Texts.t('Final')
          : `\u25CF ${state.board[state.sets.serving]}`;
        $('setsText').textContent = [Texts.t('Set %1', state.sets.set), Live.setScores(state), serving]
          .filter((part) => part).join('  ');
        $('pointHome').textContent = `${Texts.t('Point')} ${state.board.home}`;
        $('pointGuest').textContent = `${Texts.t('Point')} ${state.board.guest}`;
      }
      state.scores.forEach((s, i) => {
        $(`score${i}`).textContent = s === null ? '' : String(s);
        $(`name${i}`).textContent = names[i] + marks[i];
      });
      // A sport with one score has no second row to change.
      for (const i of [2, 3]) {
        $(`score${i}`).closest('.team').hidden = state.board.section2Shown === false;
      }
      ['homeTeam', 'guestTeam'].forEach((side, i) =>
        TeamBands.styleBox($(`team${i}`), $(`logo${i}`), state.board[side] || null));
    },
    message(message) {
      if (message.type === 'session') {
        // The board has restarted since: the QR code or the PIN again.
        session = '';
        sessionStorage.removeItem('session');
        if (key || pin) unlock();
        else show(false);
      } else if (message.type === 'pin') {
        const accepted = message.result === 'accepted';
        pin = '';
        key = '';
        if (accepted && message.session) {
          session = message.session;
          sessionStorage.setItem('session', session);
        }
        show(accepted);
        $('message').textContent = accepted ? ''
          : message.result === 'locked'
            ? Texts.t('Too many wrong PINs. Wait a while, or scan the QR code.')
            : Texts.t('Wrong PIN.');
      } else if (message.type === 'action' && message.result === 'refused') {
        $('message').textContent = message.reason || '';
      } else if (message.type === 'undo' && message.result === 'confirm') {
        $('message').textContent = Texts.t('Undo again to start the clock again.');
      } else if (message.type === 'pinRequired') {
        show(false);
      }
    },
  });
  $('pinForm').addEventListener('submit', (event) => {
    event.preventDefault();
    pin = $('pin').value.trim();
    live.send({ type: 'pin', pin });
  });
  // Minutes.seconds as the board takes them: "12.30", "5", "0.45"; a
  // phone's decimal comma is a point.
  $('clockForm').addEventListener('submit', (event) => {
    event.preventDefault();
    const value = $('clockValue').value.trim().replace(',', '.');
    if (!/^[0-9]{1,2}(\.([0-5][0-9]?)?)?$/.test(value)) {
      $('message').textContent = Texts.t('The clock is minutes.seconds, like 12.30.');
      return;
    }
    $('message').textContent = '';
    $('clockValue').value = '';
    live.send({ type: 'action', action: 'clock', value });
  });
  for (const button of document.querySelectorAll('button[data-action]')) {
    button.addEventListener('click', () => {
      $('message').textContent = '';
      const message = { type: 'action', action: button.dataset.action };
      if (button.dataset.which) {
        message.which = Number(button.dataset.which);
        message.delta = Number(button.dataset.delta);
      }
      // With the players on, the number typed goes with a foul, a penalty
      // and a score; the number is used once.
      const player = $('playerNumber').value.trim();
      if (button.dataset.team) {
        message.team = button.dataset.team;
        if (!/^[0-9]{1,2}$/.test(player)) {
          $('message').textContent = Texts.t('Type the number of the player first.');
          return;
        }
      }
      if (/^[0-9]{1,2}$/.test(player) && !$('playerSection').hidden &&
          (button.dataset.team || (button.dataset.which && Number(button.dataset.which) < 2))) {
        message.player = player;
        $('playerNumber').value = '';
      }
      if (message.action === 'penalty') message.seconds = Number($('penaltyLength').value);
      live.send(message);
    });
  }
  // The players' pad: shown with the players on, the penalty lengths the
  // board offers in its list.
  function showPlayers(state) {
    const penalties = state.penalties || {};
    const on = !!penalties.lengths && penalties.lengths.length > 0;
    $('playerSection').hidden = !on;
    if (!on) return;
    const select = $('penaltyLength');
    const lengths = penalties.lengths.map((ms) => String(Math.round(ms / 1000)));
    if ([...select.options].map((o) => o.value).join() !== lengths.join()) {
      select.replaceChildren(...lengths.map((seconds) => {
        const option = document.createElement('option');
        option.value = seconds;
        option.textContent = `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')}`;
        return option;
      }));
    }
  }
  const flash = Live.shotClockFlash();
  // The shot clock as the board shows it, and the arrow towards its team.
  const showShotClock = (state) => {
    if (!Live.hasShotClock(state)) return;
    const [tens, units, dot] = Live.shotClockDigits(state.shotClock, flash(state.shotClock));
    const face = `${tens < 0 ? '' : tens}${dot ? '.' : ''}${units < 0 ? '' : units}`;
    const arrow = Live.possessionArrow(state);
    const team = state.possession ? state.board[state.possession] : '';
    const possession = state.possession === 'home' ? `${arrow} ${team}` : `${team} ${arrow}`;
    $('shotText').textContent = `${face}  ${possession.trim()}`.trim();
  };
  const frame = () => {
    if (current) {
      const d = Live.clockDigits(current.clock).map((v) => (v < 0 ? '' : String(v)));
      $('clockText').textContent = `${d[0]}${d[1]}:${d[2]}${d[3]}.${d[4]}`;
      showShotClock(current);
    }
    requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
})();
