#!/usr/bin/env bash
# curvix-lab's manual page against the program's own help, so that neither
# changes alone:
#   - the COMMANDS section has one subsection for each command that
#     `curvix-lab --help` lists, and no other, opening with the help's summary;
#   - the OPTIONS section has the options of `curvix-lab --help`, and no other;
#   - each command's subsection has an entry for every option that
#     `curvix-lab COMMAND --help` lists, and no other, and each entry begins
#     with the help's words for it: the option, its argument and the
#     description, so a changed default or range shows up too.
# The program's own "-h, --help" describes itself as "this text", which a
# manual page cannot say, so for it only the names are compared.
#
#   man_page_test.sh MANUAL_PAGE CURVIX_LAB...
#     CURVIX_LAB  the program, after the emulator and its arguments in a cross build
# Prints one line per difference and exits 1 when there is any.
set -euo pipefail

page=$1
shift
lab=("$@")

# The page's entries as "M <TAB> WHERE <TAB> TEXT" lines, WHERE being OPTIONS
# or the command's name, TEXT the tag and its paragraph rendered as plain text
# on one line; and each command subsection's first line as "S <TAB> NAME <TAB> TEXT".
# Only what this page uses is rendered: the font macros and escapes.
read_page() {
  awk '
    function render(line,   macro, n, i, c, quoted, have, word, args, separator, text) {
      if (line ~ /^\.[A-Z][A-Z]?( |$)/) {
        macro = substr(line, 2, index(line " ", " ") - 2)
        line = substr(line, length(macro) + 2)
        n = 0; word = ""; quoted = 0; have = 0
        for (i = 1; i <= length(line); i++) {
          c = substr(line, i, 1)
          if (c == "\"") { quoted = !quoted; have = 1; continue }
          if (!quoted && (c == " " || c == "\t")) {
            if (have) { args[++n] = word; word = ""; have = 0 }
            continue
          }
          word = word c; have = 1
        }
        if (have) args[++n] = word
        separator = length(macro) == 1 ? " " : ""  # .BR and the like alternate fonts without a space
        text = ""
        for (i = 1; i <= n; i++) text = text (i > 1 ? separator : "") args[i]
        line = text
      }
      gsub(/\\f[BIRP]/, "", line)
      gsub(/\\-/, "-", line)
      gsub(/\\&/, "", line)
      gsub(/\\e/, "\\", line)
      return line
    }
    function flush() {
      if (tag != "") print "M\t" where "\t" tag (body == "" ? "" : " " body)
      tag = ""; body = ""; in_entry = 0
    }
    /^\.\\"/ { next }
    /^\.SH / { flush(); section = substr($0, 5); where = section == "OPTIONS" ? "OPTIONS" : ""; next }
    /^\.SS / {
      flush()
      where = section == "COMMANDS" ? substr($0, 5) : ""
      summary_wanted = where != ""
      next
    }
    /^\.TP/ { flush(); tag_wanted = 1; next }
    /^\.(B|I|BR|BI|IR|RI|IB|RB)( |$)/ || !/^\./ {
      text = render($0)
      if (tag_wanted) { tag = text; tag_wanted = 0; in_entry = 1 }
      else if (in_entry) body = body == "" ? text : body " " text
      else if (summary_wanted) { print "S\t" where "\t" text; summary_wanted = 0 }
      next
    }
    { flush(); summary_wanted = 0 }  # any other request ends an entry
    END { flush() }
  ' "$page"
}

# The option entries of one help text, one line each: the line that starts
# with "  -" and the deeper indented lines that go on from it.
help_entries() { # HELP_TEXT
  awk '
    function flush() { if (entry != "") print entry; entry = "" }
    /^  -/ { flush(); entry = $0; next }
    /^   +[^ ]/ && entry != "" { entry = entry " " $0; next }
    { flush() }
    END { flush() }
  ' <<< "$1"
}

# Compares the help's lines with the page's for one place. Input lines are
# "H <TAB> TEXT" from the help and "M <TAB> TEXT" from the page; an entry's
# names are its leading words that start with "-" (the command's name for a
# command). Mode "text": the page's entry begins with the help's words.
compare() { # WHERE MODE
  awk -F'\t' -v where="$1" -v mode="$2" '
    function names(text,   words, n, i, result) {
      gsub(/[ \t]+/, " ", text)
      sub(/^ /, "", text)
      n = split(text, words, " ")
      if (words[1] !~ /^-/) return words[1]
      result = ""
      for (i = 1; i <= n && words[i] ~ /^-/; i++) {
        sub(/,$/, "", words[i])
        result = result (i > 1 ? " " : "") words[i]
      }
      return result
    }
    function squeezed(text) { gsub(/[ \t]+/, " ", text); sub(/^ /, "", text); sub(/ $/, "", text); return text }
    {
      text = squeezed($2)
      key = names(text)
      sub(/ .*/, "", key)
      if ($1 == "H") { help_order[++help_count] = key; help_names[key] = names(text); help_text[key] = text }
      else {
        if (key in page_names) { print "FAIL: " where ": two entries for " key; bad++ }
        page_order[++page_count] = key; page_names[key] = names(text); page_text[key] = text
      }
    }
    END {
      for (i = 1; i <= help_count; i++) {
        key = help_order[i]
        if (!(key in page_names)) { print "FAIL: " where ": the page lacks \"" help_text[key] "\""; bad++; continue }
        if (page_names[key] != help_names[key]) {
          print "FAIL: " where ": the page names it \"" page_names[key] "\", the help \"" help_names[key] "\""
          bad++
        }
        if (mode == "text" && index(page_text[key], help_text[key]) != 1) {
          print "FAIL: " where ": the page does not give " key " the help'"'"'s words"
          print "   help: " help_text[key]
          print "   page: " page_text[key]
          bad++
        }
      }
      for (i = 1; i <= page_count; i++) {
        if (!(page_order[i] in help_names)) {
          print "FAIL: " where ": the page has \"" page_text[page_order[i]] "\", which the help does not list"
          bad++
        }
      }
      exit (bad > 0 ? 1 : 0)
    }'
}

page_lines=$(read_page)
page_lines_of() { # KIND WHERE
  awk -F'\t' -v kind="$1" -v where="$2" '$1 == kind && $2 == where { print "M\t" $3 }' <<< "$page_lines"
}
prefixed() { sed 's/^/H\t/'; }

failures=0
program_help=$("${lab[@]}" --help)
commands=$(awk '/^commands:$/ { inside = 1; next } inside && /^$/ { exit } inside' <<< "$program_help")
[[ -n $commands ]] || { echo "FAIL: curvix-lab --help lists no commands"; exit 1; }

{ prefixed <<< "$commands"
  awk -F'\t' '$1 == "S" { print "M\t" $2 " " $3 }' <<< "$page_lines"
} | compare "COMMANDS" text || failures=$((failures + 1))

{ help_entries "$program_help" | prefixed
  page_lines_of M OPTIONS
} | compare "OPTIONS" names || failures=$((failures + 1))

entries=0
for command in $(awk '{ print $1 }' <<< "$commands"); do
  help=$("${lab[@]}" "$command" --help)
  entries=$((entries + $(help_entries "$help" | grep -c . || true)))
  { help_entries "$help" | prefixed
    page_lines_of M "$command"
  } | compare "$command" text || failures=$((failures + 1))
done

if [[ $failures -gt 0 ]]; then
  echo "man_page_test: $(basename "$page") and curvix-lab's help differ in $failures place(s)"
  exit 1
fi
echo "man_page_test: $(wc -l <<< "$commands") commands and $entries command options agree with the help"
