#include "studio/HelpBrowser.h"

#include <chm_lib.h>

#include <QFileInfo>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(true);
}

HelpBrowser::~HelpBrowser() = default;

void HelpBrowser::ChmCloser::operator()(chmFile* file) const {
    chm_close(file);
}

bool HelpBrowser::OpenFile(const QString& path) {
    if (path != m_path || !m_file) {
        m_file.reset(QFileInfo(path).isFile() ? chm_open(QFile::encodeName(path).constData())
                                              : nullptr);
        m_path = path;
    }
    return m_file != nullptr;
}

QByteArray HelpBrowser::ReadObject(const QString& name) const {
    if (!m_file) {
        return {};
    }
    const QString object = name.startsWith(u'/') ? name : QStringLiteral("/") + name;
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

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (m_file && name.isRelative()) {
        const QByteArray page = ReadObject(name.path());
        if (!page.isEmpty()) {
            return type == QTextDocument::HtmlResource ? QVariant(QString::fromUtf8(page))
                                                       : QVariant(page);
        }
    }
    return QTextBrowser::loadResource(type, name);
}
