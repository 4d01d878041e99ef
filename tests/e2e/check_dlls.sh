#!/bin/sh
# Fails unless every DLL the program imports ships with Windows itself: the
# program is linked statically and runs from a bare folder.
#   check_dlls.sh OBJDUMP PROGRAM.EXE...
set -eu
objdump=$1
shift
shipped="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll gdiplus.dll imm32.dll kernel32.dll msvcrt.dll
ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll"
status=0
for program in "$@"; do
  names=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$names" ] || { echo "no imports read from $program" >&2; status=1; continue; }
  for name in $names; do
    case " $(echo $shipped) " in
      *" $name "*) ;;
      *) echo "$program needs $name, which Windows does not ship" >&2; status=1 ;;
    esac
  done
  echo "$program imports:" $names
done
exit $status
