// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// One connection to Ovatron's show control: commands over HTTP with the token, and the live
// state from the WebSocket, reconnected with a growing pause as the program's own pages do.
'use strict'

const { EventEmitter } = require('node:events')
const WebSocket = require('ws')

const kFirstRetryMs = 1000
const kLastRetryMs = 30000
const kRequestTimeoutMs = 5000
// The close code Ovatron sends when a live socket's token is refused.
const kPolicyViolated = 1008

class OvatronLink extends EventEmitter {
	constructor({ host, port, token }) {
		super()
		this.base = `http://${host}:${port}`
		this.liveUrl = `ws://${host}:${port}/api/live?token=${encodeURIComponent(token)}`
		this.token = token
		this.state = null
		this.retryMs = kFirstRetryMs
		this.socket = null
		this.timer = null
		this.stopped = false
	}

	// Sends a command; resolves with the program's JSON answer, rejects with its error text.
	async post(path, body) {
		const response = await fetch(this.base + path, {
			method: 'POST',
			headers: { Authorization: `Bearer ${this.token}`, 'Content-Type': 'application/json' },
			body: body === undefined ? undefined : JSON.stringify(body),
			signal: AbortSignal.timeout(kRequestTimeoutMs),
		})
		const answer = await response.json().catch(() => ({}))
		if (!response.ok) throw new Error(answer.error || `HTTP ${response.status}`)
		return answer
	}

	connect() {
		if (this.stopped) return
		const socket = new WebSocket(this.liveUrl)
		this.socket = socket
		socket.on('open', () => {
			this.retryMs = kFirstRetryMs
			this.emit('status', 'ok')
		})
		socket.on('message', (data) => {
			try {
				this.state = JSON.parse(data.toString())
			} catch {
				return
			}
			this.emit('state', this.state)
		})
		socket.on('error', () => {})
		socket.on('close', (code) => {
			if (this.socket !== socket) return
			this.socket = null
			if (code === kPolicyViolated) {
				// A wrong token stays wrong: asking again would only count against this address.
				this.stopped = true
				this.emit('status', 'bad-token')
				return
			}
			this.emit('status', 'disconnected')
			this.timer = setTimeout(() => this.connect(), this.retryMs)
			this.retryMs = Math.min(this.retryMs * 2, kLastRetryMs)
		})
		// A server that rejects the upgrade with an HTTP status never opens the socket.
		socket.on('unexpected-response', (request, response) => {
			if (response.statusCode === 401 || response.statusCode === 403) {
				this.stopped = true
				this.socket = null
				socket.terminate()
				this.emit('status', 'bad-token')
			}
		})
	}

	close() {
		this.stopped = true
		clearTimeout(this.timer)
		if (this.socket) {
			const socket = this.socket
			this.socket = null
			socket.terminate()
		}
	}
}

module.exports = { OvatronLink, kFirstRetryMs, kLastRetryMs }
