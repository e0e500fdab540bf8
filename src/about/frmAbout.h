// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPixmap;
class QPushButton;

namespace plumbrule {

// The About window: modal over the main window and centred on it, white,
// fixed size, with the program's emblem, the title "Plumbrule", the version
// line ("Version 1.5.0", from the build's project version) and a short
// description with a contact address. cmdOK "OK" closes it with Enter or
// Escape. Each opening is a new window, so nothing carries over.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    // "Version " and the build's major, minor and revision numbers.
    static QString versionText();
    static QString descriptionText();

    void cmdOK_Click();

    // The pictures, drawn here: the program's emblem (the program
    // icon, or a drawing of our own when its pictures are missing) and a carpenter's square.
    static QPixmap emblem(int size);
    static QPixmap squarePicture(int width, int height);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();

    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace plumbrule
