#!/usr/bin/env bash
# Signs the packages with a throwaway certificate, from a copy of the
# packaging scripts in a folder whose path holds a space, quotes and a $,
# into WORK_DIR/signed, and checks the signatures, that the program without
# its signature is the unsigned one byte for byte, and that a wrong password
# leaves no package.
#   sign_test.sh WORK_DIR UNSIGNED.exe make_packages.sh ARGUMENTS-AFTER-OUT_DIR...
set -uo pipefail
work=${1:?work folder} unsigned=${2:?unsigned plumaro.exe} make_packages=${3:?make_packages.sh}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work" && mkdir -p "$work/unpacked" && cd "$work" || exit 1
printf 'right\n' >password && printf 'wrong\n' >wrong
openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -nodes -subj "/CN=Plumaro Test Signer" \
    -addext extendedKeyUsage=codeSigning -keyout key.pem -out ca.pem 2>/dev/null &&
    openssl pkcs12 -export -inkey key.pem -in ca.pem -passout file:password -out signer.pfx || exit 1
export PLUMARO_SIGN_PFX=$work/signer.pfx

# From a copy of the packaging scripts, into a folder, whose paths hold a
# space, quotes and a $.
odd="$work/it's \"odd\" \$HOME"
mkdir -p "$odd" && cp -r "$(dirname "$make_packages")" "$odd/packaging" || exit 1
PLUMARO_SIGN_PASSWORD_FILE=password "$odd/packaging/make_packages.sh" --sign "$odd/signed" "${@:4}" &&
    mv "$odd/signed" signed || { echo "FAIL: signing failed"; exit 1; }
(cd unpacked && cmake -E tar xf ../signed/*.zip) || fail "cannot unpack the signed zip"
for file in unpacked/*/plumaro.exe signed/*-setup.exe; do
    echo "== osslsigncode verify $(basename "$file")"
    osslsigncode verify -CAfile ca.pem -in "$file" | grep -E 'digest algorithm|description|Subject|verification' ||
        fail "$file does not verify"
done
osslsigncode remove-signature -in unpacked/*/plumaro.exe -out stripped.exe >/dev/null &&
    cmp stripped.exe "$unsigned" || fail "plumaro.exe without its signature differs from the unsigned one"

# An earlier release in the folder must not survive a failed signing either.
cp -r signed failed
PLUMARO_SIGN_PASSWORD_FILE=wrong "$make_packages" --sign failed "${@:4}" >failed.log 2>&1 && fail "a wrong password signed"
# OpenSSL's reason when the password does not open the PKCS#12 file.
grep -q 'PKCS12_parse:mac verify failure' failed.log || fail "no failure for the wrong password: $(cat failed.log)"
[ -z "$(ls -A failed)" ] || fail "a failed signing left $(ls -A failed)"
[ "$failures" -eq 0 ] && echo "all checks passed"
exit "$failures"
