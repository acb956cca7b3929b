'use strict'
// The module against the real program: a board started offscreen with the
// API on a free port of 127.0.0.1, and the show-control software's side
// stood in for by a base class with InstanceBase's methods.
const { test, before, after } = require('node:test')
const assert = require('node:assert')
const { spawn } = require('node:child_process')
const fs = require('node:fs')
const net = require('node:net')
const os = require('node:os')
const path = require('node:path')
const { InstanceBase } = require('@companion-module/base')
const { moduleClass, optionsOf, paramsOf } = require('../src/module')
const { clockText } = require('../src/variables')

const Token = '0123456789abcdef0123456789abcdef'
const program = process.env.CORVELLA_PROGRAM

// What the module calls of its base, recorded.
class StubBase {
	constructor(id) {
		this.id = id
		this.variables = {}
		this.status = null
		this.checks = 0
	}
	setActionDefinitions(actions) {
		this.actionDefinitions = actions
	}
	setFeedbackDefinitions(feedbacks) {
		this.feedbackDefinitions = feedbacks
	}
	setVariableDefinitions(definitions) {
		this.variableDefinitions = definitions
	}
	setVariableValues(values) {
		Object.assign(this.variables, values)
	}
	checkFeedbacks() {
		this.checks++
	}
	updateStatus(status, message) {
		this.status = status
		this.statusMessage = message
	}
	log() {}
}

async function waitFor(what, condition, ms = 10000) {
	const end = Date.now() + ms
	while (Date.now() < end) {
		if (await condition()) return
		await new Promise((resolve) => setTimeout(resolve, 20))
	}
	assert.fail(`${what} within ${ms} ms`)
}

function freePort() {
	return new Promise((resolve, reject) => {
		const server = net.createServer()
		server.listen(0, '127.0.0.1', () => {
			const { port } = server.address()
			server.close(() => resolve(port))
		})
		server.on('error', reject)
	})
}

let board = null
let port = 0
let folder = null

async function state() {
	const answer = await fetch(`http://127.0.0.1:${port}/api/v1/state`, {
		headers: { Authorization: `Bearer ${Token}` },
	})
	return answer.ok ? answer.json() : null
}

before(async () => {
	if (!program) return
	port = await freePort()
	folder = fs.mkdtempSync(path.join(os.tmpdir(), 'corvella-companion-'))
	for (const sub of ['config/Corvella', 'state', 'data', 'runtime']) fs.mkdirSync(path.join(folder, sub), { recursive: true })
	fs.chmodSync(path.join(folder, 'runtime'), 0o700)
	fs.writeFileSync(
		path.join(folder, 'config/Corvella/Corvella.conf'),
		`[WebSettings]\nWebServer=1\nWebPort=${port}\nWebAddress=127.0.0.1\nApi=1\nApiToken=${Token}\n`,
	)
	board = spawn(program, [], {
		env: {
			...process.env,
			QT_QPA_PLATFORM: 'offscreen',
			XDG_CONFIG_HOME: path.join(folder, 'config'),
			XDG_STATE_HOME: path.join(folder, 'state'),
			XDG_DATA_HOME: path.join(folder, 'data'),
			XDG_RUNTIME_DIR: path.join(folder, 'runtime'),
		},
		stdio: 'ignore',
	})
	await waitFor('the board answers', async () => (await state().catch(() => null)) !== null, 20000)
})

after(async () => {
	if (board) {
		const exited = new Promise((resolve) => board.once('exit', resolve))
		board.kill('SIGTERM')
		const timer = setTimeout(() => board.kill('SIGKILL'), 5000)
		await exited
		clearTimeout(timer)
	}
	if (folder) fs.rmSync(folder, { recursive: true, force: true })
})

async function connected() {
	const instance = new (moduleClass(StubBase))('corvella-test')
	await instance.init({ host: '127.0.0.1', port, token: Token })
	await waitFor('the module is connected', () => instance.status === 'ok' && instance.variables.clock !== undefined)
	return instance
}

test('the stand-in has every method the module calls on InstanceBase', () => {
	for (const name of Object.getOwnPropertyNames(StubBase.prototype).filter((n) => n !== 'constructor'))
		assert.strictEqual(typeof InstanceBase.prototype[name], 'function', name)
})

test('an action adds a score', { skip: !program && 'CORVELLA_PROGRAM is not set' }, async () => {
	const instance = await connected()
	try {
		const add = instance.actionDefinitions['score.add']
		assert.ok(add, 'score.add is an action')
		await add.callback({ options: { team: 'home', section: 1, add: 2, player: '' } })
		await waitFor('home shows 2', () => instance.variables.home_score === '2')
		assert.strictEqual((await state()).scores[0], 2)
		assert.strictEqual(instance.variables.guest_score, '0')
	} finally {
		await instance.destroy()
	}
})

test('a feedback follows the clock', { skip: !program && 'CORVELLA_PROGRAM is not set' }, async () => {
	const instance = await connected()
	try {
		const running = () => instance.feedbackDefinitions.clock_running.callback({ options: {} })
		assert.strictEqual(running(), false)
		await instance.actionDefinitions['clock.start'].callback({ options: {} })
		await waitFor('the feedback shows the clock running', () => running() && instance.variables.clock_running === 'true')
		const first = instance.variables.clock
		await waitFor('the clock text moves on', () => instance.variables.clock !== first, 5000)
		await instance.actionDefinitions['clock.stop'].callback({ options: {} })
		await waitFor('the feedback shows the clock stopped', () => !running())
	} finally {
		await instance.destroy()
	}
})

test('options and parameters', () => {
	const params = {
		team: { type: 'string', values: ['home', 'guest'] },
		add: { type: 'integer' },
		player: { type: 'string', optional: true },
	}
	const options = optionsOf(params)
	assert.deepStrictEqual(
		options.map((o) => o.type),
		['dropdown', 'number', 'textinput'],
	)
	assert.deepStrictEqual(paramsOf(params, { team: 'guest', add: '3', player: '' }), { team: 'guest', add: 3 })
	assert.strictEqual(clockText({ ms: 754000, countDown: false }), '12:34')
	assert.strictEqual(clockText({ ms: 9450, countDown: true }), '9.4')
	assert.strictEqual(clockText({ ms: 600000, countDown: true }), '10:00')
})
