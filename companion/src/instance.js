// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The module's instance: configuration, and the link's news passed on to the button panel.
'use strict'

const { InstanceBase, InstanceStatus, Regex } = require('@companion-module/base')
const { OvatronLink } = require('./link')
const { actionDefinitions } = require('./actions')
const { feedbackDefinitions } = require('./feedbacks')
const { presetDefinitions } = require('./presets')
const { variableDefinitions, variableValues } = require('./values')

class OvatronInstance extends InstanceBase {
	async init(config) {
		this.link = null
		this.setVariableDefinitions(variableDefinitions)
		this.setFeedbackDefinitions(feedbackDefinitions(() => (this.link ? this.link.state : null)))
		this.setPresetDefinitions(presetDefinitions())
		await this.configUpdated(config)
	}

	async configUpdated(config) {
		this.config = config
		if (this.link) this.link.close()
		const link = new OvatronLink(config)
		this.link = link
		// The same failure again and again, at every retry, is logged once.
		let lastProblem = null
		this.setActionDefinitions(actionDefinitions(link, (message) => this.log('warn', message)))
		link.on('state', (state) => {
			this.setVariableValues(variableValues(state))
			this.checkFeedbacks()
		})
		link.on('status', (status, message, retryMs) => {
			if (status === 'ok') {
				lastProblem = null
				this.updateStatus(InstanceStatus.Ok)
			} else if (status === 'bad-token') {
				this.updateStatus(InstanceStatus.AuthenticationFailure, 'The access token has changed')
			} else if (status === 'bad-config') {
				this.updateStatus(InstanceStatus.BadConfig, message)
			} else {
				if (message !== lastProblem) this.log('warn', message)
				lastProblem = message
				this.updateStatus(InstanceStatus.ConnectionFailure, `${message}; trying again in ${retryMs / 1000} s`)
			}
		})
		this.setVariableValues(variableValues(null))
		this.checkFeedbacks()
		this.updateStatus(InstanceStatus.Connecting)
		link.connect()
	}

	async destroy() {
		if (this.link) this.link.close()
	}

	getConfigFields() {
		return [
			{ type: 'textinput', id: 'host', label: 'Ovatron computer', width: 6, default: '127.0.0.1' },
			{ type: 'number', id: 'port', label: 'Port', width: 3, default: 7480, min: 1, max: 65535 },
			{
				type: 'textinput',
				id: 'token',
				label: 'Access token (Show Control dialog)',
				width: 12,
				default: '',
				regex: Regex.SOMETHING,
			},
		]
	}
}

module.exports = { OvatronInstance }
