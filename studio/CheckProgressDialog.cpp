#include "studio/CheckProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "studio/CheckRunner.h"

CheckProgressDialog::CheckProgressDialog(CheckRunner& runner, const QString& what, QWidget* parent)
    : QDialog(parent),
      m_runner(runner),
      m_label(new QLabel(what, this)),
      m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Checking Part"));
    m_bar->setRange(0, CheckRunner::kSteps);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    connect(m_cancel, &QPushButton::clicked, this, &CheckProgressDialog::reject);
    connect(&runner, &CheckRunner::Progressed, m_bar, &QProgressBar::setValue);
    connect(&runner, &CheckRunner::Finished, this, &QDialog::accept);
}

void CheckProgressDialog::WaitForEnd() {
    if (m_runner.Outcome() == CheckRunner::State::Running) {
        exec();
    }
}

void CheckProgressDialog::reject() {
    m_runner.Cancel();
    m_cancel->setEnabled(false);
    m_label->setText(tr("Cancelling..."));
}
