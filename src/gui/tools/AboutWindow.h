#pragma once

#include <QDialog>

namespace swted {

// "About Options Editor": the editor's version and the newest generator
// version it supports.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(const QString &versionText, QWidget *parent = nullptr);

    // Two lines separated by LF CR.
    static QString LabelText(const QString &versionText);
};

// "V" + number-text(major) + "." + number-text(minor) + "." + number-text(revision).
QString ComposeVersionText(int major, int minor, int revision);

} // namespace swted
