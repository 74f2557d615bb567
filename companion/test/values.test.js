// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The jury's variables from the live state: the marks in for the latest contestant open, and
// her result, hidden while her score is.
'use strict'

const test = require('node:test')
const assert = require('node:assert/strict')
const { variableValues } = require('../src/values')

const base = { state: 'name-entry', level: 0, peak: 0, countdown: null, hidden: [] }
const table = [
	{ rank: 1, name: 'Ana', score: 63.5, applause: 60, jury: 6.7, current: false },
	{ rank: 2, name: 'Bo', score: 40, applause: 80, jury: null, current: true },
]
const jury = { judges: ['Ines', 'Omar', 'Pia', 'Uma', 'Vic'], open: ['Ana', 'Bo'], marked: { Ana: ['Ines', 'Pia', 'Vic'] } }

const cases = [
	['no jury', { ...base, table }, { marks_in: '', marking_name: '', marking_result: '', marking_jury: '' }],
	['nobody open', { ...base, table, jury: { ...jury, open: [] } }, { marks_in: '', marking_name: '', marking_result: '', marking_jury: '' }],
	['the latest open first', { ...base, table, jury }, { marks_in: '3 of 5', marking_name: 'Ana', marking_result: 63.5, marking_jury: 6.7 }],
	['nobody marked yet', { ...base, table, jury: { ...jury, open: ['Bo'] } }, { marks_in: '0 of 5', marking_name: 'Bo', marking_result: 40, marking_jury: '' }],
	['a hidden score', { ...base, table, jury, hidden: ['Ana'] }, { marks_in: '3 of 5', marking_name: 'Ana', marking_result: '?', marking_jury: '?' }],
]

for (const [what, state, wanted] of cases) {
	test(`the jury's variables: ${what}`, () => {
		const values = variableValues(state)
		for (const [variable, value] of Object.entries(wanted)) assert.equal(values[variable], value, variable)
	})
}
