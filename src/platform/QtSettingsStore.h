// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <map>
#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

namespace plumbrule {

namespace settings {

// The store's place: QSettings' organisation and application.
inline constexpr char organisation[] = "Plumbrite";
inline constexpr char application[] = "Plumbrule";

}  // namespace settings

// The settings store on QSettings: native format, user scope, organisation
// "Plumbrite", application "Plumbrule", every value at the top level as text
// (on Linux the file $XDG_CONFIG_HOME/Plumbrite/Plumbrule.conf). A store made
// with a file path keeps its values in that file instead (tests).
// The file is opened on the first read, and written values are kept until
// sync() or the end of the store. Something other than a regular file at
// the file's place (a FIFO, a folder, a device) is never opened: reading it
// could wait forever, and replacing it would destroy what someone put there.
// Then every value reads as absent and written values are dropped, as for a
// settings file that cannot be read or written.
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    explicit QtSettingsStore(QString filePath);
    ~QtSettingsStore() override;

    Value ReadValue(const std::string& valueName) override;
    void WriteValue(const std::string& valueName, const std::string& valueText) override;

    // Writes pending changes to the file now (they are written at the latest
    // when the store is destroyed).
    void sync() override;

    // Where the values are kept.
    QString fileName();

  private:
    // The store, or nothing while the file's place holds something other
    // than a regular file.
    QSettings* settings();
    bool placeIsUsable() const;

    QString filePath_;
    std::unique_ptr<QSettings> settings_;
    std::map<QString, QString> pending_;  // written, not yet handed to QSettings
};

}  // namespace plumbrule
