#pragma once

#include <QObject>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "check/CheckReport.h"
#include "check/PartChecker.h"
#include "studio/FaceColours.h"

struct PartShapes;

// Checks a part against a rule document's text on a thread of its own, so that the window that
// asked stays responsive. Progress and the end arrive as signals on the thread that owns the
// runner. Cancel, or the runner's end, stops the check within a second; a cancelled check leaves
// no report. Asked to, it also builds on its thread what the part view draws of the report, so
// that the window only displays it.
class CheckRunner : public QObject {
    Q_OBJECT

public:
    enum class State { Running, Done, Failed, Cancelled };

    // Starts at once. options.progress and options.stop are the runner's own. With shapesBy, the
    // report's meshes go into the part's shapes, coloured so.
    CheckRunner(check::CheckOptions options, std::filesystem::path part, std::string documentText,
                std::filesystem::path documentName, std::optional<ColourBy> shapesBy = std::nullopt,
                QObject* parent = nullptr);
    ~CheckRunner() override;
    CheckRunner(const CheckRunner&) = delete;
    CheckRunner& operator=(const CheckRunner&) = delete;

    void Cancel();

    // Each is read once Finished has arrived.
    State Outcome() const { return m_state; }
    const check::CheckReport& Report() const { return *m_report; }
    check::CheckReport TakeReport() { return std::move(*m_report); }
    // None unless asked for.
    std::shared_ptr<PartShapes> TakeShapes() { return std::move(m_shapes); }
    const QString& Failure() const { return m_failure; }

    static constexpr int kSteps = 1000;

signals:
    // The share of the check done, in kSteps steps, rising.
    void Progressed(int steps);
    void Finished();

private:
    void Run(const std::stop_token& stop, check::CheckOptions options);
    // Posts the progress to the owning thread when it has moved by a step, at most once a
    // kTellEvery but always at the end: a fast check would otherwise flood the window.
    void Tell(double done);

    static constexpr std::chrono::milliseconds kTellEvery{40};

    std::filesystem::path m_part;
    std::string m_documentText;
    std::filesystem::path m_documentName;
    State m_state = State::Running;
    std::optional<ColourBy> m_shapesBy;
    std::optional<check::CheckReport> m_report;
    std::shared_ptr<PartShapes> m_shapes;
    QString m_failure;
    int m_told = -1;
    std::chrono::steady_clock::time_point m_toldAt;
    std::jthread m_thread;
};
