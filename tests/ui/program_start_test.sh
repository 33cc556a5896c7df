#!/usr/bin/env bash
# Starts the real program: the registration switches end it at once with exit
# code 0 and no window (no display needed); under Xvfb it opens its window
# with a file named on the command line and runs until closed.
set -u
program=$1
fail() { echo "FAIL: $*"; exit 1; }

for args in "/REGSERVER" "-unregserver" "file.crn /RegServer" "a b -UNREGSERVER"; do
  # shellcheck disable=SC2086
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "$program" $args
  rc=$?
  [ "$rc" -eq 0 ] || fail "'$args' exited with $rc"
done
echo "registration switches: exit 0 without a display"

command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null || { echo "SKIP: no xvfb-run or xwininfo"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '0 5 * * 1-5 /usr/bin/backup --all\n30 6 1 1 * echo 日本語\n' > "$dir/jobs.crn"
cat > "$dir/probe.sh" <<PROBE
#!/usr/bin/env bash
"$program" "$dir/jobs.crn" & pid=\$!
for _ in \$(seq 150); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Vantrel"' && break
  sleep 0.2
done
xwininfo -root -tree | grep '"Vantrel"' > "$dir/windows"
kill -0 \$pid || exit 3
kill \$pid; wait \$pid || true
PROBE
QT_QPA_PLATFORM=xcb timeout 90 xvfb-run -a bash "$dir/probe.sh" || fail "the program did not run under Xvfb"
grep -q '"Vantrel"' "$dir/windows" || fail "no window titled Vantrel"
echo "under Xvfb: window 'Vantrel' opened with a file"
