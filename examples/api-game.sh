#!/bin/sh
# A whole short game through Corvella's HTTP API: a new game, ten seconds
# of play with scores on both sides, the buzzer, a mistake undone, and the
# final state. Needs the board on the network and the API turned on.
#
#   TOKEN=… examples/api-game.sh [http://127.0.0.1:8080]
set -eu

BASE=${1:-http://127.0.0.1:8080}
: "${TOKEN:?set TOKEN to the API token from the options page Network}"

call() {
    # call METHOD PATH [BODY]: prints the answer; stops the game on a refusal.
    curl -sS --fail-with-body -X "$1" \
        -H "Authorization: Bearer $TOKEN" -H 'Content-Type: application/json' \
        ${3:+-d "$3"} "$BASE/api/v1/$2"
    echo
}

call POST game/new
call POST clock '{"value":"0.00"}'
call POST clock/start
sleep 2
call POST score/home/1 '{"add":2}'
sleep 2
call POST score/guest/1 '{"add":3}'
call POST score/guest/1 '{"add":3}'
# The second three were a mistake.
call POST undo
sleep 2
call POST score/home/1 '{"add":1}'
sleep 4
call POST clock/stop
call POST buzzer
call GET state
