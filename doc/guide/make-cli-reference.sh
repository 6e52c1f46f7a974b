#!/bin/sh
# Writes the guide's command-line reference from the commands' own --help, so that it cannot
# drift from the tool: the tool's overview, then one section per command.
# Usage: make-cli-reference.sh VORNICPACK-CLI OUTPUT.html
set -eu
cli=$1
out=$2
export VORNICPACK_HOME="${TMPDIR:-/tmp}/vornicpack-guide-$$"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0"
trap 'rm -rf "$VORNICPACK_HOME"' EXIT
mkdir -p "$VORNICPACK_HOME"

escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g'; }

overview=$("$cli" --help)
commands=$(printf '%s\n' "$overview" | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || { echo "vornicpack-cli --help lists no commands" >&2; exit 1; }
{
  cat <<'HEAD'
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Command-line reference</title>
<link rel="stylesheet" type="text/css" href="guide.css">
</head>
<body>
<p class="nav"><a href="index.html">Contents</a> &gt; <a href="cli.html">The command-line tool</a></p>
<h1>Command-line reference</h1>
<p>This page is made from the help that <code>vornicpack-cli</code> itself prints.</p>
<ul>
HEAD
  for command in $commands; do
    printf '<li><a href="#%s">%s</a></li>\n' "$command" "$command"
  done
  printf '</ul>\n<h2>vornicpack-cli</h2>\n<pre>'
  printf '%s\n' "$overview" | escape
  printf '</pre>\n'
  for command in $commands; do
    printf '<h2><a name="%s" id="%s"></a>%s</h2>\n<pre>' "$command" "$command" "$command"
    "$cli" "$command" --help | escape
    printf '</pre>\n'
  done
  printf '</body>\n</html>\n'
} >"$out.part"
mv "$out.part" "$out"
