#include "qt/qt_platform.hpp"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QFileInfo>
#include <QFontInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTreeView>

#include "qt/clipboard.hpp"
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

// Room beside a caption for the title bar's icon and buttons.
constexpr int kTitleBarButtons = 160;
constexpr QSize kFileDialogSize(760, 460);

// The font dialog finds a face's style by its name; a font known only by weight and slant is matched to a
// style the face lists first ("Oblique" for a face that calls its regular style "Book"). The name of the
// style the text is really drawn with selects it exactly.
QFont WithStyleName(QFont font) {
    font.setStyleName(QFontInfo(font).styleName());
    return font;
}

}  // namespace

QtPlatform::~QtPlatform() {
    // Those the window has not taken with it.
    delete openDialog_.data();
    delete saveDialog_.data();
    delete colorDialog_.data();
    delete fontDialog_.data();
}

QFileDialog& QtPlatform::fileDialog(bool save) {
    QPointer<QFileDialog>& dialog = save ? saveDialog_ : openDialog_;
    if (dialog) return *dialog;
    // The desktop's own dialog where it has one (a portal, GTK, KDE, Windows, macOS), Qt's elsewhere.
    dialog = new QFileDialog(parent_, save ? "Save As" : "Open");
    // Open picks a file that exists; Save may name a new one, and asks before it replaces an existing one.
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) dialog->setAcceptMode(QFileDialog::AcceptSave);
    // Wide enough for the name, and the size, type and date columns as wide as what they show.
    dialog->resize(dialog->sizeHint().expandedTo(kFileDialogSize));
    if (auto* details = dialog->findChild<QTreeView*>()) {
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    return *dialog;
}

std::optional<std::string> QtPlatform::runFileDialog(QFileDialog& dialog, const FileDialogOptions& options) {
    dialog.setNameFilter(NameFilter(options.filter));
    dialog.setDefaultSuffix(QString::fromStdString(options.defaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    dialog.setDirectory(lastFolder_.isEmpty() ? QString::fromStdString(options.initialDir) : lastFolder_);
    // An offered name opens its own folder. Otherwise the name typed last time is offered again, selected,
    // so that typing replaces it.
    if (!options.fileName.empty())
        dialog.selectFile(QFileInfo(QString::fromStdString(options.fileName)).absoluteFilePath());
    if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit")) {
        // The TGA and PNG dialogs are one: a name typed for the other kind of file is not offered, so Enter
        // cannot write a TGA into a .png file or the other way round.
        const QString ext = QString::fromStdString(options.defaultExt);
        if (!ext.isEmpty() && QFileInfo(name->text()).suffix().compare(ext, Qt::CaseInsensitive) != 0)
            name->clear();
        name->selectAll();
    }
    const int result = dialog.exec();
    // Confirmed with Enter, the dialog leaves the list of name completions up, and that list takes the
    // next click in the editor.
    for (QCompleter* completer : dialog.findChildren<QCompleter*>())
        if (completer->popup()) completer->popup()->hide();
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString file = dialog.selectedFiles().first();
    lastFolder_ = QFileInfo(file).absolutePath();
    return file.toStdString();
}

std::optional<std::string> QtPlatform::RunOpenDialog(const FileDialogOptions& options) {
    return runFileDialog(fileDialog(false), options);
}

std::optional<std::string> QtPlatform::RunSaveDialog(const FileDialogOptions& options) {
    return runFileDialog(fileDialog(true), options);
}

std::optional<TColor> QtPlatform::RunColorDialog(TColor start) {
    if (!colorDialog_) {
        colorDialog_ = new QColorDialog(parent_);
    }
    colorDialog_->setCurrentColor(ToQColor(start));
    if (colorDialog_->exec() != QDialog::Accepted) return std::nullopt;
    return FromQColor(colorDialog_->selectedColor());
}

std::optional<TFont> QtPlatform::RunFontDialog(const TFont& start) {
    if (!fontDialog_) {
        fontDialog_ = new QFontDialog(parent_);
    }
    fontDialog_->setCurrentFont(WithStyleName(ToQFont(start)));
    if (fontDialog_->exec() != QDialog::Accepted) return std::nullopt;
    // Qt picks glyphs for every script itself, so the dialog leaves colour and character set as they were.
    TFont chosen = FromQFont(fontDialog_->selectedFont(), start.color);
    chosen.charset = start.charset;
    return chosen;
}

void QtPlatform::MessageBox(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::NoIcon, Text(caption), Text(text), QMessageBox::Ok, parent_);
    // A message box takes the width of its text only, which leaves a short text's caption cut off in the
    // title bar; a spacer under everything keeps it wide enough for both.
    const int width = std::max(box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarButtons,
                               box.fontMetrics().horizontalAdvance(box.text()) + kTitleBarButtons / 2);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    box.exec();
}

void QtPlatform::HelpCommand(std::string_view helpFile, int command, int) {
    if (command != HELP_CONTENTS) return;
    if (!help_) help_ = std::make_unique<HelpWindow>();
    help_->showContents(Text(helpFile), helpFolders ? *helpFolders : HelpFolders(), parent_);
}

void QtPlatform::ShowIntroWindow() {
    if (newIntroWindow) newIntroWindow();
}

void QtPlatform::PutClipboardPicture(const RgbaPicture& picture) {
    QGuiApplication::clipboard()->setMimeData(PictureMimeData(picture).release());
}

ClipboardContent QtPlatform::GetClipboard() {
    return ContentOf(QGuiApplication::clipboard()->mimeData());
}

void QtPlatform::CloseMainWindow() {
    if (parent_) parent_->close();
}

}  // namespace corvanth::qt
