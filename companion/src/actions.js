// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The buttons' actions: each one request of Ovatron's show control API.
'use strict'

// A text option with the panel's variables, such as $(internal:custom_next), filled in.
const parsed = (context, text) => context.parseVariablesInString(String(text ?? ''))

function actionDefinitions(link, report) {
	const send = (path, body) => link.post(path, body).catch((error) => report(`${path}: ${error.message}`))
	return {
		contestant: {
			name: 'Start a contestant',
			options: [{ id: 'name', type: 'textinput', label: 'Name', default: '', useVariables: true }],
			callback: async (event, context) => send('/api/contestant', { name: await parsed(context, event.options.name) }),
		},
		next: {
			name: 'Start next (from the running order)',
			options: [],
			callback: () => send('/api/next'),
		},
		end_turn: { name: 'End turn', options: [], callback: () => send('/api/enter') },
		abandon: { name: 'Abandon', options: [], callback: () => send('/api/escape') },
		applause_down: {
			name: 'Hold applause: press',
			options: [],
			callback: () => link.hold(true, report),
		},
		applause_up: {
			name: 'Hold applause: release',
			options: [],
			callback: () => link.hold(false, report),
		},
		winners: { name: 'Show winners', options: [], callback: () => send('/api/winners') },
		reveal: { name: 'Reveal the next hidden score', options: [], callback: () => send('/api/reveal') },
		new_round: {
			name: 'New round',
			options: [
				{ id: 'name', type: 'textinput', label: 'Name', default: 'Final', useVariables: true },
				{
					id: 'from',
					type: 'textinput',
					label: 'From rounds (separated by commas; empty: none)',
					default: '',
					useVariables: true,
				},
				{ id: 'best', type: 'number', label: 'Best of each', default: 2, min: 1, max: 999 },
			],
			callback: async (event, context) => {
				const from = (await parsed(context, event.options.from))
					.split(',')
					.map((name) => name.trim())
					.filter((name) => name !== '')
				const body = { name: await parsed(context, event.options.name) }
				if (from.length > 0) Object.assign(body, { from, best: Number(event.options.best) || 1 })
				return send('/api/round', body)
			},
		},
	}
}

module.exports = { actionDefinitions }
