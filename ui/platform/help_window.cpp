#include "ui/platform/help_window.h"

#include "ui/platform/app_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orv::ui {

QString ManualIndexFor(const QString& helpFilePath)
{
    const QDir programFolder = QFileInfo(helpFilePath).dir();
    return QDir::cleanPath(
        programFolder.filePath(QStringLiteral("../share/orv/manual/index.html")));
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Window)
    , m_contents(new QListWidget(this))
    , m_page(new ManualPage(this))
    , m_search(new QLineEdit(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    m_contents->setObjectName(QStringLiteral("Contents"));
    m_page->setObjectName(QStringLiteral("Page"));
    m_search->setObjectName(QStringLiteral("Search"));
    m_search->setPlaceholderText(QStringLiteral("Search the manual"));
    m_search->setClearButtonEnabled(true);
    m_page->setOpenExternalLinks(true);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({270, 590});
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Find:"), this));
    searchRow->addWidget(m_search);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(searchRow);
    resize(860, 620);

    connect(m_contents, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_page->scrollToAnchor(item->data(Qt::UserRole).toString());
    });
    connect(m_contents, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_page->scrollToAnchor(item->data(Qt::UserRole).toString());
    });
    connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::FindNext);
    connect(m_page, &QTextBrowser::sourceChanged, this, [this] { FillContents(); });
}

// Why the manual cannot be shown, or nothing when it can.
QString ManualProblem(const QString& indexPath)
{
    if (!QFileInfo(indexPath).isFile())
        return QStringLiteral("The manual cannot be found. It belongs in %1.").arg(indexPath);
    QFile index(indexPath);
    if (!index.open(QIODevice::ReadOnly))
        return QStringLiteral("The manual in %1 cannot be read: %2.")
            .arg(indexPath, index.errorString());
    if (index.read(4096).trimmed().isEmpty())
        return QStringLiteral("The manual in %1 is empty. Install ORV again to get it back.")
            .arg(indexPath);
    return {};
}

void HelpWindow::ShowManual(const QString& indexPath)
{
    const QString problem = ManualProblem(indexPath);
    if (!problem.isEmpty()) {
        m_page->setPlainText(problem);
        setWindowTitle(kApplicationTitle);
        FillContents();
        return;
    }
    m_page->setSource(QUrl::fromLocalFile(indexPath));
}

QVariant ManualPage::loadResource(int type, const QUrl& name)
{
    // Only regular files: reading a FIFO or a device would wait forever.
    const QUrl resolved = source().resolved(name);
    if (resolved.isLocalFile() && !QFileInfo(resolved.toLocalFile()).isFile())
        return {};
    return QTextBrowser::loadResource(type, name);
}

void HelpWindow::ShowSection(const QString& anchor) { m_page->scrollToAnchor(anchor); }

// One entry for every chapter and section heading that carries an anchor.
void HelpWindow::FillContents()
{
    m_contents->clear();
    const QString title = m_page->documentTitle();
    setWindowTitle(title.isEmpty() ? kApplicationTitle : title);
    for (QTextBlock block = m_page->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 2 || level > 3)
            continue;
        QString anchor;
        for (auto fragment = block.begin(); !fragment.atEnd() && anchor.isEmpty(); ++fragment) {
            const QStringList names = fragment.fragment().charFormat().anchorNames();
            if (!names.isEmpty())
                anchor = names.front();
        }
        if (anchor.isEmpty())
            continue;
        auto* item = new QListWidgetItem(
            (level == 3 ? QStringLiteral("    ") : QString()) + block.text().trimmed(), m_contents);
        item->setData(Qt::UserRole, anchor);
    }
}

void HelpWindow::FindNext()
{
    const QString text = m_search->text();
    if (text.isEmpty() || m_page->find(text))
        return;
    // From the top again once the end is reached.
    m_page->moveCursor(QTextCursor::Start);
    m_page->find(text);
}

} // namespace orv::ui
