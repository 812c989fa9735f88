#!/usr/bin/env bash
# The demo (`make demo`): the samples copied into <build>/demo, the plugin installed in each project as an
# author installs it, and the Drovik Workshop tab driven through the stand-in editor, step by step, as a
# map author would use it. Ends with a summary of what each step left behind.
#
#   Samples/demo.sh <build dir>
#
# Exits non-zero when any step failed (an editor exit code, a missing file or a missing log line).
set -euo pipefail

SAMPLES=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(dirname "$SAMPLES")
BUILD=$(cd "${1:?usage: demo.sh <build dir>}" && pwd)
BINARIES=$BUILD/Engine/Binaries/Win64
EDITOR=$BINARIES/UE4Editor.exe
UNREALPAK=$BINARIES/UnrealPak.exe
DEMO=$BUILD/demo
LOGS=$DEMO/logs
SHOTS=$DEMO/screenshots
MACHINE=$DEMO/machine
# The same computer with the Steam client not running: there the editor asks whether a Quarn mod is made.
OFFLINE_MACHINE=$DEMO/machine-without-steam
GAME_DIR=$MACHINE/drives/d/SteamLibrary/steamapps/common/DrovikVR
WORKSHOP=$MACHINE/steam/workshop/731904
EDITOR_TIME_LIMIT=600

FAILURES=()

fail() {
	FAILURES+=("$1")
	echo "  FAILED: $1"
}

for Tool in "$EDITOR" "$UNREALPAK"; do
	[ -x "$Tool" ] || { echo "demo: $Tool is missing; build first (make build)" >&2; exit 1; }
done

rm -rf "$DEMO"
mkdir -p "$LOGS" "$SHOTS"
cp -R "$SAMPLES/machine" "$MACHINE"
cp -R "$SAMPLES/machine" "$OFFLINE_MACHINE"
sed -i 's/"running": *true/"running": false/' "$OFFLINE_MACHINE/steam/client.json"
grep -q '"running": false' "$OFFLINE_MACHINE/steam/client.json" || { echo "demo: cannot stop Steam in $OFFLINE_MACHINE" >&2; exit 1; }

# install_project <sample> <destination>: the sample project with Plugins/Levelwright copied in.
install_project() {
	cp -R "$SAMPLES/$1" "$2"
	mkdir -p "$2/Plugins"
	cp -R "$REPO/Plugins/Levelwright" "$2/Plugins/Levelwright"
}

# run_editor <step> <project dir> <machine>: runs the script $DEMO/<step>.txt (written by the caller) in
# the stand-in editor; its output is kept in $LOGS/<step>.log.
run_editor() {
	local Step=$1 Project=$2 Machine=$3
	local Log=$LOGS/$Step.log Rc=0
	echo "== $Step: $(head -n 1 "$DEMO/$Step.txt" | sed 's/^# *//')"
	(cd "$DEMO" && timeout "$EDITOR_TIME_LIMIT" "$EDITOR" "$Project/Drovik.uproject" -script="$DEMO/$Step.txt" -machine="$Machine") >"$Log" 2>&1 || Rc=$?
	cp "$Project/Saved/Logs/Drovik.log" "$LOGS/$Step.project.log" 2>/dev/null || true
	if [ "$Rc" -ne 0 ]; then
		fail "$Step: the editor exited with code $Rc (log: $Log)"
		grep -E 'Error|Ensure' "$Log" | head -n 10 | sed 's/^/    /' || true
	fi
}

# expect_line <step> <text>: the step's editor output holds a line with this text.
expect_line() {
	grep -qF -- "$2" "$LOGS/$1.log" || fail "$1: no line \"$2\" in $LOGS/$1.log"
}

# expect_file <step> <path>: the step left this file behind.
expect_file() {
	[ -s "$2" ] || fail "$1: $2 is missing or empty"
}

# --- 1. A project with no map yet: a new Workshop item and its map folder. ---
install_project EmptyProject "$DEMO/EmptyProject"
cat >"$DEMO/1-create-item.txt" <<EOF
# Create a Workshop item for a project without a map
open-tab
screenshot $SHOTS/setup-new-map.png
click Create New
wait-idle
save-all
screenshot $SHOTS/setup-item-created.png
quit
EOF
run_editor 1-create-item "$DEMO/EmptyProject" "$MACHINE"
expect_line 1-create-item "Creating map folder for id 2000000002"
expect_file 1-create-item "$WORKSHOP/2000000002/item.json"
expect_file 1-create-item "$DEMO/EmptyProject/Content/CustomMaps/UGC2000000002/definition.uasset"

# --- 2. The Workshop map: stage into the game, submit a new version, sync the title, tags and preview. ---
install_project WorkshopMap "$DEMO/WorkshopMap"
CHANGE_NOTE="Pillars around the rim, more crates"
cat >"$DEMO/2-workshop-map.txt" <<EOF
# Stage, submit and sync the Workshop map Arena (item 2000000001)
open-tab
click Testing(Steam)
click Stage
wait-idle
screenshot $SHOTS/testing.png
click Deployment(Steam)
type Change note $CHANGE_NOTE
screenshot $SHOTS/deployment.png
click Submit
wait-idle
click Setup
click Sync Metadata
wait-idle
# Ten seconds of editor frames: the jobs' notifications have faded out.
tick 600
screenshot $SHOTS/setup-workshop-map.png
quit
EOF
run_editor 2-workshop-map "$DEMO/WorkshopMap" "$MACHINE"
STAGED_PAK=$GAME_DIR/Drovik/Content/Paks/pakchunk_workshop_stage.pak
expect_file 2-workshop-map "$STAGED_PAK"
expect_line 2-workshop-map "MessageBox [Drovik Workshop] Successfully submited to the workshop!"
expect_line 2-workshop-map "LevelwrightLog: Synced item"
grep -qF "\"changeNote\": \"$CHANGE_NOTE\"" "$WORKSHOP/2000000001/item.json" 2>/dev/null ||
	fail "2-workshop-map: item 2000000001 has no version \"$CHANGE_NOTE\""

# --- 2b. Long work to watch: a cook slowed to a few seconds and an upload at a slow rate, each with its
# notification and the step on its page. ---
cat >"$DEMO/2b-watch-a-cook.txt" <<EOF
# Watch a slow cook of Arena
open-tab
click Testing(Steam)
click Stage
tick 60
screenshot $SHOTS/cook-in-progress.png
wait-idle
quit
EOF
LEVELWRIGHT_COOK_SECONDS=3 run_editor 2b-watch-a-cook "$DEMO/WorkshopMap" "$MACHINE"
expect_line 2b-watch-a-cook "LevelwrightLog: LogCook: Display: Cooking... (1 s)"

cp "$MACHINE/steam/client.json" "$DEMO/client.json.saved"
sed -i 's/"running": *true/"running": true, "uploadBytesPerSecond": 100000/' "$MACHINE/steam/client.json"
cat >"$DEMO/2c-watch-an-upload.txt" <<EOF
# Watch a slow upload of Arena
open-tab
click Deployment(Steam)
type Change note A slower upload
click Submit
tick 300
screenshot $SHOTS/upload-in-progress.png
wait-idle
quit
EOF
run_editor 2c-watch-an-upload "$DEMO/WorkshopMap" "$MACHINE"
mv "$DEMO/client.json.saved" "$MACHINE/steam/client.json"
expect_line 2c-watch-an-upload "MessageBox [Drovik Workshop] Successfully submited to the workshop!"

# --- 2d. A refusal before Steam: a title of 129 bytes ("a" and 64 times "é") is not sent. ---
LONG_TITLE="a$(printf 'é%.0s' $(seq 64))"
cat >"$DEMO/2d-refused-title.txt" <<EOF
# Sync a title Steam would refuse: nothing is sent, one box says why
open-tab
edit /Game/CustomMaps/UGC2000000001/definition.definition MapLabel="$LONG_TITLE"
click Sync Metadata
screenshot-box $SHOTS/refusal-box.png
quit
EOF
run_editor 2d-refused-title "$DEMO/WorkshopMap" "$MACHINE"
expect_line 2d-refused-title "129 bytes"
expect_file 2d-refused-title "$SHOTS/refusal-box.png"

# --- 3. A Quarn mod created from scratch, on a computer where Steam is not running. ---
install_project QuarnMod "$DEMO/QuarnNew"
rm -rf "$DEMO/QuarnNew/Content/CustomMaps/QRN_Harbour"
cat >"$DEMO/3-create-quarn-mod.txt" <<EOF
# Create a Drovik:Quarn mod without Steam
answer yes
open-tab
type Map Name Old Harbour 2.0
screenshot $SHOTS/setup-new-quarn-mod.png
click Create New
save-all
show
screenshot $SHOTS/setup-quarn-mod-created.png
quit
EOF
run_editor 3-create-quarn-mod "$DEMO/QuarnNew" "$OFFLINE_MACHINE"
expect_line 3-create-quarn-mod "Question: Are you making a Drovik:Quarn mod? -> Yes"
expect_line 3-create-quarn-mod "Setup complete!"
expect_file 3-create-quarn-mod "$DEMO/QuarnNew/Content/CustomMaps/QRN_Old_Harbour_2_0/definition.uasset"

# --- 4. The Quarn mod Harbour: its Windows and Android builds for the depot. ---
install_project QuarnMod "$DEMO/QuarnMod"
cat >"$DEMO/4-deploy-quarn-mod.txt" <<EOF
# Build the Quarn mod Harbour for Windows and Android
open-tab
click Server Map
click Windows
click Build Selected Platform(s)
wait-idle
screenshot $SHOTS/server-map.png
quit
EOF
run_editor 4-deploy-quarn-mod "$DEMO/QuarnMod" "$MACHINE"
DEPOT=$DEMO/QuarnMod/Saved/Cooked/Depot/QRN_Harbour
expect_line 4-deploy-quarn-mod "Found Quarn only Mod!"
expect_line 4-deploy-quarn-mod "MessageBox [Drovik Build] Successfully built!"
for File in WindowsNoEditor.pak LinuxServer.pak Android_ASTC.pak QuarnLinuxServer.pak metadata.json; do
	expect_file 4-deploy-quarn-mod "$DEPOT/$File"
done

for Shot in setup-new-map setup-item-created testing deployment setup-workshop-map setup-new-quarn-mod setup-quarn-mod-created server-map; do
	expect_file screenshots "$SHOTS/$Shot.png"
done

# --- Summary ---
relative() { echo "${1#"$REPO"/}"; }

# item_strings <item.json> <key>: the string value, or the list of strings, of a top-level key of the
# stand-in's item.json (written one value a line by the Steam stand-in).
item_strings() {
	awk -v Key="\"$2\"" '
		$1 == Key ":" && /\[\]/ { exit }
		$1 == Key ":" && /\[/ { InList = 1; next }
		$1 == Key ":" { sub(/^[^:]*: *"/, ""); sub(/",?$/, ""); print; exit }
		InList && /\]/ { exit }
		InList { gsub(/^ *"|",?$/, ""); print }
	' "$1" | paste -sd '|' | sed 's/|/, /g'
}

# item_versions <item.json>: one line per version: its change note and its files.
item_versions() {
	awk '
		/"changeNote":/ { sub(/^[^:]*: *"/, ""); sub(/",?$/, ""); Note = $0 }
		/"files": \[/ { Files = ""; InFiles = 1; next }
		InFiles && /\]/ { printf "      %d. \"%s\": %s\n", ++N, Note, Files; InFiles = 0; next }
		InFiles { gsub(/^ *"|",?$/, ""); Files = Files (Files == "" ? "" : ", ") $0 }
	' "$1"
}

echo
echo "================ Levelwright demo: summary ================"
echo "Everything is in $(relative "$DEMO") (editor output and project logs in $(relative "$LOGS"))."
echo
if [ -s "$WORKSHOP/2000000002/item.json" ]; then
	echo "New Workshop item for the empty project: 2000000002, map folder"
	echo "  $(relative "$DEMO/EmptyProject/Content/CustomMaps/UGC2000000002")"
	echo
fi
if [ -s "$STAGED_PAK" ]; then
	echo "Staged pak (the map in the author's own game install):"
	echo "  $(relative "$STAGED_PAK") ($(stat -c %s "$STAGED_PAK") bytes)"
	echo "  UnrealPak.exe <pak> -List says:"
	"$UNREALPAK" "$STAGED_PAK" -List 2>&1 | grep -v 'executed in' | sed 's/^LogPakFile: Display: /    /' ||
		fail "UnrealPak could not list $STAGED_PAK"
	echo
fi
ITEM=$WORKSHOP/2000000001/item.json
if [ -s "$ITEM" ]; then
	echo "Workshop item 2000000001 ($(relative "$ITEM")):"
	echo "    title:    $(item_strings "$ITEM" title)"
	echo "    tags:     $(item_strings "$ITEM" tags)"
	echo "    preview:  $(item_strings "$ITEM" preview) ($(stat -c %s "$WORKSHOP/2000000001/$(item_strings "$ITEM" preview)") bytes)"
	echo "    versions:"
	item_versions "$ITEM"
	echo
fi
if [ -d "$DEPOT" ]; then
	echo "Quarn mod depot ($(relative "$DEPOT")):"
	(cd "$DEPOT" && for File in *; do printf '    %-22s %8s bytes\n' "$File" "$(stat -c %s "$File")"; done)
	echo "  metadata.json:"
	sed 's/^/    /' "$DEPOT/metadata.json"
	echo
fi
echo "Screenshots:"
for Shot in "$SHOTS"/*.png; do
	echo "  $(relative "$Shot")"
done
echo
if [ ${#FAILURES[@]} -ne 0 ]; then
	echo "Problems:"
	printf '  %s\n' "${FAILURES[@]}"
	echo "The demo FAILED: ${#FAILURES[@]} problem(s), listed above."
	exit 1
fi
echo "Every step succeeded."
