// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// What the buttons show: the live state turned into variables, and the feedbacks' tests.
'use strict'

const variableDefinitions = [
	{ variableId: 'state', name: 'State (name-entry, measuring, summary)' },
	{ variableId: 'current_name', name: 'Contestant being measured' },
	{ variableId: 'level', name: 'Level (0 to 100)' },
	{ variableId: 'peak', name: 'Peak of this turn' },
	{ variableId: 'score', name: 'Score of the contestant being measured' },
	{ variableId: 'leader', name: 'Leader' },
	{ variableId: 'leader_score', name: "Leader's score" },
	{ variableId: 'countdown', name: 'Seconds left in an equal turn' },
	{ variableId: 'countdown_mss', name: 'Time left in an equal turn (m:ss)' },
	{ variableId: 'round', name: 'Round' },
	{ variableId: 'marks_in', name: 'Marks in for the latest contestant open to the jury (3 of 5)' },
	{ variableId: 'marking_name', name: 'Latest contestant open to the jury' },
	{ variableId: 'marking_result', name: 'Her result as it stands (applause and jury weighed)' },
	{ variableId: 'marking_jury', name: "The jury's mark of her as it stands" },
]

// The latest contestant open to the jury, how many judges have marked her and her row; none
// while the jury is off or nobody is open.
function latestMarking(state) {
	const jury = state.jury
	if (!jury || !(jury.open || []).length) return null
	const name = jury.open[0]
	const marked = ((jury.marked || {})[name] || []).length
	const row = (state.table || []).find((entry) => entry.name === name)
	return { name, marked, judges: (jury.judges || []).length, row }
}

// A row's hidden scores stay hidden on the panel too.
function shownResult(state, row, value) {
	if (!row || value === null || value === undefined) return ''
	return (state.hidden || []).includes(row.name) ? '?' : value
}

function currentRow(state) {
	return (state.table || []).find((row) => row.current)
}

// The countdown as a clock shows it: 75 s is "1:15".
function minutesSeconds(seconds) {
	const whole = Math.max(0, Math.ceil(seconds))
	return `${Math.floor(whole / 60)}:${String(whole % 60).padStart(2, '0')}`
}

// The variables' values; without a state (no link) every one is empty.
function variableValues(state) {
	if (state === null) return Object.fromEntries(variableDefinitions.map(({ variableId }) => [variableId, '']))
	const counting = countdownRuns(state)
	const current = currentRow(state)
	const leader = (state.table || [])[0]
	return {
		state: state.state,
		current_name: current ? current.name : '',
		level: state.level,
		peak: state.peak,
		score: current ? current.score : '',
		leader: leader ? leader.name : '',
		leader_score: leader ? leader.score : '',
		countdown: counting ? state.countdown : '',
		countdown_mss: counting ? minutesSeconds(state.countdown) : '',
		round: state.round || '',
		...markingValues(state),
	}
}

function markingValues(state) {
	const marking = latestMarking(state)
	if (!marking) return { marks_in: '', marking_name: '', marking_result: '', marking_jury: '' }
	return {
		marks_in: `${marking.marked} of ${marking.judges}`,
		marking_name: marking.name,
		marking_result: shownResult(state, marking.row, marking.row && marking.row.score),
		marking_jury: shownResult(state, marking.row, marking.row && marking.row.jury),
	}
}

const turnRuns = (state) => state.state === 'measuring' && currentRow(state) !== undefined
const countdownRuns = (state) => typeof state.countdown === 'number'
// Everyone sharing first place leads; nobody does before the first point.
const leads = (state, name) =>
	(state.table || []).some((row) => row.rank === 1 && row.score > 0 && row.name === String(name).trim())

module.exports = { variableDefinitions, variableValues, turnRuns, countdownRuns, leads }
