#include "QtDialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace vardex::gui {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Message texts use CR LF line breaks; Qt wants plain line feeds.
QString messageText(const std::string& text) {
    return qs(text).replace("\r\n", "\n");
}

QString startPath(const FileDialogRequest& request) {
    if (request.fileName.empty()) return qs(request.initialDir);
    QString name = qs(request.fileName);
    if (QDir::isAbsolutePath(name) || request.initialDir.empty()) return name;
    return QDir(qs(request.initialDir)).filePath(name);
}

} // namespace

QString toQtFilter(const std::string& filter) {
    QStringList parts = qs(filter).split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        int paren = description.indexOf('(');
        if (paren > 0) description = description.left(paren).trimmed();
        QStringList patterns;
        for (QString pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            patterns << (pattern == "*.*" ? QString("*") : pattern);
        }
        entries << QString("%1 (%2)").arg(description, patterns.join(' '));
    }
    return entries.join(";;");
}

MessageAnswer QtDialogs::message(const std::string& text, const std::string& title,
                                 MessageButtons buttons) {
    if (buttons == MessageButtons::Ok) {
        QMessageBox::information(parent_, qs(title), messageText(text));
        return MessageAnswer::Ok;
    }
    if (buttons == MessageButtons::YesNoCancel) {
        auto answer = QMessageBox::question(
            parent_, qs(title), messageText(text),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer == QMessageBox::Yes) return MessageAnswer::Yes;
        return answer == QMessageBox::No ? MessageAnswer::No : MessageAnswer::Cancel;
    }
    auto answer = QMessageBox::question(parent_, qs(title), messageText(text),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::string QtDialogs::input(const std::string& prompt, const std::string& title,
                             const std::string& defaultText) {
    bool ok = false;
    QString answer = QInputDialog::getText(parent_, qs(title), messageText(prompt),
                                           QLineEdit::Normal, qs(defaultText), &ok);
    return ok ? answer.toStdString() : std::string();
}

std::string QtDialogs::openFile(const FileDialogRequest& request) {
    return QFileDialog::getOpenFileName(parent_, qs(request.title), startPath(request),
                                        toQtFilter(request.filter))
        .toStdString();
}

SaveFileChoice QtDialogs::chooseSaveFile(const FileDialogRequest& request) {
    const QString filter = toQtFilter(request.filter);
    const QStringList entries = filter.split(";;");
    QFileDialog dialog(parent_, qs(request.title), startPath(request), filter);
    dialog.setObjectName("saveFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto followFilter = [&](const QString& chosen) {
        dialog.setDefaultSuffix(qs(filterExtension(request.filter, entries.indexOf(chosen))));
    };
    followFilter(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().first().toStdString(),
            static_cast<int>(entries.indexOf(dialog.selectedNameFilter()))};
}

std::optional<std::int32_t> QtDialogs::chooseColor(std::int32_t initial) {
    QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    QColor chosen = QColorDialog::getColor(start, parent_);
    if (!chosen.isValid()) return std::nullopt;
    return chosen.red() + 256 * chosen.green() + 65536 * chosen.blue();
}

} // namespace vardex::gui
