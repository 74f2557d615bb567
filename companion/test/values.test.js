// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The jury's variables from the live state: the marks in for the latest contestant open, and
// her result, hidden while her score is.
'use strict'

const test = require('node:test')
const assert = require('node:assert/strict')
const { variableValues } = require('../src/values')

const table = [
	{ rank: 1, name: 'Ana', score: 63.5, applause: 60, jury: 6.7, current: false },
	{ rank: 2, name: 'Bo', score: 40, applause: 80, jury: null, current: true },
]
const jury = { judges: ['I', 'O', 'P', 'U', 'V'], open: ['Ana', 'Bo'], marked: { Ana: ['I', 'P', 'V'] } }
const none = ['', '', '', '']
const cases = [
	['no jury', {}, none],
	['nobody open', { jury: { ...jury, open: [] } }, none],
	['the latest open first', { jury }, ['3 of 5', 'Ana', 63.5, 6.7]],
	['nobody marked yet', { jury: { ...jury, open: ['Bo'] } }, ['0 of 5', 'Bo', 40, '']],
	['a hidden score', { jury, hidden: ['Ana'] }, ['3 of 5', 'Ana', '?', '?']],
]
for (const [what, given, wanted] of cases) {
	test(`the jury's variables: ${what}`, () => {
		const values = variableValues({ state: 'name-entry', level: 0, peak: 0, table, hidden: [], ...given })
		assert.deepEqual([values.marks_in, values.marking_name, values.marking_result, values.marking_jury], wanted)
	})
}
