#include "cli/CheckBatch.h"

#include <fmt/format.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "check/CheckError.h"
#include "check/ReportFormat.h"

namespace {

constexpr int kExitFindings = 1;
constexpr int kExitUnusable = 2;

bool IsPartFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".step" || extension == ".stp" || extension == ".iges" ||
           extension == ".igs" || extension == ".stl";
}

std::vector<std::filesystem::path> PartsInFolder(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> parts;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file() && IsPartFile(entry.path())) {
            parts.push_back(entry.path());
        }
    }
    std::ranges::sort(parts);
    return parts;
}

std::vector<std::filesystem::path> PartsListed(const std::filesystem::path& list) {
    std::ifstream in(list);
    if (!in) {
        throw check::CheckError(
            fmt::format("{}: cannot be read: {}", list.string(), std::strerror(errno)));
    }
    std::vector<std::filesystem::path> parts;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            parts.emplace_back(line);
        }
    }
    return parts;
}

std::vector<std::filesystem::path> BatchParts(const std::filesystem::path& batch) {
    std::error_code error;
    if (std::filesystem::is_directory(batch, error)) {
        try {
            return PartsInFolder(batch);
        } catch (const std::filesystem::filesystem_error& failure) {
            throw check::CheckError(
                fmt::format("{}: cannot be read: {}", batch.string(), failure.code().message()));
        }
    }
    return PartsListed(batch);
}

struct Outcome {
    std::string line;
    int status = 0;
};

// One part's line; whatever stops its check is its own line's error, not the batch's.
Outcome CheckPart(const std::filesystem::path& part, const check::RuleSet& rules,
                  const check::CheckOptions& checking, const check::FailureBounds& bounds) {
    try {
        const check::CheckReport report = check::PartChecker(checking).Check(part, rules);
        return {check::ReportJson(report, check::JsonLayout::OneLine),
                report.Fails(bounds) ? kExitFindings : 0};
    } catch (const std::bad_alloc&) {
        return {check::RefusalJson(part.string(), part.string() + ": the check ran out of memory",
                                   check::JsonLayout::OneLine),
                kExitUnusable};
    } catch (const std::exception& error) {
        return {check::RefusalJson(part.string(), error.what(), check::JsonLayout::OneLine),
                kExitUnusable};
    }
}

}  // namespace

int RunCheckBatch(const CheckCommandOptions& options, check::CheckOptions checking,
                  std::ostream& out) {
    const std::shared_ptr<const check::RuleSet> rules = check::RuleSet::Load(options.rules);
    const std::vector<std::filesystem::path> parts = BatchParts(*options.batch);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned jobs =
        std::clamp<unsigned>(options.jobs > 0 ? options.jobs : cores, 1,
                             static_cast<unsigned>(std::max<std::size_t>(parts.size(), 1)));
    // The parts share the cores: each part's rays get its share of them.
    checking.threads = std::max(1u, cores / jobs);
    const check::FailureBounds bounds{options.failOn, options.maxFindings};

    std::vector<std::optional<Outcome>> outcomes(parts.size());
    std::mutex lock;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    std::vector<std::jthread> workers;
    for (unsigned j = 0; j < jobs; ++j) {
        workers.emplace_back([&] {
            for (std::size_t i = next++; i < parts.size(); i = next++) {
                Outcome outcome = CheckPart(parts[i], *rules, checking, bounds);
                const std::lock_guard guard(lock);
                outcomes[i] = std::move(outcome);
                finished.notify_all();
            }
        });
    }
    // The lines go out in the list's order, each as soon as those before it are out.
    int status = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::unique_lock guard(lock);
        finished.wait(guard, [&] { return outcomes[i].has_value(); });
        const Outcome outcome = std::move(*outcomes[i]);
        guard.unlock();
        out << outcome.line << std::flush;
        status = std::max(status, outcome.status);
    }
    return status;
}
