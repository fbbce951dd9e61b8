// The program's help window, standing in for the desktop's help viewer: the
// manual's HTML with a list of its chapters, working links and a search.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace orv::ui {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    // Shows the manual whose first page is `indexPath`; a missing manual is
    // said in the window itself.
    void ShowManual(const QString& indexPath);

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
