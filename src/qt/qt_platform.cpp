#include "qt/qt_platform.hpp"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

#include "qt/font_conversion.hpp"
#include "qt/qt_colors.hpp"

namespace corvanth::qt {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// "description|mask" becomes Qt's "description (mask)".
QString NameFilter(const std::string& filter) {
    QString f = QString::fromStdString(filter);
    const qsizetype bar = f.indexOf('|');
    if (bar < 0) return f;
    return f.left(bar) + " (" + f.mid(bar + 1) + ")";
}

}  // namespace

std::optional<std::string> QtPlatform::runFileDialog(const FileDialogOptions& options, bool save) {
    QFileDialog dialog(parent_);
    // Qt's own dialog: the same on every desktop, and tests can drive it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(NameFilter(options.filter));
    dialog.setDirectory(lastFolder_.isEmpty() ? QString::fromStdString(options.initialDir) : lastFolder_);
    // Open picks a file that exists; Save may name a new one.
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // An existing file is replaced without a question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(QString::fromStdString(options.defaultExt));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString file = dialog.selectedFiles().first();
    lastFolder_ = QFileInfo(file).absolutePath();
    return file.toStdString();
}

std::optional<std::string> QtPlatform::RunOpenDialog(const FileDialogOptions& options) {
    return runFileDialog(options, false);
}

std::optional<std::string> QtPlatform::RunSaveDialog(const FileDialogOptions& options) {
    return runFileDialog(options, true);
}

std::optional<TColor> QtPlatform::RunColorDialog(TColor start) {
    QColorDialog dialog(ToQColor(start), parent_);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

std::optional<TFont> QtPlatform::RunFontDialog(const TFont& start) {
    QFontDialog dialog(ToQFont(start), parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return FromQFont(dialog.selectedFont(), start.color);
}

void QtPlatform::MessageBox(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::NoIcon, Text(caption), Text(text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace corvanth::qt
