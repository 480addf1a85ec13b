#!/usr/bin/env bash
# quillform-gen: a good design gives exactly the golden program and status 0;
# bad input gives one line on stderr naming the problem, nothing on stdout
# and status 2.
set -u
gen=$1 golden=$2
failed=0 passed=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

check() {  # description, expected status, expected stderr start, input
  local what=$1 status=$2 message=$3 input=$4 actual
  printf '%s' "$input" | "$gen" >"$out" 2>"$err"
  actual=$?
  if [ "$actual" -ne "$status" ] || [ -s "$out" ] || [ "$(wc -l <"$err")" -ne 1 ] ||
     ! grep -qF -- "$message" "$err"; then
    echo "FAIL $what: status $actual, stdout $(wc -c <"$out") bytes, stderr: $(cat "$err")"
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
}

check "not JSON" 2 "quillform-gen: input: not valid JSON" 'design'
check "invalid UTF-8" 2 "quillform-gen: input: not valid JSON" $'{"window": {"caption": "\xff"}}'
check "component without kind" 2 "components[0].kind: missing" '{"components": [{}]}'
check "unpaired surrogate" 2 "components[0].caption: string holds an unpaired surrogate" \
  '{"components": [{"kind": "标签", "caption": "\udbff"}]}'
check "wrong type" 2 "window.outerWidth: expected a 32-bit integer" '{"window": {"outerWidth": "347"}}'
check "unknown kind" 2 'components[0].kind: unknown kind "图片"' '{"components": [{"kind": "图片"}]}'
check "short events" 2 "components[0].events: expected an array of 16 integers" \
  '{"components": [{"kind": "按钮", "events": [1]}]}'
check "unknown field" 2 "window.icon: unknown field" '{"window": {"icon": ""}}'

if "$gen" <"$golden/worked_example.json" | cmp -s - "$golden/worked_example.py"; then
  passed=$((passed + 1))
else
  echo "FAIL good design: output differs from the golden program"
  failed=$((failed + 1))
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
