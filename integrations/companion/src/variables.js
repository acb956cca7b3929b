'use strict'
// What the buttons show, from the board's state.

// "12:05", or "9.4" in the last minute counting down, as the board shows it.
function clockText(clock) {
	if (!clock || clock.blank) return ''
	const ms = clock.ms ?? 0
	if (clock.countDown && ms < 60000) return `${Math.floor(ms / 1000)}.${Math.floor((ms % 1000) / 100)}`
	const seconds = clock.countDown ? Math.ceil(ms / 1000) : Math.floor(ms / 1000)
	return `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')}`
}

function scoreText(score) {
	return score === null || score === undefined ? '' : String(score)
}

const Definitions = [
	{ variableId: 'home_score', name: 'Home score' },
	{ variableId: 'guest_score', name: 'Guest score' },
	{ variableId: 'home_score2', name: 'Home score, section 2' },
	{ variableId: 'guest_score2', name: 'Guest score, section 2' },
	{ variableId: 'home_name', name: 'Home caption' },
	{ variableId: 'guest_name', name: 'Guest caption' },
	{ variableId: 'clock', name: 'Clock text' },
	{ variableId: 'clock_running', name: 'Clock running (true/false)' },
	{ variableId: 'period', name: 'Period' },
	{ variableId: 'phase', name: 'Phase (play, break, final)' },
	{ variableId: 'timeout_running', name: 'Timeout running (home, guest or empty)' },
	{ variableId: 'shot_clock', name: 'Shot clock, seconds' },
]

function variablesOf(state) {
	const scores = state.scores ?? []
	const clock = state.clock ?? {}
	const shot = state.shotClock ?? {}
	return {
		home_score: scoreText(scores[0]),
		guest_score: scoreText(scores[1]),
		home_score2: scoreText(scores[2]),
		guest_score2: scoreText(scores[3]),
		home_name: state.board?.home ?? '',
		guest_name: state.board?.guest ?? '',
		clock: clockText(clock),
		clock_running: clock.running ? 'true' : 'false',
		period: clock.periods ? String(clock.period) : '',
		phase: clock.phase ?? '',
		timeout_running: clock.timeout?.running ? clock.timeout.team : '',
		shot_clock: shot.enabled ? String(Math.ceil((shot.ms ?? 0) / 1000)) : '',
	}
}

module.exports = { Definitions, variablesOf, clockText }
