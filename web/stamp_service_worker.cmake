# Writes the site's service worker from its template: the list of cached files
# and a version made of their contents. Run with cmake -P and
#   SITE       the folder of the built page
#   FILES      the cached files, relative to SITE, separated by commas
#   TEMPLATE   web/service_worker.js.in
#   LIST_FILE  where to write the same list, one file a line (read by web.sh)

string(REPLACE "," ";" files "${FILES}")
set(digests "")
set(quoted "")
set(listed "")
foreach(file ${files})
  file(SHA256 "${SITE}/${file}" digest)
  string(APPEND digests "${digest} ${file}\n")
  string(APPEND quoted "  '${file}',\n")
  string(APPEND listed "${file}\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 CURVIX_CACHE_VERSION)  # 64 bits tell builds apart
set(CURVIX_CACHED_FILES "${quoted}")
configure_file("${TEMPLATE}" "${SITE}/service_worker.js" @ONLY)
file(WRITE "${LIST_FILE}" "${listed}service_worker.js\n")
