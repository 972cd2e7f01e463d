#pragma once

#include "engine/variants/VariantFigures.h"

#include <cstddef>
#include <functional>

namespace quelvan::variants {

class VariantStudy;

struct VariantResult {
    std::size_t index = 0; // the variant's position in the study, from 0
    VariantOutcome outcome;
};

struct RunOptions {
    int jobs = 0; // threads computing variants; 0 or less: one per core
    // Only the variants whose index is shardIndex modulo shardCount.
    std::size_t shardIndex = 0;
    std::size_t shardCount = 1;
};

// Called with each result in the variants' order, one call at a time.
using ResultSink = std::function<void(VariantResult&&)>;
// Asked before each variant is started; true stops the study (those started still finish).
using StopRequest = std::function<bool()>;

// One thread per core of this machine (at least one).
int DefaultJobs();

// Computes the study's variants (those of the shard) on a fixed pool of `jobs` threads and hands
// each result to the sink in index order, whatever the order they were computed in. Every
// variant is computed alone from its own project, so the results do not depend on the number
// of threads.
void RunStudy(const VariantStudy& study, const FigureOptions& figures, const RunOptions& run,
    const ResultSink& sink, const StopRequest& stop = {});

// One variant, on the calling thread.
VariantResult ComputeVariant(
    const VariantStudy& study, std::size_t index, const FigureOptions& figures);

} // namespace quelvan::variants
