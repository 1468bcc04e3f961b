#include "studio/PartCheckDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <array>

#include "check/PullDirection.h"
#include "document/UnitCodes.h"

namespace {

const QString kLastPullKey = QStringLiteral("partCheck/lastPull");
const QString kPartUnitsGroup = QStringLiteral("partCheck/stlUnits");

struct Axis {
    const char* name;
    const char* vector;
};

// The axes offered for the pull, each as the vector it stands for.
constexpr std::array<Axis, 6> kAxes{{{"+X", "1,0,0"},
                                     {"-X", "-1,0,0"},
                                     {"+Y", "0,1,0"},
                                     {"-Y", "0,-1,0"},
                                     {"+Z", "0,0,1"},
                                     {"-Z", "0,0,-1"}}};

// The settings key of a file: its absolute path, with the separators QSettings takes for groups
// made harmless.
QString FileKey(const QString& file) {
    return QString::fromLatin1(QFileInfo(file).absoluteFilePath().toUtf8().toBase64(
        QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

PartCheckDialog::PartCheckDialog(std::int32_t documentUnit, QWidget* parent)
    : QDialog(parent),
      m_documentUnit(documentUnit),
      m_part(new QLineEdit(this)),
      m_unit(new QComboBox(this)),
      m_unitLabel(nullptr),
      m_pull(new QComboBox(this)),
      m_pullError(new QLabel(this)) {
    setWindowTitle(tr("Check Part"));
    m_part->setObjectName(QStringLiteral("part"));
    m_unit->setObjectName(QStringLiteral("partUnit"));
    m_pull->setObjectName(QStringLiteral("pull"));
    m_pullError->setObjectName(QStringLiteral("pullError"));
    m_part->setMinimumWidth(360);
    for (std::int32_t code = 0; code <= kLastLinearUnit; ++code) {
        m_unit->addItem(QString::fromStdString(LinearUnitSymbol(code)), code);
    }
    m_pull->setEditable(true);
    for (const Axis& axis : kAxes) {
        m_pull->addItem(QString::fromLatin1(axis.name), QString::fromLatin1(axis.vector));
    }
    m_pull->setEditText(QSettings().value(kLastPullKey, QStringLiteral("0,0,1")).toString());
    m_pullError->setStyleSheet(QStringLiteral("color: #b00020"));
    m_pullError->hide();

    auto* partRow = new QHBoxLayout;
    partRow->addWidget(m_part);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    partRow->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
    connect(m_part, &QLineEdit::textChanged, this, [this] { PartChanged(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PartCheckDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(BuddyLabel(tr("&Part file:"), m_part, this), partRow);
    m_unitLabel = BuddyLabel(tr("STL &length unit:"), m_unit, this);
    form->addRow(m_unitLabel, m_unit);
    form->addRow(BuddyLabel(tr("P&ull direction (X,Y,Z or axis):"), m_pull, this), m_pull);
    form->addRow(m_pullError);
    form->addRow(buttons);
    PartChanged();
}

std::filesystem::path PartCheckDialog::Part() const {
    return m_part->text().toStdString();
}

void PartCheckDialog::SetPart(const std::filesystem::path& part) {
    m_part->setText(QString::fromStdString(part.string()));
}

QString PartCheckDialog::Pull() const {
    const QString text = m_pull->currentText().trimmed();
    for (const Axis& axis : kAxes) {
        if (text == QLatin1String(axis.name)) {
            return QString::fromLatin1(axis.vector);
        }
    }
    return text;
}

void PartCheckDialog::SetPull(const QString& pull) {
    m_pull->setEditText(pull);
}

std::optional<std::int32_t> PartCheckDialog::PartUnit() const {
    if (!IsStl()) {
        return std::nullopt;
    }
    return m_unit->currentData().toInt();
}

void PartCheckDialog::accept() {
    if (!check::ParsePullDirection(Pull().toStdString())) {
        m_pullError->setText(
            tr("The pull direction \"%1\" cannot be used: type three numbers X,Y,Z, "
               "not all zero (such as 0,0,1), or choose an axis.")
                .arg(m_pull->currentText()));
        m_pullError->show();
        m_pull->setFocus();
        return;
    }
    QSettings settings;
    settings.setValue(kLastPullKey, m_pull->currentText().trimmed());
    if (const auto unit = PartUnit()) {
        settings.setValue(kPartUnitsGroup + u'/' + FileKey(m_part->text()), *unit);
    }
    QDialog::accept();
}

void PartCheckDialog::Browse() {
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Part to Check"), m_part->text(),
                                     tr("Parts (*.step *.stp *.iges *.igs *.stl);;All files (*)"));
    if (!file.isEmpty()) {
        m_part->setText(file);
    }
}

void PartCheckDialog::PartChanged() {
    const bool stl = IsStl();
    m_unitLabel->setVisible(stl);
    m_unit->setVisible(stl);
    if (stl) {
        const int unit =
            QSettings()
                .value(kPartUnitsGroup + u'/' + FileKey(m_part->text()), m_documentUnit)
                .toInt();
        m_unit->setCurrentIndex(m_unit->findData(unit));
    }
}

bool PartCheckDialog::IsStl() const {
    return QFileInfo(m_part->text().trimmed())
               .suffix()
               .compare(QLatin1String("stl"), Qt::CaseInsensitive) == 0;
}
