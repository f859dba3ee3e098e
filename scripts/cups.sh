# Sourced by test.sh: the PDF printer of the printing tests, a CUPS scheduler
# of the test command's own. cups_start starts the scheduler (cupsd in the
# foreground, as root: the cups-pdf backend runs only as root), makes the
# queue PDF (cups-pdf: a job arrives as a PDF file named after its title in
# the printing user's ~/PDF) its default and exports CUPS_SERVER, through which
# Wine and the CUPS tools find it; cups_stop ends it and removes its folder.
# The scheduler never touches the system's CUPS (its queues, its default) and
# lives in a folder of its own under /tmp, as its filters run as the user lp,
# who must reach the spool, and a socket's path must stay short. A scheduler
# that cannot start leaves CUPS_SERVER unset: the printing tests then fail
# saying so.
cups_dir= cupsd_pid=

cups_sudo() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo -n "$@"; fi; }

cups_start() {
  cups_dir=$(mktemp -d /tmp/mdx-cups.XXXXXX)
  chmod 755 "$cups_dir"
  cat >"$cups_dir/cupsd.conf" <<EOF
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
  cat >"$cups_dir/cups-files.conf" <<EOF
ServerRoot $cups_dir
RequestRoot $cups_dir/spool
CacheDir $cups_dir/cache
StateDir $cups_dir/state
ErrorLog $cups_dir/error_log
AccessLog $cups_dir/access_log
PageLog $cups_dir/page_log
SystemGroup root
EOF
  # The scheduler ends with the test command even when that is killed.
  cups_sudo setpriv --pdeathsig TERM /usr/sbin/cupsd -f -c "$cups_dir/cupsd.conf" -s "$cups_dir/cups-files.conf" \
    </dev/null >"$cups_dir/cupsd.out" 2>&1 &
  cupsd_pid=$!
  local socket=$cups_dir/cups.sock
  for _ in $(seq 100); do
    CUPS_SERVER=$socket lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! CUPS_SERVER=$socket lpstat -r >/dev/null 2>&1; then
    echo "test: the CUPS scheduler did not start ($(head -c 300 "$cups_dir/cupsd.out")); the printing tests will fail" >&2
    return 0
  fi
  local made
  if ! made=$(CUPS_SERVER=$socket lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>&1 &&
               CUPS_SERVER=$socket lpadmin -d PDF 2>&1); then
    echo "test: the CUPS queue PDF could not be made ($made); the printing tests will fail" >&2
    return 0
  fi
  export CUPS_SERVER=$socket
}

cups_stop() {
  if [ -n "$cupsd_pid" ]; then
    cups_sudo kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  if [ -n "$cups_dir" ]; then cups_sudo rm -rf "$cups_dir" || true; fi
  cupsd_pid= cups_dir=
}
