#!/usr/bin/env bash
# Builds Curvix for the browser and serves the page.
#   bash scripts/web.sh            install what is missing, build, serve on 127.0.0.1:8000
#   bash scripts/web.sh --build    install and build only (build-web/web/ is the site)
# The site is plain static files: build-web/web/ can be copied to any static host.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_deps.sh --web

# Emscripten's JavaScript optimiser needs acorn; a Node.js that is not
# Debian's own does not look in Debian's folder of node modules.
acorn_dir=$(dpkg -L node-acorn | grep -m1 '/node_modules/acorn$\|/nodejs/acorn$' || true)
[[ -n "$acorn_dir" ]] && export NODE_PATH="$(dirname "$acorn_dir")${NODE_PATH:+:$NODE_PATH}"

mkdir -p build-web
log=build-web/build.log
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DCURVIX_TESTS=OFF \
  -DCURVIX_BENCHMARKS=OFF > "$log" 2>&1 || { cat "$log"; exit 1; }
cmake --build build-web -j2 >> "$log" 2>&1 || { tail -40 "$log"; exit 1; }

site=build-web/web
echo "Built the page in $site/:"
# The files the page loads and keeps for offline use, as the build lists them.
total=0
while read -r file; do
  size=$(stat -c %s "$site/$file")
  total=$((total + size))
  printf '  %-22s %8d bytes\n' "$file" "$size"
done < build-web/page_files.txt
printf '  %-22s %8d bytes in all (the page and its offline copy)\n' "total" "$total"

[[ "${1:-}" == "--build" ]] && exit 0
echo "Serving Curvix on http://127.0.0.1:8000/ (Ctrl-C stops)"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory "$site"
