#pragma once
// A task store of any size for the benchmarks: six columns (key, time, category, notes,
// done, alarm) with a heading row, filled from a fixed seed so every run sees the same data.

#include "data/gridtable.h"

GridTable GenerateTaskStore(int tasks, quint32 seed = 16032005);
