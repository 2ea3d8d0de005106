#pragma once

#include "platform/ShownPath.h"

#include <QLineEdit>

#include <string>

// A box for a file-system path: it shows the path readably and gives back the
// bytes it was filled with for as much of the text as the user left alone.
class PathBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit PathBox(QWidget* parent = nullptr) : QLineEdit(parent) {
        // Each change is taken against the one before, so that edits in two
        // places keep the bytes between them.
        connect(this, &QLineEdit::textChanged, this,
                [this](const QString& text) { path_ = ShownPath::Bytes(text, path_); });
    }

    void setPath(const std::string& path) {
        path_ = path;
        const QString shown = ShownPath::Text(path);
        if (shown == text())
            emit textChanged(shown); // the same text may stand for other bytes
        else
            setText(shown);
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};
