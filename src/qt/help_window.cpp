#include "qt/help_window.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace corvanth::qt {

QStringList HelpFolders() {
    return {QDir::currentPath(), QCoreApplication::applicationDirPath(), QStringLiteral(CORVANTH_DATA_DIR)};
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
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace corvanth::qt
