// The program's help window, standing in for the desktop's help viewer: the
// manual's HTML with a list of its chapters, working links and a search.
#pragma once

#include <QDialog>
#include <QString>

#include <QTextBrowser>

class QLineEdit;
class QListWidget;

namespace orv::ui {

// The page of the manual: it loads pictures and pages only from regular
// files.
class ManualPage : public QTextBrowser {
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    // Shows the manual whose first page is `indexPath`; a manual that is
    // missing, unreadable or empty is said in the window itself.
    void ShowManual(const QString& indexPath);
    // Scrolls the manual to the section with this anchor.
    void ShowSection(const QString& anchor);

private:
    void FillContents();
    void FindNext();

    QListWidget* m_contents;
    QTextBrowser* m_page;
    QLineEdit* m_search;
};

// Where the manual stands for a help file path beside the program:
// "<prefix>/bin/Q418266.chm" gives "<prefix>/share/orv/manual/index.html",
// in the build tree as in an installed system.
[[nodiscard]] QString ManualIndexFor(const QString& helpFilePath);

} // namespace orv::ui
