'use strict'
// The module's instance, made on the base class it is given: the show-control
// software's own InstanceBase, or a stand-in in the tests.
const { CorvellaClient } = require('./corvella')
const { Definitions, variablesOf } = require('./variables')

const Ok = 'ok'
const Failure = 'connection_failure'

// An action's options from a command's parameters.
function optionsOf(params) {
	return Object.entries(params).map(([name, param]) => {
		const label = param.optional ? `${name} (optional)` : name
		if (param.values) {
			const choices = param.values.map((value) => ({ id: value, label: String(value) }))
			if (param.optional) choices.unshift({ id: '', label: '' })
			return { type: 'dropdown', id: name, label, choices, default: choices[0].id }
		}
		if (param.type === 'integer' && !param.optional)
			return { type: 'number', id: name, label, default: name === 'add' ? 1 : 0, min: -999, max: 9999 }
		if (param.type === 'boolean') return { type: 'checkbox', id: name, label, default: false }
		return { type: 'textinput', id: name, label, default: '' }
	})
}

// The parameters an action's options give, leaving out the empty optional ones.
function paramsOf(params, options) {
	const given = {}
	for (const [name, param] of Object.entries(params)) {
		let value = options[name]
		if (value === undefined || value === '') continue
		if (param.type === 'integer') value = Number(value)
		given[name] = value
	}
	return given
}

function moduleClass(Base) {
	return class CorvellaInstance extends Base {
		async init(config) {
			this.config = config
			this.state = null
			this.updateStatus('connecting')
			this.setVariableDefinitions(Definitions)
			this.setFeedbackDefinitions(this.feedbacks())
			await this.connect()
		}

		async configUpdated(config) {
			this.client?.close()
			await this.init(config)
		}

		async destroy() {
			this.client?.close()
		}

		getConfigFields() {
			return [
				{ type: 'textinput', id: 'host', label: 'Board address', width: 6, default: '127.0.0.1' },
				{ type: 'number', id: 'port', label: 'Port', width: 3, min: 1, max: 65535, default: 8080 },
				{ type: 'textinput', id: 'token', label: 'API token', width: 12, default: '' },
			]
		}

		async connect() {
			const { host = '127.0.0.1', port = 8080, token = '' } = this.config ?? {}
			this.client = new CorvellaClient({ host, port, token })
			try {
				this.setActionDefinitions(this.actions(await this.client.commands()))
			} catch (error) {
				this.updateStatus(Failure, error.message)
			}
			this.client.follow({
				onState: (state) => this.takeState(state),
				onLink: (up, why) => this.updateStatus(up ? Ok : Failure, up ? null : why),
			})
		}

		actions(commands) {
			const actions = {}
			for (const command of commands) {
				actions[command.id] = {
					name: command.id,
					options: optionsOf(command.params),
					callback: async (event) => {
						const done = await this.client.run(command.id, paramsOf(command.params, event.options))
						if (!done.ok) this.log('warn', `${command.id}: ${done.why}`)
					},
				}
			}
			return actions
		}

		feedbacks() {
			const on = { bgcolor: 0xcc0000, color: 0xffffff }
			const running = (state) => Boolean(state?.clock?.running)
			return {
				clock_running: {
					type: 'boolean',
					name: 'The clock runs',
					defaultStyle: on,
					options: [],
					callback: () => running(this.state),
				},
				timeout_running: {
					type: 'boolean',
					name: 'A timeout runs',
					defaultStyle: on,
					options: [
						{
							type: 'dropdown',
							id: 'team',
							label: 'Team',
							default: 'any',
							choices: [
								{ id: 'any', label: 'either' },
								{ id: 'home', label: 'home' },
								{ id: 'guest', label: 'guest' },
							],
						},
					],
					callback: (feedback) => {
						const timeout = this.state?.clock?.timeout
						return Boolean(timeout) && (feedback.options.team === 'any' || timeout.team === feedback.options.team)
					},
				},
				shot_clock_running: {
					type: 'boolean',
					name: 'The shot clock runs',
					defaultStyle: on,
					options: [],
					callback: () => Boolean(this.state?.shotClock?.running),
				},
			}
		}

		takeState(state) {
			this.state = state
			this.setVariableValues(variablesOf(state))
			this.checkFeedbacks('clock_running', 'timeout_running', 'shot_clock_running')
		}
	}
}

module.exports = { moduleClass, optionsOf, paramsOf }
