#include "studio/PartCheckDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

PartCheckDialog::PartCheckDialog(QWidget* parent)
    : QDialog(parent),
      m_part(new QLineEdit(this)),
      m_pull(new QLineEdit(QStringLiteral("0,0,1"), this)) {
    setWindowTitle(QStringLiteral("Check Part"));
    m_part->setObjectName(QStringLiteral("part"));
    m_pull->setObjectName(QStringLiteral("pull"));
    auto* partRow = new QHBoxLayout;
    partRow->addWidget(m_part);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    partRow->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Part file:"), partRow);
    form->addRow(QStringLiteral("P&ull direction (X,Y,Z):"), m_pull);
    form->addRow(buttons);
    m_part->setMinimumWidth(360);
}

std::filesystem::path PartCheckDialog::Part() const {
    return m_part->text().toStdString();
}

QString PartCheckDialog::Pull() const {
    return m_pull->text();
}

void PartCheckDialog::Browse() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Part to Check"), m_part->text(),
        QStringLiteral("Parts (*.step *.stp *.iges *.igs *.stl);;All files (*)"));
    if (!file.isEmpty()) {
        m_part->setText(file);
    }
}
