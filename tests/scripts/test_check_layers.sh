#!/usr/bin/env bash
# scripts/check-layers on scratch trees: a tree whose every library includes
# and links what it may passes; each case adds one line and expects the verdict.
# Usage: test_check_layers.sh path/to/check-layers
set -euo pipefail
check_layers="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

clean="$scratch/clean"
add() { mkdir -p "$clean/$(dirname "$1")"; printf '%s\n' "#pragma once" "${@:2}" > "$clean/$1"; }
add common/Core.h '#include <string>'
add print/core/Canvas.h '#include "common/Core.h"' '#include <QPainter>' '#include <QtGui/qpdfwriter.h>'
add platform/Desktop.h '#include "print/core/Canvas.h"' '#include <QWidget>'
add document/Window.h '#include "platform/Desktop.h"' '#include <QtWidgets>'
add print/Job.h '#include "print/core/Canvas.h"' '#include <QPrinter>'
add dialogs/Dialog.h '#include "platform/Desktop.h"' '#include <QDialog>'
add main/Frame.cpp '#include "dialogs/Dialog.h"' '#include "document/Window.h"' '#include "print/Job.h"'
add tools/Tool.cpp '#include "print/core/Canvas.h"' '#include "tools/Tool.h"' '#include <QGuiApplication>'
add tests/Test.cpp '#include "main/Frame.h"' '#include <QTest>'
printf '%s\n' 'add_library(mvprint STATIC Job.h)' 'target_link_libraries(mvprint PUBLIC mvprintcore' \
  '  Qt6::Widgets Qt6::PrintSupport)' > "$clean/print/CMakeLists.txt"
printf '%s\n' 'add_library(mvtoolreaders STATIC Tool.cpp)' 'add_executable(mvtool Tool.cpp)' \
  'target_link_libraries(mvtool PRIVATE mvtoolreaders mvprintcore Qt6::Gui)' > "$clean/tools/CMakeLists.txt"

# file | include added | expected exit code | expected in the output
cases='
-                   | -                            | 0 | every include and link is one its library may use
common/Core.h       | #include <QString>           | 1 | <QString> of QtCore, which mvcommon may not use
common/Core.h       | #include <QtCore/qglobal.h>  | 1 | of QtCore, which mvcommon may not use
common/Core.h       | #include <qstring.h>         | 1 | of QtCore, which mvcommon may not use
print/core/Canvas.h | #include <QWidget>           | 1 | of QtWidgets, which mvprintcore may not use
tools/Tool.cpp      | #include <QtWidgets>         | 1 | of QtWidgets, which mvtool may not use
print/core/Canvas.h | #include "print/Job.h"       | 1 | "print/Job.h" of mvprint, which mvprintcore may not use
platform/Desktop.h  | #include "document/Window.h" | 1 | of mvdocument, which mvplatform may not use
print/Job.h         | #include "document/Window.h" | 1 | of mvdocument, which mvprint may not use
dialogs/Dialog.h    | #include "print/Job.h"       | 1 | of mvprint, which mvdialogs may not use
tools/Tool.cpp      | #include "platform/Desktop.h" | 1 | of mvplatform, which mvtool may not use
common/Core.h       | #include "Other.h"           | 1 | "Other.h", which is in no library
document/Window.h   | #include <QNoSuchClass>      | 1 | <QNoSuchClass>, which no Qt module has
tests/Test.cpp      | #include <QPrinter>          | 0 | every include and link is one its library may use
print/CMakeLists.txt | target_link_libraries(mvprint PUBLIC mvdocument) | 1 | links mvdocument, which mvprint may not use
tools/CMakeLists.txt | target_link_libraries(mvtool PRIVATE Qt6::Widgets) | 1 | links Qt6::Widgets, which mvtool may not use
'
failures=0
n=0
while IFS='|' read -r file include code expected; do
  [ -n "$file" ] || continue
  n=$((n + 1))
  tree="$scratch/case$n"
  cp -r "$clean" "$tree"
  [ "$file" = - ] || echo "$include" >> "$tree/$file"
  set +e
  output=$("$check_layers" "$tree" 2>&1)
  got=$?
  set -e
  if [ "$got" -ne "$code" ] || [[ "$output" != *"$expected"* ]]; then
    echo "FAIL: $file + '$include': exit $got (wanted $code), output:" >&2
    echo "$output" >&2
    failures=$((failures + 1))
  fi
done < <(sed -E 's/[[:space:]]*\|[[:space:]]*/|/g; s/^[[:space:]]+|[[:space:]]+$//g' <<< "$cases")
echo "$n cases, $failures failed"
[ "$failures" -eq 0 ]
