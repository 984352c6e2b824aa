#include "qt/help_window.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace corvanth::qt {

QStringList HelpFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders{QDir::currentPath(), program,
                        QDir::cleanPath(program + "/../share/corvanth-logo-editor")};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(QDir(data).filePath("corvanth-logo-editor"));
    folders.removeDuplicates();
    return folders;
}

QString FindHelpFile(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile() && file.isReadable()) return file.absoluteFilePath();
    }
    return {};
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("helpWindow");
    setWindowTitle("Corvanth Logo Editor Help");
    // Only the main window decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setObjectName("helpText");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(620, 560);
}

bool HelpWindow::showContents(const QString& name, const QStringList& folders, QWidget* parent) {
    const QString path = FindHelpFile(name, folders);
    if (path.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        QString("The help file %1 cannot be opened. It was looked for in:\n%2")
                            .arg(name, folders.join('\n')),
                        QMessageBox::Ok, parent);
        box.exec();
        return false;
    }
    browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    browser_->scrollToAnchor("contents");
    if (!isVisible() && parent) placeBeside(*parent);
    show();
    raise();
    activateWindow();
    return true;
}

// Right of the editor when the screen has room there, else left of it, else over its middle.
void HelpWindow::placeBeside(const QWidget& editor) {
    const QRect main = editor.frameGeometry();
    const QScreen* screen = editor.screen();
    const QRect room = screen ? screen->availableGeometry() : main;
    const QSize frame = size() + (main.size() - editor.size());
    QRect at(QPoint(main.right() + 1, main.top()), frame);
    if (!room.contains(at)) at.moveRight(main.left() - 1);
    if (!room.contains(at)) at.moveCenter(main.center());
    at.moveTop(std::clamp(at.top(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
    move(at.topLeft());
}

void HelpWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(e);
}

}  // namespace corvanth::qt
