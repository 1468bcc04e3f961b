#include "studio/HelpWindow.h"

#include <chm_lib.h>

#include <QFileInfo>

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Help"));
    resize(640, 480);
    setOpenLinks(true);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::ChmCloser::operator()(chmFile* file) const {
    chm_close(file);
}

void HelpWindow::ShowTopic(const QString& topic) {
    const qsizetype separator = topic.indexOf(QStringLiteral("::"));
    const QString path = separator < 0 ? topic : topic.left(separator);
    const QString page = separator < 0 ? QString() : topic.mid(separator + 2);
    if (path != m_path || !m_file) {
        m_file.reset(QFileInfo(path).isFile() ? chm_open(QFile::encodeName(path).constData())
                                              : nullptr);
        m_path = path;
    }
    show();
    raise();
    if (!m_file) {
        setPlainText(QStringLiteral("No help is available: the help file %1 does not exist or "
                                    "cannot be read.")
                         .arg(path));
        return;
    }
    const QByteArray html = ReadPage(page);
    if (html.isEmpty()) {
        setPlainText(QStringLiteral("The help file %1 has no page %2.").arg(path, page));
        return;
    }
    setHtml(QString::fromUtf8(html));
}

QByteArray HelpWindow::ReadPage(const QString& page) const {
    if (!m_file) {
        return {};
    }
    const QString object = page.startsWith(u'/') ? page : QStringLiteral("/") + page;
    chmUnitInfo unit{};
    if (chm_resolve_object(m_file.get(), object.toUtf8().constData(), &unit) !=
        CHM_RESOLVE_SUCCESS) {
        return {};
    }
    QByteArray bytes(static_cast<qsizetype>(unit.length), '\0');
    const LONGINT64 read =
        chm_retrieve_object(m_file.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    bytes.resize(read > 0 ? static_cast<qsizetype>(read) : 0);
    return bytes;
}

QVariant HelpWindow::loadResource(int type, const QUrl& name) {
    if (m_file && name.isRelative()) {
        const QByteArray page = ReadPage(name.path());
        if (!page.isEmpty()) {
            return type == QTextDocument::HtmlResource ? QVariant(QString::fromUtf8(page))
                                                       : QVariant(page);
        }
    }
    return QTextBrowser::loadResource(type, name);
}
