#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# The high-score file under faults: bash tests/fault_check.sh path/to/save_driver
#
# Each case starts from a folder holding a known "High Scores.dat" (mode
# 0640), breaks one save of Reset or of the summary, and checks that the file
# is byte for byte the old one or exactly the new one, that the driver said
# which, that no temporary or lock is left, and that the next save succeeds.
# The faults: an error injected with strace into each system call of the
# save, one call at a time; kill -9 at random moments of a slowed save; a full
# disk, inodes used up and a read-only mount (on a tmpfs, where mounting is
# allowed); a file size limit; read-only and unreadable files and folders for
# an ordinary user; stale, empty, damaged and live locks and a folder in the
# lock's place; a working folder that was removed; leftover temporaries.
set -uo pipefail

driver=$(realpath "$1")
part=${2:-all}
scratch=$(mktemp -d)
chmod 755 "$scratch"
trap 'chmod -R u+rwX "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
printf ' 300 Ann\r\n 250 Bob\r\n 200 Cy\r\n' >"$scratch/old"
printf ' 300 Ann\r\n 260 Zed\r\n 250 Bob\r\n 200 Cy\r\n' >"$scratch/new-summary"
for _ in 1 2 3 4 5 6 7 8 9 10; do printf ' 0 Nobody\r\n'; done >"$scratch/new-reset"
dir=$scratch/w
file="$dir/High Scores.dat"
failures=0
cases=0
status=0
output=

fail() {
    echo "FAIL [$case]: $*"
    failures=$((failures + 1))
}
fresh() {
    rm -rf "$dir"
    mkdir "$dir"
    cp "$scratch/old" "$file"
    chmod 640 "$file"
}
save_args() { if [ "$1" = reset ]; then echo reset; else echo summary Zed 260; fi; }
leftovers() { (shopt -s dotglob nullglob && cd "$dir" && for f in *; do [ "$f" = "High Scores.dat" ] || echo "$f"; done); }
run() { # KIND [driver options...]: one save in $dir
    local kind=$1
    shift
    output=$(cd "$dir" && "$driver" "$@" $(save_args "$kind") 2>&1)
    status=$?
}

# After a save that ended with $status and said $output: the file matches what
# was said, and the next save, unbroken, succeeds and leaves nothing behind.
check() { # KIND [leftovers-allowed]
    local kind=$1 next
    cases=$((cases + 1))
    case $status in
    0 | 2)
        cmp -s "$file" "$scratch/new-$kind" || fail "said saved ($output), but the file is not the new one"
        [ "$(stat -c %a "$file")" = 640 ] || fail "the new file has mode $(stat -c %a "$file"), not 640"
        ;;
    1 | 3)
        cmp -s "$file" "$scratch/old" || fail "said not saved ($output), but the file changed"
        [[ $output == "not saved: \"$file\" "* ]] || fail "the message does not name the file: $output"
        ;;
    *) fail "the save ended with status $status: $output" ;;
    esac
    [ -n "${2:-}" ] || [ -z "$(leftovers)" ] || fail "left behind: $(leftovers | tr '\n' ' ')"
    next=$(cd "$dir" && "$driver" reset 2>&1) || fail "the next save failed: $next"
    cmp -s "$file" "$scratch/new-reset" || fail "the next save did not write the file"
    [ -z "$(leftovers)" ] || fail "left behind after the next save: $(leftovers | tr '\n' ' ')"
}
expect() { # KIND STATUS END-OF-MESSAGE [leftovers-allowed]
    [ "$status" = "$2" ] || fail "status $status, not $2: $output"
    [[ $output == *"$3" ]] || fail "said: $output -- expected the end: $3"
    check "$1" "${4:-}"
}

# One save of KIND with strace (given these options) attached to the saving
# process alone, after its start-up: call counts start at the save.
traced() { # KIND MS-BEFORE-KILL|- strace options...
    local kind=$1 kill_after=$2 pid= driver_pid tracer
    shift 2
    (cd "$dir" && exec "$driver" --stop $(save_args "$kind")) >"$scratch/out" 2>&1 &
    driver_pid=$!
    until [ -n "$pid" ] && [[ $(<"/proc/$pid/stat") == *") T "* ]]; do
        read -r pid <"$scratch/out"
        sleep 0.002
    done 2>/dev/null
    strace -qq -o "$scratch/trace" -p "$pid" "$@" &
    tracer=$!
    until grep -q '^TracerPid:[[:space:]]*[1-9]' "/proc/$pid/status"; do
        sleep 0.002
    done
    kill -CONT "$pid"
    if [ "$kill_after" != - ]; then
        sleep "$kill_after"
        kill -9 "$pid" 2>/dev/null
    fi
    wait "$driver_pid"
    status=$?
    wait "$tracer"
    output=$(tail -n +2 "$scratch/out")
}

# Every call of the save that can fail, and how. The calls that only clean up
# (unlink, close) may leave a temporary or the lock behind for the next save.
injections=(
    "openat EACCES EIO ENOENT"
    "read EIO"
    "write EIO ENOSPC EFBIG"
    "fsync EIO ENOSPC"
    "fdatasync EIO"
    "fchmod EPERM EIO"
    "rename EACCES EIO EBUSY"
    "renameat2 EIO"
    "link EIO"
    "linkat EIO"
    "unlink EACCES EIO"
    "unlinkat EIO"
    "close EIO"
    "flock ENOLCK EAGAIN"
    "statx EIO"
    "newfstatat EIO"
    "access EIO EROFS"
    "getdents64 EIO"
)

inject_part() {
    if ! strace -qq -o /dev/null true 2>/dev/null; then
        echo "skipped: the injected system call errors (strace is missing or may not trace here)"
        return
    fi
    local line syscall errors error kind calls n
    # Reset's calls are the summary's after its first read: every error for
    # the summary, the first of each call for Reset.
    for kind in summary reset; do
        for line in "${injections[@]}"; do
            read -r syscall errors <<<"$line"
            [ $kind = reset ] && errors=${errors%% *}
            fresh
            traced "$kind" - -e trace="$syscall"
            calls=$(grep -c "^$syscall(" "$scratch/trace")
            for error in $errors; do
                for ((n = 1; n <= calls; n++)); do
                    case="$kind: $syscall call $n of $calls fails with $error"
                    fresh
                    traced "$kind" - -e trace="$syscall" -e inject="$syscall:error=$error:when=$n"
                    grep -q INJECTED "$scratch/trace" || fail "nothing was injected"
                    check "$kind" "$([[ $syscall == unlink* || $syscall == close ]] && echo allowed)"
                done
            done
        done
    done
}

# Single faults whose words matter, each aimed at one call by its file.
named_part() {
    command -v strace >/dev/null || { echo "skipped: the named faults (strace is missing)"; return; }
    # The game names its files relative to the play folder it is in; calls
    # on a descriptor are matched by the full name.
    local lock="$file.lock" words="not saved: \"$file\" could not be written"
    case="a failed sync of the new file"
    fresh
    traced summary - -e trace=fsync -e inject=fsync:error=EIO:when=1
    expect summary 1 "$words: the disk reported an error."
    case="an I/O error making the lock"
    fresh
    traced summary - -P "${lock##*/}" -e trace=openat -e inject=openat:error=EIO:when=1
    expect summary 1 "$words: the disk reported an error."
    case="a full disk writing the lock"
    fresh
    traced reset - -P "$lock" -e trace=write -e inject=write:error=ENOSPC:when=1
    expect reset 1 "$words: the disk is full."
    case="a failed rename whose clean-up fails too"
    fresh
    traced summary - -e trace=rename,unlink -e inject=rename:error=EBUSY:when=1 -e inject=unlink:error=EPERM:when=1
    [ -n "$(leftovers)" ] || fail "the clean-up was not broken"
    expect summary 1 "$words (system error 16)." allowed
    case="a lock that cannot be removed"
    fresh
    traced summary - -P "${lock##*/}" -e trace=unlink -e inject=unlink:error=EIO:when=1
    expect summary 2 "lock left: The high scores were saved, but their lock file \"$lock\" could not be removed (the disk reported an error)." allowed
    case="a failed change of mode"
    fresh
    traced reset - -e trace=fchmod -e inject=fchmod:error=EIO:when=1
    expect reset 1 "$words: the disk reported an error."
}

kill_part() {
    command -v strace >/dev/null || { echo "skipped: the kills (strace is missing)"; return; }
    local i kind slowed=openat,read,write,fsync,fchmod,rename,unlink,close,flock midway=0
    RANDOM=20 # the same moments on every run
    for i in $(seq 12); do
        kind=$([ $((i % 2)) = 0 ] && echo reset || echo summary)
        case="$kind: killed $i"
        fresh
        # Each call of the save waits 3 ms: it takes about 40. strace slows
        # only the calls it traces.
        traced "$kind" "0.$(printf %03d $((RANDOM % 110)))" -e trace=$slowed -e inject=$slowed:delay_enter=3000
        # Killed before its file was in place, or before its lock was gone.
        [ "$status" = 137 ] && { [ -n "$(leftovers)" ] || cmp -s "$file" "$scratch/old"; } && midway=$((midway + 1))
        if [ "$status" = 137 ]; then
            cmp -s "$file" "$scratch/old" || cmp -s "$file" "$scratch/new-$kind" || fail "a killed save left a mixed file"
            status=1 output="not saved: \"$file\" killed"
            cmp -s "$file" "$scratch/old" || status=0
            check "$kind" allowed
        else
            check "$kind"
        fi
    done
    echo "fault_check: $midway of 12 kills landed mid-save"
    [ "$midway" -ge 6 ] || { case="kills"; fail "too few kills landed mid-save to show anything"; }
}

# Two games end together while the lock of a game that died lies there:
# exactly one takes it over, the other waits and merges, or is told. The
# first judges the lock stale and pauses before taking it over; the second
# takes it over, makes its own and pauses before locking that; the first,
# going on, must not take that one too, and pauses again before writing.
race_part() {
    command -v strace >/dev/null || { echo "skipped: two games taking over a dead lock (strace is missing)"; return; }
    local i pid who told first second
    for i in 1 2 3 4 5 6; do
        case="two games take over a dead lock together, run $i"
        fresh
        printf '2147483647\nsave_driver\n%s\n' "$(hostname)" >"$file.lock"
        read -r first second <<<"$([ $((i % 2)) = 1 ] && echo Bee Cee || echo Cee Bee)"
        for who in Bee Cee; do
            (cd "$dir" && exec "$driver" --stop summary $who $([ $who = Bee ] && echo 270 || echo 265)) >"$scratch/race-$who" 2>&1 &
            echo $! >"$scratch/race-$who.driver"
        done
        for who in $first $second; do
            pid=
            until [ -n "$pid" ] && [[ $(<"/proc/$pid/stat") == *") T "* ]]; do
                read -r pid <"$scratch/race-$who"
                sleep 0.002
            done 2>/dev/null
            if [ $who = "$first" ]; then
                strace -qq -o /dev/null -p "$pid" -e trace=flock,rename \
                    -e inject=flock:delay_enter=$((150000 + i * 10000)):when=2 -e inject=rename:delay_enter=600000 &
            else
                strace -qq -o /dev/null -p "$pid" -e trace=flock -e inject=flock:delay_enter=$((350000 + i * 10000)):when=3 &
            fi
            until grep -q '^TracerPid:[[:space:]]*[1-9]' "/proc/$pid/status"; do sleep 0.002; done
            echo "$pid" >"$scratch/race-$who.pid"
        done
        kill -CONT "$(<"$scratch/race-$first.pid")"
        sleep 0.03
        kill -CONT "$(<"$scratch/race-$second.pid")"
        wait
        cases=$((cases + 1))
        for who in Bee Cee; do
            told=$(tail -n +2 "$scratch/race-$who")
            [[ $told == saved ]] || [[ $told == "not saved: "* ]] || fail "$who: $told"
            [[ $told != saved ]] || grep -q " $who"$'\r'"\$" "$file" || fail "$who was told saved, but is missing: $(tr '\r\n' ' |' <"$file")"
        done
        [ -z "$(leftovers)" ] || fail "left behind: $(leftovers | tr '\n' ' ')"
    done
}

# Files that are no table of ours: never waited on, never replaced unless
# the file as it was is kept beside it.
special_part() {
    local kind device
    for kind in fifo zero null; do
        case="a $kind in the file's place"
        rm -rf "$dir" && mkdir "$dir"
        case $kind in
        fifo) mkfifo "$file" ;;
        # As root a device of our own: a game that replaced it would
        # otherwise replace the system's.
        zero | null)
            device=/dev/$kind
            [ "$(id -u)" = 0 ] && device=$scratch/$kind && mknod "$device" c 1 $([ $kind = zero ] && echo 5 || echo 3)
            ln -s "$device" "$file"
            ;;
        esac
        output=$(cd "$dir" && timeout 10 "$driver" summary Zed 260 2>&1)
        status=$?
        cases=$((cases + 1))
        [ "$status" = 1 ] && [[ $output == *"is not an ordinary file (it may be a pipe or a device), so it was left as it is." ]] ||
            fail "status $status: $output"
        [ "$kind" = fifo ] && { [ -p "$file" ] || fail "the pipe was replaced"; }
        [ "$kind" = fifo ] || [ -c "$device" ] || fail "$device was replaced"
    done
    for kind in garbage long; do
        case="a file the game did not understand: $kind"
        fresh
        if [ $kind = garbage ]; then
            head -c 1048576 /dev/urandom >"$file"
        else
            awk 'BEGIN { for (i = 1; i <= 10000; i++) printf " %d L%d\r\n", i == 5000 ? 999 : 1, i }' >"$file"
        fi
        cp "$file" "$scratch/original"
        output=$(cd "$dir" && timeout 10 "$driver" summary Zed 260 2>&1)
        status=$?
        cases=$((cases + 1))
        [ "$status" = 0 ] && [[ $output == "kept: "*" is kept as \"$file.orig\"."*saved ]] || fail "status $status: $output"
        cmp -s "$file.orig" "$scratch/original" || fail "the file as it was is not kept"
        (cd "$dir" && timeout 10 "$driver" reset >/dev/null) || fail "the next save failed"
        cmp -s "$file.orig" "$scratch/original" || fail "the kept copy was written over"
    done

    case="the play folder removed and made again mid-save"
    fresh
    traced summary - -e trace=openat -e inject=openat:delay_exit=400000:when=1 &
    sleep 0.2
    rm -r "$dir" && mkdir "$dir" && cp "$scratch/old" "$file"
    wait $!
    cases=$((cases + 1))
    output=$(tail -n +2 "$scratch/out")
    [[ $output == "not saved: "*"its folder \"$dir\" does not exist." ]] || fail "said: $output"
    cmp -s "$file" "$scratch/old" || fail "the new folder's file was replaced"
}

# Where this system lets us mount (root, or a user namespace): a small tmpfs,
# full, out of inodes, read-only. Runs in a mount namespace of its own.
tmpfs_part() {
    local disk=$scratch/disk
    mkdir "$disk"
    mount -t tmpfs -o size=64k tmpfs "$disk" || { echo "skipped: a tmpfs (mount failed)"; return; }
    dir=$disk/w file=$disk/w/High\ Scores.dat
    case="a full disk"
    fresh
    dd if=/dev/zero of="$disk/fill" bs=4k 2>/dev/null
    run summary
    rm "$disk/fill"
    expect summary 1 "could not be written: the disk is full."
    case="a read-only disk"
    fresh
    mount -o remount,ro "$disk"
    run summary
    mount -o remount,rw "$disk"
    expect summary 1 "could not be written: the disk is read-only."
    case="no inodes left"
    fresh
    mount -o remount,nr_inodes=$(($(df --output=iused "$disk" | tail -n 1) + 1)) "$disk"
    run reset
    mount -o remount,nr_inodes=1000 "$disk"
    expect reset 1 "could not be written: the disk is full."
    umount "$disk"
}

# Permissions bind root only by the owner's write bit: as root the cases run
# as the ordinary user "nobody".
as_player() {
    if [ "$(id -u)" = 0 ]; then
        chown -R 65534:65534 "$dir"
        setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"
    else
        "$@"
    fi
}

real_part() {
    case="a file size limit"
    fresh
    output=$(cd "$dir" && ulimit -f 0 && "$driver" summary Zed 260 2>&1)
    status=$?
    expect summary 1 "could not be written: the disk is full."

    case="a read-only file"
    fresh
    chmod 444 "$file"
    output=$(cd "$dir" && as_player "$driver" summary Zed 260 2>&1)
    status=$?
    chmod 640 "$file"
    expect summary 1 "is read-only, so it was left as it is."

    for kind in summary reset; do
        case="an unreadable file: $kind"
        fresh
        chmod 200 "$file"
        output=$(cd "$dir" && as_player "$driver" $(save_args $kind) 2>&1)
        status=$?
        chmod 640 "$file"
        expect $kind 1 "could not be read (no permission), so it was left as it is."
    done

    case="a folder that is not writable"
    fresh
    chmod 555 "$dir"
    output=$(cd "$dir" && as_player "$driver" summary Zed 260 2>&1)
    status=$?
    chmod 755 "$dir"
    expect summary 1 "could not be written: the folder \"$dir\" is not writable."

    case="a lock that cannot be read"
    fresh
    chmod 777 "$dir"
    printf 'x' >"$file.lock"
    chmod 000 "$file.lock"
    touch -d '-3 seconds' "$file.lock"
    output=$(cd "$dir" && as_player "$driver" summary Zed 260 2>&1)
    status=$?
    chmod 755 "$dir"
    expect summary 0 saved

    case="an empty lock just made"
    fresh
    : >"$file.lock"
    run summary
    expect summary 0 saved
    case="an old empty lock"
    fresh
    : >"$file.lock"
    touch -d '-5 seconds' "$file.lock"
    run summary
    expect summary 0 saved
    case="a damaged lock"
    fresh
    printf 'not a lock\n' >"$file.lock"
    touch -d '-2 seconds' "$file.lock"
    run reset
    expect reset 0 saved
    case="the lock of a game that is gone"
    fresh
    printf '2147483647\nsave_driver\n%s\n' "$(hostname)" >"$file.lock"
    run summary
    expect summary 0 saved
    case="a live lock"
    fresh
    flock "$file.lock" sleep 1 &
    sleep 0.2
    run summary --wait 300
    wait
    rm -f "$file.lock"
    expect summary 3 "is being saved by another game, which has not finished."
    case="a folder where the lock goes"
    fresh
    mkdir "$file.lock"
    run summary
    rmdir "$file.lock"
    expect summary 1 "could not be written: its lock file \"$file.lock\" is a folder."

    case="leftover temporaries"
    fresh
    printf 'half' >"$file.new-Ab3dE6"
    printf 'keep' >"$file.backup"
    run summary
    [ -f "$file.backup" ] || fail "a file the game did not make was removed"
    rm -f "$file.backup"
    expect summary 0 saved

    case="a working folder that was removed"
    mkdir "$scratch/gone"
    output=$(cd "$scratch/gone" && rmdir "$scratch/gone" && "$driver" summary Zed 260 2>&1)
    status=$?
    cases=$((cases + 1))
    [ "$status" = 1 ] && [[ $output == *"could not be written: its folder \"$scratch/gone\" does not exist." ]] ||
        fail "status $status: $output"
}

case $part in
all)
    start=$SECONDS
    real_part
    echo "fault_check: real faults, $cases cases, $failures failed, $((SECONDS - start)) s"
    if [ "$(id -u)" = 0 ]; then
        unshare -m bash "$0" "$driver" tmpfs || failures=$((failures + 1))
    else
        unshare -rm bash "$0" "$driver" tmpfs 2>/dev/null || echo "skipped: a tmpfs (no mount namespace for this user)"
    fi
    named_part
    kill_part
    race_part
    special_part
    echo "fault_check: named faults and kills, $cases cases, $failures failed, $((SECONDS - start)) s"
    inject_part
    echo "fault_check: $cases cases, $failures failed, in $((SECONDS - start)) s"
    ;;
*) # one part alone: real, tmpfs, named, kill, race, special or inject
    "${part}_part"
    ;;
esac
[ "$failures" = 0 ]
