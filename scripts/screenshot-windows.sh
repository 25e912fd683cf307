#!/usr/bin/env bash
# Screenshots of every device window, with a realistic device loaded, under Xvfb: docs/<window>.png.
# The windows talk only to the loopback address 127.0.0.2. The main window: scripts/screenshot-main.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb imagemagick poppler-utils
scripts/build.sh >/dev/null
Xvfb :92 -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
for w in setup_output setup_input setup_audio f_dmxsetup f_livebuttonrecord f_cue f_liverecord load_configuration rig_window patch_window; do
  DISPLAY=:92 build/tests/window_shots "$w" "/tmp/zentri-shot-$w.png" 2>/dev/null
  out="docs/$w.png"
  [ "$w" = rig_window ] && out=docs/rig-window.png
  [ "$w" = patch_window ] && out=docs/patch-window.png
  if [ "$w" = f_liverecord ]; then
    convert "/tmp/zentri-shot-$w.png" -crop 1280x800+0+0 +repage "$out"
  else
    convert "/tmp/zentri-shot-$w.png" -trim +repage "$out"
  fi
  rm -f "/tmp/zentri-shot-$w.png"
  echo "saved $out"
done
# Every window at a 144 dpi font in a dark palette, the worst case for legibility: docs/<window>-144dpi-dark.png.
for w in setup_output setup_input setup_audio f_dmxsetup f_livebuttonrecord f_cue f_liverecord about rig_window patch_window; do
  out="docs/$w-144dpi-dark.png"
  case $w in rig_window) out=docs/rig-window-144dpi-dark.png ;; patch_window) out=docs/patch-window-144dpi-dark.png ;; esac
  DISPLAY=:92 QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=144 build/tests/window_shots --dark "$w" "/tmp/zentri-shot-$w.png" 2>/dev/null
  convert "/tmp/zentri-shot-$w.png" -trim +repage "$out"
  rm -f "/tmp/zentri-shot-$w.png"
  echo "saved $out"
done
# The first page of the commissioning report of the rig the patch window shows.
DISPLAY=:92 build/tests/window_shots report /tmp/zentri-report 2>/dev/null
pdftoppm -png -r 70 -f 1 -l 1 -singlefile /tmp/zentri-report.pdf docs/report-page
rm -f /tmp/zentri-report.pdf /tmp/zentri-report.html /tmp/zentri-report.csv
echo "saved docs/report-page.png"
# Every window in German and in Polish, at 96 and at 144 dpi: docs/<language>/<window>[-144dpi].png.
for lang in de pl; do
  mkdir -p "docs/$lang"
  for w in main_window about setup_output setup_input setup_audio f_dmxsetup f_livebuttonrecord f_cue f_liverecord rig_window patch_window; do
    for dpi in 96 144; do
      out="docs/$lang/$w.png"
      [ $dpi = 144 ] && out="docs/$lang/$w-144dpi.png"
      DISPLAY=:92 QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=$dpi build/tests/window_shots --lang "$lang" "$w" "/tmp/zentri-shot-$w.png" 2>/dev/null
      if [ "$w" = f_liverecord ]; then
        convert "/tmp/zentri-shot-$w.png" -crop 1280x800+0+0 +repage "$out"
      else
        convert "/tmp/zentri-shot-$w.png" -trim +repage "$out"
      fi
      rm -f "/tmp/zentri-shot-$w.png"
      echo "saved $out"
    done
  done
done
