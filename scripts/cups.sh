# Sourced by test.sh: the PDF printer of the printing tests, a CUPS scheduler
# of the test command's own. cups_start starts the scheduler (cupsd in the
# foreground, as root: the cups-pdf backend runs only as root), makes the
# queue PDF (cups-pdf: a job arrives as a PDF file named after its title in
# the printing user's ~/PDF) its default and exports CUPS_SERVER, through which
# Wine and the CUPS tools find it; cups_stop ends it and removes its folder.
# The scheduler never touches the system's CUPS (its queues, its default) and
# lives in a folder of its own under /run/cups: the system's AppArmor profile
# of cupsd, where enforced, lets it use no other, its filters run as the user
# lp, who must reach the spool, and a socket's path must stay short. A
# scheduler that cannot start leaves CUPS_SERVER unset: the printing tests
# then fail saying so.
cups_dir= cupsd_pid=

# Commands as root: as they are for root, through sudo for others.
cups_root=()
[ "$(id -u)" = 0 ] || cups_root=(sudo -n)

cups_start() {
  "${cups_root[@]}" mkdir -p /run/cups
  cups_dir=$("${cups_root[@]}" mktemp -d /run/cups/mdx.XXXXXX)
  "${cups_root[@]}" chmod 755 "$cups_dir"
  "${cups_root[@]}" tee "$cups_dir/cupsd.conf" >/dev/null <<EOF
Listen $cups_dir/cups.sock
LogLevel warn
Browsing Off
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  "${cups_root[@]}" tee "$cups_dir/cups-files.conf" >/dev/null <<EOF
ServerRoot $cups_dir
RequestRoot $cups_dir/spool
CacheDir $cups_dir/cache
StateDir $cups_dir/state
ErrorLog $cups_dir/error_log
AccessLog $cups_dir/access_log
PageLog $cups_dir/page_log
Printcap $cups_dir/printcap
SystemGroup root
EOF
  # The scheduler ends with the test command even when that is killed.
  local out
  out=$(mktemp)
  "${cups_root[@]}" setpriv --pdeathsig TERM /usr/sbin/cupsd -f -c "$cups_dir/cupsd.conf" -s "$cups_dir/cups-files.conf" \
    </dev/null >"$out" 2>&1 &
  cupsd_pid=$!
  local socket=$cups_dir/cups.sock
  for _ in $(seq 100); do
    CUPS_SERVER=$socket lpstat -r >/dev/null 2>&1 && break
    [ -d "/proc/$cupsd_pid" ] || break
    sleep 0.1
  done
  local started=$(head -c 300 "$out")
  rm -f "$out"
  if ! CUPS_SERVER=$socket lpstat -r >/dev/null 2>&1; then
    echo "test: the CUPS scheduler did not start ($started); the printing tests will fail" >&2
    return 0
  fi
  # Once a busy machine's scheduler refused lpadmin's connection right after
  # it had answered lpstat ("Bad file descriptor"): a few tries.
  local made try
  for try in 1 2 3; do
    made=$(CUPS_SERVER=$socket lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>&1 &&
           CUPS_SERVER=$socket lpadmin -d PDF 2>&1) && { made=; break; }
    [ "$try" = 3 ] || sleep 1
  done
  if [ -n "$made" ]; then
    echo "test: the CUPS queue PDF could not be made ($made; the scheduler's log: $(tail -n 5 "$cups_dir/error_log" 2>&1)); the printing tests will fail" >&2
    return 0
  fi
  export CUPS_SERVER=$socket
}

cups_stop() {
  if [ -n "$cupsd_pid" ]; then
    "${cups_root[@]}" kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  if [ -n "$cups_dir" ]; then "${cups_root[@]}" rm -rf "$cups_dir" || true; fi
  cupsd_pid= cups_dir=
}
