#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# A bounded run of one fuzzer from its seed corpus, in a scratch folder so that the corpus in
# the repository is never changed. An input that breaks the fuzzer is kept beside the fuzzer's
# program, since the scratch folder goes. Usage: run_short.sh FUZZER CORPUS SECONDS
set -euo pipefail
fuzzer=$(realpath "$1")
seeds=$2
seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$seeds" "$work/corpus"
cd "$work"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$(dirname "$fuzzer")/" corpus
