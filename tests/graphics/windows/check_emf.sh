#!/bin/sh
# Reads the metafiles that graphics_devices_test leaves behind with libEMF's
# printemf, a reader independent of Windows: header frame, description and
# the recorded upward mapping and rectangle.
set -e
cd "$1"
site=$(printemf site.emf 2>/dev/null)
half=$(printemf half.emf 2>/dev/null)
expect() {
    printf '%s\n' "$1" | grep -q -- "$2" || { echo "missing in $3: $2"; exit 1; }
}
expect "$site" 'rclFrame.*(0, 0) - (21000, 29700)' site.emf
expect "$site" 'Tessaray / Site plan' site.emf
expect "$site" 'Sheet 2;final' site.emf
expect "$site" 'iMode.*MM_ANISOTROPIC' site.emf
expect "$site" '^\*RECTANGLE\*' site.emf
expect "$half" 'Enhanced Meta File' half.emf
# Without a size the system's frame lies round the picture, not at (0, 0).
if printf '%s\n' "$half" | grep -q 'rclFrame.*(0, 0) - '; then echo "half.emf: frame not the picture's"; exit 1; fi
echo "metafiles read back"
