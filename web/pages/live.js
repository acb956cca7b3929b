'use strict';
// The live channel to the program: the whole board on connecting, then each
// change. A page that loses the connection says so, tries again after a
// growing pause, and starts over from a fresh copy of the board.
const Live = (() => {
  const parts = ['scores', 'clock', 'board', 'teams', 'shotClock', 'possession', 'sets', 'sponsors',
    'players', 'penalties', 'story'];

  function connect(handlers) {
    let socket = null;
    let state = null;
    let seq = -1;
    let pause = 250;

    function stamp(clock) {
      // The value was true when the message left; the page moves it on with
      // its own clock from here.
      clock.receivedAt = performance.now();
    }

    function receive(text) {
      let message;
      try {
        message = JSON.parse(text);
      } catch (e) {
        return;
      }
      if (message.type === 'state') {
        state = message;
        seq = message.seq;
        stamp(state.clock);
        if (state.shotClock) stamp(state.shotClock);
        if (state.sponsors) stamp(state.sponsors);
        if (state.penalties) stamp(state.penalties);
        handlers.status(true);
        handlers.state(state);
      } else if (message.type === 'change') {
        if (!state || message.seq !== seq + 1) {
          // A change went missing: only a fresh copy can be trusted.
          socket.close();
          return;
        }
        seq = message.seq;
        for (const part of parts) {
          if (part in message) state[part] = message[part];
        }
        if ('clock' in message) stamp(state.clock);
        if ('shotClock' in message) stamp(state.shotClock);
        if ('sponsors' in message) stamp(state.sponsors);
        if ('penalties' in message) stamp(state.penalties);
        handlers.state(state);
      } else if (handlers.message) {
        handlers.message(message);
      }
    }

    function open() {
      socket = new WebSocket(`ws://${location.host}/live`);
      socket.onopen = () => {
        pause = 250;
        if (handlers.open) handlers.open();
      };
      socket.onmessage = (event) => receive(event.data);
      socket.onclose = () => {
        state = null;
        handlers.status(false);
        setTimeout(open, pause);
        pause = Math.min(pause * 2, 5000);
      };
    }

    open();
    return {
      send(message) {
        if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify(message));
      },
    };
  }

  // The clock's value now, in milliseconds, from the last value received.
  function clockMs(clock) {
    if (!clock.running) return clock.ms;
    const run = performance.now() - clock.receivedAt;
    return clock.countDown ? Math.max(clock.ms - run, 0) : clock.ms + run;
  }

  // Tenths on the face: time played cut to tenths, time left rounded up.
  function shownTenths(ms, countDown) {
    if (countDown) return Math.ceil(Math.round(ms) / 100);
    return Math.floor(Math.min(ms, 6000000 - 1) / 100);
  }

  // What is left of a timeout now (held at a resume, it stands); it takes the
  // game clock's place on the face.
  function timeoutMs(clock) {
    if (clock.timeout.running === false) return clock.timeout.ms;
    return Math.max(clock.timeout.ms - (performance.now() - clock.receivedAt), 0);
  }

  // The five digits of the face; -1 is blank (the tens of minutes below ten).
  function clockDigits(clock) {
    if (clock.blank && !clock.timeout) return [-1, -1, -1, -1, -1];
    const ms = clock.timeout ? timeoutMs(clock) : clockMs(clock);
    const t = Math.min(shownTenths(ms, clock.countDown || !!clock.timeout), 59999);
    const minutes = Math.floor(t / 600);
    const seconds = Math.floor(t / 10) % 60;
    return [minutes >= 10 ? Math.floor(minutes / 10) : -1, minutes % 10,
      Math.floor(seconds / 10), seconds % 10, t % 10];
  }

  // The two digits of a score (three with `three`): no leading zero; a
  // cleared score is blank.
  function scoreDigits(score, three) {
    const blank = score === null || score === undefined;
    const digits = blank ? [-1, -1] : [score >= 10 ? Math.floor(score / 10) % 10 : -1, score % 10];
    if (three) digits.unshift(!blank && score >= 100 ? Math.floor(score / 100) % 10 : -1);
    return digits;
  }

  // Whether section 1 shows three digits: asked for, or a score past 99.
  function threeDigits(state) {
    return (state.teams && state.teams.scoreDigits === 3) ||
      state.scores[0] > 99 || state.scores[1] > 99;
  }

  // The shot clock's value now, run on like the game clock's.
  function shotClockMs(shot) {
    if (!shot.running) return shot.ms;
    return Math.max(shot.ms - (performance.now() - shot.receivedAt), 0);
  }

  // Whether the shot clock shows on this board at all.
  function hasShotClock(state) {
    return !!(state.shotClock && state.shotClock.enabled);
  }

  // The shot clock's two digits and whether its dot shows (-1 is blank): whole
  // seconds rounded up, and under five seconds seconds and tenths, as the
  // desktop board shows them. Dark, or in the off beat of its flashing 0,
  // nothing at all.
  function shotClockDigits(shot, flashOff) {
    if (!shot.enabled || shot.dark || flashOff) return [-1, -1, false];
    const tenths = Math.ceil(Math.round(shotClockMs(shot)) / 100);
    if (tenths > 0 && tenths < 50) return [Math.floor(tenths / 10), tenths % 10, true];
    const seconds = Math.ceil(tenths / 10);
    return [seconds >= 10 ? Math.floor(seconds / 10) % 10 : -1, seconds % 10, false];
  }

  // The 0 flashes for 1.6 s once the shot clock runs out, in beats of 0.2 s
  // like the desktop board's. Each view keeps one, asked once a frame: it
  // sees the value reach zero whether the page ran it down or a message
  // brought the news.
  function shotClockFlash() {
    let last = null;
    let since = -Infinity;
    return (shot) => {
      const now = performance.now();
      const ms = shot.enabled ? shotClockMs(shot) : null;
      if (last > 0 && ms === 0) since = now;
      last = ms;
      const beat = Math.floor((now - since) / 200);
      return beat >= 1 && beat <= 7 && beat % 2 === 1;
    };
  }

  // Towards the team with the possession, home on the left; none is empty.
  function possessionArrow(state) {
    if (!hasShotClock(state)) return '';
    return { home: '\u2190', guest: '\u2192' }[state.possession] || '';
  }

  // The penalties of `team` that run or wait, up to three, as "#7 1:59":
  // they run on with the game clock in play, like the board's.
  function penaltyLines(state, team) {
    const penalties = state.penalties;
    if (!penalties || !penalties[team]) return [];
    const clock = state.clock;
    const runs = clock.running && !clock.timeout && clock.phase === 'play';
    return penalties[team].slice(0, 3).map((p) => {
      const ran = runs && !p.waiting ? performance.now() - penalties.receivedAt : 0;
      const seconds = Math.ceil(Math.max(p.ms - ran, 0) / 1000);
      return `#${p.player} ${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')}`;
    });
  }

  // A match in sets: the points of the sets played, "25:21  23:25"; empty
  // without sets.
  function setScores(state) {
    if (!state.sets) return '';
    return state.sets.played.map(([home, guest]) => `${home}:${guest}`).join('  ');
  }

  return { connect, setScores, clockMs, clockDigits, scoreDigits, threeDigits, timeoutMs, shotClockMs,
    hasShotClock, shotClockDigits, shotClockFlash, possessionArrow, penaltyLines };
})();
