// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The module against a small stand-in for Ovatron's show control on loopback (HTTP and the
// live WebSocket, both real), with the real base library: one case for each way the link can
// fail the crew. No running program is needed.
'use strict'

const test = require('node:test')
const assert = require('node:assert/strict')
const http = require('node:http')
const { once } = require('node:events')
const { WebSocketServer } = require('ws')
const { OvatronLink, timing } = require('../src/link')
const { actionDefinitions } = require('../src/actions')
const { OvatronInstance } = require('../src/instance')

// Short enough that a retry, a silence or a repeat takes a blink, not seconds.
Object.assign(timing, { firstRetryMs: 20, lastRetryMs: 1000, silenceMs: 1000, repeatMs: 50 })
const kState = { state: 'measuring', level: 40, peak: 60, countdown: 75, round: 'Heat 1', table: [{ rank: 1, name: 'Ada', score: 60, current: true }] }
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms))

// Polls until check() holds, at most 5 s.
async function until(what, check) {
	for (const deadline = Date.now() + 5000; !check(); await sleep(10))
		if (Date.now() > deadline) assert.fail(`${what}: not within 5 s`)
}

// The stand-in: records the commands; answers the live upgrade with `refuse`'s status, or hands
// the socket to onLive, which by default sends the state at once.
async function startStub(t, { refuse, host = '127.0.0.1', onLive = (socket) => socket.send(JSON.stringify(kState)) } = {}) {
	const stub = { posts: [], upgrades: 0 }
	const server = http.createServer(async (request, response) => {
		let body = ''
		for await (const chunk of request) body += chunk
		stub.posts.push({ path: request.url, body: body && JSON.parse(body) })
		response.writeHead(200, { 'Content-Type': 'application/json' }).end('{}')
	})
	const live = new WebSocketServer({ noServer: true })
	server.on('upgrade', (request, socket, head) => {
		stub.upgrades += 1
		if (refuse) socket.end(`HTTP/1.1 ${refuse} Refused\r\nContent-Length: 0\r\n\r\n`)
		else live.handleUpgrade(request, socket, head, (ws) => onLive(ws, stub.upgrades))
	})
	server.listen(0, host)
	await once(server, 'listening')
	stub.config = { host, port: server.address().port, token: 'secret' }
	stub.stop = () => {
		for (const client of live.clients) client.terminate()
		server.closeAllConnections()
		server.close()
	}
	t.after(stub.stop)
	return stub
}

function startLink(t, config) {
	const link = new OvatronLink(config)
	link.statuses = []
	link.on('status', (status, message, retryMs) => link.statuses.push({ status, message, retryMs, at: Date.now() }))
	t.after(() => link.close())
	link.connect()
	return link
}

// The real instance, with what it tells the button panel caught where the panel would read it.
const told = []
process.send = (message) => told.push({ name: message.name, ...JSON.parse(message.payload) })
const lastStatus = () => told.filter((m) => m.name === 'set-status').at(-1) || {}
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

test('Start a contestant sends the name with the panel variables filled in', async (t) => {
	const stub = await startStub(t)
	const context = { parseVariablesInString: async (text) => text.replace('$(internal:custom_next)', 'Ada') }
	const actions = actionDefinitions(new OvatronLink(stub.config), assert.fail)
	await actions.contestant.callback({ options: { name: '$(internal:custom_next)' } }, context)
	assert.deepEqual(stub.posts, [{ path: '/api/contestant', body: { name: 'Ada' } }])
})

test('a refused upgrade of any status but 401 and 403 is tried again', async (t) => {
	for (const status of [503, 404, 429, 500]) {
		const stub = await startStub(t, { refuse: status })
		const link = startLink(t, stub.config)
		await until(`a second try after ${status}`, () => stub.upgrades >= 2)
		assert.match(link.statuses[0].message, new RegExp(`HTTP ${status}`))
		assert.equal(link.statuses[0].status, 'failure')
	}
})

test('a silent link is lost, a pinged one is kept', async (t) => {
	// Only the first connection gets the state, so that none is there again after the loss.
	const stub = await startStub(t, { onLive: (socket, count) => count === 1 && socket.send(JSON.stringify(kState)) })
	const silent = startLink(t, stub.config)
	await until('the silent link lost', () => silent.statuses.some((s) => s.status === 'failure'))
	assert.match(silent.statuses.find((s) => s.status === 'failure').message, /No word from Ovatron/)
	assert.equal(silent.state, null)

	const pinged = await startStub(t, {
		onLive: (socket) => {
			socket.send(JSON.stringify(kState))
			const pinging = setInterval(() => socket.ping(), timing.silenceMs / 10)
			socket.on('close', () => clearInterval(pinging))
		},
	})
	const kept = startLink(t, pinged.config)
	await sleep(timing.silenceMs * 2.5)
	assert.deepEqual(kept.statuses.map((s) => s.status), ['ok'])
})

test('a lost link clears the variables and puts out the feedbacks', async (t) => {
	const stub = await startStub(t)
	const instance = await startInstance(t, stub.config)
	await until('the state', () => instance.getVariableValue('leader') === 'Ada')
	assert.equal(await instance.feedbacks.turn_runs.callback({ options: {} }, asIs), true)
	stub.stop()
	await until('the loss', () => lastStatus().status === 'connection_failure')
	for (const id of ['state', 'current_name', 'level', 'leader', 'countdown', 'countdown_mss', 'round'])
		assert.equal(instance.getVariableValue(id), '', id)
	for (const [id, options] of [['turn_runs', {}], ['countdown_runs', {}], ['leads', { name: 'Ada' }]])
		assert.equal(await instance.feedbacks[id].callback({ options }, asIs), false, id)
})

test('a held applause stops being repeated on release, a new configuration and destroy', async (t) => {
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
		// A repeat already on its way when the hold ended may still arrive.
		await sleep(timing.repeatMs * 2)
		const heldThen = held()
		await sleep(timing.repeatMs * 6)
		assert.equal(held(), heldThen, `repeated after ${end}`)
		assert.ok(stub.posts.some((post) => post.body.down === false), `let go at ${end}`)
	}
})

test('a configuration that cannot work is a configuration error and is not tried', async (t) => {
	const stub = await startStub(t)
	const wrong = { 'no token': { token: '' }, 'no computer': { host: '' }, 'no address': { host: 'a b' }, 'no port': { port: 0 } }
	for (const [what, change] of Object.entries(wrong)) {
		await startInstance(t, { ...stub.config, ...change })
		assert.equal(lastStatus().status, 'bad_config', what)
		assert.ok(lastStatus().message, what)
	}
	assert.equal(stub.upgrades, 0)
})

test('an IPv6 address is reached', async (t) => {
	const link = startLink(t, (await startStub(t, { host: '::1' })).config)
	await until('the state over IPv6', () => link.state !== null)
})

test('a refused connection is a connection failure, logged once however often it is tried', async (t) => {
	const stub = await startStub(t)
	stub.stop()
	await startInstance(t, stub.config)
	await until('three tries', () => told.filter((m) => m.name === 'set-status' && m.status === 'connection_failure').length >= 3)
	assert.match(lastStatus().message, /ECONNREFUSED.*trying again/)
	assert.equal(told.filter((m) => m.name === 'log-message' && /ECONNREFUSED/.test(m.message)).length, 1)
})

test('the pause before a retry grows until the state arrives, and only then starts again', async (t) => {
	// The first three connections are dropped at once, the fourth after its state.
	const stub = await startStub(t, {
		onLive: (socket, count) => {
			if (count === 4) socket.send(JSON.stringify(kState))
			setTimeout(() => socket.terminate(), 10)
		},
	})
	const link = startLink(t, stub.config)
	await until('four losses', () => link.statuses.filter((s) => s.status === 'failure').length >= 4)
	const pauses = link.statuses.filter((s) => s.status === 'failure').map((s) => s.retryMs)
	assert.deepEqual(pauses.slice(0, 4), [20, 40, 80, 20])
})

test('the status is OK once the state arrives, not when the socket opens', async (t) => {
	let sentAt = null
	const stub = await startStub(t, {
		onLive: (socket) =>
			setTimeout(() => {
				sentAt = Date.now()
				socket.send(JSON.stringify(kState))
			}, 200),
	})
	const link = startLink(t, stub.config)
	await until('OK', () => link.statuses.length > 0)
	assert.equal(link.statuses[0].status, 'ok')
	assert.ok(sentAt !== null && link.statuses[0].at >= sentAt)
})
