#!/usr/bin/env bash
# Signs the packages with a throwaway certificate and timestamp server into
# WORK_DIR/signed, and with the same key in a throwaway SoftHSM2 token into
# WORK_DIR/token, and checks the signatures and timestamps, that the program
# without its signature is the unsigned one byte for byte, that a wrong
# password or PIN or an interrupted signing leaves nothing signed behind, and that
# signing without a timestamp takes saying so.
#   sign_test.sh WORK_DIR UNSIGNED.exe make_packages.sh ARGUMENTS-AFTER-OUT_DIR...
set -uo pipefail
work=${1:?work folder} unsigned=${2:?unsigned plumaro.exe} make_packages=${3:?make_packages.sh}
sign_file=$(dirname "$make_packages")/sign_file.sh
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work" && mkdir -p "$work/unpacked" "$work/interrupted" && cd "$work" || exit 1
printf 'right\n' >password && printf 'wrong\n' >wrong
openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -nodes -subj "/CN=Plumaro Test Signer" \
    -addext extendedKeyUsage=codeSigning -keyout key.pem -out ca.pem 2>/dev/null &&
    openssl pkcs12 -export -inkey key.pem -in ca.pem -passout file:password -out signer.pfx || exit 1
export PLUMARO_SIGN_PFX=$work/signer.pfx PLUMARO_SIGN_PASSWORD_FILE=$work/password
. "$4" && export PLUMARO_PRODUCT_NAME PLUMARO_WEB_ADDRESS

# The timestamp authority: a certificate of its own, openssl ts behind a
# loopback HTTP server, and a port that takes connections and never answers.
openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -nodes -subj "/CN=Throwaway Timestamps" \
    -addext extendedKeyUsage=critical,timeStamping -keyout tsa-key.pem -out tsa.pem 2>/dev/null || exit 1
printf '%s\n' '[tsa]' 'default_tsa = tsa' 'serial = serial' 'signer_cert = tsa.pem' 'signer_key = tsa-key.pem' \
    'signer_digest = sha256' 'default_policy = 1.2.3.4.1' 'digests = sha256' >tsa.cnf
echo 01 >serial
python3 - >servers 2>servers.log <<'PY' &
import http.server, signal, socket, subprocess
class Stamps(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        reply = subprocess.run("openssl ts -reply -config tsa.cnf -queryfile /dev/stdin -out /dev/stdout".split(),
                               input=self.rfile.read(int(self.headers["Content-Length"])), capture_output=True).stdout
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.end_headers()
        self.wfile.write(reply)
silent = socket.create_server(("127.0.0.1", 0))
stamps = http.server.HTTPServer(("127.0.0.1", 0), Stamps)
print(silent.getsockname()[1], stamps.server_address[1], flush=True)
signal.alarm(300)
stamps.serve_forever()
PY
trap "kill $!" EXIT
for _ in $(seq 50); do read -r silent stamps <servers && break; sleep 0.1; done
[ -n "${stamps:-}" ] || { echo "FAIL: no timestamp server: $(cat servers.log)"; exit 1; }
stamps_url=http://127.0.0.1:$stamps/
export PLUMARO_SIGN_TIMESTAMP_URL="http://127.0.0.1:$silent/ $stamps_url" PLUMARO_SIGN_TIMESTAMP_WAIT=3

# From a copy of the scripts, into a folder, whose paths hold a space, quotes and a $.
odd="$work/it's \"odd\" \$HOME"
mkdir -p "$odd" && cp -r "$(dirname "$make_packages")" "$odd/packaging" || exit 1
"$odd/packaging/make_packages.sh" --sign "$odd/signed" "${@:4}" &&
    mv "$odd/signed" signed || { echo "FAIL: signing failed"; exit 1; }
# Through PKCS#11 from a token of the test's own (SOFTHSM2_CONF here), its PIN in the password file.
mkdir tokens && echo "directories.tokendir = $work/tokens" >softhsm2.conf && export SOFTHSM2_CONF=$work/softhsm2.conf
softhsm2-util --init-token --free --label Plumaro --pin right --so-pin right >/dev/null &&
    softhsm2-util --import key.pem --token Plumaro --label signer --id 01 --pin right >/dev/null || exit 1
token=(env -u PLUMARO_SIGN_PFX PLUMARO_SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so PLUMARO_SIGN_CERT=ca.pem
    "PLUMARO_SIGN_PKCS11_KEY=pkcs11:token=Plumaro;object=signer;type=private" "PLUMARO_SIGN_TIMESTAMP_URL=$stamps_url")
"${token[@]}" "$make_packages" --sign token "${@:4}" || fail "signing with the token failed"
(cd unpacked && cmake -E tar xf ../signed/*.zip && mkdir token && cd token && cmake -E tar xf ../../token/*.zip) ||
    fail "cannot unpack the signed zips"
for file in unpacked/*/plumaro.exe unpacked/token/*/plumaro.exe signed/*-setup.exe token/*-setup.exe; do
    echo "== osslsigncode verify $(basename "$file")"
    osslsigncode verify -CAfile ca.pem -TSA-CAfile tsa.pem -in "$file" >verify.log 2>&1 || fail "$file does not verify"
    grep -E 'digest algorithm|description|Subject|timestamp|Timestamp|verification' verify.log
    grep -q '^Timestamp Server Signature verification: ok' verify.log || fail "$file has no verified timestamp"
done
osslsigncode remove-signature -in unpacked/*/plumaro.exe -out stripped.exe >/dev/null &&
    cmp stripped.exe "$unsigned" || fail "plumaro.exe without its signature differs from the unsigned one"
osslsigncode remove-signature -in unpacked/token/*/plumaro.exe -out token.exe >/dev/null &&
    cmp token.exe "$unsigned" || fail "plumaro.exe signed with the token differs from the unsigned one without it"

# An earlier release in the folder must not survive a failed signing either.
cp -r signed failed
PLUMARO_SIGN_PASSWORD_FILE=wrong "$make_packages" --sign failed "${@:4}" >failed.log 2>&1 && fail "a wrong password signed"
# OpenSSL's reason when the password does not open the PKCS#12 file.
grep -q 'PKCS12_parse:mac verify failure' failed.log || fail "no failure for the wrong password: $(cat failed.log)"
[ -z "$(ls -A failed)" ] || fail "a failed signing left $(ls -A failed)"
cp -r token/. failed
PLUMARO_SIGN_PASSWORD_FILE=wrong "${token[@]}" "$make_packages" --sign failed "${@:4}" >failed.log 2>&1 &&
    fail "a wrong PIN signed"
# The token's own reason (CKR_PIN_INCORRECT).
grep -q 'PIN incorrect' failed.log || fail "no failure for the wrong PIN: $(cat failed.log)"
[ -z "$(ls -A failed)" ] || fail "a failed signing with the token left $(ls -A failed)"

cp "$unsigned" untimed.exe
PLUMARO_SIGN_TIMESTAMP_URL='' "$sign_file" untimed.exe 2>untimed.log && fail "signed without a timestamp unasked"
grep -q 'the certificate expires' untimed.log || fail "no word of what a signature without a timestamp means"
PLUMARO_SIGN_TIMESTAMP_URL=none "$sign_file" untimed.exe && osslsigncode verify -CAfile ca.pem -in untimed.exe >/dev/null ||
    fail "PLUMARO_SIGN_TIMESTAMP_URL=none does not sign"

# Stopped while it waits for a timestamp, as Ctrl-C or a time limit stops it.
cp "$unsigned" interrupted/plumaro.exe
PLUMARO_SIGN_TIMESTAMP_URL=http://127.0.0.1:$silent/ setsid "$sign_file" interrupted/plumaro.exe 2>/dev/null &
for _ in $(seq 300); do compgen -G 'interrupted/*/signed' >/dev/null && break; sleep 0.1; done
compgen -G 'interrupted/*/signed' >/dev/null || fail "the signing never got as far as its timestamp"
kill -TERM -- "-$!" && wait $!
[ "$(ls -A interrupted)" = plumaro.exe ] && cmp -s interrupted/plumaro.exe "$unsigned" ||
    fail "an interrupted signing left $(ls -A interrupted)"
[ "$failures" -eq 0 ] && echo "all checks passed"
exit "$failures"
