#pragma once

#include <QDialog>

namespace swted {

// "About Options Editor": the editor's version and the newest generator
// version it supports; below them, the folder the configuration and the
// description files were read from.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(const QString &versionText, const QString &programFolder = QString(),
                         QWidget *parent = nullptr);

    static QString FolderText(const QString &programFolder);

    // Two lines separated by LF CR.
    static QString LabelText(const QString &versionText);
};

// "V" + number-text(major) + "." + number-text(minor) + "." + number-text(revision).
QString ComposeVersionText(int major, int minor, int revision);

} // namespace swted
