// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtSettingsStore.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <utility>

#include "mainwindow/SettingsNames.h"

namespace plumbrule {

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::QtSettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QtSettingsStore::~QtSettingsStore() = default;

QSettings& QtSettingsStore::settings() {
    if (!settings_) {
        if (filePath_.isEmpty()) {
            settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                    QString::fromLatin1(settings::organisation),
                                                    QString::fromLatin1(settings::application));
        } else {
            settings_ = std::make_unique<QSettings>(filePath_, QSettings::NativeFormat);
        }
    }
    return *settings_;
}

SettingsStore::Value QtSettingsStore::ReadValue(const std::string& valueName) {
    const QString key = QString::fromStdString(valueName);
    QSettings& store = settings();
    if (!store.contains(key)) return {};
    const QVariant value = store.value(key);
    // A hand-edited text with commas reads back as a list; keep it as written.
    const QString text = value.userType() == QMetaType::QStringList
                             ? value.toStringList().join(QLatin1Char(','))
                             : value.toString();
    return {text.toStdString(), true};
}

void QtSettingsStore::WriteValue(const std::string& valueName, const std::string& valueText) {
    settings().setValue(QString::fromStdString(valueName), QString::fromStdString(valueText));
}

void QtSettingsStore::sync() {
    settings().sync();
}

QString QtSettingsStore::fileName() {
    return settings().fileName();
}

}  // namespace plumbrule
