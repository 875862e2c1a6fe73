#!/usr/bin/env bash
# Fails when a file of src/ includes a file of a higher room: the rooms depend downwards
# only (see docs/architecture.md). Also keeps Qt Gui and Widgets out of the engine and the
# Qt-free platform interfaces.
set -euo pipefail
src="${1:?usage: check_layers.sh SRC_DIR}"

level() {
  case "$1" in
    platform) echo 0 ;;
    engine) echo 1 ;;
    framework) echo 2 ;;
    exercises | games | words | diagnosis | britain) echo 3 ;;
    shell) echo 4 ;;
    app) echo 5 ;;
    *) echo 99 ;;
  esac
}

status=0
while IFS= read -r -d '' file; do
  rel="${file#"$src"/}"
  room="${rel%%/*}"
  from=$(level "$room")
  while IFS= read -r inc; do
    target="${inc%%/*}"
    [ "$target" = "$inc" ] && continue # a file of the same room, by its plain name
    to=$(level "$target")
    [ "$to" = 99 ] && continue
    if [ "$to" -gt "$from" ]; then
      echo "$rel includes $inc: $room may not depend on $target"
      status=1
    fi
    if [ "$target" = platform ] && [[ "$room" =~ ^(engine|platform)$ ]] &&
      [[ "${inc#platform/}" == qt* ]] && [[ "$(basename "$rel")" != qt* ]]; then
      echo "$rel includes $inc: the Qt Widgets adapters stay out of the GUI-free code"
      status=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  if [[ "$room" == engine || ( "$room" == platform && "$(basename "$rel")" != qt* ) ]]; then
    if grep -nE '^#include <(QtGui|QtWidgets|QWidget|QPainter|QFont|QColor|QPixmap|QImage|QApplication|QGuiApplication)' "$file"; then
      echo "$rel: GUI-free code includes Qt Gui or Widgets"
      status=1
    fi
  fi
done < <(find "$src" -name '*.h' -print0 -o -name '*.cpp' -print0)
exit $status
