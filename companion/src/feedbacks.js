// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The buttons' colours: each feedback a question of the latest live state.
'use strict'

const { combineRgb } = require('@companion-module/base')
const { turnRuns, countdownRuns, leads } = require('./values')

function feedbackDefinitions(latestState) {
	const ask = (question) => (feedback) => {
		const state = latestState()
		return state !== null && question(state, feedback.options)
	}
	return {
		turn_runs: {
			type: 'boolean',
			name: 'A turn runs',
			defaultStyle: { bgcolor: combineRgb(200, 0, 0), color: combineRgb(255, 255, 255) },
			options: [],
			callback: ask((state) => turnRuns(state)),
		},
		countdown_runs: {
			type: 'boolean',
			name: 'The countdown runs',
			defaultStyle: { bgcolor: combineRgb(230, 140, 0), color: combineRgb(0, 0, 0) },
			options: [],
			callback: ask((state) => countdownRuns(state)),
		},
		leads: {
			type: 'boolean',
			name: 'A given name leads',
			defaultStyle: { bgcolor: combineRgb(0, 150, 60), color: combineRgb(255, 255, 255) },
			options: [{ id: 'name', type: 'textinput', label: 'Name', default: '' }],
			callback: ask((state, options) => leads(state, options.name)),
		},
	}
}

module.exports = { feedbackDefinitions }
