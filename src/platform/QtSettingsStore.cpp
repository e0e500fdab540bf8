// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtSettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <utility>

namespace plumbrule {

namespace {

// The user-scope file QSettings keeps for the organisation and application
// where the native format is an INI file; elsewhere (the registry, property
// lists) nothing: QSettings finds its place itself.
QString nativeFilePath() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QLatin1String(settings::organisation) + QLatin1Char('/') +
           QLatin1String(settings::application) + QStringLiteral(".conf");
#else
    return {};
#endif
}

}  // namespace

// Opened by its path, the file is the only one read: the organisation-wide
// and system-wide files QSettings would read as well could hold a FIFO too.
QtSettingsStore::QtSettingsStore() : filePath_(nativeFilePath()) {}

QtSettingsStore::QtSettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QtSettingsStore::~QtSettingsStore() {
    sync();
}

bool QtSettingsStore::placeIsUsable() const {
    if (filePath_.isEmpty()) return true;
    const QFileInfo place(filePath_);
    return !place.exists() || place.isFile();
}

// Once open, QSettings answers reads from what it read; only opening it and
// sync() touch the file, so those are where its place is checked.
QSettings* QtSettingsStore::settings() {
    if (!settings_) {
        if (!placeIsUsable()) return nullptr;
        if (filePath_.isEmpty()) {
            settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                    QString::fromLatin1(settings::organisation),
                                                    QString::fromLatin1(settings::application));
        } else {
            settings_ = std::make_unique<QSettings>(filePath_, QSettings::NativeFormat);
        }
    }
    return settings_.get();
}

SettingsStore::Value QtSettingsStore::ReadValue(const std::string& valueName) {
    const QString key = QString::fromStdString(valueName);
    if (const auto written = pending_.find(key); written != pending_.end()) {
        return {written->second.toStdString(), true};
    }
    QSettings* store = settings();
    if (!store || !store->contains(key)) return {};
    const QVariant value = store->value(key);
    // A hand-edited text with commas reads back as a list; keep it as written.
    const QString text = value.userType() == QMetaType::QStringList
                             ? value.toStringList().join(QLatin1Char(','))
                             : value.toString();
    return {text.toStdString(), true};
}

void QtSettingsStore::WriteValue(const std::string& valueName, const std::string& valueText) {
    pending_[QString::fromStdString(valueName)] = QString::fromStdString(valueText);
}

void QtSettingsStore::sync() {
    QSettings* store = placeIsUsable() ? settings() : nullptr;
    if (store) {
        for (const auto& [key, text] : pending_) store->setValue(key, text);
        store->sync();
    }
    pending_.clear();
}

QString QtSettingsStore::fileName() {
    if (!filePath_.isEmpty()) return filePath_;
    QSettings* store = settings();
    return store ? store->fileName() : QString();
}

}  // namespace plumbrule
