'use strict';
// The phone remote. The PIN is kept for this tab only, so a reconnect unlocks
// again by itself.
(() => {
  const $ = (id) => document.getElementById(id);
  let current = null;
  let pin = sessionStorage.getItem('pin') || '';
  const show = (unlocked) => {
    $('controls').hidden = !unlocked;
    $('pinForm').hidden = unlocked;
  };
  const live = Live.connect({
    open() {
      if (pin) live.send({ type: 'pin', pin });
    },
    status(connected) {
      $('status').hidden = connected;
    },
    state(state) {
      current = state;
      const names = [state.board.home, state.board.guest];
      state.scores.forEach((s, i) => {
        $(`score${i}`).textContent = s === null ? '' : String(s);
        $(`name${i}`).textContent = names[i % 2];
      });
    },
    message(message) {
      if (message.type === 'pin') {
        const accepted = message.result === 'accepted';
        if (!accepted) {
          pin = '';
          sessionStorage.removeItem('pin');
        }
        show(accepted);
        $('message').textContent = accepted ? ''
          : message.result === 'locked' ? 'Too many wrong PINs. Wait a minute and try again.'
            : 'Wrong PIN.';
      } else if (message.type === 'pinRequired') {
        show(false);
      }
    },
  });
  $('pinForm').addEventListener('submit', (event) => {
    event.preventDefault();
    pin = $('pin').value.trim();
    sessionStorage.setItem('pin', pin);
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
