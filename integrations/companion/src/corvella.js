'use strict'
// The board's side: its API over HTTP and its events channel over a
// WebSocket, with the token in the Authorization header on both.
const WebSocket = require('ws')

const ReconnectMs = [500, 1000, 2000, 5000]

class CorvellaClient {
	constructor({ host, port, token }) {
		this.base = `http://${host}:${port}/api/v1`
		this.events = `ws://${host}:${port}/api/v1/events`
		this.token = token
		this.socket = null
		this.closed = false
		this.attempt = 0
		this.timer = null
	}

	headers() {
		return { Authorization: `Bearer ${this.token}`, 'Content-Type': 'application/json' }
	}

	// Every command with its parameters, as GET /api/v1/commands lists them.
	async commands() {
		const answer = await fetch(`${this.base}/commands`, { headers: this.headers() })
		if (!answer.ok) throw new Error(`the board answered ${answer.status}`)
		return (await answer.json()).commands
	}

	// Runs a command; the board's words when it refuses.
	async run(id, params) {
		const answer = await fetch(`${this.base}/commands/${encodeURIComponent(id)}`, {
			method: 'POST',
			headers: this.headers(),
			body: JSON.stringify(params ?? {}),
		})
		if (answer.ok) return { ok: true }
		let why = `the board answered ${answer.status}`
		try {
			why = (await answer.json()).error ?? why
		} catch {
			// a body that is not JSON keeps the status
		}
		return { ok: false, status: answer.status, why }
	}

	// Follows the events channel until close(): `onState` with each whole
	// state, `onStep` with each step, `onLink` with true or false and why.
	follow({ onState, onStep, onLink }) {
		if (this.closed) return
		const socket = new WebSocket(this.events, { headers: { Authorization: `Bearer ${this.token}` } })
		this.socket = socket
		socket.on('open', () => {
			this.attempt = 0
			onLink?.(true)
		})
		socket.on('message', (data) => {
			let message
			try {
				message = JSON.parse(data.toString())
			} catch {
				return
			}
			if (message.v !== 1) return
			if (message.type === 'state') onState?.(message.state)
			else if (message.type === 'step') onStep?.(message)
		})
		socket.on('unexpected-response', (request, response) => {
			onLink?.(false, `the board answered ${response.statusCode}`)
		})
		socket.on('error', (error) => onLink?.(false, error.message))
		socket.on('close', () => {
			if (this.socket !== socket || this.closed) return
			onLink?.(false, 'disconnected')
			const wait = ReconnectMs[Math.min(this.attempt++, ReconnectMs.length - 1)]
			this.timer = setTimeout(() => this.follow({ onState, onStep, onLink }), wait)
		})
	}

	close() {
		this.closed = true
		clearTimeout(this.timer)
		this.socket?.terminate()
		this.socket = null
	}
}

module.exports = { CorvellaClient }
