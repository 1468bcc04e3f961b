#pragma once

#include <QObject>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "check/CheckReport.h"
#include "check/PartChecker.h"

// Checks a part against a rule document's text on a thread of its own, so that the window that
// asked stays responsive. Progress and the end arrive as signals on the thread that owns the
// runner. Cancel, or the runner's end, stops the check within a second; a cancelled check leaves
// no report.
class CheckRunner : public QObject {
    Q_OBJECT

public:
    enum class State { Running, Done, Failed, Cancelled };

    // Starts at once. options.progress and options.stop are the runner's own.
    CheckRunner(check::CheckOptions options, std::filesystem::path part, std::string documentText,
                std::filesystem::path documentName, QObject* parent = nullptr);
    ~CheckRunner() override;
    CheckRunner(const CheckRunner&) = delete;
    CheckRunner& operator=(const CheckRunner&) = delete;

    void Cancel();

    // Each is read once Finished has arrived.
    State Outcome() const { return m_state; }
    const check::CheckReport& Report() const { return *m_report; }
    const QString& Failure() const { return m_failure; }

    static constexpr int kSteps = 1000;

signals:
    // The share of the check done, in kSteps steps, rising.
    void Progressed(int steps);
    void Finished();

private:
    void Run(const std::stop_token& stop, check::CheckOptions options);
    // Posts the progress to the owning thread when it has moved by a step.
    void Tell(double done);

    std::filesystem::path m_part;
    std::string m_documentText;
    std::filesystem::path m_documentName;
    State m_state = State::Running;
    std::optional<check::CheckReport> m_report;
    QString m_failure;
    int m_told = -1;
    std::jthread m_thread;
};
