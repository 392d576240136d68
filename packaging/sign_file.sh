#!/usr/bin/env bash
# Signs one Windows program file in place: Authenticode with SHA-256, the
# game's name and web address in the signature, and a timestamp, with the
# key and certificate the environment names, either in a PKCS#12 file:
#   PLUMARO_SIGN_PFX            the PKCS#12 file with the certificate and key
#   PLUMARO_SIGN_PASSWORD_FILE  a file holding its password (optional)
# or with the key in a hardware token or HSM, through its PKCS#11 library:
#   PLUMARO_SIGN_PKCS11_MODULE  the PKCS#11 library's path
#   PLUMARO_SIGN_PKCS11_KEY     the private key's pkcs11: URI (RFC 7512), e.g.
#                               pkcs11:token=NAME;object=LABEL;type=private
#   PLUMARO_SIGN_CERT           the certificate (and its chain), a PEM file
#   PLUMARO_SIGN_PASSWORD_FILE  a file holding the token's PIN (optional:
#                               without it, a token that wants one fails)
# and always:
#   PLUMARO_SIGN_TIMESTAMP_URL  RFC 3161 timestamp servers, separated by
#                               spaces, asked in turn until one answers; or
#                               "none" to sign without a timestamp
#   PLUMARO_SIGN_TIMESTAMP_WAIT seconds to wait for each server's answer
#                               (optional, 30)
# and names the game and its site as the build's release-facts.sh does:
#   PLUMARO_PRODUCT_NAME, PLUMARO_WEB_ADDRESS
#
#   sign_file.sh FILE
# On any failure it says why, leaves FILE as it was and exits non-zero;
# stopped midway (Ctrl-C, a signal), it leaves no partly signed copy behind.
set -euo pipefail
file=${1:?file to sign}

fail() {
    echo "sign_file.sh: $*" >&2
    exit 1
}

readable() { [ -f "$1" ] && [ -r "$1" ]; }
pfx=${PLUMARO_SIGN_PFX:-}
module=${PLUMARO_SIGN_PKCS11_MODULE:-} key=${PLUMARO_SIGN_PKCS11_KEY:-} cert=${PLUMARO_SIGN_CERT:-}
if [ -n "$pfx" ]; then
    [ -z "$module$key$cert" ] || fail "PLUMARO_SIGN_PFX and PLUMARO_SIGN_PKCS11_* both name a key: name one"
    readable "$pfx" || fail "cannot read the certificate file '$pfx'"
    signer=(-pkcs12 "$pfx") with="'$pfx'"
elif [ -n "$module$key$cert" ]; then
    readable "$module" || fail "PLUMARO_SIGN_PKCS11_MODULE: cannot read the PKCS#11 library '$module'"
    [[ $key == pkcs11:* ]] || fail "PLUMARO_SIGN_PKCS11_KEY is '$key', not a pkcs11: URI"
    # The PIN comes from PLUMARO_SIGN_PASSWORD_FILE, never on a command line
    # where any user of the machine can read it.
    [[ $key != *pin-value=* ]] || fail "PLUMARO_SIGN_PKCS11_KEY holds the PIN: put it in PLUMARO_SIGN_PASSWORD_FILE"
    readable "$cert" || fail "PLUMARO_SIGN_CERT: cannot read the certificate file '$cert'"
    # osslsigncode reaches the library through OpenSSL's pkcs11 engine.
    signer=(-pkcs11module "$module" -key "$key" -certs "$cert") with="the key $key"
else
    fail "neither PLUMARO_SIGN_PFX nor PLUMARO_SIGN_PKCS11_KEY names a key"
fi
command -v osslsigncode >/dev/null || fail "osslsigncode is not installed (Debian package osslsigncode)"

# A timestamp proves the file was signed while the certificate was valid.
# Without one, the signature is only as good as the certificate's dates.
read -ra servers <<<"${PLUMARO_SIGN_TIMESTAMP_URL:-}"
[ ${#servers[@]} -gt 0 ] || fail "PLUMARO_SIGN_TIMESTAMP_URL names no timestamp server. A signature without a \
timestamp is trusted only while the certificate is valid: the day the certificate expires, Windows stops trusting \
the signed files and warns about them as it does about unsigned ones. Name one or more RFC 3161 timestamp servers, \
or set PLUMARO_SIGN_TIMESTAMP_URL=none to sign without a timestamp all the same."
[ "${servers[*]}" != none ] || servers=()
wait=${PLUMARO_SIGN_TIMESTAMP_WAIT:-30}
[[ $wait =~ ^[1-9][0-9]*$ ]] || fail "PLUMARO_SIGN_TIMESTAMP_WAIT is '$wait', not a number of seconds"

options=("${signer[@]}" -h sha256 -n "${PLUMARO_PRODUCT_NAME:?}" -i "${PLUMARO_WEB_ADDRESS:?}")
if [ -n "${PLUMARO_SIGN_PASSWORD_FILE:-}" ]; then
    readable "$PLUMARO_SIGN_PASSWORD_FILE" ||
        fail "cannot read the password file '$PLUMARO_SIGN_PASSWORD_FILE'"
    options+=(-readpass "$PLUMARO_SIGN_PASSWORD_FILE")
fi

# The signed file is made in a folder beside FILE and renamed over it at the
# end, so FILE is never half written; however this script ends, the folder
# goes.
partial=$(mktemp -d "$file.signing.XXXXXX")
signed=$partial/signed stamped=$partial/stamped
trap 'rm -rf "$partial"' EXIT

# Never from a terminal: a certificate or token that wants a password or PIN
# it was not given fails instead of asking.
report=$(osslsigncode sign "${options[@]}" -in "$file" -out "$signed" </dev/null 2>&1) ||
    fail "could not sign $(basename "$file") with $with. osslsigncode says:
$report"

# osslsigncode takes several servers, but waits for ever on one that takes
# the connection and never answers: each is asked on its own, for a while.
if [ ${#servers[@]} -gt 0 ]; then
    reports=
    for server in "${servers[@]}"; do
        status=0
        rm -f "$stamped"
        report=$(timeout --foreground "$wait" osslsigncode add -h sha256 -ts "$server" \
            -in "$signed" -out "$stamped" </dev/null 2>&1) || status=$?
        if [ $status -eq 0 ]; then
            mv "$stamped" "$signed"
            reports=
            break
        fi
        [ $status -ne 124 ] || report="no answer within $wait s"
        reports+="
$server: $report"
    done
    [ -z "$reports" ] || fail "no timestamp server answered, so $(basename "$file") is not signed:$reports"
fi
chmod --reference="$file" "$signed"
mv "$signed" "$file"
