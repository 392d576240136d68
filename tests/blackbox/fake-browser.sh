#!/bin/sh
# A stand-in web browser for the help window's tests: notes each address it
# is asked to open in a file beside itself.
printf '%s\n' "$1" >>"$(dirname "$0")/opened-addresses.txt"
