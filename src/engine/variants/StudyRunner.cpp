#include "engine/variants/StudyRunner.h"

#include "engine/WeatherTableCache.h"
#include "engine/variants/VariantStudy.h"
#include "model/KslDoc.h"

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/parallel_pipeline.h>
#include <oneapi/tbb/task_arena.h>

#include <algorithm>
#include <thread>

namespace quelvan::variants {

namespace {

// Variants in flight per thread: enough to keep every thread busy while the ordered output waits
// for a slow variant, few enough that waiting results stay small.
constexpr int kTokensPerJob = 4;

} // namespace

int DefaultJobs()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

VariantResult ComputeVariant(
    const VariantStudy& study, std::size_t index, const FigureOptions& figures)
{
    VariantResult result;
    result.index = index;
    std::string error;
    const std::unique_ptr<KslDoc> doc = study.Project(index, &error);
    if (!doc) {
        result.outcome.error = error;
        return result;
    }
    result.outcome = ComputeVariantFigures(*doc, figures);
    return result;
}

void RunStudy(const VariantStudy& study, const FigureOptions& options, const RunOptions& run,
    const ResultSink& sink, const StopRequest& stop)
{
    // Every weather file of the study is read once, whatever the variants and threads.
    FigureOptions figures = options;
    if (!figures.weather.tables)
        figures.weather.tables = std::make_shared<WeatherTableCache>();
    if (figures.moisture && !figures.moisture->years)
        figures.moisture->years = std::make_shared<HumidityYears>();
    const int jobs = run.jobs > 0 ? run.jobs : DefaultJobs();
    const std::size_t count = study.Count();
    const std::size_t stride = std::max<std::size_t>(run.shardCount, 1);
    std::size_t next = run.shardIndex;
    // oneTBB's pipeline: indices are issued in order, computed on any thread of the arena, and
    // the last stage, serial and in order, hands the results on in index order.
    const tbb::global_control threads(
        tbb::global_control::max_allowed_parallelism, static_cast<std::size_t>(jobs));
    tbb::task_arena arena(jobs);
    arena.execute([&] {
        tbb::parallel_pipeline(static_cast<std::size_t>(jobs) * kTokensPerJob,
            tbb::make_filter<void, std::size_t>(tbb::filter_mode::serial_in_order,
                [&](tbb::flow_control& control) -> std::size_t {
                    if (next >= count || (stop && stop())) {
                        control.stop();
                        return 0;
                    }
                    const std::size_t index = next;
                    next = count - next <= stride ? count : next + stride;
                    return index;
                })
                & tbb::make_filter<std::size_t, VariantResult>(tbb::filter_mode::parallel,
                    [&](std::size_t index) { return ComputeVariant(study, index, figures); })
                & tbb::make_filter<VariantResult, void>(tbb::filter_mode::serial_in_order,
                    [&](VariantResult result) { sink(std::move(result)); }));
    });
}

} // namespace quelvan::variants
