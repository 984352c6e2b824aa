#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace corvanth::qt {

// Where the help file is looked for, in order: the working directory, the program's own folder, the data
// folder of the prefix the program is installed in, and the desktop's data folders.
QStringList HelpFolders();
// The first readable file of that name in the folders, or an empty string.
QString FindHelpFile(const QString& name, const QStringList& folders);

// The in-app help viewer: the help file's HTML with its pictures, opened at its top (the contents).
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow();
    // Shows the file at its contents; a missing or unreadable file gets a message box over parent instead.
    bool showContents(const QString& name, const QStringList& folders, QWidget* parent);
    QTextBrowser* browser() const { return browser_; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void placeBeside(const QWidget& editor);
    QTextBrowser* browser_;
};

}  // namespace corvanth::qt
