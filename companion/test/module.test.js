// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The module against the real program started with --show-control (tests/e2e/run_production_e2e.sh
// starts it and passes its port and token): each action does what it says, and the variables
// and feedbacks follow the live state.
'use strict'

const test = require('node:test')
const assert = require('node:assert/strict')
const { OvatronLink } = require('../src/link')
const { actionDefinitions } = require('../src/actions')
const { feedbackDefinitions } = require('../src/feedbacks')
const { variableValues } = require('../src/values')

const port = Number(process.env.OVATRON_PORT)
const token = process.env.OVATRON_TOKEN
const kWaitMs = 15000

const skip = !port || !token ? 'no program to drive: tests/e2e/run_production_e2e.sh starts one' : false

// Resolves with the first live state that passes, or fails with the last one seen.
function until(link, passes, what) {
	return new Promise((resolve, reject) => {
		if (link.state && passes(link.state)) return resolve(link.state)
		const timer = setTimeout(() => {
			link.off('state', look)
			reject(new Error(`${what}: not seen within ${kWaitMs} ms; last state ${JSON.stringify(link.state)}`))
		}, kWaitMs)
		const look = (state) => {
			if (!passes(state)) return
			clearTimeout(timer)
			link.off('state', look)
			resolve(state)
		}
		link.on('state', look)
	})
}

async function stateOverHttp() {
	const response = await fetch(`http://127.0.0.1:${port}/api/state`, {
		headers: { Authorization: `Bearer ${token}` },
	})
	assert.equal(response.status, 200)
	return response.json()
}

test('the module drives a show and follows it', { skip }, async (t) => {
	const link = new OvatronLink({ host: '127.0.0.1', port, token })
	const problems = []
	const actions = actionDefinitions(link, (message) => problems.push(message))
	const feedbacks = feedbackDefinitions(() => link.state)
	// The panel fills in its variables; the names here have none.
	const context = { parseVariablesInString: async (text) => text }
	const run = (id, options = {}) => actions[id].callback({ options }, context)
	const feedback = (id, options = {}) => feedbacks[id].callback({ options }, context)
	t.after(() => link.close())
	link.connect()

	await until(link, (s) => s.state === 'name-entry', 'the first live state')
	assert.equal(await feedback('turn_runs'), false)

	await run('contestant', { name: 'Ada' })
	let state = await until(link, (s) => s.state === 'measuring', 'a turn for Ada')
	assert.equal(variableValues(state).current_name, 'Ada')
	assert.equal(variableValues(state).state, 'measuring')
	assert.equal(await feedback('turn_runs'), true)

	await run('applause_down')
	state = await until(link, (s) => s.peak >= 30, 'applause held from the panel lifting the peak')
	await run('applause_up')
	state = await until(link, (s) => s.level < s.peak, 'the level sinking after release')
	const values = variableValues(state)
	assert.equal(values.peak, state.peak)
	assert.equal(values.score, state.peak, 'the contestant scores the peak')
	assert.equal(values.leader, 'Ada')
	assert.equal(await feedback('leads', { name: 'Ada' }), true)
	assert.equal(await feedback('leads', { name: 'Bo' }), false)

	await run('end_turn')
	state = await until(link, (s) => s.state === 'summary', 'the summary after End turn')
	assert.equal(await feedback('turn_runs'), false)
	// The live state and the HTTP state agree on what the buttons show.
	const asked = await stateOverHttp()
	assert.deepEqual(variableValues(asked), variableValues(link.state))

	// "Next" starts the running order's first waiting name, as Enter on the summary does.
	await run('next')
	state = await until(link, (s) => s.state === 'name-entry' || s.state === 'measuring', 'Next')
	await run('contestant', { name: 'Bo' })
	state = await until(link, (s) => s.state === 'measuring' && variableValues(s).current_name === 'Bo', 'a turn for Bo')
	// The equal turn's countdown runs once Bo's applause starts, and ends the turn by itself.
	await run('applause_down')
	state = await until(link, (s) => typeof s.countdown === 'number', 'the countdown')
	assert.equal(await feedback('countdown_runs'), true)
	assert.equal(variableValues(state).countdown, state.countdown)
	await run('applause_up')
	state = await until(link, (s) => s.state === 'summary', 'the equal turn ending by itself')
	assert.equal(await feedback('countdown_runs'), false)
	// Nobody waits in the running order: from the summary, Next brings back the name entry.
	await run('next')
	await until(link, (s) => s.state === 'name-entry', 'Next from the summary')

	await run('contestant', { name: 'Cy' })
	await until(link, (s) => variableValues(s).current_name === 'Cy', 'a turn for Cy')
	await run('abandon')
	state = await until(link, (s) => s.state === 'name-entry', 'Abandon')
	assert.ok(state.table.some((row) => row.name === 'Cy'), 'an abandoned turn keeps its row')

	// The program runs with HideScores: each Reveal shows one more of the hidden scores.
	const hidden = link.state.hidden.length
	assert.ok(hidden >= 2, `the turns so far are hidden: ${JSON.stringify(link.state.hidden)}`)
	await run('reveal')
	await until(link, (s) => s.hidden.length === hidden - 1, 'one score revealed')

	await run('winners')
	state = await until(link, (s) => s.winners === true, 'the winners shown')
	await run('winners')
	await until(link, (s) => s.winners === false, 'the winners hidden')

	await run('new_round', { name: 'Final', from: '', best: 2 })
	state = await until(link, (s) => s.round === 'Final', 'the new round made current')
	assert.equal(variableValues(state).round, 'Final')
	assert.deepEqual(state.table, [], 'an empty round has an empty table')
	assert.deepEqual(problems, [])
})

test('a wrong token stops the link instead of retrying', { skip }, async () => {
	const link = new OvatronLink({ host: '127.0.0.1', port, token: 'not-the-token' })
	const said = new Promise((resolve) => link.on('status', (status) => status === 'bad-token' && resolve()))
	link.connect()
	await said
	assert.equal(link.stopped, true)
	assert.equal(link.timer, null, 'no reconnection was planned')
	await assert.rejects(link.post('/api/enter'), /token/)
	link.close()
})
