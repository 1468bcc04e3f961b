#pragma once

#include <QTextBrowser>
#include <memory>

struct chmFile;

// A page of the module's compiled help file, read with chmlib, in a text browser whose links lead
// to other pages of the same file.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    ~HelpBrowser() override;

    // Opens the file unless it is open already; false when it cannot be read.
    bool OpenFile(const QString& path);
    const QString& FilePath() const { return m_path; }
    // An object of the open file ("/14102.html", "/veritor.hhc"); empty when there is none.
    QByteArray ReadObject(const QString& name) const;

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    struct ChmCloser {
        void operator()(chmFile* file) const;
    };

    std::unique_ptr<chmFile, ChmCloser> m_file;
    QString m_path;
};
