// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// A ready page of buttons: the show's commands, and the live labels that follow it.
'use strict'

const { combineRgb } = require('@companion-module/base')
const { feedbackStyles } = require('./feedbacks')

const kWhite = combineRgb(255, 255, 255)
const kCommand = combineRgb(40, 40, 40)

const action = (actionId, options = {}) => ({ actionId, options })
const lit = (feedbackId, options = {}) => ({ feedbackId, options, style: feedbackStyles[feedbackId] })

// One button: its label, what pressing (and letting go) does, and the feedbacks that colour it.
function button(category, name, text, { down = [], up = [], feedbacks = [], size = '14' } = {}) {
	return {
		type: 'button',
		category,
		name,
		style: { text, size, color: kWhite, bgcolor: kCommand },
		steps: [{ down, up }],
		feedbacks,
	}
}

function presetDefinitions() {
	const commands = 'Show'
	const labels = 'Live labels'
	return {
		start_next: button(commands, 'Start next', 'START\nNEXT', { down: [action('next')] }),
		hold_applause: button(commands, 'Hold applause (held while pressed)', 'HOLD\nAPPLAUSE\n$(ovatron:level)', {
			down: [action('applause_down')],
			up: [action('applause_up')],
			feedbacks: [lit('turn_runs')],
		}),
		end_turn: button(commands, 'End turn', 'END\nTURN', {
			down: [action('end_turn')],
			feedbacks: [lit('turn_runs')],
		}),
		abandon: button(commands, 'Abandon', 'ABANDON', { down: [action('abandon')] }),
		reveal: button(commands, 'Reveal the next hidden score', 'REVEAL', { down: [action('reveal')] }),
		winners: button(commands, 'Show winners', 'WINNERS', { down: [action('winners')] }),
		leader: button(labels, "The leader's name, in the leader's colour", '$(ovatron:leader)\n$(ovatron:leader_score)', {
			size: 'auto',
			feedbacks: [lit('leads', { name: '$(ovatron:leader)' })],
		}),
		countdown: button(labels, 'The countdown (m:ss)', '$(ovatron:countdown_mss)', {
			size: '24',
			feedbacks: [lit('countdown_runs')],
		}),
		countdown_seconds: button(labels, 'The countdown in seconds', '$(ovatron:countdown)', {
			size: '30',
			feedbacks: [lit('countdown_runs')],
		}),
	}
}

module.exports = { presetDefinitions }
