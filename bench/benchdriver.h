#pragma once

struct BenchOptions;

// Starts the trainer (this program with --mode trainer) and the two
// baselines (orvani-bench-baseline beside it, with and without --software)
// again and again, in turn, each from cold; watches their windows on screen
// and reads what their tours report; prints each start, the medians, the
// trainer's ratios to the two baselines and the goals. 0 when every start
// succeeded.
int runBench(const BenchOptions &options);
