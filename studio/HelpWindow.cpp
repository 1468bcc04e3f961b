#include "studio/HelpWindow.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "studio/HelpBrowser.h"

namespace {

constexpr int kPageRole = Qt::UserRole;
// The help compiler's table of contents: one entry per topic, its title and its page.
const QString kContentsObject = QStringLiteral("/veritor.hhc");

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_browser(new HelpBrowser),
      m_contents(new QListWidget),
      m_back(new QAction(tr("Back"), this)),
      m_forward(new QAction(tr("Forward"), this)),
      m_showContents(new QAction(tr("Contents"), this)) {
    setWindowTitle(tr("Help"));
    resize(800, 520);
    auto* tools = new QToolBar;
    m_showContents->setCheckable(true);
    m_showContents->setChecked(true);
    tools->addAction(m_showContents);
    tools->addAction(m_back);
    tools->addAction(m_forward);
    auto* panes = new QSplitter;
    panes->addWidget(m_contents);
    panes->addWidget(m_browser);
    panes->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(panes);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_showContents, &QAction::toggled, m_contents, &QWidget::setVisible);
    connect(m_contents, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_browser->setSource(QUrl(item->data(kPageRole).toString()));
    });
    connect(m_contents, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_browser->setSource(QUrl(item->data(kPageRole).toString()));
    });
}

void HelpWindow::ShowTopic(const QString& topic) {
    const qsizetype separator = topic.indexOf(QStringLiteral("::"));
    const QString path = separator < 0 ? topic : topic.left(separator);
    QString page = separator < 0 ? QString() : topic.mid(separator + 2);
    if (page.startsWith(u'/')) {
        page.remove(0, 1);
    }
    const bool otherFile = path != m_browser->FilePath();
    const bool readable = m_browser->OpenFile(path);
    if (otherFile) {
        FillContents();
    }
    show();
    raise();
    activateWindow();
    if (!readable) {
        m_browser->setPlainText(
            tr("No help is available: the help file %1 does not exist or cannot be read.")
                .arg(path));
        return;
    }
    if (m_browser->ReadObject(page).isEmpty()) {
        m_browser->setPlainText(tr("The help file %1 has no page %2.").arg(path, page));
        return;
    }
    m_browser->setSource(QUrl(page));
}

void HelpWindow::FillContents() {
    m_contents->clear();
    const QString contents = QString::fromUtf8(m_browser->ReadObject(kContentsObject));
    static const QRegularExpression kEntry(
        QStringLiteral(R"re(name="Name" value="([^"]*)">\s*<param name="Local" value="([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& entry : kEntry.globalMatch(contents)) {
        auto* item = new QListWidgetItem(entry.captured(1), m_contents);
        item->setData(kPageRole, entry.captured(2));
    }
}
