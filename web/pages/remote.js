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
      $('phaseText').hidden = !periods;
      if (periods) {
        const overtime = state.clock.period > state.clock.periods;
        const number = overtime ? state.clock.period - state.clock.periods : state.clock.period;
        const names = { break: Texts.t('Break after period %1', number), final: Texts.t('Final') };
        $('phaseText').textContent = names[state.clock.phase] ||
          Texts.t(overtime ? 'Overtime %1' : 'Period %1', number);
      }
      const names = [state.board.home, state.board.guest];
      state.scores.forEach((s, i) => {
        $(`score${i}`).textContent = s === null ? '' : String(s);
        $(`name${i}`).textContent = names[i % 2];
      });
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
          : message.result === 'locked' ? Texts.t('Too many wrong PINs. Wait a while, or scan the QR code.')
            : Texts.t('Wrong PIN.');
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
  for (const button of document.querySelectorAll('button[data-action]')) {
    button.addEventListener('click', () => {
      const message = { type: 'action', action: button.dataset.action };
      if (button.dataset.which) {
        message.which = Number(button.dataset.which);
        message.delta = Number(button.dataset.delta);
      }
      live.send(message);
    });
  }
  const frame = () => {
    if (current) {
      const d = Live.clockDigits(current.clock).map((v) => (v < 0 ? '' : String(v)));
      $('clockText').textContent = `${d[0]}${d[1]}:${d[2]}${d[3]}.${d[4]}`;
    }
    requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
})();
