#pragma once

#include <QDialog>
#include <filesystem>

class QLineEdit;

// Asks which part file to check (STEP, IGES or STL) and the direction the mould opens.
class PartCheckDialog : public QDialog {
    Q_OBJECT

public:
    explicit PartCheckDialog(QWidget* parent = nullptr);

    std::filesystem::path Part() const;
    // As typed, "X,Y,Z"; +Z unless changed.
    QString Pull() const;

private:
    void Browse();

    QLineEdit* m_part;
    QLineEdit* m_pull;
};
