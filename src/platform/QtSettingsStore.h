// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

namespace plumbrule {

// The settings store on QSettings: native format, user scope, organisation
// "Plumbrite", application "Plumbrule", every value at the top level as text
// (on Linux the file $XDG_CONFIG_HOME/Plumbrite/Plumbrule.conf). A store made
// with a file path keeps its values in that file instead (tests).
// The file is opened on the first read or write, not when the store is made.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(QString filePath);
    ~QtSettingsStore() override;

    Value ReadValue(const std::string& valueName) override;
    void WriteValue(const std::string& valueName, const std::string& valueText) override;

    // Writes pending changes to the file now (they are written at the latest
    // when the store is destroyed).
    void sync();

    // Where the values are kept.
    QString fileName();

private:
    QSettings& settings();

    QString filePath_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace plumbrule
