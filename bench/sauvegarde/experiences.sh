#!/bin/sh
# Saves of a recording pair that are killed (kill -9) or that meet a full disk,
# and what the analysis view then finds: the previous pair whole, the new pair
# whole, or a pair it reports (the header of one save beside the points of
# another). A "lying" save (reported done, files not whole) or a silently mixed
# pair is a fault; the script counts them and exits 1 if there is any.
#
#   bench/sauvegarde/experiences.sh [BUILD [KILLS]]      defaults: build, 100
#
# The full-disk part mounts a 2 MB tmpfs and needs root; without it that part is
# skipped (tests/data's disquePlein test covers it with a file-size limit).
set -u
BUILD=${1:-build}
ESSAIS=${2:-100}
PROGRAMME="$(cd "$BUILD/bin" && pwd)/essai_sauvegarde"
[ -x "$PROGRAMME" ] || { echo "build essai_sauvegarde first: cmake --build $BUILD --target essai_sauvegarde"; exit 2; }
TRAVAIL=$(mktemp -d)
export HOME="$TRAVAIL/maison" # automatic backups
mkdir -p "$HOME"
MONTAGE=
fin() {
    [ -n "$MONTAGE" ] && umount "$MONTAGE" 2>/dev/null
    [ -n "${GARDER:-}" ] && echo "kept: $TRAVAIL" || rm -rf "$TRAVAIL"
}
trap fin EXIT
# Stopped by a signal, it still unmounts its tmpfs and removes its folder.
trap 'exit 130' HUP INT TERM
fautes=0

echo "== kill -9 during saves, $ESSAIS times"
dossier="$TRAVAIL/tues"
mkdir -p "$dossier"
"$PROGRAMME" boucle "$dossier" & # a first pair on disk
pid=$!
while [ ! -f "$dossier/essai.txt" ]; do sleep 0.05; done
kill -9 $pid; wait $pid 2>/dev/null
: >"$TRAVAIL/resultats"
i=0
while [ $i -lt "$ESSAIS" ]; do
    "$PROGRAMME" boucle "$dossier" &
    pid=$!
    # A save of 8436 or 31517 points takes tens of milliseconds: kill anywhere in it.
    sleep "0.$(awk -v g=$i 'BEGIN { srand(g); printf "%03d", 50 + int(rand() * 400) }')"
    kill -9 $pid; wait $pid 2>/dev/null
    "$PROGRAMME" verifier "$dossier" >>"$TRAVAIL/resultats"
    i=$((i + 1))
done
for etat in entiere signalee-discordante signalee-coupee melangee illisible absente; do
    printf '  %-22s %4d\n' "$etat" "$(grep -c "^$etat" "$TRAVAIL/resultats")"
done
printf '  %-22s %4d\n' "stale lock files" "$(grep -c 'verrou:' "$TRAVAIL/resultats")"
printf '  %-22s %4d\n' "QSaveFile leftovers" "$(ls -A "$dossier" | grep -vc '^essai\.\(ail\|txt\)$')"
n=$(grep -c '^melangee\|^illisible\|^absente\|verrou:' "$TRAVAIL/resultats")
fautes=$((fautes + n))

echo "== saves onto a nearly full disk (2 MB tmpfs)"
if [ "$(id -u)" -ne 0 ]; then
    echo "  skipped: mounting a tmpfs needs root"
else
    MONTAGE="$TRAVAIL/disque"
    mkdir -p "$MONTAGE"
    if ! mount -t tmpfs -o size=2m tmpfs "$MONTAGE"; then
        echo "  skipped: no tmpfs could be mounted"
        MONTAGE=
    else
        printf '  %-8s %-7s %-8s %-28s %s\n' points libre "save" "backup" "pair found"
        for points in 100 600 8436; do
            for libre in 0 4096 8192 65536; do
                rm -rf "${MONTAGE:?}"/*
                "$PROGRAMME" sauver "$MONTAGE" 50 1 >/dev/null # the previous pair
                # Filled up but for $libre bytes (written: a sparse file takes no room).
                reste=$(df -B1 --output=avail "$MONTAGE" | tail -n 1)
                taille=$((reste - libre))
                [ $taille -gt 0 ] && head -c "$taille" /dev/zero >"$MONTAGE/remplissage" 2>/dev/null
                resultat=$("$PROGRAMME" sauver "$MONTAGE" $points 2)
                rm -f "$MONTAGE/remplissage"
                paire=$("$PROGRAMME" verifier "$MONTAGE")
                printf '  %-8s %-7s %-8s %-28s %s\n' $points $libre $resultat "$paire"
                # Said done: the new pair whole. Said failed: the previous pair whole, backup kept.
                case "$resultat" in
                ok*) case "$paire" in "entiere 2 $points") ;; *) fautes=$((fautes + 1)) ;; esac ;;
                *) case "$resultat $paire" in *sauvegarde-gardee*"entiere 1 50") ;; *) fautes=$((fautes + 1)) ;; esac ;;
                esac
            done
        done
    fi
fi

echo "== faults (lying saves, silently mixed or lost pairs, stale locks): $fautes"
[ $fautes -eq 0 ]
