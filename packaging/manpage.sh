#!/bin/sh
# Writes the manual page of a Quelvan program from the program's own --help (and, for a program
# of commands, from each command's --help), so that the page says what the program says.
#   packaging/manpage.sh OUTPUT.1 PROGRAM NAME VERSION [--commands]
# PROGRAM is the built program run, NAME the name the page documents (quelvan-cli).
set -eu

if [ $# -lt 4 ]; then
    echo "usage: manpage.sh OUTPUT.1 PROGRAM NAME VERSION [--commands]" >&2
    exit 2
fi
output=$1 program=$2 name=$3 version=$4 commands=${5:-}

# Text as roff prints it, not as requests: backslashes, minus signs, and a dot or quote first.
escape() {
    sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
}

# Help text kept as the program lays it out.
verbatim() {
    echo ".nf"
    escape
    echo ".fi"
}

help=$("$program" --help)
summary=$(printf '%s\n' "$help" | sed -n '1p')
title=$(printf '%s' "$name" | tr '[:lower:]' '[:upper:]')

temporary="$output.tmp"
{
    echo "'\\\" -*- coding: UTF-8 -*-"
    echo ".\\\" Made by packaging/manpage.sh from \"$name --help\"; edit the program's help instead."
    printf '.TH %s 1 "" "Quelvan %s" "Commandes de l\\(aqutilisateur"\n' \
        "$(printf '%s' "$title" | escape)" "$version"
    # No hyphenation: the names of commands and options are cut nowhere.
    echo ".nh"
    echo ".SH NOM"
    printf '%s \\- %s\n' "$(printf '%s' "$name" | escape)" \
        "$(printf '%s' "$summary" | sed 's/^Quelvan : //' | escape)"
    echo ".SH SYNOPSIS"
    printf '%s\n' "$help" | sed -n 's/^Usage : //p' | escape | sed 's/^/.B /; $!s/$/\n.br/'
    printf '.br\n.B %s \\-\\-help\n.br\n.B %s \\-\\-version\n' \
        "$(printf '%s' "$name" | escape)" "$(printf '%s' "$name" | escape)"
    echo ".SH DESCRIPTION"
    printf '%s\n' "$help" | sed '1{/^$/d}' | verbatim
    if [ "$commands" = "--commands" ]; then
        echo ".SH COMMANDES"
        # The usage lines of the commands: the words after the program's name up to the first
        # argument ("weather import" in "quelvan-cli weather import FICHIER.epw -o ...").
        printf '%s\n' "$help" | awk -v name="$name" '
            $1 == name && NF > 1 && substr($0, 1, 2) == "  " {
                path = ""
                for (i = 2; i <= NF && $i ~ /^[a-z][a-z-]*$/; ++i)
                    path = path (path == "" ? "" : " ") $i
                if (path != "")
                    print path
            }' | while IFS= read -r command; do
            # shellcheck disable=SC2086 # the words of the command are separate arguments
            printf '.SS "%s %s"\n' "$(printf '%s' "$name" | escape)" \
                "$(printf '%s' "$command" | escape)"
            "$program" $command --help | verbatim
        done
    fi
    echo ".SH VERSION"
    printf '%s %s\n' "$(printf '%s' "$name" | escape)" "$version"
    echo ".SH VOIR AUSSI"
    if [ "$name" = quelvan ]; then
        echo ".BR quelvan\\-cli (1)"
    else
        echo ".BR quelvan (1)"
    fi
} >"$temporary"
mv "$temporary" "$output"
