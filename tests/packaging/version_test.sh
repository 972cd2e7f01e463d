#!/bin/sh
# The release version that CMakeLists.txt sets heads the change log's versions and the AppStream
# metainfo's releases, so that neither names another.
#   version_test.sh SOURCE_DIR VERSION
set -u
source=$1 version=$2
changelog=$(grep -m1 '^## \[[0-9]' "$source/CHANGELOG.md")
release=$(grep -m1 '<release ' "$source/packaging/org.quelvan.Quelvan.metainfo.xml")
status=0
case $changelog in
    "## [$version]"*) ;;
    *) echo "CHANGELOG.md's latest version is not $version: $changelog"; status=1 ;;
esac
case $release in
    *"version=\"$version\""*) ;;
    *) echo "the metainfo's latest release is not $version: $release"; status=1 ;;
esac
[ $status -eq 0 ] && echo "version $version in CMakeLists.txt, CHANGELOG.md and the metainfo"
exit $status
