'use strict'
const { InstanceBase, runEntrypoint } = require('@companion-module/base')
const { moduleClass } = require('./module')

runEntrypoint(moduleClass(InstanceBase), [])
