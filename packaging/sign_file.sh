#!/usr/bin/env bash
# Signs one Windows program file in place: Authenticode with SHA-256, the
# game's name and web address in the signature, with the certificate the
# environment names:
#   PLUMARO_SIGN_PFX            the PKCS#12 file with the certificate and key
#   PLUMARO_SIGN_PASSWORD_FILE  a file holding its password (optional)
#   PLUMARO_SIGN_TIMESTAMP_URL  an RFC 3161 timestamp server (optional)
# and names the game and its site as the build's release-facts.sh does:
#   PLUMARO_PRODUCT_NAME, PLUMARO_WEB_ADDRESS
#
#   sign_file.sh FILE
# On any failure it says why, leaves FILE as it was and exits non-zero.
set -euo pipefail
file=${1:?file to sign}

fail() {
    echo "sign_file.sh: $*" >&2
    exit 1
}

pfx=${PLUMARO_SIGN_PFX:-}
[ -n "$pfx" ] || fail "PLUMARO_SIGN_PFX names no certificate"
[ -f "$pfx" ] && [ -r "$pfx" ] || fail "cannot read the certificate file '$pfx'"
command -v osslsigncode >/dev/null || fail "osslsigncode is not installed (Debian package osslsigncode)"

options=(-pkcs12 "$pfx" -h sha256 -n "${PLUMARO_PRODUCT_NAME:?}" -i "${PLUMARO_WEB_ADDRESS:?}")
if [ -n "${PLUMARO_SIGN_PASSWORD_FILE:-}" ]; then
    [ -f "$PLUMARO_SIGN_PASSWORD_FILE" ] && [ -r "$PLUMARO_SIGN_PASSWORD_FILE" ] ||
        fail "cannot read the password file '$PLUMARO_SIGN_PASSWORD_FILE'"
    options+=(-readpass "$PLUMARO_SIGN_PASSWORD_FILE")
fi
[ -z "${PLUMARO_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$PLUMARO_SIGN_TIMESTAMP_URL")

# Never from a terminal: a certificate that wants a password it was not given
# fails instead of asking.
if ! report=$(osslsigncode sign "${options[@]}" -in "$file" -out "$file.signed" </dev/null 2>&1); then
    rm -f "$file.signed"
    fail "could not sign $(basename "$file") with '$pfx' (a wrong password, a timestamp server out of reach?):
$report"
fi
mv "$file.signed" "$file"
