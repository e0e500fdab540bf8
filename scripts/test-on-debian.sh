#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the README's commands as a new user would: in a fresh minimal Debian
# root (debootstrap --variant=minbase), in a login session of an ordinary
# user with sudo, in a clone of this checkout's committed HEAD. Needs root;
# installs debootstrap when it is missing, and takes the Debian mirror from
# this machine's own apt sources.
#   scripts/test-on-debian.sh [options] SUITE     e.g. trixie, bookworm
#     --run           first the run command (offscreen), timed to its window
#     --root DIR      build the root in DIR and keep it; an existing root
#                     there is reused, its clone (and build folder) brought
#                     to this HEAD
#     --command CMD   run CMD in the clone instead of the test command
# Everything runs in a private mount and PID namespace: the mounts and every
# process started in the root end with the script, however it ends. Without
# --root the root is removed at the end.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

run_first=false root="" keep=false command="bash scripts/test.sh"
while [ $# -gt 1 ]; do
    case $1 in
        --run) run_first=true; shift ;;
        --root) root=$2; keep=true; shift 2 ;;
        --command) command=$2; shift 2 ;;
        *) break ;;
    esac
done
if [ $# -ne 1 ] || [[ $1 == -* ]]; then
    sed -n '/^#   scripts/,/^# --root/p' "$0" >&2
    exit 2
fi
suite=$1
[ "$(id -u)" -eq 0 ] || { echo "test-on-debian.sh needs root (debootstrap, chroot)" >&2; exit 2; }

for tool in debootstrap:debootstrap unshare:util-linux git:git; do
    command -v "${tool%%:*}" >/dev/null && continue
    # Waits for another apt-get on this machine rather than failing.
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "${tool#*:}"
done

# The Debian archive this machine installs its own release from: the first
# "deb" source, one-line or deb822, whose suites name this machine's release.
host_mirror() {
    local codename files=()
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    [ -f /etc/apt/sources.list ] && files+=(/etc/apt/sources.list)
    files+=(/etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
    for f in "${files[@]}"; do
        [ -f "$f" ] || continue
        case $f in
            *.sources)
                awk -v want="$codename" '
                    function flush() {
                        if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " want " ") && uri != "") {
                            print uri; found = 1; exit
                        }
                        types = suites = uri = ""
                    }
                    /^[ \t]*$/ { flush(); next }
                    /^#/ { next }
                    tolower($1) == "types:" { $1 = ""; types = $0 }
                    tolower($1) == "suites:" { $1 = ""; suites = $0 }
                    tolower($1) == "uris:" { uri = $2 }
                    END { if (!found) flush() }' "$f"
                ;;
            *)
                awk -v want="$codename" '
                    $1 == "deb" {
                        i = 2
                        if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                        if ($(i + 1) == want) { print $i; exit }
                    }' "$f"
                ;;
        esac
    done | head -n 1
}
mirror=$(host_mirror)
[ -n "$mirror" ] || { echo "no Debian source for this release in /etc/apt" >&2; exit 1; }

if [ -z "$root" ]; then
    root=$(mktemp -d "${TMPDIR:-/var/tmp}/plumbrule-$suite.XXXXXX")
    chmod 755 "$root"  # the root's "/", which every user of the root goes through
fi
root=$(realpath -m "$root")
user=builder
clone=/home/$user/plumbrule

remove_root() {
    # Only a root with nothing mounted below it is removed, and never across
    # a file-system boundary.
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        echo "not removing $root: something is still mounted there" >&2
        return
    fi
    rm -rf --one-file-system "$root"
}
$keep || trap remove_root EXIT

stage_start=$SECONDS
stage() {
    echo "== $suite: $1 ($((SECONDS - stage_start)) s since the start)"
}

if [ ! -x "$root/usr/bin/sudo" ]; then
    stage "debootstrap from $mirror"
    mkdir -p "$root"
    # In a mount namespace of its own, so the file systems debootstrap mounts
    # in the root end with it, also when it fails.
    unshare --mount --propagation private -- \
        debootstrap --variant=minbase --include=sudo,git "$suite" "$root" "$mirror" \
        >"$root.debootstrap.log" 2>&1 || { tail -n 30 "$root.debootstrap.log" >&2; exit 1; }
    rm -f "$root.debootstrap.log"
    # As an installed system has it: its own name resolves (sudo looks it up).
    echo "127.0.1.1 $(cat "$root/etc/hostname" 2>/dev/null || hostname)" >>"$root/etc/hosts"
    # The locale the installer writes; a minimal root has none.
    echo "LANG=C.UTF-8" >"$root/etc/default/locale"
    chroot "$root" useradd --create-home --shell /bin/bash "$user"
    echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
    chmod 0440 "$root/etc/sudoers.d/$user"
fi

if [ -d "$root$clone/.git" ]; then
    # A kept root keeps its build folders; only the sources move to this HEAD.
    git -c safe.directory="*" -C "$root$clone" fetch --quiet "$here" HEAD
    git -c safe.directory="*" -C "$root$clone" checkout --quiet --force --detach FETCH_HEAD
else
    git clone --quiet --no-hardlinks "$here" "$root$clone"
    git -C "$root$clone" checkout --quiet --detach "$(git -C "$here" rev-parse HEAD)"
fi
[ -z "$(git -C "$here" status --porcelain --untracked-files=no)" ] ||
    echo "note: the uncommitted changes of this checkout are not in the root" >&2
chroot "$root" chown -R "$user:$user" "$clone"
stage "clone of $(git -C "$here" rev-parse --short HEAD) ready"

# Inside the namespaces: the kernel file systems, a writable /dev/shm, then
# the commands as the ordinary user. The counts before and after each command
# give the packages it installed and what they weighed to download.
inside() {
    set -euo pipefail
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --make-rslave "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
    # A login session of the user, as a desktop or `su -` gives it: the
    # release's own session defaults (umask, PATH, locale) apply, Debian 13's
    # umask 002 for a user with a group of their own among them.
    as_user() {
        TERM=dumb chroot "$root" su --login "$user" --command "cd $clone || exit 1
                     $1"
    }
    measured() {
        local label=$1 cmd=$2 packages debs start status=0
        packages=$(chroot "$root" dpkg-query -W | wc -l)
        debs=$(du -cb "$root"/var/cache/apt/archives/*.deb 2>/dev/null | tail -n 1 | cut -f1)
        start=$SECONDS
        as_user "$cmd" || status=$?
        echo "== $suite: $label: status $status, $((SECONDS - start)) s," \
            "$(($(chroot "$root" dpkg-query -W | wc -l) - packages)) packages installed," \
            "$((($(du -cb "$root"/var/cache/apt/archives/*.deb 2>/dev/null | tail -n 1 |
                cut -f1) - ${debs:-0}) / 1000000)) MB downloaded," \
            "root $(du -sxh "$root" | cut -f1)"
        return "$status"
    }
    if $run_first; then
        # The run command ends in the calculator; its window is up once the
        # program has run a few seconds on the offscreen platform.
        measured "scripts/run.sh to the window" \
            "QT_QPA_PLATFORM=offscreen bash scripts/run.sh & app=\$!
             for _ in \$(seq 3600); do
                 [ \"\$(readlink /proc/\$app/exe)\" = $clone/build/src/app/plumbrule ] && break
                 kill -0 \$app 2>/dev/null || exit 1; sleep 0.5
             done
             echo \"the calculator started after \$SECONDS s\"
             sleep 2; kill -0 \$app && kill \$app"
    fi
    measured "$command" "$command"
}
export -f inside
export root user clone suite command run_first
# The namespaces' first process is killed when unshare ends, and with it every
# process in the root. unshare holds back SIGTERM while it waits, so an
# interrupted script ends it with SIGKILL.
status=0
unshare --mount --pid --fork --kill-child --propagation private -- bash -c inside &
namespace=$!
trap 'kill -KILL "$namespace" 2>/dev/null' INT TERM HUP
wait "$namespace" || status=$?
trap - INT TERM HUP
stage "done, status $status"
exit "$status"
