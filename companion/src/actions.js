// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The buttons' actions: each one request of Ovatron's show control API.
'use strict'

// Holding applause over HTTP lasts two seconds unless repeated, so a held button repeats it.
const kApplauseRepeatMs = 500

function actionDefinitions(link, report) {
	let holding = null
	const send = (path, body) => link.post(path, body).catch((error) => report(`${path}: ${error.message}`))
	const release = () => {
		clearInterval(holding)
		holding = null
	}
	return {
		contestant: {
			name: 'Start a contestant',
			options: [{ id: 'name', type: 'textinput', label: 'Name', default: '', useVariables: true }],
			callback: (event) => send('/api/contestant', { name: String(event.options.name) }),
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
			callback: () => {
				release()
				holding = setInterval(() => send('/api/applause', { down: true }), kApplauseRepeatMs)
				return send('/api/applause', { down: true })
			},
		},
		applause_up: {
			name: 'Hold applause: release',
			options: [],
			callback: () => {
				release()
				return send('/api/applause', { down: false })
			},
		},
		winners: { name: 'Show winners', options: [], callback: () => send('/api/winners') },
		reveal: { name: 'Reveal the next hidden score', options: [], callback: () => send('/api/reveal') },
		new_round: {
			name: 'New round',
			options: [
				{ id: 'name', type: 'textinput', label: 'Name', default: 'Final', useVariables: true },
				{ id: 'from', type: 'textinput', label: 'From rounds (separated by commas; empty: none)', default: '' },
				{ id: 'best', type: 'number', label: 'Best of each', default: 2, min: 1, max: 999 },
			],
			callback: (event) => {
				const from = String(event.options.from || '')
					.split(',')
					.map((name) => name.trim())
					.filter((name) => name !== '')
				const body = { name: String(event.options.name) }
				if (from.length > 0) Object.assign(body, { from, best: Number(event.options.best) || 1 })
				return send('/api/round', body)
			},
		},
	}
}

module.exports = { actionDefinitions }
