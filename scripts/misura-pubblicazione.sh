#!/bin/sh
# Times the publishing run on the bundled archive: HTML pages of every year and
# table, then all 601 PDF files and the booklet. Usage: scripts/misura-pubblicazione.sh [build dir]
set -e
build=${1:-build}
prog="$build/programma"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -r "$prog/." "$tmp/"
printf '%s\r\n%s\r\nSuperenalotto.html\r\n\r\n' "$tmp/pdf" "$tmp/html" > "$tmp/Datipvt.DAT"
for i in 1 2 3 4 5 6 7 8 9 10 11 12 13; do printf '1\r\n' >> "$tmp/Datipvt.DAT"; done
misura() {
  inizio=$(date +%s.%N)
  "$prog/sestina-cli" --dir "$tmp" pubblica "$@"
  fine=$(date +%s.%N)
  echo "  tempo: $(awk "BEGIN { printf \"%.2f\", $fine - $inizio }") s"
}
echo "HTML (ogni anno e ogni tabella):"
misura --html --anni tutti --testa-e-coda
echo "PDF (601 file) e opuscolo:"
misura --pdf --opuscolo
echo "pagine dell'opuscolo: $(pdfinfo "$tmp/pdf/opuscolo.pdf" | awk '/^Pages:/ {print $2}')"
