#!/usr/bin/env bash
# The libraries depend one way: ui -> platform -> core, ui -> core. core knows
# neither Qt nor a window; platform knows no window of the program; the
# helpers in ui/common know no window either.
set -euo pipefail
src="$1/src"
fail=0
report() { echo "$1"; fail=1; }
while IFS= read -r hit; do report "core must not include Qt, platform or ui: $hit"; done < <(
  grep -rnE '#include [<"](Q[A-Za-z]*|platform/|ui/)' "$src/core" || true)
while IFS= read -r hit; do report "platform must not include ui: $hit"; done < <(
  grep -rnE '#include "ui/' "$src/platform" || true)
while IFS= read -r hit; do report "ui/common serves every window and includes none: $hit"; done < <(
  grep -rnE '#include "ui/' "$src/ui/common" | grep -v '#include "ui/common/' || true)
exit $fail
