# Sourced by the distribution steps: `native_tool WIN_BUILD NAME` prints the path of a tool
# of the native build beside the Windows one, or fails naming what to build first.
native_tool() {
  local tool
  tool="$(cd "$1/.." && pwd)/native/tools/$2/$2"
  if [[ ! -x "$tool" ]]; then
    echo "dist: $tool is missing; build the native tree first (make native)" >&2
    return 1
  fi
  echo "$tool"
}
