#!/usr/bin/env bash
# Takes the pictures of the gallery from the real window under Wine: every page, every modal
# dialog and the progress window of a slow recorder, in Chinese, English and Portuguese, each
# under its language's locale, as docs/screenshots/<name>-<lang>.png; then writes
# docs/gallery.md from the pictures there.
#   bash scripts/screenshots.sh                  all of them
#   bash scripts/screenshots.sh network pt       one picture in one language
#   bash scripts/screenshots.sh network,ntp      some pictures in every language
#   bash scripts/screenshots.sh --list           the names
#   bash scripts/screenshots.sh --gallery        only docs/gallery.md, from the pictures there
set -euo pipefail
cd "$(dirname "$0")/.."

# Name, what to show, title in the gallery. What to show is the text id of a page's tree node;
# a dialog adds ":" and the ids of the buttons that open it, clicked in turn (the first on the
# page); "~" and a control id instead opens that drop-down list of the page for the picture
# (",N" after it: scrolled to show its entry N first);
# "closing@" before that asks the window to close afterwards and shows the question it
# raises; "progress" is the progress window while a slow recorder is read; "import" the message
# after importing, through the window's system menu, a back-up of the demo recorder whose NTP
# server and General settings were changed, "import-failed" the same when the NTP record cannot
# be sent, "import-preview" the question before it sends a back-up written as from another
# recorder, "import-question" the question before it all when the General page holds edits
# (after Default); "menu" the window's system menu, opened with Alt+Space.
entries=(
    "version            0x503            Version"
    "hdd-info           0x504            Hdd Info"
    "general            0x507            General"
    "general-languages  0x507~1008       General, its Language list open"
    "general-languages-end  0x507~1008,11  General, the end of its Language list"
    "general-unsaved    0x507:1159       General, unsaved (after Default: its node in bold)"
    "closing-question   closing@0x507:1159  Closing with unsaved changes (General, after Default)"
    "encode             0x508            Encode"
    "schedule           0x509            Schedule"
    "serial-ptz-matrix  0x50a            RS232, PTZ matrix"
    "serial             0x50a:1159       RS232 (after Default)"
    "network            0x50b            Network"
    "alarm-center       0x522            Alarm Center"
    "ntp-server         0x523            NTP Server"
    "pppoe              0x524            PPPOE"
    "ddns-server        0x525            DDNS Server"
    "email              0x526            Email"
    "alarm              0x527            Alarm"
    "alarm-ptz-link     0x527:1168       PTZ Activation (Alarm, Setting)"
    "detect             0x528            Detect"
    "detect-ptz-link    0x528:1168       PTZ Activation (Detect, Setting)"
    "ptz                0x529            Pan/Tilt/Zoom"
    "ptz-presets        0x529:1176       Preset (Pan/Tilt/Zoom)"
    "ptz-preset         0x529:1176,1184  Preset, Add (Pan/Tilt/Zoom)"
    "ptz-tour           0x529:1177       Tour (Pan/Tilt/Zoom)"
    "display            0x52a            Display"
    "channel-name       0x52a:1168       Chan. Name (Display, Setting)"
    "abnormality        0x50d            Abnormality"
    "alarm-out          0x59e            Alarm Out"
    "manage-record      0x5e8            Manage Record"
    "progress           progress         Reading a slow recorder"
    "config-menu        menu             The system menu: export and import of configuration files"
    "config-import-question  import-question  Import configuration with unsaved changes (General, after Default): the question first"
    "config-import-preview   import-preview   Import configuration: what the file would change"
    "config-import      import           Import configuration: the message after a success"
    "config-import-failed    import-failed    Import configuration: the message after a failure (NTP cannot be sent)"
)
languages=(zh en pt)
declare -A language_names=([zh]="Simplified Chinese" [en]=English [pt]=Portuguese)
# Dates and times read the way of the language's own locale.
declare -A locales=([zh]=zh_CN.UTF-8 [en]=en_US.UTF-8 [pt]=pt_BR.UTF-8)

declare -A shows titles
names=()
for entry in "${entries[@]}"; do
    read -r name show title <<<"$entry"
    names+=("$name")
    shows[$name]=$show
    titles[$name]=$title
done

write_gallery() {
    local out=docs/gallery.md
    {
        echo "# Gallery"
        echo
        echo "Every page, every dialog and the progress window of a slow recorder, as the real window"
        echo "shows them under Wine, each language under its own locale. \`bash scripts/screenshots.sh\`"
        echo "takes the pictures again and rewrites this page; a missing picture shows as \"—\"."
        echo
        echo "| | ${language_names[zh]} | ${language_names[en]} | ${language_names[pt]} |"
        echo "|---|---|---|---|"
        for name in "${names[@]}"; do
            local row="| ${titles[$name]} |"
            for lang in "${languages[@]}"; do
                if [ -f "docs/screenshots/$name-$lang.png" ]; then
                    row+=" ![${titles[$name]}, $lang](screenshots/$name-$lang.png) |"
                else
                    row+=" — |"
                fi
            done
            echo "$row"
        done
    } >"$out"
    echo "$out"
}

case "${1:-}" in
--list)
    printf '%s\n' "${names[@]}"
    exit 0
    ;;
--gallery)
    write_gallery
    exit 0
    ;;
esac

wanted_names=("${names[@]}")
wanted_languages=("${languages[@]}")
if [ $# -ge 1 ]; then IFS=, read -ra wanted_names <<<"$1"; fi
if [ $# -ge 2 ]; then IFS=, read -ra wanted_languages <<<"$2"; fi
for name in "${wanted_names[@]}"; do
    [ -n "${shows[$name]:-}" ] || { echo "unknown picture '$name'; see --list" >&2; exit 2; }
done
for lang in "${wanted_languages[@]}"; do
    [ -n "${locales[$lang]:-}" ] || { echo "unknown language '$lang'; known: zh en pt" >&2; exit 2; }
done

bash scripts/install-deps.sh
bash scripts/build.sh mingw64 >/dev/null

source scripts/xvfb.sh
trap stop_xvfb EXIT
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
fi
source scripts/wine-env.sh
bash scripts/wine-prefix.sh

mkdir -p docs/screenshots
log=$(mktemp)
failed=()
for name in "${wanted_names[@]}"; do
    for lang in "${wanted_languages[@]}"; do
        show=${shows[$name]}
        out="$PWD/docs/screenshots/$name-$lang.png"
        if [ "$show" != "${show#import}" ]; then
            backup="$PWD/build/screenshots-backup.json"
            wine build/mingw64/bin/RavelinHost.exe --export "$(winepath -w "$backup")" >"$log" 2>&1 </dev/null
            sed -i -e '/"NTP":/ s/"server":"[^"]*"/"server":"time.example.org"/' \
                -e '/"Normal":/ s/"packMinutes":[0-9]*/"packMinutes":30/' "$backup"
            args=(--window-import "$(winepath -w "$backup")" --screenshot "$out" --close-after-ms 1000)
            case "$show" in
            import-failed) args+=(--fail zelDispHisiNewMenuNTPSet) ;;
            import-preview)
                sed -i '/"recorder":/ s/"serialNumber":"[^"]*"/"serialNumber":"ZD8108A110307000099"/' "$backup"
                args+=(--import-picture preview)
                ;;
            import-question)
                args+=(--page "$(python3 scripts/caption.py 0x507 "$lang")" --press 1159 --import-picture question)
                ;;
            esac
        elif [ "$show" = menu ]; then
            args=(--system-menu --screenshot "$out" --close-after-ms 1000)
        elif [ "$show" = progress ]; then
            # Every device call takes 40 ms: the reading of 37 calls takes about 1.5 s.
            args=(--latency 40 --progress-screenshot "$out" --close-after-ms 0)
        else
            picture=--screenshot
            if [ "$show" != "${show#closing@}" ]; then
                picture=--closing-screenshot
                show=${show#closing@}
            fi
            list=
            if [ "$show" != "${show#*~}" ]; then
                list=${show#*~}
                show=${show%%~*}
            fi
            caption=$(python3 scripts/caption.py "${show%%:*}" "$lang")
            args=(--page "$caption" "$picture" "$out" --close-after-ms 1500)
            [ "$show" != "${show#*:}" ] && args+=(--press "${show#*:}")
            [ -n "$list" ] && args+=(--drop-down "$list")
        fi
        if LANG=${locales[$lang]} wine build/mingw64/bin/RavelinHost.exe --lang "$lang" "${args[@]}" \
            >"$log" 2>&1 </dev/null; then
            echo "docs/screenshots/$name-$lang.png"
        else
            # A page or dialog that is not built yet has nothing to show: the others go on.
            sed 's/^/    /' "$log" >&2
            rm -f "$out"
            failed+=("$name-$lang")
        fi
    done
done
rm -f "$log"
write_gallery
if [ ${#failed[@]} -gt 0 ]; then
    echo "no picture for: ${failed[*]}" >&2
    exit 1
fi
