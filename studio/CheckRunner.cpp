#include "studio/CheckRunner.h"

#include <sys/resource.h>
#include <unistd.h>
#include <Standard_Failure.hxx>

#include <algorithm>
#include <cmath>

#include "check/CheckCancelled.h"
#include "studio/PartShapes.h"

namespace {

constexpr int kCheckNiceness = 10;

}  // namespace

CheckRunner::CheckRunner(check::CheckOptions options, std::filesystem::path part,
                         std::string documentText, std::filesystem::path documentName,
                         std::optional<ColourBy> shapesBy, QObject* parent)
    : QObject(parent),
      m_part(std::move(part)),
      m_documentText(std::move(documentText)),
      m_documentName(std::move(documentName)),
      m_shapesBy(shapesBy),
      m_thread([this, options = std::move(options)](const std::stop_token& stop) mutable {
          Run(stop, std::move(options));
      }) {}

// The thread is stopped and joined before the members it writes go.
CheckRunner::~CheckRunner() {
    m_thread.request_stop();
    m_thread.join();
}

void CheckRunner::Cancel() {
    m_thread.request_stop();
}

void CheckRunner::Run(const std::stop_token& stop, check::CheckOptions options) {
    // The check yields to the window on a busy machine: this thread, the threads it starts and
    // the part reader it runs inherit the lower priority. Failing to lower it costs nothing but
    // that.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kCheckNiceness);
    options.stop = stop;
    options.progress = [this](double done) { Tell(done); };
    State state = State::Done;
    try {
        m_report =
            check::PartChecker(std::move(options)).Check(m_part, m_documentText, m_documentName);
        if (m_shapesBy) {
            std::vector<check::SolidMesh> meshes = std::move(m_report->meshes);
            m_shapes = std::make_shared<PartShapes>(
                BuildPartShapes(*m_report, std::move(meshes), *m_shapesBy));
        }
    } catch (const check::CheckCancelled&) {
        state = State::Cancelled;
    } catch (const std::exception& error) {
        m_failure = QString::fromUtf8(error.what());
        state = State::Failed;
    } catch (const Standard_Failure& failure) {
        m_failure = QString::fromUtf8(failure.GetMessageString());
        state = State::Failed;
    }
    // A stop asked for after the last poll still wins: the person saw Cancel take.
    if (stop.stop_requested()) {
        m_report.reset();
        m_shapes.reset();
        state = State::Cancelled;
    }
    QMetaObject::invokeMethod(
        this,
        [this, state] {
            m_state = state;
            emit Finished();
        },
        Qt::QueuedConnection);
}

void CheckRunner::Tell(double done) {
    const int steps = static_cast<int>(std::floor(std::clamp(done, 0.0, 1.0) * kSteps));
    const auto now = std::chrono::steady_clock::now();
    if (steps > m_told && (steps == kSteps || now - m_toldAt >= kTellEvery)) {
        m_told = steps;
        m_toldAt = now;
        QMetaObject::invokeMethod(
            this, [this, steps] { emit Progressed(steps); }, Qt::QueuedConnection);
    }
}
