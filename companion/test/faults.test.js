// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The module against a small stand-in for Ovatron's show control on loopback (real HTTP and a
// real live WebSocket) with the real base library: one case for each way the link can fail the
// crew. No running program is needed.
'use strict'

const test = require('node:test')
const assert = require('node:assert/strict')
const http = require('node:http')
const { once } = require('node:events')
const { WebSocketServer } = require('ws')
const { OvatronLink, timing } = require('../src/link')
const { actionDefinitions } = require('../src/actions')
const { OvatronInstance } = require('../src/instance')

// Short enough that a retry, a silence or a repeat takes a blink.
Object.assign(timing, { firstRetryMs: 20, lastRetryMs: 1000, silenceMs: 1000, repeatMs: 50 })
const kState = JSON.stringify({ state: 'measuring', level: 40, peak: 60, countdown: 75, table: [{ rank: 1, name: 'Ada', score: 60, current: true }] })
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms))
async function until(what, check) {
	for (const deadline = Date.now() + 5000; !check(); await sleep(10)) if (Date.now() > deadline) assert.fail(`${what}: not within 5 s`)
}

// The stand-in records the commands, refuses the live upgrade with `refuse` or hands the socket
// (and how many upgrades came so far) to onLive, which by default sends the state.
async function startStub(t, { refuse, host = '127.0.0.1', onLive = (socket) => socket.send(kState) } = {}) {
	const stub = { posts: [], upgrades: 0 }
	const server = http.createServer(async (request, response) => {
		let body = ''
		for await (const chunk of request) body += chunk
		stub.posts.push({ path: request.url, body: body && JSON.parse(body) })
		response.end('{}')
	})
	const verifyClient = (info, answer) => {
		stub.upgrades += 1
		answer(!refuse, refuse)
	}
	const live = new WebSocketServer({ server, verifyClient }).on('connection', (socket) => onLive(socket, stub.upgrades))
	await once(server.listen(0, host), 'listening')
	stub.config = { host, port: server.address().port, token: 'secret' }
	stub.stop = () => {
		live.clients.forEach((socket) => socket.terminate())
		server.closeAllConnections()
		server.close()
	}
	t.after(stub.stop)
	return stub
}

function startLink(t, config) {
	const link = new OvatronLink(config)
	link.said = []
	link.on('status', (status, message, retryMs) => link.said.push({ status, message, retryMs }))
	t.after(() => link.close())
	link.connect()
	return link
}
const failures = (link) => link.said.filter((s) => s.status === 'failure')

// The real instance; what it tells the button panel is caught where the panel would read it.
const told = []
process.send = (message) => told.push({ name: message.name, ...JSON.parse(message.payload) })
const statuses = () => told.filter((m) => m.name === 'set-status')
async function startInstance(t, config) {
	told.length = 0
	const instance = new OvatronInstance({ id: 'test', _isInstanceBaseProps: true })
	instance.setActionDefinitions = (actions) => (instance.actions = actions)
	instance.setFeedbackDefinitions = (feedbacks) => (instance.feedbacks = feedbacks)
	t.after(() => instance.destroy())
	await instance.init(config)
	return instance
}
const asIs = { parseVariablesInString: async (text) => text }

test('a refused upgrade of any status but 401 and 403 is tried again', async (t) => {
	for (const refuse of [503, 404, 429, 500]) {
		const stub = await startStub(t, { refuse })
		const link = startLink(t, stub.config)
		await until(`a retry after ${refuse}`, () => stub.upgrades >= 2)
		assert.match(failures(link)[0].message, new RegExp(`HTTP ${refuse}`))
	}
})

test('a link silent for 15 s is lost', async (t) => {
	// Only the first connection gets the state, so that none is there after the loss.
	const link = startLink(t, (await startStub(t, { onLive: (socket, count) => count === 1 && socket.send(kState) })).config)
	await until('the loss', () => failures(link).length > 0)
	assert.match(failures(link)[0].message, /No word from Ovatron/)
	assert.equal(link.state, null)
})

test('OK, and a short pause again, only once the state arrives, not when the socket opens', async (t) => {
	// The first three connections are dropped without the state, the fourth after it.
	const onLive = (socket, count) => {
		if (count === 4) socket.send(kState)
		setTimeout(() => socket.terminate(), 10)
	}
	const link = startLink(t, (await startStub(t, { onLive })).config)
	await until('four losses', () => failures(link).length >= 4)
	const said = link.said.slice(0, 5).map((s) => `${s.status} ${s.retryMs ?? ''}`.trim())
	assert.deepEqual(said, ['failure 20', 'failure 40', 'failure 80', 'ok', 'failure 20'])
})

test('a pinged link is kept, over IPv6 too', async (t) => {
	const onLive = (socket) => {
		socket.send(kState)
		const pinging = setInterval(() => socket.ping(), timing.silenceMs / 10)
		socket.on('close', () => clearInterval(pinging))
	}
	const link = startLink(t, (await startStub(t, { onLive, host: '::1' })).config)
	await sleep(timing.silenceMs * 2.5)
	assert.deepEqual(link.said.map((s) => s.status), ['ok'])
})

test('Start a contestant sends the name with the panel variables filled in', async (t) => {
	const stub = await startStub(t)
	const context = { parseVariablesInString: async (text) => text.replace('$(internal:custom_next)', 'Ada') }
	await actionDefinitions(new OvatronLink(stub.config), assert.fail).contestant.callback({ options: { name: '$(internal:custom_next)' } }, context)
	assert.deepEqual(stub.posts, [{ path: '/api/contestant', body: { name: 'Ada' } }])
})

test('a lost link clears the variables and puts out the feedbacks', async (t) => {
	const stub = await startStub(t)
	const instance = await startInstance(t, stub.config)
	await until('the state', () => instance.getVariableValue('current_name') === 'Ada')
	assert.equal(instance.feedbacks.turn_runs.callback({ options: {} }), true)
	stub.stop()
	await until('the loss', () => statuses().at(-1).status === 'connection_failure')
	for (const id of ['state', 'current_name', 'level', 'leader', 'countdown', 'countdown_mss'])
		assert.equal(instance.getVariableValue(id), '', id)
	for (const [id, options] of [['turn_runs', {}], ['countdown_runs', {}], ['leads', { name: 'Ada' }]])
		assert.equal(await instance.feedbacks[id].callback({ options }, asIs), false, id)
})

test('a held applause stops being repeated on release, on a new configuration and on destroy', async (t) => {
	const ends = {
		release: (instance) => instance.actions.applause_up.callback({ options: {} }),
		'a new configuration': (instance) => instance.configUpdated(instance.config),
		destroy: (instance) => instance.destroy(),
	}
	for (const [end, carryOut] of Object.entries(ends)) {
		const stub = await startStub(t)
		const instance = await startInstance(t, stub.config)
		const held = () => stub.posts.filter((post) => post.body.down === true).length
		await instance.actions.applause_down.callback({ options: {} })
		await until('the hold repeated', () => held() >= 2)
		await carryOut(instance)
		await sleep(timing.repeatMs * 2) // a repeat already on its way may still arrive
		const heldThen = held()
		await sleep(timing.repeatMs * 6)
		assert.equal(held(), heldThen, `repeated after ${end}`)
		assert.ok(stub.posts.some((post) => post.body.down === false), `let go at ${end}`)
	}
})

test('a configuration that cannot work is a configuration error and is not tried', async (t) => {
	const stub = await startStub(t)
	for (const change of [{ token: '' }, { host: '' }, { host: 'a b' }, { port: 0 }]) {
		await startInstance(t, { ...stub.config, ...change })
		assert.equal(statuses().at(-1).status, 'bad_config', JSON.stringify(change))
	}
	assert.equal(stub.upgrades, 0)
})

test('a refused connection is a connection failure, logged once however often it is tried', async (t) => {
	const stub = await startStub(t)
	stub.stop()
	await startInstance(t, stub.config)
	await until('three tries', () => statuses().filter((m) => m.status === 'connection_failure').length >= 3)
	assert.match(statuses().at(-1).message, /ECONNREFUSED.*trying again/)
	assert.equal(told.filter((m) => m.name === 'log-message' && /ECONNREFUSED/.test(m.message)).length, 1)
})
