#!/usr/bin/env bash
# Gives a clerk without a printer a printer that writes PDF files: CUPS with
# cups-pdf, whose queue "PDF" then appears in the program's printer choice.
# It becomes the default printer only where there is none. cups-pdf puts
# each print into the folder its configuration names (Debian: ~/PDF of the
# user who prints). Nothing here stops the program: a step that fails is
# reported and the script goes on.
set -uo pipefail

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=()
for package in cups printer-driver-cups-pdf; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing the PDF printer: ${missing[*]}"
  if ! { "${as_root[@]}" apt-get update -qq \
      && DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
    echo "The PDF printer could not be installed; the program starts without it."
    exit 0
  fi
fi

scheduler_running() {
  LC_ALL=C lpstat -r 2>/dev/null | grep -q "scheduler is running"
}

if ! scheduler_running; then
  echo "Starting CUPS."
  if [ -d /run/systemd/system ]; then
    "${as_root[@]}" systemctl start cups >/dev/null 2>&1
  else
    # No systemd (a container): the scheduler runs as its own daemon.
    "${as_root[@]}" /usr/sbin/cupsd >/dev/null 2>&1
  fi
  for _ in $(seq 1 20); do
    scheduler_running && break
    sleep 0.5
  done
  if ! scheduler_running; then
    echo "CUPS could not be started; the program starts without the PDF printer."
    exit 0
  fi
fi

# cups-pdf sets up its queue only when CUPS runs while it is installed.
if ! LC_ALL=C lpstat -v PDF >/dev/null 2>&1; then
  models=$(lpinfo -m 2>/dev/null)
  model=$(awk '/CUPS-PDF_opt/ { print $1; exit }' <<< "$models")
  [ -n "$model" ] || model=$(awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }' <<< "$models")
  if [ -z "$model" ] || ! "${as_root[@]}" lpadmin -p PDF -v cups-pdf:/ -m "$model" -E; then
    echo "The printer queue \"PDF\" could not be set up; the program starts without it."
    exit 0
  fi
  folder=$(awk '$1 == "Out" { print $2 }' /etc/cups/cups-pdf.conf 2>/dev/null)
  echo "Printer \"PDF\" set up: prints go as PDF files to ${folder:-~/PDF}."
fi
if LC_ALL=C lpstat -d 2>/dev/null | grep -q "no system default destination"; then
  "${as_root[@]}" lpadmin -d PDF || echo "\"PDF\" could not be made the default printer."
fi
exit 0
