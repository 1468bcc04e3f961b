#pragma once

#include <QDialog>
#include <cstdint>
#include <filesystem>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

// Asks which part file to check (STEP, IGES or STL), the direction the mould opens (typed as
// X,Y,Z or chosen among the axes) and, for an STL, whose file does not say, its length unit.
// The unit is remembered for each STL file and the pull for the next check.
class PartCheckDialog : public QDialog {
    Q_OBJECT

public:
    // documentUnit: the length unit an STL is read in until the person says otherwise.
    explicit PartCheckDialog(std::int32_t documentUnit, QWidget* parent = nullptr);

    std::filesystem::path Part() const;
    // The part chosen already (dropped on the window), as if browsed to.
    void SetPart(const std::filesystem::path& part);
    // "X,Y,Z", an axis chosen given as its vector; the last pull checked, or +Z.
    QString Pull() const;
    // The pull offered, as typed: "X,Y,Z" or an axis.
    void SetPull(const QString& pull);
    // The STL's length unit code; none for a part whose file says its own.
    std::optional<std::int32_t> PartUnit() const;

    // Refuses a pull direction that cannot be read, saying why beneath it.
    void accept() override;

private:
    void Browse();
    // Shows the unit box for an STL, at the unit last used for that file.
    void PartChanged();
    bool IsStl() const;

    std::int32_t m_documentUnit;
    QLineEdit* m_part;
    QComboBox* m_unit;
    QLabel* m_unitLabel;
    QComboBox* m_pull;
    QLabel* m_pullError;
};
