#!/usr/bin/env bash
# JACK keeps its servers in a table of 8 slots in shared memory, and a slot
# is given back only by a server that ends cleanly (or by a new server of
# the same name). A test server killed outright leaves its slot taken for
# good, and once all eight are taken no server starts ("Too many servers
# already active"). This frees the slots of this user's servers whose
# process is gone; running servers are left alone.
set -u
registry=/dev/shm/jack-shm-registry
[ -w "$registry" ] || exit 0

# jack_shm_header_t: magic, protocol, type, size, hdr_len, entry_len (24
# bytes), then 8 entries { pid_t pid; char name[257]; } of 264 bytes.
header=24
entry=264
prefix="jack-$(id -u):"
[ "$(od -An -t x4 -N 4 "$registry" | tr -d ' ')" = "4a41434b" ] || exit 0
for slot in 0 1 2 3 4 5 6 7; do
  offset=$((header + slot * entry))
  pid=$(od -An -t d4 -j "$offset" -N 4 "$registry" | tr -d ' ')
  [ -n "$pid" ] && [ "$pid" -gt 0 ] || continue
  name=$(dd if="$registry" bs=1 skip=$((offset + 4)) count=257 2>/dev/null | tr -d '\0')
  case "$name" in "$prefix"*) ;; *) continue ;; esac
  kill -0 "$pid" 2>/dev/null && continue
  dd if=/dev/zero of="$registry" bs=1 seek="$offset" count="$entry" conv=notrunc 2>/dev/null
  echo "free-stale-jack-slots: freed the slot of ${name#"$prefix"} (process $pid is gone)" >&2
done
exit 0
