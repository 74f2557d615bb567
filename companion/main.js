// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's instance: configuration, and the link's news passed on to the button panel.
'use strict'

const { InstanceBase, InstanceStatus, Regex, runEntrypoint } = require('@companion-module/base')
const { OvatronLink } = require('./src/link')
const { actionDefinitions } = require('./src/actions')
const { feedbackDefinitions } = require('./src/feedbacks')
const { variableDefinitions, variableValues } = require('./src/values')

class OvatronInstance extends InstanceBase {
	async init(config) {
		this.link = null
		this.setVariableDefinitions(variableDefinitions)
		this.setFeedbackDefinitions(feedbackDefinitions(() => (this.link ? this.link.state : null)))
		await this.configUpdated(config)
	}

	async configUpdated(config) {
		this.config = config
		if (this.link) this.link.close()
		this.link = new OvatronLink(config)
		this.setActionDefinitions(actionDefinitions(this.link, (message) => this.log('warn', message)))
		this.link.on('state', (state) => {
			this.setVariableValues(variableValues(state))
			this.checkFeedbacks()
		})
		this.link.on('status', (status) => {
			if (status === 'ok') this.updateStatus(InstanceStatus.Ok)
			else if (status === 'bad-token')
				this.updateStatus(InstanceStatus.AuthenticationFailure, 'The access token has changed')
			else this.updateStatus(InstanceStatus.Disconnected)
		})
		this.updateStatus(InstanceStatus.Connecting)
		this.link.connect()
	}

	async destroy() {
		if (this.link) this.link.close()
	}

	getConfigFields() {
		return [
			{ type: 'textinput', id: 'host', label: 'Ovatron computer', width: 6, default: '127.0.0.1' },
			{ type: 'number', id: 'port', label: 'Port', width: 3, default: 7480, min: 1, max: 65535 },
			{ type: 'textinput', id: 'token', label: 'Access token (Show Control dialog)', width: 12, default: '', regex: Regex.SOMETHING },
		]
	}
}

runEntrypoint(OvatronInstance, [])
