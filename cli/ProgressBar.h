#pragma once

#include <chrono>
#include <cstdio>

// A progress bar on a terminal, shown only once the work has taken longer than a second and
// only when the stream is a terminal; cleared when the work ends.
class ProgressBar {
public:
    explicit ProgressBar(std::FILE* stream);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // Share of the work done, 0 to 1.
    void Update(double done);

private:
    std::FILE* m_stream;
    bool m_terminal;
    bool m_shown = false;
    int m_lastPercent = -1;
    std::chrono::steady_clock::time_point m_start;
};
