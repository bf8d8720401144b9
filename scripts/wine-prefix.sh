#!/usr/bin/env bash
# Creates the Wine prefix the tests and the demo use, once; later runs find it ready. It is a
# 64-bit prefix that runs 64-bit programs and, where the machine runs 32-bit programs, 32-bit
# ones too; one that cannot start them (made before 32-bit Wine was installed) is made again.
# Programs run inside a Wine virtual desktop, which frames their windows and makes activation
# and focus the same on every machine.
set -eu
source "$(dirname "$0")/wine-env.sh"

# Whether the prefix starts a 64-bit program and, where the machine runs them, a 32-bit one. A
# prefix made before 32-bit Wine was installed starts neither ("could not load kernel32.dll").
starts_programs() {
    wine cmd.exe /c exit 0 >/dev/null 2>&1 </dev/null || return 1
    [ "$RAVELIN_RUNS_32BIT" = yes ] || return 0
    wine 'C:\windows\syswow64\cmd.exe' /c exit 0 >/dev/null 2>&1 </dev/null
}

make_prefix() {
    mkdir -p "$WINEPREFIX"
    wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1 </dev/null || true
    wineserver -w
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    make_prefix
fi
if ! starts_programs; then
    if [ "$RAVELIN_RUNS_32BIT" = yes ]; then
        echo "The Wine prefix $WINEPREFIX cannot start 64- and 32-bit programs; making it again"
    else
        echo "The Wine prefix $WINEPREFIX cannot start 64-bit programs; making it again"
    fi
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    make_prefix
    if ! starts_programs; then
        echo "Wine cannot start programs in a new prefix either: is wine64 installed (and wine32:i386 where 32-bit programs run)?" >&2
        echo "(bash scripts/install-deps.sh installs them)" >&2
        exit 1
    fi
fi
if [ ! -f "$WINEPREFIX/.ravelin-fonts-4" ]; then
    # Wine's own Tahoma and Marlett, where its font loader finds them: the dialogs' font and the
    # glyphs of the caption buttons (without Marlett the close box shows an "r").
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    for file in tahoma.ttf tahomabd.ttf marlett.ttf; do
        for dir in /usr/share/wine/fonts /usr/lib/wine/fonts /opt/wine-stable/share/wine/fonts; do
            [ -f "$dir/$file" ] && { cp "$dir/$file" "$fonts/"; break; }
        done
    done
    # Windows' Tahoma draws Thai, Wine's does not, and no linked face can help: Thai text is
    # shaped with the dialog font's own glyphs. The prefix's Tahoma gets the Thai letters of a
    # free face; nothing else of it changes.
    thai=/usr/share/fonts/truetype/tlwg
    add_thai() {
        if [ -f "$fonts/$1" ] && [ -f "$thai/$2" ]; then
            /usr/bin/python3 "$(dirname "$0")/add-script-glyphs.py" "$fonts/$1" "$thai/$2" \
                0E00 0E7F "$fonts/$1" >/dev/null
        fi
    }
    add_thai tahoma.ttf Loma.ttf
    add_thai tahomabd.ttf Loma-Bold.ttf
    # Chinese, Japanese and Korean text in Tahoma comes from the faces Windows links to it. Wine
    # writes those links itself on every start, naming Windows' font files; the prefix gives one
    # of those names (Microsoft YaHei UI, MSYH.TTC) to a face with those glyphs.
    cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/MSYH.TTC"
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "Microsoft YaHei UI" \
        /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 </dev/null
    # Chinese glyphs for the other faces the window uses (Wine keeps these links as written).
    link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" Arial; do
        wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' \
            /f >/dev/null 2>&1 </dev/null
    done
    # The caption, menu and message-box fonts ask for the default character set, as the dialogs
    # do, so that under a Chinese locale they are a font with Chinese glyphs. The captions are
    # bold: their face is one with Chinese glyphs and a bold face of its own, which Wine would
    # otherwise fake by smearing the linked regular face.
    metrics='HKCU\Control Panel\Desktop\WindowMetrics'
    bold_face=$(printf '%s' 'Noto Sans CJK SC' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')
    while [ ${#bold_face} -lt 128 ]; do bold_face="${bold_face}00"; done
    for value in CaptionFont SmCaptionFont MenuFont MessageFont StatusFont IconFont; do
        font=$(wine reg query "$metrics" /v "$value" 2>/dev/null </dev/null |
            sed -n 's/.*REG_BINARY[[:space:]]*\([0-9A-Fa-f]*\).*/\1/p')
        # Byte 23 of the LOGFONT is its character set (1 is DEFAULT_CHARSET); the face name
        # starts at byte 28.
        [ ${#font} -ge 184 ] || continue
        font="${font:0:46}01${font:48}"
        case "$value" in
        CaptionFont | SmCaptionFont) font="${font:0:56}${bold_face}" ;;
        esac
        wine reg add "$metrics" /v "$value" /t REG_BINARY /d "$font" /f >/dev/null 2>&1 </dev/null
    done
    wineserver -w
    touch "$WINEPREFIX/.ravelin-fonts-4"
fi
if [ ! -f "$WINEPREFIX/.ravelin-desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f \
        >/dev/null 2>&1 </dev/null
    wineserver -w
    touch "$WINEPREFIX/.ravelin-desktop"
fi
