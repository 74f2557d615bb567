// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The buttons' colours: each feedback a question of the latest live state.
'use strict'

const { combineRgb } = require('@companion-module/base')
const { turnRuns, countdownRuns, leads } = require('./values')

// Each feedback's colours, which the presets give their buttons too.
const feedbackStyles = {
	turn_runs: { bgcolor: combineRgb(200, 0, 0), color: combineRgb(255, 255, 255) },
	countdown_runs: { bgcolor: combineRgb(230, 140, 0), color: combineRgb(0, 0, 0) },
	leads: { bgcolor: combineRgb(0, 150, 60), color: combineRgb(255, 255, 255) },
}

function feedbackDefinitions(latestState) {
	const ask = (question) => (feedback) => {
		const state = latestState()
		return state !== null && question(state, feedback.options)
	}
	return {
		turn_runs: {
			type: 'boolean',
			name: 'A turn runs',
			defaultStyle: feedbackStyles.turn_runs,
			options: [],
			callback: ask((state) => turnRuns(state)),
		},
		countdown_runs: {
			type: 'boolean',
			name: 'The countdown runs',
			defaultStyle: feedbackStyles.countdown_runs,
			options: [],
			callback: ask((state) => countdownRuns(state)),
		},
		leads: {
			type: 'boolean',
			name: 'A given name leads',
			defaultStyle: feedbackStyles.leads,
			// "$(ovatron:leader)" as the name lights the button whenever anyone leads.
			options: [{ id: 'name', type: 'textinput', label: 'Name', default: '', useVariables: true }],
			callback: async (feedback, context) => {
				const name = await context.parseVariablesInString(String(feedback.options.name ?? ''))
				return ask((state) => leads(state, name))(feedback)
			},
		},
	}
}

module.exports = { feedbackDefinitions, feedbackStyles }
