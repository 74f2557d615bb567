// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// One connection to Ovatron's show control: commands over HTTP with the token, and the live
// state from the WebSocket, reconnected with a growing pause as the program's own pages do.
'use strict'

const { EventEmitter } = require('node:events')
const WebSocket = require('ws')

// Changed only by the tests, which cannot wait for a real silence or a real backoff.
const timing = {
	firstRetryMs: 1000,
	lastRetryMs: 30000,
	// Ovatron pings its live sockets every 5 s: three missed pings are a lost link.
	silenceMs: 15000,
	// Holding applause over HTTP lasts two seconds unless repeated, so a held button repeats it.
	repeatMs: 500,
	requestMs: 5000,
}
// The close code Ovatron sends when a live socket's token is refused.
const kPolicyViolated = 1008

// What is wrong with a configuration, or null; a link with a problem never connects.
function configProblem({ host, port, token }) {
	if (!String(host || '').trim()) return "No Ovatron computer: enter its address from Ovatron's Show Control dialog"
	if (!Number.isInteger(Number(port)) || port < 1 || port > 65535) return `The port ${port} is not between 1 and 65535`
	if (!String(token || '').trim()) return "No access token: copy it from Ovatron's Show Control dialog"
	try {
		new URL(`http://${hostInUrl(host)}:${port}/`)
	} catch {
		return `"${host}" is not a computer's name or address`
	}
	return null
}

// An IPv6 address goes in brackets within a URL.
function hostInUrl(host) {
	const name = String(host).trim()
	return name.includes(':') && !name.startsWith('[') ? `[${name}]` : name
}

class OvatronLink extends EventEmitter {
	constructor(config) {
		super()
		this.problem = configProblem(config)
		const host = this.problem ? '' : hostInUrl(config.host)
		this.token = String(config.token || '').trim()
		this.base = `http://${host}:${config.port}`
		this.liveUrl = `ws://${host}:${config.port}/api/live?token=${encodeURIComponent(this.token)}`
		this.state = null
		this.retryMs = timing.firstRetryMs
		this.socket = null
		this.timer = null
		this.watchdog = null
		this.holding = null
		this.stopped = false
	}

	// Sends a command; resolves with the program's JSON answer, rejects with its error text.
	async post(path, body) {
		if (this.problem) throw new Error(this.problem)
		const response = await fetch(this.base + path, {
			method: 'POST',
			headers: { Authorization: `Bearer ${this.token}`, 'Content-Type': 'application/json' },
			body: body === undefined ? undefined : JSON.stringify(body),
			signal: AbortSignal.timeout(timing.requestMs),
		})
		const answer = await response.json().catch(() => ({}))
		if (!response.ok) throw new Error(answer.error || `HTTP ${response.status}`)
		return answer
	}

	// Holds the applause down, repeated until released, or lets it go.
	hold(down, report) {
		clearInterval(this.holding)
		this.holding = null
		// A repeat that fails every half second is reported once.
		let failed = false
		const send = () =>
			this.post('/api/applause', { down }).catch((error) => {
				if (!failed) report(`/api/applause: ${error.message}`)
				failed = true
			})
		if (down && !this.stopped) this.holding = setInterval(send, timing.repeatMs)
		return send()
	}

	connect() {
		if (this.stopped) return
		if (this.problem) {
			this.stopped = true
			this.emit('status', 'bad-config', this.problem)
			return
		}
		const socket = new WebSocket(this.liveUrl, { handshakeTimeout: timing.silenceMs })
		this.socket = socket
		socket.on('open', () => this.heard(socket))
		socket.on('ping', () => this.heard(socket))
		socket.on('message', (data) => {
			this.heard(socket)
			let state
			try {
				state = JSON.parse(data.toString())
			} catch {
				return
			}
			if (this.socket !== socket) return
			const first = this.state === null
			this.state = state
			// Only a link that delivers the state counts as working, so only then is the pause reset.
			if (first) {
				this.retryMs = timing.firstRetryMs
				this.emit('status', 'ok')
			}
			this.emit('state', state)
		})
		socket.on('error', (error) => this.lose(socket, error.message))
		socket.on('close', (code) => {
			if (code === kPolicyViolated) this.refuseToken(socket)
			else this.lose(socket, `The connection to Ovatron closed (${code})`)
		})
		// Once this is listened to, ws leaves the refused handshake to us.
		socket.on('unexpected-response', (request, response) => {
			const status = response.statusCode
			if (status === 401 || status === 403) this.refuseToken(socket)
			else this.lose(socket, `Ovatron refused the live connection (HTTP ${status})`)
		})
	}

	// Any frame, a ping included, shows that the peer is still there.
	heard(socket) {
		if (this.socket !== socket) return
		clearTimeout(this.watchdog)
		this.watchdog = setTimeout(
			() => this.lose(socket, `No word from Ovatron for ${timing.silenceMs / 1000} s`),
			timing.silenceMs,
		)
	}

	// Drops the socket once, whichever of its events came first, and tries again later.
	lose(socket, reason) {
		if (!this.drop(socket)) return
		this.timer = setTimeout(() => this.connect(), this.retryMs)
		this.emit('status', 'failure', reason, this.retryMs)
		this.retryMs = Math.min(this.retryMs * 2, timing.lastRetryMs)
	}

	// A wrong token stays wrong: asking again would only count against this address.
	refuseToken(socket) {
		if (!this.drop(socket)) return
		this.stopped = true
		this.emit('status', 'bad-token')
	}

	drop(socket) {
		if (this.socket !== socket) return false
		this.socket = null
		clearTimeout(this.watchdog)
		socket.terminate()
		if (this.state !== null) {
			this.state = null
			this.emit('state', null)
		}
		return true
	}

	close() {
		this.stopped = true
		clearTimeout(this.timer)
		// A hold ends with the link rather than two seconds later in Ovatron.
		if (this.holding) this.post('/api/applause', { down: false }).catch(() => {})
		clearInterval(this.holding)
		this.holding = null
		if (this.socket) this.drop(this.socket)
	}
}

module.exports = { OvatronLink, configProblem, timing }
