#!/bin/sh
# Takes the screenshots under docs/ on a virtual 1280 x 800 screen with a window manager, as a
# person sees the host: xvfb-run and openbox (apt-get install xvfb openbox), and a build in
# build/dev. Each script runs in a Windows directory of its own, registered as the stand-alone
# program registers the add-in.
set -e
cd "$(dirname "$0")/.."
bin=build/dev/bin
if [ -z "$QM_SCREEN" ]; then
    QM_SCREEN=1 exec xvfb-run -a -s "-screen 0 1280x800x24" sh "$0" "$@"
fi
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
for script in docs/vbhost.qms docs/screens.qms docs/tool-windows.qms; do
    WINDIR=$(mktemp -d)
    export WINDIR
    QT_QPA_PLATFORM=offscreen "$bin/quillmark" >/dev/null
    "$bin/vbhost" --script "$script"
    rm -rf "$WINDIR"
done
kill "$wm"
