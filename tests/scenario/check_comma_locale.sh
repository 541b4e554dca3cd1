#!/bin/sh
# Plays a scenario as check.sh does, with the locale given first, which must write numbers with
# a decimal comma. When the system lacks it the C library would quietly stay in the C locale and
# the run would prove nothing, so that fails (scripts/test.sh generates the locale).
locale=$1
shift
if [ "$(LC_ALL=$locale locale decimal_point 2>/dev/null)" != "," ]; then
  echo "the locale $locale is missing or writes no decimal comma"
  exit 1
fi
LC_ALL=$locale exec "$(dirname "$0")/check.sh" "$@"
