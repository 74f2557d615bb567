// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: MIT

// The module's entry point, as the button panel starts it.
'use strict'

const { runEntrypoint } = require('@companion-module/base')
const { OvatronInstance } = require('./src/instance')

runEntrypoint(OvatronInstance, [])
