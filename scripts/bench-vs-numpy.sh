#!/usr/bin/env bash
# Times peruka-fit and numpy side by side on one file of tab-separated points:
#   peruka-fit -d 20 --pairs FILE
#   numpy.loadtxt(FILE) + numpy.polyfit(x, y, 20)   (Debian's python3-numpy)
# and reports wall and CPU times (best of RUNS), peak memory and the ratio.
# numpy runs as a user runs it: with the BLAS and LAPACK that Debian's
# alternatives select (OpenBLAS from libopenblas0-pthread once installed) and
# that library's own choice of threads, all cores by default. The script
# prints the libraries numpy had loaded and OpenBLAS's threads.
#
# Usage: scripts/bench-vs-numpy.sh [POINTS] [RUNS]
#   POINTS  number of points (default 1000000)
#   RUNS    runs of each program; the best is reported (default 3)
# Environment: PERUKA_FIT (default build/release/src/cli/peruka-fit),
#              PYTHON (default /usr/bin/python3).
set -euo pipefail
cd "$(dirname "$0")/.."

points=${1:-1000000}
runs=${2:-3}
fit=${PERUKA_FIT:-build/release/src/cli/peruka-fit}
python=${PYTHON:-/usr/bin/python3}
degree=20

if [ ! -x "$fit" ]; then
  echo "no $fit: build first, e.g." >&2
  echo "  cmake --preset release && cmake --build --preset release --target peruka-fit" >&2
  exit 1
fi
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package 'time')" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data="$work/points.tsv"

# Short decimals, as measured data are written: x in [-2, 2], y near 3 sin x.
"$python" - "$points" "$data" <<'PY'
import sys
import numpy as np
n, path = int(sys.argv[1]), sys.argv[2]
rng = np.random.default_rng(12345)
x = rng.integers(-2000, 2001, n)
y = 3 * (x - x**3 // 6000000) + rng.integers(-100, 101, n)
def text(v):
    sign = np.where(v < 0, "-", "")
    a = np.abs(v)
    return np.char.add(np.char.add(np.char.add(sign, (a // 1000).astype(str)), "."),
                       np.char.zfill((a % 1000).astype(str), 3))
with open(path, "w") as f:
    f.write("\n".join(np.char.add(np.char.add(text(x), "\t"), text(y))) + "\n")
PY

cat > "$work/numpy_fit.py" <<'PY'
import sys, time, warnings
import numpy as np
path, degree = sys.argv[1], int(sys.argv[2])
start = time.perf_counter()
data = np.loadtxt(path, delimiter="\t")
loaded = time.perf_counter()
with warnings.catch_warnings():
    warnings.simplefilter("ignore")
    coefficients = np.polyfit(data[:, 0], data[:, 1], degree)
done = time.perf_counter()
print(f"{loaded - start:.3f} {done - loaded:.3f}", file=sys.stderr)
print(coefficients[-1])

# What numpy measured with: the BLAS and LAPACK files mapped into this
# process, and OpenBLAS's build and thread count where it is one of them.
import ctypes, os
mapped = sorted({os.path.realpath(line.split()[5]) for line in open("/proc/self/maps")
                 if len(line.split()) >= 6 and ("blas" in line or "lapack" in line)})
about = []
for lib in mapped:
    try:
        blas = ctypes.CDLL(lib)
        blas.openblas_get_config.restype = ctypes.c_char_p
        about.append(f"{blas.openblas_get_config().decode()}, {blas.openblas_get_num_threads()} threads")
        break
    except (OSError, AttributeError):
        pass
print("; ".join(about or ["not OpenBLAS"]) + "; loaded: " + " ".join(mapped), file=sys.stderr)
PY

# best_of RUNS COMMAND...: prints "wall_seconds peak_kilobytes cpu_seconds" of
# the fastest run (cpu = user + system; less disturbed by a busy machine).
best_of() {
  local n=$1 best="" mem="" cpu="" i wall kb user sys
  shift
  for ((i = 0; i < n; i++)); do
    /usr/bin/time -f "%e %M %U %S" -o "$work/time" "$@" > "$work/out" 2> "$work/err" || true
    read -r wall kb user sys < "$work/time"
    if [ -z "$best" ] || awk -v a="$wall" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$wall
      mem=$kb
      cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
      cp "$work/err" "$work/best-err"
    fi
  done
  echo "$best $mem $cpu"
}

cat "$data" > /dev/null  # both read the file from the page cache
read -r fitWall fitKb fitCpu < <(best_of "$runs" "$fit" -d "$degree" --pairs "$data")
fitStatus=0
"$fit" -d "$degree" --pairs "$data" > "$work/peruka-result" 2> /dev/null || fitStatus=$?
read -r npWall npKb npCpu < <(best_of "$runs" "$python" "$work/numpy_fit.py" "$data" "$degree")
read -r npLoad npFit < "$work/best-err"
npBlas=$(sed -n 2p "$work/best-err")
blasLink=$(update-alternatives --query "libblas.so.3-$(gcc -dumpmachine 2>/dev/null || echo x86_64-linux-gnu)" 2>/dev/null |
  sed -n 's/^Value: //p')

echo "file: $points points, $(stat -c %s "$data") bytes, degree $degree, best of $runs runs"
echo "cpu:  $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "numpy $("$python" -c 'import numpy; print(numpy.__version__)'), BLAS: ${blasLink:-unknown} (alternatives)"
echo "  measured with: $npBlas"
echo "  thread settings: OPENBLAS_NUM_THREADS=${OPENBLAS_NUM_THREADS:-unset} OMP_NUM_THREADS=${OMP_NUM_THREADS:-unset}"
printf '%-44s %8s %8s %9s\n' "" "wall s" "cpu s" "peak MB"
printf '%-44s %8s %8s %9.1f\n' "peruka-fit -d $degree --pairs (exit $fitStatus)" "$fitWall" "$fitCpu" "$(awk -v k="$fitKb" 'BEGIN { print k / 1024 }')"
printf '%-44s %8s %8s %9.1f\n' "python3: numpy loadtxt + polyfit (process)" "$npWall" "$npCpu" "$(awk -v k="$npKb" 'BEGIN { print k / 1024 }')"
printf '%-44s %8s\n' "  of which loadtxt" "$npLoad"
printf '%-44s %8s\n' "  of which polyfit" "$npFit"
awk -v a="$npWall" -v b="$fitWall" -v l="$npLoad" -v f="$npFit" -v c="$npCpu" -v d="$fitCpu" \
  -v m="$npKb" -v k="$fitKb" 'BEGIN {
  printf "ratio numpy process / peruka-fit, wall:        %.2f\n", a / b
  printf "ratio numpy loadtxt+polyfit only / peruka-fit: %.2f\n", (l + f) / b
  if (d > 0) printf "ratio numpy / peruka-fit, cpu:                 %.2f\n", c / d
  printf "ratio numpy / peruka-fit, peak memory:         %.1f\n", m / k
}'
