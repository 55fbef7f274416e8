#!/bin/sh
# The DEB package: its file list and control fields, then the installed programs
# started from an unpacked copy on a fresh home (first-start seeding included).
# Usage: prova-pacchetto.sh BUILD_DIR
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
errore() { echo "ERRORE: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/pacchetto" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; errore "cpack non riuscito"; }
deb=$(ls "$tmp"/pacchetto/sestina_*.deb)
dpkg -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' >"$tmp/elenco"

for f in /usr/bin/sestina /usr/bin/sestina-cli \
         /usr/share/applications/sestina.desktop \
         /usr/share/icons/hicolor/16x16/apps/sestina.png /usr/share/icons/hicolor/48x48/apps/sestina.png \
         /usr/share/icons/hicolor/256x256/apps/sestina.png \
         /usr/share/man/man1/sestina-cli.1.gz \
         /usr/share/sestina/Superena.cxz /usr/share/sestina/ggmeanno1.cxz \
         /usr/share/sestina/GiorniEstrazione1.DAT /usr/share/sestina/listaloghi.DAT \
         /usr/share/sestina/logo_sestina.png /usr/share/sestina/logo_ricevitoria.png \
         /usr/share/sestina/guida/indice.html /usr/share/sestina/guida/estrazioni.html \
         /usr/share/sestina/guida/immagini/TabSheet1.png; do
    grep -qx "$f" "$tmp/elenco" || errore "manca $f nel pacchetto"
done
# Only what belongs to the program: nothing outside /usr, no build leftovers.
if grep -v '^/usr/' "$tmp/elenco"; then errore "file fuori da /usr"; fi
if grep -E '\.tmp$|CMakeFiles|\.o$|\.a$|/tests?/' "$tmp/elenco"; then errore "file di compilazione nel pacchetto"; fi
# Every logo listed in listaloghi.DAT is shipped beside it.
for logo in $(tr -d '\r' <"$build/programma/listaloghi.DAT"); do
    grep -qx "/usr/share/sestina/$logo" "$tmp/elenco" || errore "manca il logo $logo"
done

dipende=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6network6 qt6-qpa-plugins fonts-dejavu-core; do
    echo "$dipende" | grep -q "$d" || errore "Depends senza $d: $dipende"
done
[ "$(dpkg-deb -f "$deb" Package)" = sestina ] || errore "nome del pacchetto"

dpkg-deb -x "$deb" "$tmp/radice"
voce="$tmp/radice/usr/share/applications/sestina.desktop"
for riga in '^Type=Application$' '^Exec=sestina$' '^Icon=sestina$' '^Categories=.*Office;' '^Name=Sestina$' '^Comment=.*SuperEnalotto'; do
    grep -q "$riga" "$voce" || errore "voce del menu senza $riga"
done
zcat "$tmp/radice/usr/share/man/man1/sestina-cli.1.gz" | grep -q '^\.TH SESTINA-CLI 1' || errore "pagina di manuale"

# The installed CLI on a fresh home: the data folder is seeded, the archive is the bundled one.
casa="$tmp/casa"
mkdir -p "$casa"
env -u XDG_DATA_HOME HOME="$casa" "$tmp/radice/usr/bin/sestina-cli" info >"$tmp/info" 2>"$tmp/info.err" ||
    { cat "$tmp/info.err"; errore "sestina-cli info non riuscito"; }
dati="$casa/.local/share/Sestina"
cmp -s "$dati/Superena.cxz" "$tmp/radice/usr/share/sestina/Superena.cxz" || errore "archivio non copiato al primo avvio"
grep -q "^estrazioni;$(( $(stat -c %s "$dati/ggmeanno1.cxz") / 8 ));" "$tmp/info" || errore "info: $(cat "$tmp/info")"
[ ! -e "$dati/guida" ] || errore "la guida non va copiata"

# The installed desktop program starts offscreen on another fresh home and keeps running.
casa2="$tmp/casa2"
mkdir -p "$casa2"
set +e
env -u XDG_DATA_HOME HOME="$casa2" QT_QPA_PLATFORM=offscreen timeout 8 "$tmp/radice/usr/bin/sestina" >"$tmp/gui.log" 2>&1
rc=$?
set -e
[ $rc -eq 124 ] || { cat "$tmp/gui.log"; errore "sestina è terminato da solo (stato $rc)"; }
[ -f "$casa2/.local/share/Sestina/ggmeanno1.cxz" ] || errore "sestina non ha preparato la cartella dei dati"
[ -f "$casa2/.local/share/Sestina/Datipvt.DAT" ] || errore "sestina non ha completato l'avvio (manca Datipvt.DAT)"
echo "pacchetto $(basename "$deb"): $(wc -l <"$tmp/elenco") file, avvio riuscito"
