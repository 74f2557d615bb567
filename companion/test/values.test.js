// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The jury's variables: the marks in for the latest contestant open, her result and J, hidden while her score is.
'use strict'

const test = require('node:test')
const assert = require('node:assert/strict')
const { variableValues } = require('../src/values')

const table = [{ name: 'Ana', score: 63.5, jury: 6.7 }, { name: 'Bo', score: 40, jury: null }]
const jury = { judges: ['I', 'O', 'P', 'U', 'V'], open: ['Ana', 'Bo'], marked: { Ana: ['I', 'P', 'V'] } }
for (const [what, given, wanted] of [
	['no jury', {}, ['', '', '', '']],
	['nobody open', { jury: { ...jury, open: [] } }, ['', '', '', '']],
	['the latest open first', { jury }, ['3 of 5', 'Ana', 63.5, 6.7]],
	['nobody marked yet', { jury: { ...jury, open: ['Bo'] } }, ['0 of 5', 'Bo', 40, '']],
	['a hidden score', { jury, hidden: ['Ana'] }, ['3 of 5', 'Ana', '?', '?']],
]) {
	test(`the jury's variables: ${what}`, () => {
		const values = variableValues({ state: 'name-entry', table, hidden: [], ...given })
		assert.deepEqual([values.marks_in, values.marking_name, values.marking_result, values.marking_jury], wanted)
	})
}
