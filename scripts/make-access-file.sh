#!/usr/bin/env bash
# Makes the update server access file that the program reads from its working
# folder: host, user, password and directory joined by ";" and enciphered with
# AES-256-CBC under the program's built-in key and initialisation vector
# (src/app/update_access.cpp holds the same two).
#   scripts/make-access-file.sh HOST USER PASSWORD DIRECTORY [OUTPUT]
# HOST may carry a port ("ftp.example.org:2121"); DIRECTORY may be empty for
# the log-in directory. OUTPUT defaults to ./Vorquil.dat. Fields are taken byte
# for byte and are read back as Latin-1: keep them ASCII.
set -euo pipefail

if [ $# -lt 4 ] || [ $# -gt 5 ]; then
    echo "usage: $0 HOST USER PASSWORD DIRECTORY [OUTPUT]" >&2
    exit 2
fi
for field in "$1" "$2" "$3" "$4"; do
    if [[ "$field" == *";"* ]]; then
        echo "a field may not contain \";\"" >&2
        exit 2
    fi
done

key=df36d5187ab24af50757d028f31c9cf66dc979996e4e21651e6261e0fba8fde0
iv=a20fcebf370ce2fc83ade6976bb46981

printf '%s;%s;%s;%s' "$1" "$2" "$3" "$4" |
    openssl enc -aes-256-cbc -K "$key" -iv "$iv" -out "${5:-Vorquil.dat}"
