#pragma once

#include <QTextBrowser>
#include <memory>

struct chmFile;

// The application's help window: a topic of the module's compiled help file, read with chmlib,
// shown in a text browser whose links lead to other pages of the same file.
class HelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // A topic as the dialogs name it, "FILE::/PAGE"; a file that cannot be read shows a message
    // saying so instead.
    void ShowTopic(const QString& topic);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    struct ChmCloser {
        void operator()(chmFile* file) const;
    };
    QByteArray ReadPage(const QString& page) const;

    std::unique_ptr<chmFile, ChmCloser> m_file;
    QString m_path;
};
