# The environment that the steps making the release's bytes run in, whoever
# starts them. Sourced after the build's release-facts.sh by make_packages.sh
# and tools/package.sh; the build record lists it.
#   LC_ALL             sorting and text: C order, and UTF-8, as makensis
#                      stops on a name or path beyond ASCII under plain C
#   TZ                 for anything that writes a local time
#   SOURCE_DATE_EPOCH  the release date, for any tool that would write the
#                      current time instead
# shellcheck shell=bash disable=SC2034
export LC_ALL=C.UTF-8 TZ=UTC
SOURCE_DATE_EPOCH=$(date -u -d "${PLUMARO_RELEASE_DATE:?}" +%s)
export SOURCE_DATE_EPOCH
plumaro_build_environment=(LC_ALL TZ SOURCE_DATE_EPOCH)
