#include "cli/ProgressBar.h"

#include <unistd.h>

#include <algorithm>
#include <string>

namespace {

constexpr auto kQuietTime = std::chrono::seconds(1);
constexpr int kWidth = 40;

}  // namespace

ProgressBar::ProgressBar(std::FILE* stream)
    : m_stream(stream),
      m_terminal(isatty(fileno(stream)) == 1),
      m_start(std::chrono::steady_clock::now()) {}

ProgressBar::~ProgressBar() {
    if (m_shown) {
        std::fprintf(m_stream, "\r%*s\r", kWidth + 16, "");
        std::fflush(m_stream);
    }
}

void ProgressBar::Update(double done) {
    if (!m_terminal || std::chrono::steady_clock::now() - m_start < kQuietTime) {
        return;
    }
    const int percent = static_cast<int>(std::clamp(done, 0.0, 1.0) * 100);
    if (percent == m_lastPercent) {
        return;
    }
    m_lastPercent = percent;
    m_shown = true;
    const int filled = percent * kWidth / 100;
    const std::string bar = std::string(filled, '#') + std::string(kWidth - filled, ' ');
    std::fprintf(m_stream, "\rchecking [%s] %3d%%", bar.c_str(), percent);
    std::fflush(m_stream);
}
